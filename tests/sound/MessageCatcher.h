#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every message box that a dialog shows while the catcher lives, and keeps its title and
// text as "title|text" and its icon.
class MessageCatcher
{
public:
    MessageCatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
                icons << box->icon();
                box->accept();
            }
        });
        m_timer.start();
    }

    QStringList seen;
    QList<QMessageBox::Icon> icons;

private:
    QTimer m_timer;
};
