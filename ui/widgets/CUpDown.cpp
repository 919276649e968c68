#include "CUpDown.h"

#include "PaintLayer.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

CUpDown::CUpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(100);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::pressed, this, &CUpDown::OnPressed);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    connect(m_up, &QToolButton::clicked, this, [this] { OnClicked(-1); });
    connect(m_down, &QToolButton::clicked, this, [this] { OnClicked(+1); });
    // Over both arrows, so the frame shows whole.
    m_focusMark = new PaintLayer(this, [this](QPainter& painter) {
        if (hasFocus()) {
            painter.setPen(palette().color(QPalette::Highlight));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    });
}

int CUpDown::AcceleratedStep(qint64 heldMs)
{
    if (heldMs >= 5000) {
        return 20;
    }
    if (heldMs >= 2000) {
        return 5;
    }
    return 1;
}

void CUpDown::OnPressed()
{
    // Auto-repeat emits pressed() for every repeat; only a pause starts a new hold.
    if (!m_lastPress.isValid() || m_lastPress.elapsed() > 500) {
        m_held.start();
    }
    m_lastPress.start();
}

void CUpDown::OnClicked(int direction)
{
    const qint64 held = m_held.isValid() ? m_held.elapsed() : 0;
    emit stepped(direction * AcceleratedStep(held));
}

void CUpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_focusMark->update();
}

void CUpDown::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_focusMark->update();
}

void CUpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        emit stepped(-1);
    } else if (event->key() == Qt::Key_Down) {
        emit stepped(+1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
