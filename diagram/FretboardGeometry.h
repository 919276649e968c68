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
    /// Layout for a window of width x height pixels showing stringCount (1..10) strings. A window
    /// too short for its width gets the layout of the widest narrower window whose dots all fit
    /// the height, centred across the width.
    static ViewLayout ScreenLayout(int width, int height, int stringCount,
                                   const DiagramOptions& options = {});
    /// Layout for a printer of dpiX x dpiY pixels per inch and printableWidth pixels.
    static ViewLayout PrinterLayout(int dpiX, int dpiY, int printableWidth,
                                    const DiagramOptions& options = {});

    /// The neck's highest fret, 12..24: the layout shows frets 0..LastFret + 1.
    static int LastFret(const ViewLayout& layout);

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

    /// The cell a click at (x, y) pixels selects among stringCount rows; none outside the neck
    /// band, beyond the open string's cell or in the cell of fret LastFret + 1.
    static std::optional<FretCell> CellAt(const ViewLayout& layout, int stringCount, int x, int y);
};
