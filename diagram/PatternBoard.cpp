#include "PatternBoard.h"

#include "DiagramColours.h"
#include "DotStamp.h"
#include "FretMarkers.h"
#include "LabelFitter.h"

#include <QPainter>

#include <algorithm>

PatternBoard::PatternBoard(int groupLeft, int groupRight, const DiagramOptions& options)
    : m_left(groupLeft + 20), m_right(groupRight - 20), m_fretSpacing((m_right - m_left) / 14),
      m_options(options)
{
}

int PatternBoard::DotDiameter() const
{
    if (m_options.look == DiagramLook::Modern) {
        return 2 * ((4 * m_fretSpacing + 5) / 10);
    }
    return m_fretSpacing / 2;
}

int PatternBoard::MirrorX(int x) const
{
    return m_options.leftHanded ? m_left + m_right - x : x;
}

int PatternBoard::RowY(int row) const
{
    return kTop + (m_options.lowStringOnTop ? kRows - 1 - row : row) * m_fretSpacing;
}

bool PatternBoard::CellAt(const QPoint& point, int& fret, int& row) const
{
    // The bounds are symmetric, so a mirrored press is checked and mapped as the right hand's.
    const int x = MirrorX(point.x());
    const int y = point.y();
    const int halfDot = DotDiameter() / 2;
    const bool inside = m_left < x && x < m_right && kTop - halfDot < y &&
                        y < kTop + kRows * m_fretSpacing + halfDot;
    if (!inside || m_fretSpacing <= 0) {
        return false;
    }
    fret = std::min((x - NutX() + m_fretSpacing) / m_fretSpacing, kFrets - 1);
    row = std::min((y - kTop + m_fretSpacing / 2) / m_fretSpacing, kRows - 1);
    if (m_options.lowStringOnTop) {
        row = kRows - 1 - row;
    }
    return true;
}

QPoint PatternBoard::DotCentre(int fret, int row) const
{
    return QPoint(MirrorX(NutX() - m_fretSpacing / 2 + fret * m_fretSpacing), RowY(row));
}

QRect PatternBoard::DirtyRect() const
{
    const int top = kTop - DotDiameter() / 2 - 1;
    const int bottom = top + 5 * m_fretSpacing + DotDiameter() + 2;
    return QRect(QPoint(m_left, top), QPoint(m_right, bottom));
}

void PatternBoard::Paint(QPainter& painter, const PatternGrid& grid) const
{
    if (m_options.look == DiagramLook::Modern) {
        PaintModern(painter, grid);
        return;
    }
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    // Lines end one pixel short of their end point, as the board's geometry counts them.
    const int bottom = kTop + 5 * m_fretSpacing;
    const int stringLeft = std::min(MirrorX(m_left), MirrorX(m_right - 1));
    const int stringRight = std::max(MirrorX(m_left), MirrorX(m_right - 1));
    for (int row = 0; row < kRows; ++row) {
        const int y = kTop + row * m_fretSpacing;
        painter.drawLine(stringLeft, y, stringRight, y);
    }
    for (int fret = 0; fret < kFrets; ++fret) {
        const int x = MirrorX(NutX() + fret * m_fretSpacing);
        painter.drawLine(x, kTop, x, bottom - 1);
    }
    const int nutX = MirrorX(NutX() - 2);
    const int endX = MirrorX(NutX() + 12 * m_fretSpacing + 2);
    painter.drawLine(nutX, kTop, nutX, bottom - 1);
    painter.drawLine(endX, kTop, endX, bottom - 1);

    painter.setBrush(QColor(0, 255, 0));
    const int half = DotDiameter() / 2;
    for (int fret = 0; fret < kFrets; ++fret) {
        for (int row = 0; row < kRows; ++row) {
            if (grid[fret][row] == 1) {
                const int cx = NutX() - m_fretSpacing / 2 + fret * m_fretSpacing;
                QRect box(cx - half, RowY(row) - half, 2 * half - 1, 2 * half - 1);
                if (m_options.leftHanded) {
                    box.moveRight(MirrorX(box.left()));
                }
                painter.drawEllipse(box);
            }
        }
    }
    painter.restore();
}

void PatternBoard::PaintModern(QPainter& painter, const PatternGrid& grid) const
{
    const DiagramColours colours = DiagramColours::For(m_options, false);
    const int f = m_fretSpacing;
    const int lw = std::max(1, (f + 20) / 40);
    const int bottom = kTop + (kRows - 1) * f;
    // Boxes of the right-handed board, mirrored as the board shows them.
    auto fill = [&](const QRect& box, const QColor& colour) {
        painter.fillRect(m_options.leftHanded ? QRect(QPoint(MirrorX(box.right()), box.top()),
                                                      QPoint(MirrorX(box.left()), box.bottom()))
                                              : box,
                         colour);
    };
    auto bar = [&](int x, int width) {
        return QRect(x - width / 2, kTop - lw / 2, width, bottom - kTop + lw);
    };
    painter.save();
    for (int fret = 1; fret < kFrets; ++fret) {
        fill(bar(NutX() + fret * f, lw), colours.frets);
    }
    for (int row = 0; row < kRows; ++row) {
        fill(QRect(m_left, kTop + row * f - lw / 2, m_right - m_left, lw), colours.strings);
    }
    fill(bar(NutX(), std::max(3, f / 8)), colours.nut);

    // The guitar's marker frets, numbered above the board (below it lies the pattern list).
    QStringList numbers;
    std::vector<int> frets;
    for (const FretMarker& marker : FretMarker::Of(Instrument::Guitar, kRows)) {
        if (marker.fret < kFrets && (frets.empty() || frets.back() != marker.fret)) {
            frets.push_back(marker.fret);
            numbers << QString::number(marker.fret);
        }
    }
    const int numberSize = std::max(LabelFitter::kSmallestSize, (38 * f + 50) / 100);
    const auto fitted = LabelFitter::Centred(painter.font(), numberSize, numbers, painter.device());
    painter.setFont(fitted->font);
    painter.setPen(colours.numbers);
    const double numbersY = kTop - 0.55 * f - numberSize / 3.0;
    for (std::size_t i = 0; i < frets.size(); ++i) {
        const QPointF centre(DotCentre(frets[i], 0).x(), numbersY);
        painter.drawStaticText(centre + fitted->texts[i].offset, fitted->texts[i].text);
    }

    painter.setPen(QPen(colours.outline, lw));
    DotStamp stamp(painter);
    const int d = DotDiameter();
    for (int fret = 0; fret < kFrets; ++fret) {
        for (int row = 0; row < kRows; ++row) {
            if (grid[fret][row] == 1) {
                const QPoint centre = DotCentre(fret, row);
                stamp.Draw(QRect(centre.x() - d / 2, centre.y() - d / 2, d, d),
                           colours.Fill(DotKind::Pattern));
            }
        }
    }
    painter.restore();
}
