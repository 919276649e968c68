#pragma once

#include "DiagramOptions.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class ScaleLibrary;

// Finds a scale of the library by its family or by typing words of its name or of another name it
// is known by ("lyd dom" finds Lydian Dominant), and shows the selected scale's notes on the
// current root as the diagram names them. OK, Enter and a double-click choose it; Escape chooses
// nothing. The Up and Down keys move through the scales while the typing goes on.
class CScaleChooserDlg : public QDialog
{
    Q_OBJECT

public:
    /// A chooser over library (which must outlive it), showing notes on root (note 0..11 from A)
    /// spelled and named as options say; record current (-1 for none) is selected first.
    CScaleChooserDlg(const ScaleLibrary& library, int root, const DiagramOptions& options,
                     int current, QWidget* parent = nullptr);

    /// The library record chosen with OK, Enter or a double-click; -1 when none was.
    int ChosenScale() const { return m_chosen; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void ShowSelected();
    void Select(int record);
    void Step(int rows);
    int SelectedScale() const;

    const ScaleLibrary& m_library;
    int m_root;
    DiagramOptions m_options;
    int m_chosen = -1;
    QLineEdit* m_filter;
    QTreeWidget* m_tree;
    QLabel* m_notes;
    QLabel* m_about;
};
