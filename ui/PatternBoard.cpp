#include "PatternBoard.h"

#include <QPainter>

#include <algorithm>

PatternBoard::PatternBoard(int groupLeft, int groupRight)
    : m_left(groupLeft + 20), m_right(groupRight - 20), m_fretSpacing((m_right - m_left) / 14)
{
}

bool PatternBoard::CellAt(const QPoint& point, int& fret, int& row) const
{
    const int x = point.x();
    const int y = point.y();
    const int halfDot = DotDiameter() / 2;
    const bool inside = m_left < x && x < m_right && kTop - halfDot < y &&
                        y < kTop + kRows * m_fretSpacing + halfDot;
    if (!inside || m_fretSpacing <= 0) {
        return false;
    }
    fret = std::min((x - NutX() + m_fretSpacing) / m_fretSpacing, kFrets - 1);
    row = std::min((y - kTop + m_fretSpacing / 2) / m_fretSpacing, kRows - 1);
    return true;
}

QPoint PatternBoard::DotCentre(int fret, int row) const
{
    return QPoint(NutX() - m_fretSpacing / 2 + fret * m_fretSpacing, kTop + row * m_fretSpacing);
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
    for (int row = 0; row < kRows; ++row) {
        const int y = kTop + row * m_fretSpacing;
        painter.drawLine(m_left, y, m_right - 1, y);
    }
    for (int fret = 0; fret < kFrets; ++fret) {
        const int x = NutX() + fret * m_fretSpacing;
        painter.drawLine(x, kTop, x, bottom - 1);
    }
    const int lastFretX = NutX() + 12 * m_fretSpacing;
    painter.drawLine(NutX() - 2, kTop, NutX() - 2, bottom - 1);
    painter.drawLine(lastFretX + 2, kTop, lastFretX + 2, bottom - 1);

    painter.setBrush(QColor(0, 255, 0));
    const int half = DotDiameter() / 2;
    for (int fret = 0; fret < kFrets; ++fret) {
        for (int row = 0; row < kRows; ++row) {
            if (grid[fret][row] == 1) {
                const QPoint centre = DotCentre(fret, row);
                painter.drawEllipse(
                    QRect(centre.x() - half, centre.y() - half, 2 * half - 1, 2 * half - 1));
            }
        }
    }
    painter.restore();
}
