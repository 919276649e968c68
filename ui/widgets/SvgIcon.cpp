#include "SvgIcon.h"

#include "SvgIconEngine.h"

#include <QSvgRenderer>

#include <memory>

QIcon SvgIcon::Load(const QString& path, QSize logical)
{
    auto renderer = std::make_shared<QSvgRenderer>(path);
    if (!renderer->isValid()) {
        return QIcon();
    }
    return QIcon(new SvgIconEngine(std::move(renderer), logical));
}
