#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <map>
#include <tuple>

class QPainter;

// Draws the many equal dots of one drawing. On pixel devices each colour is rasterised once and
// then copied, which is far cheaper than rasterising every ellipse; vector devices (PDF, SVG,
// printers) get real ellipses.
class DotStamp
{
public:
    /// A stamp for one drawing with painter, whose pen gives the outline.
    explicit DotStamp(QPainter& painter);

    /// A filled ellipse with the painter's pen as outline inside box (inclusive pixels); a
    /// transparent fill leaves a ring.
    void Draw(const QRect& box, const QColor& fill);

    /// Draws one such ellipse directly, antialiased, inside box (inclusive pixels): the outline's
    /// outer edge touches the box.
    static void DrawEllipse(QPainter& painter, const QRect& box, const QColor& fill);

private:
    QPainter& m_painter;
    bool m_copy;
    qreal m_ratio;
    // One sprite per fill, outline colour and outline width (in 1/64 pixels).
    std::map<std::tuple<QRgb, QRgb, int>, QImage> m_sprites;
};
