#pragma once

#include "DiagramColours.h"
#include "ViewLayout.h"

#include <optional>

class CFretboard;
class DiagramState;
class QPainter;

// Paints where the player's reach on the neck ends, in the classic and the modern look alike: the
// frets below a capo drawn muted, the capo's bar, the arrows at either end of a range that point
// to the notes beyond it, and, for the classic look, the numbers of a range's frets.
class ReachPainter
{
public:
    /// Lightens the neck below the capo (lines, nut and markers) towards the background.
    static void PaintMuted(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                           const DiagramColours& colours);
    /// The capo's bar across every string that runs under it (not the short string of a banjo
    /// below its fifth fret).
    static void PaintCapo(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                          const DiagramColours& colours);
    /// A small arrow at the end of each string of a range beyond which the string has a note to
    /// show, filled as that nearest note's dot.
    static void PaintArrows(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                            const DiagramColours& colours);
    /// The number of every fret of a range, centred below its dots in the painter's font, within
    /// FretboardGeometry::kNumbersBand.
    static void PaintNumbers(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                             const DiagramColours& colours);

    /// The kind of dot of string's nearest note below (high false) or above the frets a range of
    /// options shows; none when the string has none there or the whole neck is shown.
    static std::optional<DotKind> NearestBeyond(const CFretboard& board, int string,
                                                const DiagramOptions& options, bool high);
};
