#pragma once

#include <QWidget>

class CUpDown;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The OverlayScaleName bar (template 109): overlay root, overlay list and the choice between the
// common notes and all notes of both scales. It only holds the controls; the main frame handles
// them.
class COverlayScaleNameBar : public QWidget
{
    Q_OBJECT

public:
    /// Builds every control of the template at its place; objectName of the bar is "109".
    explicit COverlayScaleNameBar(QWidget* parent = nullptr);

    /// Overlay root spin 1047.
    CUpDown* RootSpin() const { return m_rootSpin; }
    /// Overlay root label 1051.
    QLineEdit* RootLabel() const { return m_rootLabel; }
    /// Overlay list 1041.
    QComboBox* OverlayList() const { return m_overlayList; }
    /// "Show common notes" 1044.
    QRadioButton* CommonNotes() const { return m_commonNotes; }
    /// "Show all notes" 1045.
    QRadioButton* AllNotes() const { return m_allNotes; }

private:
    CUpDown* m_rootSpin;
    QLineEdit* m_rootLabel;
    QComboBox* m_overlayList;
    QRadioButton* m_commonNotes;
    QRadioButton* m_allNotes;
};
