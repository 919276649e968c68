#include "PaintLayer.h"

#include <QEvent>
#include <QPainter>

PaintLayer::PaintLayer(QWidget* parent, std::function<void(QPainter&)> paint)
    : QWidget(parent), m_paint(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

void PaintLayer::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    m_paint(painter);
}

bool PaintLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}
