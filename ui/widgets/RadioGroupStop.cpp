#include "RadioGroupStop.h"

#include <QRadioButton>

RadioGroupStop::RadioGroupStop(const QList<QRadioButton*>& buttons)
    : QObject(buttons.isEmpty() ? nullptr : buttons.first()->parent()), m_buttons(buttons)
{
    for (QRadioButton* button : m_buttons) {
        connect(button, &QRadioButton::toggled, this, &RadioGroupStop::Update);
    }
    Update();
}

QRadioButton* RadioGroupStop::Stop() const
{
    QRadioButton* first = nullptr;
    for (QRadioButton* button : m_buttons) {
        if (button->isChecked()) {
            return button;
        }
        if (first == nullptr && button->isEnabled()) {
            first = button;
        }
    }
    return first;
}

void RadioGroupStop::Update()
{
    const QRadioButton* stop = Stop();
    for (QRadioButton* button : m_buttons) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}
