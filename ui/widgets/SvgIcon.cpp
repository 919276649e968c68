#include "SvgIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon SvgIcon::Load(const QString& path, QSize logical)
{
    QIcon icon;
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return icon;
    }
    for (int scale = 1; scale <= 3; ++scale) {
        QPixmap pixmap(logical * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}
