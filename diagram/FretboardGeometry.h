#pragma once

#include "DiagramOptions.h"
#include "FretCell.h"
#include "ViewLayout.h"

#include <QRect>

#include <optional>

// Where the parts of the neck diagram lie, in device pixels with y growing downwards, and which
// cell a point falls in. No widget is involved, so every rule can be checked with numbers.
// A left-handed layout mirrors every x across the strings' span: pixel column x of the
// right-handed picture becomes column leftX + rightX - x.
class FretboardGeometry
{
public:
    /// Pixels below the bottom string's dots that a window keeps for the numbers of a range.
    static constexpr int kNumbersBand = 20;

    /// Layout for a window of width x height pixels showing stringCount (1..10) strings. A window
    /// too short for its width gets the layout of the widest narrower window whose dots all fit
    /// the height, centred across the width.
    static ViewLayout ScreenLayout(int width, int height, int stringCount,
                                   const DiagramOptions& options = {});
    /// Layout for a printer of dpiX x dpiY pixels per inch and printableWidth pixels.
    static ViewLayout PrinterLayout(int dpiX, int dpiY, int printableWidth,
                                    const DiagramOptions& options = {});
    /// Layout of a neck whose strings run from leftX to rightX, the top one at topY (pixels).
    static ViewLayout BoxLayout(int leftX, int topY, int rightX, const DiagramOptions& options);

    /// The highest fret drawn, the neck's 12..24 or the end of a range: the layout shows the
    /// cells of frets firstFret..LastFret + 1.
    static int LastFret(const ViewLayout& layout);
    /// The fret of the first cell: 0 (the open strings) for a neck drawn from the nut; for a range
    /// from a higher fret the one below it, whose cell holds the arrows of notes further down.
    static int FirstCellFret(const DiagramOptions& options);
    /// The highest fret drawn with dots: LastFret + 1 on the whole neck, beyond its end line;
    /// LastFret for a range, whose cell beyond holds the arrows of notes further up.
    static int LastDotFret(const ViewLayout& layout);

    /// Column x of the right-handed picture as this layout shows it (mirrored when left-handed).
    static int MirrorX(const ViewLayout& layout, int x);
    /// A box of the right-handed picture (inclusive pixels) as this layout shows it.
    static QRect MirrorBox(const ViewLayout& layout, const QRect& box);

    /// y of string row 0.. (0 = top line).
    static int RowY(const ViewLayout& layout, int row);
    /// x of fret line firstFret..LastFret + 1 (0 = nut), moved offset pixels along the neck towards
    /// the higher frets (negative: towards the open strings).
    static int FretLineX(const ViewLayout& layout, int line, int offset = 0);
    /// x of the centre of the dot of fret 0..LastFret + 1 (fret 0 sits beside the nut, on the open
    /// strings' side): the left edge of its box plus half the dot diameter.
    static int DotCenterX(const ViewLayout& layout, int fret);
    /// Box of the dot of (row, fret); right and bottom edges are exclusive.
    static QRect DotBox(const ViewLayout& layout, int row, int fret);
    /// Box of the fret marker at fret 0..LastFret + 1 on a possibly fractional row; right/bottom
    /// exclusive.
    static QRect MarkerBox(const ViewLayout& layout, int fret, double row);

    /// A capo's bar across rows topRow..bottomRow at fret capo: just below the fret's line,
    /// clear of the fret's dots; inclusive pixels.
    static QRect CapoBarBox(const ViewLayout& layout, int capo, int topRow, int bottomRow);
    /// The part of the neck below a capo on fret capo (1..) that is drawn muted: from the neck's
    /// start to the line of the fret below it, over stringCount rows and their dots; empty when
    /// none of it is drawn. Inclusive pixels.
    static QRect MutedBox(const ViewLayout& layout, int capo, int stringCount);
    /// The box of the arrow at the low (first cell) or high (cell beyond LastFret) end of row
    /// that points to notes beyond a range; inclusive pixels.
    static QRect ArrowBox(const ViewLayout& layout, int row, bool high);

    /// The cell a click at (x, y) pixels selects among stringCount rows; none outside the neck
    /// band, beyond the open string's cell, below a range or in the cell of fret LastFret + 1.
    static std::optional<FretCell> CellAt(const ViewLayout& layout, int stringCount, int x, int y);
};
