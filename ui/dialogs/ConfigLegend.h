#pragma once

#include "DiagramColours.h"
#include "Settings.h"

#include <QRect>

class QPainter;

// The configuration dialog's legend: sample marks next to the five legend labels, showing how
// the display settings draw scale notes, the root, overlay notes, pattern matches and markers.
// Every rectangle is in the dialog's client pixels. Each sample is centred on its caption's
// line, whatever frame the window manager draws at whatever scale.
class ConfigLegend
{
public:
    /// Geometry from the "Legend" group box and the "Scale Note" and "Root Note" labels.
    ConfigLegend(const QRect& legendBox, const QRect& scaleLabel, const QRect& rootLabel);

    /// Distance in pixels between two sample rows (top of "Root Note" minus top of "Scale Note").
    int RowPitch() const { return m_rowPitch; }
    /// Diameter in pixels of a sample circle: half the row pitch.
    int SampleDiameter() const { return m_rowPitch / 2; }
    /// X in pixels of every sample's centre.
    int CentreX() const { return m_centreX; }
    /// Y in pixels of the centre of sample row 0..4 (Scale, Root, Overlay, Pattern, Dot Marker):
    /// the middle of that row's caption.
    int RowCentreY(int row) const { return m_row0Y + row * m_rowPitch; }
    /// The area repainted when a setting changes: the legend group box.
    QRect LegendRect() const { return m_legendRect; }

    /// Paints circles, sample characters and the marker for settings with painter's font, in the
    /// colours the neck is drawn with.
    void Paint(QPainter& painter, const Settings& settings,
               const DiagramColours& colours = DiagramColours::Classic()) const;

private:
    int m_rowPitch;
    int m_centreX;
    int m_row0Y;
    QRect m_legendRect;
};
