#include "LibraryList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
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

void LibraryList::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool printable =
        !text.isEmpty() && text.at(0).isPrint() &&
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    const bool typing =
        m_since.isValid() && m_since.elapsed() < QApplication::keyboardInputInterval();
    // A blank that starts the typing opens the list, as it always has.
    if (!printable || (text == QStringLiteral(" ") && !typing)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    m_typed = typing ? m_typed + text : text;
    m_since.start();
    const bool oneLetterAgain = m_typed.count(m_typed.front()) == m_typed.size();
    auto find = [this](const QString& prefix, int from) {
        for (int i = 0; i < count(); ++i) {
            const int row = (from + i) % count();
            if (itemText(row).startsWith(prefix, Qt::CaseInsensitive)) {
                return row;
            }
        }
        return -1;
    };
    int row = find(m_typed, m_typed.size() == 1 ? currentIndex() + 1 : std::max(currentIndex(), 0));
    if (row < 0 && oneLetterAgain) {
        row = find(m_typed.left(1), currentIndex() + 1);
    }
    if (row >= 0 && row != currentIndex()) {
        setCurrentIndex(row);
        emit activated(row);
        emit textActivated(itemText(row));
    }
}
