#include "AppPalette.h"

#include "SchemePalette.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <optional>

namespace {

// The style the desktop (or -style) gave, before the program changed anything.
std::optional<QString>& DesktopStyle()
{
    static std::optional<QString> style;
    return style;
}

} // namespace

void AppPalette::Apply(ColourScheme scheme)
{
    std::optional<QString>& desktop = DesktopStyle();
    if (scheme == ColourScheme::System) {
        if (desktop) {
            QApplication::setStyle(QStyleFactory::create(*desktop));
            // A palette without set colours is the desktop theme's, filled in from the style.
            QApplication::setPalette(QPalette());
        }
        return;
    }
    if (!desktop) {
        desktop = QApplication::style()->name();
    }
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }
    QApplication::setPalette(scheme == ColourScheme::Dark ? SchemePalette::Dark()
                                                          : SchemePalette::Light());
}
