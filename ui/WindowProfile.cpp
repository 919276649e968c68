#include "WindowProfile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

const QString kGeometry = QStringLiteral("Window/Geometry");
const QString kMaximized = QStringLiteral("Window/Maximized");

// Enough of a window to see and grab it: its top edge, where the title bar is.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 40;

// The screen on which enough of rect's top edge shows; null when there is none.
QScreen* ScreenShowing(const QRect& rect)
{
    const QRect top(rect.topLeft(), QSize(rect.width(), std::min(rect.height(), kGrabHeight)));
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(top);
        if (seen.width() >= std::min(kGrabWidth, rect.width()) && !seen.isEmpty()) {
            return screen;
        }
    }
    return nullptr;
}

} // namespace

void WindowProfile::Restore(QWidget& window)
{
    const QSettings profile;
    const QRect kept = profile.value(kGeometry).toRect();
    if (kept.isValid()) {
        QScreen* screen = ScreenShowing(kept);
        const QScreen* sizing = screen != nullptr ? screen : window.screen();
        const QSize room = sizing != nullptr ? sizing->availableGeometry().size() : kept.size();
        const QSize size = kept.size().boundedTo(room).expandedTo(window.minimumSizeHint());
        if (screen != nullptr) {
            window.setGeometry(QRect(kept.topLeft(), size));
        } else {
            window.resize(size);
        }
    }
    if (profile.value(kMaximized, false).toBool()) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void WindowProfile::Save(const QWidget& window)
{
    QSettings profile;
    const bool maximized = window.isMaximized();
    profile.setValue(kGeometry, maximized ? window.normalGeometry() : window.geometry());
    profile.setValue(kMaximized, maximized);
}
