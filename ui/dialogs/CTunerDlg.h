#pragma once

#include "ControlId.h"

#include <QDialog>

class AppState;
class ISoundOutput;
class QComboBox;

// "Pinto - Tuner": shows the instrument and its tuning, lowest string first, and plays the
// reference note of each of the twelve note buttons over and over with the chosen sound scheme
// until "Stop It", another note, or the dialog closes (in any way).
class CTunerDlg : public QDialog
{
    Q_OBJECT

public:
    /// Reads the settings, the fretboard and the sound schemes of state; output plays.
    CTunerDlg(AppState& state, ISoundOutput& output, QWidget* parent = nullptr);

    /// Control id of the button of note 0..11 counted from A.
    static ControlId NoteButtonId(int note);
    /// Combo index of the chosen sound scheme (its slot), 0 or -1 for none.
    int Scheme() const { return m_scheme; }

public slots:
    void accept() override;
    void reject() override;

private:
    void OnNote(int note);
    // Silences the output; a refusal by the sound card is reported.
    void StopSound();

    AppState& m_state;
    ISoundOutput& m_output;
    int m_scheme = -1;
    QComboBox* m_schemeBox;
};
