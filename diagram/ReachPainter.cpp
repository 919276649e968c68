#include "ReachPainter.h"

#include "DiagramState.h"
#include "FretboardGeometry.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

void ReachPainter::PaintMuted(QPainter& painter, const DiagramState& state,
                              const ViewLayout& layout, const DiagramColours& colours)
{
    const QRect box =
        FretboardGeometry::MutedBox(layout, state.fretboard->GetCapo(), state.settings.stringCount);
    if (box.isEmpty()) {
        return;
    }
    QColor veil = colours.background;
    veil.setAlpha(165);
    painter.fillRect(box, veil);
}

void ReachPainter::PaintCapo(QPainter& painter, const DiagramState& state, const ViewLayout& layout,
                             const DiagramColours& colours)
{
    const CFretboard& board = *state.fretboard;
    const int capo = board.GetCapo();
    if (capo <= 0 || capo < layout.firstFret || capo > FretboardGeometry::LastFret(layout)) {
        return;
    }
    const int n = state.settings.stringCount;
    int top = n;
    int bottom = -1;
    for (int s = 0; s < board.GetStringCount(); ++s) {
        if (board.GetStartFret(s) <= capo) {
            const int row = layout.options.RowOfString(s, n);
            top = std::min(top, row);
            bottom = std::max(bottom, row);
        }
    }
    if (bottom < top) {
        return;
    }
    const QRect box = FretboardGeometry::CapoBarBox(layout, capo, top, bottom);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.nut);
    const qreal radius = box.width() / 2.0;
    painter.drawRoundedRect(QRectF(box.left(), box.top(), box.width(), box.height()), radius,
                            radius);
    painter.restore();
}

std::optional<DotKind> ReachPainter::NearestBeyond(const CFretboard& board, int string,
                                                   const DiagramOptions& options, bool high)
{
    if (!options.ShowsRange()) {
        return std::nullopt;
    }
    const int step = high ? 1 : -1;
    const int end = high ? board.GetFrets() + 1 : -1;
    for (int fret = high ? options.LastShownFret() + 1 : options.fromFret - 1; fret != end;
         fret += step) {
        if (const std::optional<DotKind> kind =
                DiagramColours::KindOf(board.Classify(string, fret))) {
            return kind;
        }
    }
    return std::nullopt;
}

void ReachPainter::PaintArrows(QPainter& painter, const DiagramState& state,
                               const ViewLayout& layout, const DiagramColours& colours)
{
    const DiagramOptions& options = layout.options;
    if (!options.ShowsRange()) {
        return;
    }
    const CFretboard& board = *state.fretboard;
    const int n = state.settings.stringCount;
    const bool colour = state.settings.suppressColor == 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colours.outline, std::max(1, layout.lineWidth)));
    for (int s = 0; s < board.GetStringCount(); ++s) {
        const int row = options.RowOfString(s, n);
        for (const bool high : {false, true}) {
            const std::optional<DotKind> kind = NearestBeyond(board, s, options, high);
            if (!kind) {
                continue;
            }
            const QRect box = FretboardGeometry::ArrowBox(layout, row, high);
            // The point faces away from the range: towards the nut at the low end.
            const bool pointsLeft = high == options.leftHanded;
            const int tip = pointsLeft ? box.left() : box.right();
            const int base = pointsLeft ? box.right() : box.left();
            const QPolygon arrow({QPoint(tip, box.center().y()), QPoint(base, box.top()),
                                  QPoint(base, box.bottom())});
            painter.setBrush(colours.Fill(colour ? *kind : DotKind::Scale));
            painter.drawPolygon(arrow);
        }
    }
    painter.restore();
}

void ReachPainter::PaintNumbers(QPainter& painter, const DiagramState& state,
                                const ViewLayout& layout, const DiagramColours& colours)
{
    const DiagramOptions& options = layout.options;
    if (!options.ShowsRange()) {
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int bottomY = FretboardGeometry::RowY(layout, state.settings.stringCount - 1);
    const int y = bottomY + layout.dotDiameter / 2 + 2 + metrics.ascent();
    painter.save();
    painter.setPen(colours.numbers);
    for (int fret = std::max(options.fromFret, 1); fret <= FretboardGeometry::LastFret(layout);
         ++fret) {
        const QString number = QString::number(fret);
        const int x =
            FretboardGeometry::DotCenterX(layout, fret) - metrics.horizontalAdvance(number) / 2;
        painter.drawText(x, y, number);
    }
    painter.restore();
}
