#pragma once

#include "ViewLayout.h"

class DiagramState;
class QPainter;
struct DiagramColours;

// Paints the modern look's neck: string and fret lines of a width that grows with the neck, a
// heavy nut, scaled markers, fret numbers below the neck, dots of 0.8 of the smaller spacing with
// labels fitted inside them, and a ring around every root that tells it without colour.
class ModernPainter
{
public:
    /// Paints state's neck in layout (from ModernGeometry) with colours; with printer also the
    /// string names beside the open strings. Leaves painter's state as it found it.
    static void Paint(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                      const DiagramColours& colours, bool printer);
};
