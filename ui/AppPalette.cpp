#include "AppPalette.h"

#include "GroupBoxStyle.h"
#include "SchemePalette.h"

#include <QApplication>

#include <optional>

namespace {

// The style the desktop (or -style) gave, before the program changed anything.
std::optional<QString>& DesktopStyle()
{
    static std::optional<QString> style;
    return style;
}

// The name of the style that draws the application, looking through the group box wrapper.
QString BaseStyleName()
{
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle();
    }
    return style->name();
}

} // namespace

void AppPalette::Apply(ColourScheme scheme)
{
    std::optional<QString>& desktop = DesktopStyle();
    if (scheme == ColourScheme::System) {
        if (desktop) {
            QApplication::setStyle(new GroupBoxStyle(*desktop));
            // A palette without set colours is the desktop theme's, filled in from the style.
            QApplication::setPalette(QPalette());
            desktop.reset();
        }
        return;
    }
    if (!desktop) {
        desktop = BaseStyleName();
    }
    if (BaseStyleName().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(new GroupBoxStyle(QStringLiteral("Fusion")));
    }
    QApplication::setPalette(scheme == ColourScheme::Dark ? SchemePalette::Dark()
                                                          : SchemePalette::Light());
}
