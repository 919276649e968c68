#include "DiagramColours.h"

#include "Notes.h"
#include "SchemePalette.h"

#include <cmath>

namespace {

// c moved share 0..1 of the way towards another colour.
QColor Mix(const QColor& c, const QColor& towards, double share)
{
    auto channel = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * share));
    };
    return QColor(channel(c.red(), towards.red()), channel(c.green(), towards.green()),
                  channel(c.blue(), towards.blue()));
}

double Luminance(const QColor& colour)
{
    auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

// Black or white, whichever stands out more on fill.
QColor InkOn(const QColor& fill)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return DiagramColours::Contrast(fill, black) >= DiagramColours::Contrast(fill, white) ? black
                                                                                          : white;
}

} // namespace

DiagramColours DiagramColours::Classic()
{
    const QColor black(0, 0, 0);
    DiagramColours colours;
    colours.background = QColor(255, 255, 255);
    colours.strings = colours.frets = colours.nut = colours.markers = black;
    colours.text = colours.numbers = colours.outline = colours.ring = black;
    colours.fills = {QColor(255, 255, 255), QColor(0, 0, 255), QColor(255, 0, 0),
                     QColor(0, 255, 0)};
    colours.inks = {black, black, black, black};
    return colours;
}

DiagramColours DiagramColours::FromPalette(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const bool dark = SchemePalette::IsDark(palette);
    DiagramColours colours;
    colours.background = base;
    colours.strings = Mix(text, base, 0.3);
    colours.frets = Mix(text, base, 0.5);
    colours.nut = text;
    colours.markers = Mix(text, base, dark ? 0.6 : 0.75);
    colours.text = text;
    colours.numbers = Mix(text, base, 0.15);
    colours.ring = text;
    // Every label keeps well above 4.5 : 1 on its fill: strong fills with white labels on a light
    // palette, light fills with black labels on a dark one.
    if (dark) {
        colours.outline = QColor(16, 16, 16);
        colours.fills = {QColor(200, 200, 200), QColor(110, 168, 254), QColor(255, 112, 112),
                         QColor(92, 214, 92)};
    } else {
        colours.outline = Mix(text, base, 0.25);
        colours.fills = {QColor(255, 255, 255), QColor(29, 78, 216), QColor(198, 40, 40),
                         QColor(46, 125, 50)};
    }
    for (std::size_t kind = 0; kind < colours.fills.size(); ++kind) {
        colours.inks[kind] = InkOn(colours.fills[kind]);
    }
    return colours;
}

DiagramColours DiagramColours::For(const DiagramOptions& options, bool printer)
{
    const bool modern = options.look == DiagramLook::Modern;
    if (printer) {
        return modern ? FromPalette(SchemePalette::Light()) : Classic();
    }
    if (modern) {
        return FromPalette(SchemePalette::Of(options.colours));
    }
    return options.colours == ColourScheme::Dark ? FromPalette(SchemePalette::Dark()) : Classic();
}

std::optional<DotKind> DiagramColours::KindOf(int classification)
{
    if (classification & OFF_STRING) {
        return std::nullopt;
    }
    if (classification & PATTERN_NOTE) {
        return DotKind::Pattern;
    }
    if ((classification & ROOT_NOTE) && (classification & SCALE_NOTE)) {
        return DotKind::Root;
    }
    if (classification & SCALE_NOTE) {
        return DotKind::Scale;
    }
    if (classification & OVERLAY_NOTE) {
        return DotKind::Overlay;
    }
    return std::nullopt;
}

double DiagramColours::Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
