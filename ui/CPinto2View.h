#pragma once

#include "ViewLayout.h"

#include <QWidget>

class AppState;

// The diagram of the neck. Paints the screen layout from the state and turns a left click on the
// neck into (row, fret).
class CPinto2View : public QWidget
{
    Q_OBJECT

public:
    /// A view that paints state's fretboard.
    explicit CPinto2View(AppState& state, QWidget* parent = nullptr);

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
    AppState& m_state;
    ViewLayout m_layout;
};
