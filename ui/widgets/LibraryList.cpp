#include "LibraryList.h"

#include <QAbstractItemView>
#include <QScreen>

LibraryList::LibraryList(QWidget* parent) : QComboBox(parent) {}

void LibraryList::showPopup()
{
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup == window() || !popup->isVisible()) {
        return;
    }
    const QRect box(mapToGlobal(QPoint(0, 0)), size());
    QRect rect = popup->geometry();
    if (rect.top() >= box.top()) {
        // Dropped down from the box, or laid over it from its top.
        rect.setBottom(box.top() + kDroppedHeight - 1);
    } else if (rect.bottom() <= box.bottom()) {
        // Opened upwards, ending at the box.
        rect.setTop(box.bottom() + 1 - kDroppedHeight);
    } else {
        // Laid over the box with the current entry on it: start at the box instead.
        rect = QRect(rect.left(), box.top(), rect.width(), kDroppedHeight);
    }
    if (const QScreen* screen = popup->screen()) {
        const QRect available = screen->availableGeometry();
        if (rect.bottom() > available.bottom()) {
            rect.moveBottom(available.bottom());
        }
        if (rect.top() < available.top()) {
            rect.moveTop(available.top());
        }
    }
    popup->setGeometry(rect);
    view()->scrollTo(view()->currentIndex(), QAbstractItemView::EnsureVisible);
}
