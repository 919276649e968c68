#include "CheckedSubmenu.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

CheckedSubmenu::CheckedSubmenu(QMenu* parent, QMenu* submenu)
    : QObject(parent), m_parent(parent), m_submenu(submenu)
{
    parent->installEventFilter(this);
}

bool CheckedSubmenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_parent || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!OpensSubmenu(key->key(), key->modifiers()) || !m_submenu->menuAction()->isEnabled()) {
        return false;
    }
    // Making the item active opens the submenu at once and hands it the keyboard.
    m_parent->setActiveAction(m_submenu->menuAction());
    if (QAction* choice = Choice()) {
        m_submenu->setActiveAction(choice);
    }
    return true;
}

bool CheckedSubmenu::OpensSubmenu(int key, Qt::KeyboardModifiers modifiers) const
{
    QAction* item = m_submenu->menuAction();
    if (m_parent->activeAction() == item &&
        (key == Qt::Key_Right || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        return modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier;
    }
    // The mnemonic as the menu itself takes it: alone, with Alt or with Shift, and only when no
    // other item of the menu shares it.
    if (modifiers != Qt::NoModifier && modifiers != Qt::AltModifier &&
        modifiers != Qt::ShiftModifier) {
        return false;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(item->text());
    if (mnemonic.isEmpty() || mnemonic[0].key() != Qt::Key(key)) {
        return false;
    }
    for (QAction* other : m_parent->actions()) {
        if (other != item && other->isVisible() &&
            QKeySequence::mnemonic(other->text()) == mnemonic) {
            return false;
        }
    }
    return true;
}

QAction* CheckedSubmenu::Choice() const
{
    QAction* first = nullptr;
    for (QAction* action : m_submenu->actions()) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled()) {
            continue;
        }
        if (action->isChecked()) {
            return action;
        }
        if (first == nullptr) {
            first = action;
        }
    }
    return first;
}
