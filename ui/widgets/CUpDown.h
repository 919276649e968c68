#pragma once

#include <QElapsedTimer>
#include <QWidget>

class PaintLayer;
class QToolButton;

// A pair of arrow buttons that reports only steps, never a value of its own.
// The upper arrow (and the Up key) reports a negative step, the lower arrow (and the Down key)
// a positive one; while an arrow is held the steps grow from 1 to 5 to 20. With the keyboard
// focus it is framed in the style's highlight colour.
class CUpDown : public QWidget
{
    Q_OBJECT

public:
    explicit CUpDown(QWidget* parent = nullptr);

    /// Step size for an arrow held for the given time in milliseconds: 1, then 5 after 2 s, 20
    /// after 5 s.
    static int AcceleratedStep(qint64 heldMs);

signals:
    /// One press or repeat: -n for the upper arrow, +n for the lower arrow.
    void stepped(int delta);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnPressed();
    void OnClicked(int direction);

    QToolButton* m_up;
    QToolButton* m_down;
    PaintLayer* m_focusMark;
    QElapsedTimer m_held;
    QElapsedTimer m_lastPress;
};
