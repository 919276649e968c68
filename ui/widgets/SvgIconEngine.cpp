#include "SvgIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>

namespace {
constexpr int MAX_SCALE = 3;
} // namespace

SvgIconEngine::SvgIconEngine(std::shared_ptr<QSvgRenderer> renderer, QSize logical)
    : m_renderer(std::move(renderer)), m_logical(logical)
{
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    DrawFor(size, 1.0);
    return m_drawn.pixmap(size, 1.0, mode, state);
}

QPixmap SvgIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                    qreal scale)
{
    DrawFor(size, scale);
    if (!(scale > 1.0)) {
        return m_drawn.pixmap(size, 1.0, mode, state);
    }
    // The icon asks its engine for size device pixels; the logical size that comes to them at
    // scale brings the same request to the drawn pictures.
    QSize logical(qRound(size.width() / scale), qRound(size.height() / scale));
    for (int step : {0, -1, 1}) {
        const QSize candidate = logical + QSize(step, step);
        if (candidate * scale == size) {
            logical = candidate;
            break;
        }
    }
    return m_drawn.pixmap(logical, scale, mode, state);
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state)
{
    // As an icon of pixmaps paints: the pixmap for the device's pixel ratio, drawn into rect.
    const QPaintDevice* device = painter->device();
    const qreal scale = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    DrawFor(size, 1.0);
    return m_drawn.actualSize(size, mode, state);
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    if (mode != QIcon::Normal || state != QIcon::Off) {
        return {};
    }
    QList<QSize> sizes;
    for (int scale = 1; scale <= MAX_SCALE; ++scale) {
        sizes << m_logical * scale;
    }
    return sizes;
}

QString SvgIconEngine::key() const
{
    return QStringLiteral("SvgIconEngine");
}

QIconEngine* SvgIconEngine::clone() const
{
    return new SvgIconEngine(*this);
}

void SvgIconEngine::Draw(int scales)
{
    for (; m_scales < scales; ++m_scales) {
        const int scale = m_scales + 1;
        QPixmap picture(m_logical * scale);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        m_renderer->render(&painter);
        painter.end();
        picture.setDevicePixelRatio(scale);
        m_drawn.addPixmap(picture);
    }
}

void SvgIconEngine::DrawFor(QSize size, qreal scale)
{
    const bool fits = size.width() <= m_logical.width() && size.height() <= m_logical.height();
    Draw(fits && !(scale > 1.0) ? 1 : MAX_SCALE);
}
