#pragma once

#include <QWidget>

class CUpDown;
class QComboBox;
class QToolButton;
class QLineEdit;
class QRadioButton;

// The OverlayScaleName bar (template 109): overlay root, overlay list and the choice between the
// common notes and all notes of both scales. It only holds the controls; the main frame handles
// them.
class COverlayScaleNameBar : public QWidget
{
    Q_OBJECT

public:
    /// Builds every control of the template at its place, the bar named ControlId::OverlayBar.
    explicit COverlayScaleNameBar(QWidget* parent = nullptr);

    /// Overlay root spin, ControlId::OverlayRootSpin.
    CUpDown* RootSpin() const { return m_rootSpin; }
    /// Overlay root label, ControlId::OverlayRootLabel.
    QLineEdit* RootLabel() const { return m_rootLabel; }
    /// Overlay list, ControlId::OverlayList.
    QComboBox* OverlayList() const { return m_overlayList; }
    /// "Show common notes", ControlId::CommonNotes.
    QRadioButton* CommonNotes() const { return m_commonNotes; }
    /// "Show all notes", ControlId::AllNotes.
    QRadioButton* AllNotes() const { return m_allNotes; }
    /// The button that opens the scale chooser for the overlay, "chooseOverlayScale".
    QToolButton* ChooseButton() const { return m_choose; }

private:
    CUpDown* m_rootSpin;
    QLineEdit* m_rootLabel;
    QComboBox* m_overlayList;
    QRadioButton* m_commonNotes;
    QRadioButton* m_allNotes;
    QToolButton* m_choose;
};
