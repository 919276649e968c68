#pragma once

#include "PaintTarget.h"
#include "ViewLayout.h"

#include <QPen>

class DiagramState;
class QPainter;

// Paints the whole neck diagram of the state's fretboard and settings: captions and string names
// (printer only), string and fret lines, nut, end line, fret markers, dots and their labels. The
// modern look's neck is left to ModernPainter.
class FretboardPainter
{
public:
    /// Paints into painter (device pixels, origin top-left) for target with painter's current
    /// font; returns the layout used, which the caller keeps for mapping clicks.
    static ViewLayout Paint(QPainter& painter, const DiagramState& state,
                            const PaintTarget& target);
    /// The layout the state's diagram takes on target, in the state's look.
    static ViewLayout Layout(const DiagramState& state, const PaintTarget& target);
    /// The pen of every line and outline of the classic look: solid (black unless the colours say
    /// otherwise), one device pixel wide on screen, printer, preview and export alike.
    static QPen LinePen(const QColor& colour = Qt::black);
    /// The printed page's captions: the scale's and the overlay's (or the chord's) names,
    /// left-aligned with the neck above it, the first at y = top, in the painter's font and pen;
    /// textHeight is the font's line height.
    static void DrawCaptions(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                             int textHeight, int top);
};
