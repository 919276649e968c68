#pragma once

#include "PatternBoard.h"
#include "PatternLibrary.h"

#include <QDialog>

#include <string>

class CFretboard;
class PaintLayer;
class QComboBox;
class QGroupBox;

// Sets up the pattern that pattern matching looks for: a six-string board of fret positions 0 to
// 12 where a click toggles a note, the pattern library to pick from, save and forget buttons. OK
// hands the board to the fretboard's pattern; Escape and the close box leave the model alone.
class CPatternDlg : public QDialog
{
    Q_OBJECT

public:
    /// Dialog editing setupGrid (kept by the caller across runs) for board; Save Pattern leaves
    /// the name it asked for in nameBuffer. All three must outlive the dialog.
    CPatternDlg(CFretboard& board, PatternGrid& setupGrid, std::string& nameBuffer,
                QWidget* parent = nullptr);

    /// Draws the board as options show the neck (mirrored, low string on top); the cells keep
    /// their meaning.
    void SetDiagramOptions(const DiagramOptions& options);
    /// The board's geometry in client pixels, as computed when the dialog was opened.
    const PatternBoard& Board() const { return m_board; }
    /// The pattern library as loaded at opening and changed by Save and Forget.
    const PatternLibrary& Library() const { return m_library; }

    /// Writes the rows 0..5 of grid marked 1 into board's pattern, row r as string n - 1 - r for
    /// n strings (negative for fewer than six strings), frets ascending, rows within a fret.
    static void WritePattern(const PatternGrid& grid, CFretboard& board);

public slots:
    void accept() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ComputeGeometry();
    /// Fills the pattern list with the empty entry and the library's names.
    void FillList();
    void OnPatternChosen(int listIndex);
    void OnSavePattern();
    void OnForgetPattern();

    CFretboard& m_fretboard;
    PatternGrid& m_grid;
    std::string& m_nameBuffer;
    PatternLibrary m_library;
    PatternBoard m_board;
    DiagramOptions m_options;
    QGroupBox* m_group;
    PaintLayer* m_layer;
    QComboBox* m_list;
};
