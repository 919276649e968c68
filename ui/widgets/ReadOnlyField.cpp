#include "ReadOnlyField.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace ReadOnlyField {

void MakeLabel(QLineEdit* field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    ShowReadOnly(field);
}

void MakeText(QPlainTextEdit* field)
{
    field->setReadOnly(true);
    field->setTabChangesFocus(true);
    field->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    field->setFocusPolicy(Qt::StrongFocus);
    ShowReadOnly(field);
}

void ShowReadOnly(QWidget* field)
{
    QPalette palette = field->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
    }
    field->setPalette(palette);
}

} // namespace ReadOnlyField
