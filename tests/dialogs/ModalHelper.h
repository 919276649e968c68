#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Calls handler once a modal window of type T is the active modal widget; polls every 10 ms for
// at most 5 s, so a test that opens a modal window with exec() can answer it.
template <class T> void WhenModal(std::function<void(T*)> handler)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handler, polls = 0]() mutable {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        const bool found = modal != nullptr && modal->isVisible();
        if (found || ++polls > 500) {
            timer->stop();
            timer->deleteLater();
        }
        if (found) {
            handler(modal);
        }
    });
    timer->start();
}

// The widget as painted, in 32-bit colour whatever the screen depth.
inline QImage Snapshot(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image);
    return image;
}

// Title, text and width of the next message box, closed with its OK button.
struct SeenMessage
{
    QString title;
    QString text;
    int width = 0; ///< of the box as shown, in pixels
};

inline std::shared_ptr<SeenMessage> AnswerNextMessageBox()
{
    auto seen = std::make_shared<SeenMessage>();
    WhenModal<QMessageBox>([seen](QMessageBox* box) {
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->width = box->width();
        box->accept();
    });
    return seen;
}

// Makes a fresh empty working folder current for the test's lifetime.
class ScopedWorkDir
{
public:
    ScopedWorkDir() : m_old(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScopedWorkDir() { QDir::setCurrent(m_old); }
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_old;
    QTemporaryDir m_dir;
};
