#include "DotStamp.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

DotStamp::DotStamp(QPainter& painter)
    : m_painter(painter), m_copy(painter.paintEngine() != nullptr &&
                                 painter.paintEngine()->type() == QPaintEngine::Raster &&
                                 painter.transform().type() <= QTransform::TxTranslate),
      m_ratio(painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0)
{
}

void DotStamp::DrawEllipse(QPainter& painter, const QRect& box, const QColor& fill)
{
    painter.setBrush(fill);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Insets of half the pen keep the outline on the box's outer pixels: half a pixel for the
    // one-pixel pen.
    const QPen& pen = painter.pen();
    const qreal inset = pen.style() == Qt::NoPen ? 0.0 : std::max<qreal>(pen.widthF(), 1.0) / 2;
    painter.drawEllipse(QRectF(box.left() + inset, box.top() + inset, box.width() - 2 * inset,
                               box.height() - 2 * inset));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void DotStamp::Draw(const QRect& box, const QColor& fill)
{
    if (!m_copy) {
        DrawEllipse(m_painter, box, fill);
        return;
    }
    const QPen& pen = m_painter.pen();
    const int penWidth = pen.style() == Qt::NoPen ? -1 : qRound(pen.widthF() * 64);
    QImage& sprite = m_sprites[{fill.rgba(), pen.color().rgba(), penWidth}];
    if (sprite.isNull() || sprite.deviceIndependentSize() != QSizeF(box.size())) {
        sprite =
            QImage((QSizeF(box.size()) * m_ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        sprite.setDevicePixelRatio(m_ratio);
        sprite.fill(Qt::transparent);
        QPainter spritePainter(&sprite);
        spritePainter.setPen(m_painter.pen());
        DrawEllipse(spritePainter, QRect(QPoint(0, 0), box.size()), fill);
    }
    m_painter.drawImage(box.topLeft(), sprite);
}
