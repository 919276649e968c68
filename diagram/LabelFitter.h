#pragma once

#include <QFont>
#include <QPointF>
#include <QStaticText>
#include <QStringList>

#include <memory>
#include <vector>

class QPaintDevice;

// Fonts for short texts centred on a point: the labels of the dots (notes, degrees, intervals of
// one to three characters) and the fret numbers. Every text of a set shares one baseline, half
// the capital height below the point, so sharps and flats sit alike; each is centred across by
// its own ink. Measuring glyphs is slow next to painting, so each set's result is kept and shared
// by every later paint with the same font, size and texts.
class LabelFitter
{
public:
    /// One text laid out in the set's font.
    struct Placed
    {
        QStaticText text; ///< prepared for an untransformed painter
        QPointF offset;   ///< from the point the text is centred on to the text's top-left
    };
    /// A set of texts in one font.
    struct Fitted
    {
        QFont font;                ///< the font every text is laid out in
        std::vector<Placed> texts; ///< in the order of the texts asked for
    };

    /// Smallest pixel size a label is drawn at: a dot too small for it stays unlabelled.
    static constexpr int kSmallestSize = 6;

    /// The largest font made from base (bold) in which each of labels, centred on a dot of
    /// diameter pixels, keeps its ink at least margin pixels inside the circle, as device
    /// measures glyphs; null when even kSmallestSize pixels do not fit.
    static std::shared_ptr<const Fitted> FitToDot(const QFont& base, int diameter, double margin,
                                                  const QStringList& labels,
                                                  const QPaintDevice* device);
    /// texts centred in base's font at pixelSize pixels (at least 1), as device measures glyphs.
    static std::shared_ptr<const Fitted>
    Centred(const QFont& base, int pixelSize, const QStringList& texts, const QPaintDevice* device);
};
