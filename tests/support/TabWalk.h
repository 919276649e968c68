#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

// Shows window active, puts the focus on start and presses Tab (or Shift+Tab) steps times; returns
// the objectName of the focus widget after each press. Used to walk a dialog's keyboard order.
inline QStringList TabWalk(QWidget* window, QWidget* start, int steps, bool backwards = false)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        return {QStringLiteral("window not active")};
    }
    start->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        focus = QApplication::focusWidget();
        visited << (focus != nullptr ? focus->objectName() : QStringLiteral("nothing"));
    }
    return visited;
}
