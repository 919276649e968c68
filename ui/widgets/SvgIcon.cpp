#include "SvgIcon.h"

#include "SvgIconEngine.h"

#include <QFile>
#include <QPalette>
#include <QSvgRenderer>

#include <memory>

QIcon SvgIcon::Load(const QString& path, QSize logical, const QColor& ink)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QIcon();
    }
    QByteArray picture = file.readAll();
    if (ink != QColor(Qt::black)) {
        picture.replace("\"#000\"", "\"" + ink.name().toLatin1() + "\"");
    }
    auto renderer = std::make_shared<QSvgRenderer>(picture);
    if (!renderer->isValid()) {
        return QIcon();
    }
    return QIcon(new SvgIconEngine(std::move(renderer), logical));
}

QColor SvgIcon::InkFor(const QPalette& palette)
{
    return palette.color(QPalette::Button).lightness() < 128 ? palette.color(QPalette::ButtonText)
                                                             : QColor(Qt::black);
}
