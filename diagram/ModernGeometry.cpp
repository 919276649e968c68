#include "ModernGeometry.h"

#include "FretboardGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Room above the top string (half a dot and a root's ring) and below the bottom string (the
// same, a gap and the fret numbers), in units of the smaller spacing.
constexpr double kAbove = 0.55;
constexpr double kBelowToNumbers = 0.6;
constexpr double kNumberSize = 0.42;
// The string spacing never grows beyond this many fret spacings, so a tall window does not pull
// the strings apart.
constexpr double kMostStringsPerFret = 1.4;

int Round(double value)
{
    return static_cast<int>(std::lround(value));
}

// The cells of frets first..last and the one beyond.
int CellCount(int firstFret, int lastFret)
{
    return std::max(1, lastFret - firstFret + 2);
}

// A layout with its spacings chosen: sizes of dots, markers, lines and numbers follow from the
// smaller spacing.
ViewLayout Sized(const DiagramOptions& options, int firstFret, int fretSpacing, int stringSpacing)
{
    ViewLayout layout;
    layout.options = options;
    layout.options.look = DiagramLook::Modern;
    layout.firstFret = firstFret;
    layout.fretSpacing = std::max(1, fretSpacing);
    layout.stringSpacing = std::max(1, stringSpacing);
    const int unit = std::min(layout.fretSpacing, layout.stringSpacing);
    layout.dotDiameter = std::max(2, 2 * Round(0.4 * unit));
    layout.markerDiameter = std::max(1, Round(0.32 * unit));
    layout.lineWidth = std::max(1, Round(unit / 40.0));
    layout.nutWidth = std::max(3, Round(unit / 9.0));
    layout.numberSize = Round(kNumberSize * unit);
    return layout;
}

// Places the neck's top string at topY and the fret numbers below its bottom string.
void PlaceRows(ViewLayout& layout, int stringCount, int topY)
{
    const int unit = std::min(layout.fretSpacing, layout.stringSpacing);
    layout.topY = topY;
    const int bottomY = topY + (stringCount - 1) * layout.stringSpacing;
    layout.numbersY = bottomY + Round(kBelowToNumbers * unit) + layout.numberSize / 2;
}

// Places the cells from leftX on.
void PlaceColumns(ViewLayout& layout, int leftX, int cells)
{
    layout.leftX = leftX;
    layout.rightX = leftX + cells * layout.fretSpacing;
    layout.nutX = leftX + layout.fretSpacing;
}

} // namespace

ViewLayout ModernGeometry::Screen(int width, int height, int stringCount,
                                  const DiagramOptions& options, int firstFret, int lastFret)
{
    const int rows = std::max(1, stringCount);
    const int pad = std::max(2, std::min(width, height) / 40);
    const int cells = CellCount(firstFret, lastFret);
    const int fretSpacing = (width - 2 * pad) / cells;
    // The rows' spacings plus the room above and below, measured in string spacings (which are
    // never smaller than the unit the room is measured in).
    const double heightInSpacings = (rows - 1) + kAbove + kBelowToNumbers + kNumberSize + 0.3;
    const int byHeight = static_cast<int>((height - 2 * pad) / heightInSpacings);
    const int stringSpacing =
        std::min(byHeight, static_cast<int>(kMostStringsPerFret * std::max(1, fretSpacing)));
    ViewLayout layout = Sized(options, firstFret, fretSpacing, stringSpacing);

    const int unit = std::min(layout.fretSpacing, layout.stringSpacing);
    const int above = Round(kAbove * unit);
    const int below = Round(kBelowToNumbers * unit) + layout.numberSize;
    const int content = (rows - 1) * layout.stringSpacing + above + below;
    PlaceRows(layout, rows, (height - content) / 2 + above);
    PlaceColumns(layout, (width - cells * layout.fretSpacing) / 2, cells);
    return layout;
}

ViewLayout ModernGeometry::Printer(int dpiX, int dpiY, int printableWidth, int stringCount,
                                   const DiagramOptions& options, int firstFret, int lastFret)
{
    const int cells = CellCount(firstFret, lastFret);
    const int fretSpacing = (printableWidth - 2 * dpiX) / cells;
    ViewLayout layout = Sized(options, firstFret, fretSpacing, fretSpacing);
    PlaceRows(layout, std::max(1, stringCount), 2 * dpiY);
    PlaceColumns(layout, dpiX, cells);
    return layout;
}

ViewLayout ModernGeometry::Box(int leftX, int topY, int rightX, int stringCount,
                               const DiagramOptions& options)
{
    const int firstFret = FretboardGeometry::FirstCellFret(options);
    const int cells = CellCount(firstFret, options.LastShownFret());
    const int fretSpacing = (rightX - leftX) / cells;
    ViewLayout layout = Sized(options, firstFret, fretSpacing, fretSpacing);
    PlaceRows(layout, std::max(1, stringCount), topY);
    PlaceColumns(layout, leftX, cells);
    return layout;
}
