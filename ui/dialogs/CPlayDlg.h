#pragma once

#include "ControlId.h"
#include "ScalePlayer.h"

#include <QDialog>

class AppState;
class ISoundOutput;
class PlayerState;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;

// "Pinto - Play the scale": shows the notes and degrees of the current scale (and overlay) and
// plays them one per beat, up, down or up and down, once or in a loop, at a tempo in beats per
// minute, with the samples of a chosen sound scheme. Tempo, direction, loop and scheme live in
// a PlayerState and are shown again at the next opening. Closing the dialog in any way ends the
// run. Play It adds the practice kept in the profile (click, count-in, speed trainer, the
// pattern); while the trainer plays, the BPM box shows the tempo playing. The dialog's context
// menu opens the practice settings and saves the exercise.
class CPlayDlg : public QDialog
{
    Q_OBJECT

public:
    /// Reads the scale, overlay and sound schemes of state; player keeps the choices; output plays.
    CPlayDlg(AppState& state, PlayerState& player, ISoundOutput& output, QWidget* parent = nullptr);
    ~CPlayDlg() override;

    /// Tempo in beats per minute as last read from the BPM box (any integer).
    int Bpm() const { return m_bpm; }
    /// Combo index of the chosen sound scheme (its slot), 0 or -1 for none.
    int Scheme() const { return m_scheme; }

    /// A "Sound Scheme" drop-down list with its empty first entry, placed at (x, y) in dialog
    /// units; box and open list span 100 pixels.
    static QComboBox* MakeSchemeCombo(QWidget* parent, ControlId id, int x, int y);

signals:
    /// "Practice..." was chosen from the context menu.
    void practiceRequested();
    /// "Save Exercise As..." was chosen from the context menu.
    void saveExerciseRequested();
    /// Play It started a run: of the pattern on the neck, or of the scale.
    void playing(bool pattern);

public slots:
    void accept() override;
    void reject() override;

private:
    bool Exchange();
    void WriteMembers();
    void OnPlay();
    void OnStop();
    void OnDirection(PlayDirection direction);
    void OnLoop();
    void OnBpmEdited();
    void OnSpin(int delta);
    void OnSchemeChosen(int index);
    void ShowTempoPlaying();
    // The tempo to the run and silence to the output; a request the sound card refused is
    // reported.
    void SetTempo();
    void StopSound();

    AppState& m_state;
    PlayerState& m_player;
    ISoundOutput& m_output;
    ScalePlayer m_run;
    int m_bpm = 0;
    int m_scheme = -1;
    bool m_trainer = false; // the run playing has the speed trainer
    QTimer* m_tempoWatch;

    QComboBox* m_schemeBox;
    QLineEdit* m_bpmBox;
    QPlainTextEdit* m_text;
    QCheckBox* m_loop;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QRadioButton* m_upAndDown;
};
