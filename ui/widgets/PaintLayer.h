#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A see-through child that covers its parent's client area and paints with a callback, so a
// dialog can draw above its group boxes. Mouse presses pass through to the parent.
class PaintLayer : public QWidget
{
    Q_OBJECT

public:
    /// Layer over parent painting with paint; coordinates are the parent's client pixels.
    PaintLayer(QWidget* parent, std::function<void(QPainter&)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QPainter&)> m_paint;
};
