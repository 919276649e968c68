#include "SchemePalette.h"

#include <QGuiApplication>

namespace {

struct RoleColour
{
    QPalette::ColorRole role;
    QRgb active;   ///< active and inactive windows
    QRgb disabled; ///< disabled controls
};

QPalette Build(std::initializer_list<RoleColour> colours)
{
    QPalette palette;
    for (const RoleColour& colour : colours) {
        palette.setColor(QPalette::Active, colour.role, QColor::fromRgb(colour.active));
        palette.setColor(QPalette::Inactive, colour.role, QColor::fromRgb(colour.active));
        palette.setColor(QPalette::Disabled, colour.role, QColor::fromRgb(colour.disabled));
    }
    return palette;
}

} // namespace

QPalette SchemePalette::Light()
{
    return Build({
        {QPalette::Window, qRgb(239, 239, 239), qRgb(239, 239, 239)},
        {QPalette::WindowText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
        {QPalette::Base, qRgb(255, 255, 255), qRgb(239, 239, 239)},
        {QPalette::AlternateBase, qRgb(247, 247, 247), qRgb(247, 247, 247)},
        {QPalette::ToolTipBase, qRgb(255, 255, 220), qRgb(255, 255, 220)},
        {QPalette::ToolTipText, qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {QPalette::PlaceholderText, qRgb(118, 118, 118), qRgb(190, 190, 190)},
        {QPalette::Text, qRgb(0, 0, 0), qRgb(190, 190, 190)},
        {QPalette::Button, qRgb(239, 239, 239), qRgb(239, 239, 239)},
        {QPalette::ButtonText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
        {QPalette::BrightText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {QPalette::Light, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {QPalette::Midlight, qRgb(202, 202, 202), qRgb(202, 202, 202)},
        {QPalette::Mid, qRgb(184, 184, 184), qRgb(184, 184, 184)},
        {QPalette::Dark, qRgb(159, 159, 159), qRgb(190, 190, 190)},
        {QPalette::Shadow, qRgb(118, 118, 118), qRgb(177, 177, 177)},
        {QPalette::Highlight, qRgb(38, 112, 176), qRgb(145, 145, 145)},
        {QPalette::HighlightedText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
        {QPalette::Link, qRgb(0, 0, 255), qRgb(0, 0, 255)},
        {QPalette::LinkVisited, qRgb(255, 0, 255), qRgb(255, 0, 255)},
    });
}

QPalette SchemePalette::Dark()
{
    return Build({
        {QPalette::Window, qRgb(53, 53, 53), qRgb(53, 53, 53)},
        {QPalette::WindowText, qRgb(240, 240, 240), qRgb(127, 127, 127)},
        {QPalette::Base, qRgb(36, 36, 36), qRgb(42, 42, 42)},
        {QPalette::AlternateBase, qRgb(46, 46, 46), qRgb(46, 46, 46)},
        {QPalette::ToolTipBase, qRgb(64, 64, 64), qRgb(64, 64, 64)},
        {QPalette::ToolTipText, qRgb(240, 240, 240), qRgb(240, 240, 240)},
        {QPalette::PlaceholderText, qRgb(150, 150, 150), qRgb(100, 100, 100)},
        {QPalette::Text, qRgb(240, 240, 240), qRgb(127, 127, 127)},
        {QPalette::Button, qRgb(53, 53, 53), qRgb(53, 53, 53)},
        {QPalette::ButtonText, qRgb(240, 240, 240), qRgb(127, 127, 127)},
        {QPalette::BrightText, qRgb(255, 80, 80), qRgb(255, 80, 80)},
        {QPalette::Light, qRgb(82, 82, 82), qRgb(82, 82, 82)},
        {QPalette::Midlight, qRgb(66, 66, 66), qRgb(66, 66, 66)},
        {QPalette::Mid, qRgb(42, 42, 42), qRgb(42, 42, 42)},
        {QPalette::Dark, qRgb(30, 30, 30), qRgb(30, 30, 30)},
        {QPalette::Shadow, qRgb(18, 18, 18), qRgb(18, 18, 18)},
        {QPalette::Highlight, qRgb(38, 115, 198), qRgb(80, 80, 80)},
        {QPalette::HighlightedText, qRgb(255, 255, 255), qRgb(127, 127, 127)},
        {QPalette::Link, qRgb(90, 160, 240), qRgb(90, 160, 240)},
        {QPalette::LinkVisited, qRgb(190, 130, 240), qRgb(190, 130, 240)},
    });
}

QPalette SchemePalette::Of(ColourScheme scheme)
{
    switch (scheme) {
    case ColourScheme::Dark:
        return Dark();
    case ColourScheme::Light:
        return Light();
    case ColourScheme::System:
        break;
    }
    return qGuiApp != nullptr ? QGuiApplication::palette() : Light();
}

bool SchemePalette::IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}
