#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>
#include <QString>

// Icons drawn from the SVG pictures in the resources, rendered at 1x, 2x and 3x (each scale when
// first needed) so they stay crisp on high-density screens without relying on an icon engine
// plugin.
class SvgIcon
{
public:
    /// The picture at resource path as an icon of logical size (e.g. 16 x 15 px), its black
    /// lines drawn in ink.
    static QIcon Load(const QString& path, QSize logical, const QColor& ink = Qt::black);
    /// The ink of icons on palette's bars: black, or the button text on dark bars, where black
    /// lines would vanish.
    static QColor InkFor(const QPalette& palette);
};
