#include "DisabledItemTip.h"

#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

DisabledItemTip::DisabledItemTip(QMenu* menu) : QObject(menu), m_menu(menu)
{
    menu->installEventFilter(this);
}

bool DisabledItemTip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menu && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* action = m_menu->actionAt(help->pos());
        if (action != nullptr && !action->isEnabled() && !action->toolTip().isEmpty() &&
            action->toolTip() != action->iconText()) {
            QToolTip::showText(help->globalPos(), action->toolTip(), m_menu);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
