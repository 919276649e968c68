#pragma once

#include "FretCell.h"
#include "ViewLayout.h"

#include <QRect>

#include <optional>

// Where the parts of the neck diagram lie, in device pixels with y growing downwards, and which
// cell a point falls in. No widget is involved, so every rule can be checked with numbers.
class FretboardGeometry
{
public:
    /// Layout for a window of width x height pixels showing stringCount (1..10) strings. A window
    /// too short for its width gets the layout of the widest narrower window whose dots all fit
    /// the height, centred across the width.
    static ViewLayout ScreenLayout(int width, int height, int stringCount);
    /// Layout for a printer of dpiX x dpiY pixels per inch and printableWidth pixels.
    static ViewLayout PrinterLayout(int dpiX, int dpiY, int printableWidth);

    /// y of string row 0.. (0 = top line).
    static int RowY(const ViewLayout& layout, int row);
    /// x of fret line 0..13 (0 = nut).
    static int FretLineX(const ViewLayout& layout, int line);
    /// x of the centre of the dot of fret 0..13 (fret 0 sits left of the nut).
    static int DotCenterX(const ViewLayout& layout, int fret);
    /// Box of the dot of (row, fret); right and bottom edges are exclusive.
    static QRect DotBox(const ViewLayout& layout, int row, int fret);
    /// Box of the fret marker at fret 0..13 on a possibly fractional row; right/bottom exclusive.
    static QRect MarkerBox(const ViewLayout& layout, int fret, double row);

    /// The cell a click at (x, y) pixels selects among stringCount rows; none outside the neck
    /// band, left of the open string's cell or in the cell of fret 13.
    static std::optional<FretCell> CellAt(const ViewLayout& layout, int stringCount, int x, int y);
};
