#pragma once

#include <QPoint>

class QWidget;

// Where a top-level window's client area sits inside its outer frame.
namespace WindowFrame {

/// Pixels from window's outer top-left corner (frame and caption) to its client origin. When the
/// platform draws no caption (no window manager, offscreen), the templates' dialog frame of 3 px
/// and a 19 px caption is assumed, so layouts measured from the outer corner keep their place.
QPoint ClientOffset(const QWidget* window);

} // namespace WindowFrame
