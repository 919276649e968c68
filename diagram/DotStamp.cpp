#include "DotStamp.h"

#include <QPaintEngine>
#include <QPainter>

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
    // Half-pixel insets keep the one-pixel outline on the box's outer pixels.
    painter.drawEllipse(
        QRectF(box.left() + 0.5, box.top() + 0.5, box.width() - 1.0, box.height() - 1.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void DotStamp::Draw(const QRect& box, const QColor& fill)
{
    if (!m_copy) {
        DrawEllipse(m_painter, box, fill);
        return;
    }
    QImage& sprite = m_sprites[fill.rgb()];
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
