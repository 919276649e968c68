#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

// Runs a test case in a fresh, empty working folder and returns to the previous one afterwards.
class ScopedWorkDir
{
public:
    ScopedWorkDir() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScopedWorkDir() { QDir::setCurrent(m_previous); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Answers the next message box with OK and remembers its title, text and icon.
class MessageBoxAnswer
{
public:
    MessageBoxAnswer()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                m_timer.stop();
                box->accept();
            }
        });
        m_timer.start();
    }
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QTimer m_timer;
};
