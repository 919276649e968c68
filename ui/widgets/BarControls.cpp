#include "BarControls.h"

#include "CUpDown.h"
#include "ControlId.h"
#include "DialogUnits.h"
#include "LibraryList.h"
#include "ReadOnlyField.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

QGroupBox* BarControls::Group(QWidget* bar, const QString& caption, int x, int y, int cx, int cy)
{
    auto* group = new QGroupBox(caption, bar);
    DialogUnits::Place(group, x, y, cx, cy);
    return group;
}

CUpDown* BarControls::Spin(QWidget* bar, ControlId id, int x, int y, int cx, int cy)
{
    return DialogUnits::Create<CUpDown>(bar, id, x, y, cx, cy);
}

QLineEdit* BarControls::Label(QWidget* bar, ControlId id, int x, int y, int cx, int cy)
{
    auto* label = DialogUnits::Create<QLineEdit>(bar, id, x, y, cx, cy);
    ReadOnlyField::MakeLabel(label);
    label->setTextMargins(0, 0, 0, 0);
    return label;
}

QComboBox* BarControls::List(QWidget* bar, ControlId id, int x, int y, int cx, int cy)
{
    auto* list = DialogUnits::Create<LibraryList>(bar, id, x, y, cx, cy);
    // The template height is that of box and list together; the box keeps its natural height.
    const QRect rect = list->geometry();
    list->setGeometry(rect.x(), rect.y(), rect.width(),
                      qMin(rect.height(), list->sizeHint().height()));
    list->addItem(QString());
    return list;
}
