#include "ConfigLegend.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>

namespace {

// Fills the circle of the box (cx - radius, cy - radius) .. (cx + radius, cy + radius), the
// right and bottom edges excluded, with a one-pixel black outline.
void DrawCircle(QPainter& painter, int cx, int cy, int radius, const QColor& fill)
{
    painter.setBrush(fill);
    painter.drawEllipse(QRect(cx - radius, cy - radius, 2 * radius - 1, 2 * radius - 1));
}

// Writes one sample character with its top-left corner half a character left of and above the
// centre.
void DrawSampleChar(QPainter& painter, int cx, int cy, char text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = cx - metrics.averageCharWidth() / 2;
    const int top = cy - metrics.height() / 2;
    painter.drawText(QPoint(left, top + metrics.ascent()), QString(QChar::fromLatin1(text)));
}

} // namespace

ConfigLegend::ConfigLegend(const QRect& legendBox, const QRect& scaleLabel, const QRect& rootLabel)
    : m_rowPitch(rootLabel.top() - scaleLabel.top()),
      m_centreX((legendBox.left() + scaleLabel.left()) / 2 - m_rowPitch / 2 / 2),
      m_row0Y(scaleLabel.top() + scaleLabel.height() / 2), m_legendRect(legendBox)
{
}

void ConfigLegend::Paint(QPainter& painter, const Settings& settings,
                         const DiagramColours& colours) const
{
    static constexpr std::array<DotKind, 4> kKinds = {DotKind::Scale, DotKind::Root,
                                                      DotKind::Overlay, DotKind::Pattern};
    static constexpr std::array<char, 4> kDegrees = {'2', '1', '3', '5'};
    static constexpr std::array<char, 4> kNotes = {'A', 'B', 'C', 'D'};

    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QPen(colours.outline, 0));
    const int diameter = SampleDiameter();
    const int cx = CentreX();
    if (settings.viewDots == 1) {
        for (int row = 0; row < 4; ++row) {
            const DotKind kind = settings.suppressColor == 1 ? DotKind::Scale : kKinds[row];
            DrawCircle(painter, cx, RowCentreY(row), diameter / 2, colours.Fill(kind));
        }
    }
    // A sample character in the colour the neck's labels take on its circle's fill.
    auto ink = [&](int row) {
        const DotKind kind = settings.suppressColor == 1 ? DotKind::Scale : kKinds[row];
        painter.setPen(QPen(settings.viewDots == 1 ? colours.Ink(kind) : colours.text, 0));
    };
    if (settings.viewDegrees == 1) {
        for (int row = 0; row < 4; ++row) {
            ink(row);
            DrawSampleChar(painter, cx, RowCentreY(row), kDegrees[row]);
        }
    }
    if (settings.viewNotes == 1) {
        for (int row = 0; row < 4; ++row) {
            ink(row);
            DrawSampleChar(painter, cx, RowCentreY(row), kNotes[row]);
        }
    }
    if (settings.dotMarkers == 1) {
        painter.setPen(QPen(colours.outline, 0));
        DrawCircle(painter, cx, RowCentreY(4), diameter / 4, colours.markers);
    }
    painter.restore();
}
