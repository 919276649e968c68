#pragma once

#include <QList>
#include <QObject>

class QRadioButton;

// Makes a group of radio buttons one stop in the Tab order: Tab and Shift+Tab land on the checked
// button (the first enabled one while none is checked), the arrow keys move within the group.
// The other buttons still take the focus when clicked.
class RadioGroupStop : public QObject
{
    Q_OBJECT

public:
    /// Keeps buttons, in template order, as one stop; owned by the first button's parent.
    explicit RadioGroupStop(const QList<QRadioButton*>& buttons);

    /// The button Tab lands on now.
    QRadioButton* Stop() const;

private:
    void Update();

    QList<QRadioButton*> m_buttons;
};
