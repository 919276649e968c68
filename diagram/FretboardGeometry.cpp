#include "FretboardGeometry.h"

#include <algorithm>

namespace {

// The cells of the neck as drawn: the open string's cell (or, for a range, the cell below its
// first fret), the frets up to the last one shown and the cell beyond it.
int CellCount(const ViewLayout& layout)
{
    return FretboardGeometry::LastFret(layout) - layout.firstFret + 2;
}

// Fills in the spacings, nut and dot sizes from the board's left and right edges, which span
// the open string's cell, frets 1..F and the cell beyond fret F.
ViewLayout Spaced(ViewLayout layout)
{
    layout.fretSpacing = (layout.rightX - layout.leftX) / CellCount(layout);
    layout.stringSpacing = layout.fretSpacing;
    layout.nutX = layout.leftX + layout.fretSpacing;
    layout.dotDiameter = layout.fretSpacing / 2;
    layout.markerDiameter = layout.dotDiameter / 3;
    return layout;
}

// The window rule: margins of width / 16, the strings centred in the height with an estimate of
// their spacing made from the margin. Twelve frets make 14 cells, about 14 margins wide, so the
// margin is the estimate there; a longer neck shares the same width among more cells.
ViewLayout CentredLayout(int width, int height, int stringCount, const DiagramOptions& options)
{
    ViewLayout layout;
    layout.options = options;
    layout.firstFret = FretboardGeometry::FirstCellFret(options);
    const int margin = width / 16;
    const int estimate = margin * 14 / CellCount(layout);
    layout.leftX = margin;
    layout.topY = height / 2 - ((stringCount - 1) * estimate) / 2;
    layout.rightX = width - margin;
    return Spaced(layout);
}

// True when the dots of the top and bottom strings lie wholly within rows 0..height - 1, and a
// range's fret numbers below them.
bool AllDotsInside(const ViewLayout& layout, int height, int stringCount)
{
    const int half = layout.dotDiameter / 2;
    const int bottomY = layout.topY + (stringCount - 1) * layout.stringSpacing;
    const int numbers = layout.options.ShowsRange() ? FretboardGeometry::kNumbersBand : 0;
    return layout.topY - half >= 0 && bottomY + half + numbers <= height;
}

// x of the middle of fret's cell in the right-handed picture.
int RightHandedCenterX(const ViewLayout& layout, int fret)
{
    return layout.nutX - layout.fretSpacing / 2 + (fret - layout.firstFret) * layout.fretSpacing;
}

} // namespace

ViewLayout FretboardGeometry::ScreenLayout(int width, int height, int stringCount,
                                           const DiagramOptions& options)
{
    ViewLayout layout = CentredLayout(width, height, stringCount, options);
    if (AllDotsInside(layout, height, stringCount)) {
        return layout;
    }
    // Too short for its width: lay the neck out as in the widest narrower window whose dots all
    // fit the height, centred across the real width.
    for (int narrower = width - 1; narrower > 0; --narrower) {
        ViewLayout fitted = CentredLayout(narrower, height, stringCount, options);
        if (AllDotsInside(fitted, height, stringCount)) {
            const int shift = (width - narrower) / 2;
            fitted.leftX += shift;
            fitted.rightX += shift;
            fitted.nutX += shift;
            return fitted;
        }
    }
    return layout;
}

ViewLayout FretboardGeometry::PrinterLayout(int dpiX, int dpiY, int printableWidth,
                                            const DiagramOptions& options)
{
    return BoxLayout(dpiX, 2 * dpiY, printableWidth - dpiX, options);
}

ViewLayout FretboardGeometry::BoxLayout(int leftX, int topY, int rightX,
                                        const DiagramOptions& options)
{
    ViewLayout layout;
    layout.options = options;
    layout.firstFret = FirstCellFret(options);
    layout.leftX = leftX;
    layout.topY = topY;
    layout.rightX = rightX;
    return Spaced(layout);
}

int FretboardGeometry::LastFret(const ViewLayout& layout)
{
    return layout.options.LastShownFret();
}

int FretboardGeometry::FirstCellFret(const DiagramOptions& options)
{
    return options.fromFret > 0 ? options.fromFret - 1 : 0;
}

int FretboardGeometry::LastDotFret(const ViewLayout& layout)
{
    return layout.options.ShowsRange() ? LastFret(layout) : LastFret(layout) + 1;
}

int FretboardGeometry::MirrorX(const ViewLayout& layout, int x)
{
    return layout.options.leftHanded ? layout.leftX + layout.rightX - x : x;
}

QRect FretboardGeometry::MirrorBox(const ViewLayout& layout, const QRect& box)
{
    if (!layout.options.leftHanded) {
        return box;
    }
    return QRect(QPoint(MirrorX(layout, box.right()), box.top()),
                 QPoint(MirrorX(layout, box.left()), box.bottom()));
}

int FretboardGeometry::RowY(const ViewLayout& layout, int row)
{
    return layout.topY + row * layout.stringSpacing;
}

int FretboardGeometry::FretLineX(const ViewLayout& layout, int line, int offset)
{
    return MirrorX(layout, layout.nutX + (line - layout.firstFret) * layout.fretSpacing + offset);
}

int FretboardGeometry::DotCenterX(const ViewLayout& layout, int fret)
{
    return DotBox(layout, 0, fret).left() + layout.dotDiameter / 2;
}

QRect FretboardGeometry::DotBox(const ViewLayout& layout, int row, int fret)
{
    const int cx = RightHandedCenterX(layout, fret);
    const int cy = RowY(layout, row);
    const int half = layout.dotDiameter / 2;
    return MirrorBox(layout,
                     QRect(QPoint(cx - half, cy - half), QPoint(cx + half - 1, cy + half - 1)));
}

QRect FretboardGeometry::MarkerBox(const ViewLayout& layout, int fret, double row)
{
    const int cx = RightHandedCenterX(layout, fret);
    const double cy = layout.topY + layout.stringSpacing * row;
    const int half = layout.markerDiameter / 2;
    const int top = static_cast<int>(cy - half);
    const int bottom = static_cast<int>(cy + half);
    return MirrorBox(layout, QRect(QPoint(cx - half, top), QPoint(cx + half - 1, bottom - 1)));
}

std::optional<FretCell> FretboardGeometry::CellAt(const ViewLayout& layout, int stringCount, int x,
                                                  int y)
{
    // The band is symmetric, so a mirrored point is checked and mapped as the right hand's.
    x = MirrorX(layout, x);
    const int halfDot = layout.dotDiameter / 2;
    if (x <= layout.leftX || x >= layout.rightX) {
        return std::nullopt;
    }
    if (y <= layout.topY - halfDot ||
        y >= layout.topY + stringCount * layout.stringSpacing + halfDot) {
        return std::nullopt;
    }
    if (layout.fretSpacing <= 0 || layout.stringSpacing <= 0) {
        return std::nullopt;
    }
    const int cell = (x - layout.nutX + layout.fretSpacing) / layout.fretSpacing;
    const int fret = layout.firstFret + cell;
    const int row = (y - layout.topY + layout.stringSpacing / 2) / layout.stringSpacing;
    if (cell < 0 || fret < layout.options.fromFret || fret > LastFret(layout) || row < 0 ||
        row >= stringCount) {
        return std::nullopt;
    }
    return FretCell{row, fret};
}

QRect FretboardGeometry::CapoBarBox(const ViewLayout& layout, int capo, int topRow, int bottomRow)
{
    // Just behind the capo's fret, on the nut's side, where a capo clamps; narrower than the gap
    // beside the dots of that fret.
    const int width = std::max(3, layout.fretSpacing / 5);
    const int right = layout.nutX + (capo - layout.firstFret) * layout.fretSpacing + width / 3;
    const int reach = std::max(2, layout.dotDiameter / 4);
    return MirrorBox(layout, QRect(QPoint(right - width + 1, RowY(layout, topRow) - reach),
                                   QPoint(right, RowY(layout, bottomRow) + reach)));
}

QRect FretboardGeometry::MutedBox(const ViewLayout& layout, int capo, int stringCount)
{
    // From the start of the neck up to the fret line below the capo's fret.
    const int right =
        std::min(layout.rightX, layout.nutX + (capo - 1 - layout.firstFret) * layout.fretSpacing);
    if (capo <= 0 || right < layout.leftX) {
        return {};
    }
    const int reach = layout.dotDiameter / 2 + 1;
    return MirrorBox(layout, QRect(QPoint(layout.leftX, layout.topY - reach),
                                   QPoint(right, RowY(layout, stringCount - 1) + reach)));
}

QRect FretboardGeometry::ArrowBox(const ViewLayout& layout, int row, bool high)
{
    const int fret = high ? LastFret(layout) + 1 : layout.firstFret;
    const int cx = RightHandedCenterX(layout, fret);
    const int cy = RowY(layout, row);
    const int half = std::max(2, layout.dotDiameter / 5);
    return MirrorBox(layout, QRect(QPoint(cx - half, cy - half), QPoint(cx + half, cy + half)));
}
