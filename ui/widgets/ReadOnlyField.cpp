#include "ReadOnlyField.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Paints field's text area in its window colour; false when it already was.
bool CopyWindowToBase(QWidget* field)
{
    QPalette palette = field->palette();
    bool changed = false;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (palette.brush(group, QPalette::Base) != palette.brush(group, QPalette::Window) ||
            !palette.isBrushSet(group, QPalette::Base)) {
            palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Window));
            changed = true;
        }
    }
    if (changed) {
        field->setPalette(palette);
    }
    return changed;
}

// Keeps a field's text area in the window colour when the application's colours change.
class WindowColourFollower : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            CopyWindowToBase(static_cast<QWidget*>(watched));
        }
        return false;
    }
};

} // namespace

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
    CopyWindowToBase(field);
    field->installEventFilter(new WindowColourFollower(field));
}

} // namespace ReadOnlyField
