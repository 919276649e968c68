#pragma once

#include "PracticeSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;

// "Pinto - Practice": what Play It adds around the run. The click (on or off, beats to the bar,
// the first accented, its level), the bars of count-in, the speed trainer (start tempo, step,
// passes between steps, target tempo), whether the scale or the pattern on the neck plays, and
// how many passes of a looping run a saved exercise holds.
class CPracticeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPracticeDlg(QWidget* parent = nullptr);

    /// Shows practice in the controls.
    void SetSettings(const PracticeSettings& practice);
    /// The settings as the controls show them.
    PracticeSettings Settings() const;

private:
    void OnStepChanged(int step);

    QCheckBox* m_click;
    QSpinBox* m_beats;
    QCheckBox* m_accent;
    QSpinBox* m_level;
    QComboBox* m_countIn;
    QGroupBox* m_trainer;
    QSpinBox* m_startBpm;
    QSpinBox* m_step;
    QSpinBox* m_every;
    QSpinBox* m_targetBpm;
    QRadioButton* m_scale;
    QRadioButton* m_pattern;
    QSpinBox* m_savedPasses;
    int m_lastStep = 1;
};
