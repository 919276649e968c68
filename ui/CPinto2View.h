#pragma once

#include "ViewLayout.h"

#include <QWidget>

class AppState;
class ISoundOutput;
class QTimer;

// The diagram of the neck. Paints the screen layout from the state and turns a left click on the
// neck into (row, fret). While a run plays, it rings the places of the sounding note, looking at
// the sound output's position on every screen refresh.
class CPinto2View : public QWidget
{
    Q_OBJECT

public:
    /// A view that paints state's fretboard.
    explicit CPinto2View(AppState& state, QWidget* parent = nullptr);

    /// Rings the places of the note output sounds while it sounds: in the pattern on show
    /// (pattern) or anywhere on the neck. Null stops watching and takes the ring away.
    void FollowSound(const ISoundOutput* output, bool pattern);
    /// The MIDI pitch whose places are ringed, -1 for none.
    int RingedPitch() const { return m_ringedPitch; }
    /// The layout of the view's latest drawing, in which clicks are looked up; printing and
    /// export never change it.
    const ViewLayout& Layout() const { return m_layout; }

signals:
    /// A left click on row 0..stringCount-1 (0 = top line) at fret 0 up to the neck's highest fret.
    void cellClicked(int row, int fret);
    /// After every paint of the diagram.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void WatchSound();

    AppState& m_state;
    const ISoundOutput* m_sound = nullptr;
    bool m_soundInPattern = false;
    int m_ringedPitch = -1;
    QTimer* m_soundWatch;
    ViewLayout m_layout;
};
