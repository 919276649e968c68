#include "PatternBoard.h"

#include <QPainter>

#include <algorithm>

PatternBoard::PatternBoard(int groupLeft, int groupRight, const DiagramOptions& options)
    : m_left(groupLeft + 20), m_right(groupRight - 20), m_fretSpacing((m_right - m_left) / 14),
      m_options(options)
{
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
