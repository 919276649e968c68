#pragma once

#include "DiagramOptions.h"

#include <QPoint>
#include <QRect>

#include <array>

class QPainter;

/// The pattern setup board's cells: grid[fret 0..12][row 0..6], fret 0 the open string, row 0 the
/// top (highest-pitched) string; 1 marks a note. Rows 0..5 are shown, row 6 stays 0.
using PatternGrid = std::array<std::array<int, 7>, 13>;

// Geometry, hit-testing and painting of the pattern setup board: six string lines, the nut and
// twelve fret lines, a dot for every marked cell. All values are client pixels. The board is
// drawn as the neck is: mirrored for the left hand (nut at the right), and upside down with the
// low string on top; the cells keep their meaning, row 0 the highest string. In the modern look
// the geometry stays; dots, nut and colours follow the neck's, with fret numbers above.
class PatternBoard
{
public:
    /// Rows of the board that are shown and edited.
    static constexpr int kRows = 6;
    /// Fret positions 0 (open string) to 12.
    static constexpr int kFrets = 13;

    /// Board between the group box edges groupLeft and groupRight, in pixels from the window's
    /// outer left edge, drawn as options show the neck.
    PatternBoard(int groupLeft, int groupRight, const DiagramOptions& options = {});

    /// X of the board's left bound; a press counts only strictly right of it.
    int Left() const { return m_left; }
    /// X of the board's right bound; a press counts only strictly left of it.
    int Right() const { return m_right; }
    /// Distance in pixels between fret lines and between string lines.
    int FretSpacing() const { return m_fretSpacing; }
    /// Y of the top string line.
    int Top() const { return kTop; }
    /// X of the nut (fret line 0) of the right-handed board.
    int NutX() const { return m_left + m_fretSpacing; }
    /// Diameter of a note dot in pixels: half the spacing, or 0.8 of it in the modern look.
    int DotDiameter() const;

    /// Cell hit by a press at point, bounds strict; false when the press is outside the board.
    bool CellAt(const QPoint& point, int& fret, int& row) const;
    /// Centre of the dot of fret 0..12 and row 0..5, where the board shows it.
    QPoint DotCentre(int fret, int row) const;
    /// The area to repaint after a cell changed.
    QRect DirtyRect() const;
    /// Draws the lines and a green dot for every cell of rows 0..5 that holds 1; the modern look
    /// adds a heavy nut and the fret numbers above the board.
    void Paint(QPainter& painter, const PatternGrid& grid) const;

private:
    /// The modern look of Paint, in the colours of the options' palette.
    void PaintModern(QPainter& painter, const PatternGrid& grid) const;
    static constexpr int kTop = 60;

    /// Column x of the right-handed board as this board shows it.
    int MirrorX(int x) const;
    /// y of the line that shows row 0..5.
    int RowY(int row) const;

    int m_left;
    int m_right;
    int m_fretSpacing;
    DiagramOptions m_options;
};
