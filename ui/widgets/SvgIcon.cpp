#include "SvgIcon.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

QIcon SvgIcon::Load(const QString& path, QSize logical, const QColor& ink)
{
    QIcon icon;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return icon;
    }
    QByteArray picture = file.readAll();
    if (ink != QColor(Qt::black)) {
        picture.replace("\"#000\"", "\"" + ink.name().toLatin1() + "\"");
    }
    QSvgRenderer renderer(picture);
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

QColor SvgIcon::InkFor(const QPalette& palette)
{
    return palette.color(QPalette::Button).lightness() < 128 ? palette.color(QPalette::ButtonText)
                                                             : QColor(Qt::black);
}
