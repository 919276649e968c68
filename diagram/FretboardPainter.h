#pragma once

#include "PaintTarget.h"
#include "ViewLayout.h"

#include <QPen>

class DiagramState;
class QPainter;

// Paints the whole neck diagram of the state's fretboard and settings: captions and string names
// (printer only), string and fret lines, nut, end line, fret markers, dots and their labels.
class FretboardPainter
{
public:
    /// Paints into painter (device pixels, origin top-left) for target with painter's current
    /// font; returns the layout used, which the caller keeps for mapping clicks.
    static ViewLayout Paint(QPainter& painter, const DiagramState& state,
                            const PaintTarget& target);
    /// The pen of every line and outline: solid black, one device pixel wide on screen, printer,
    /// preview and export alike.
    static QPen LinePen();
};
