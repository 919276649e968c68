#include "WindowFrame.h"

#include <QWidget>

namespace WindowFrame {

QPoint ClientOffset(const QWidget* window)
{
    const QPoint offset = window->geometry().topLeft() - window->frameGeometry().topLeft();
    // A caption makes the top of the frame deeper than its sides.
    if (offset.y() <= offset.x()) {
        constexpr int kBorder = 3;
        constexpr int kCaption = 19;
        return QPoint(kBorder, kBorder + kCaption);
    }
    return offset;
}

} // namespace WindowFrame
