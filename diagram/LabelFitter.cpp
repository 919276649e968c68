#include "LabelFitter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRectF>

#include <cmath>
#include <functional>
#include <map>

namespace {

// Results by font, size and texts; a neck shows a handful at a time, so a small store suffices.
constexpr std::size_t kMostKept = 48;

QFont SizedFont(const QFont& base, int pixelSize, bool bold)
{
    QFont font = base;
    font.setPixelSize(std::max(1, pixelSize));
    if (bold) {
        font.setWeight(QFont::Bold);
    }
    return font;
}

QFontMetricsF Metrics(const QFont& font, const QPaintDevice* device)
{
    return device != nullptr ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

// The ink of text relative to the point it is centred on: across by its own ink, down so that
// the baseline lies half the capital height below the point.
QRectF CentredInk(const QFontMetricsF& metrics, const QString& text)
{
    const QRectF ink = metrics.tightBoundingRect(text);
    return ink.translated(-ink.center().x(), metrics.capHeight() / 2);
}

bool InsideCircle(const QRectF& ink, double radius)
{
    for (const QPointF corner :
         {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()}) {
        if (std::hypot(corner.x(), corner.y()) > radius) {
            return false;
        }
    }
    return true;
}

bool AllFit(const QFont& font, const QStringList& labels, double radius, const QPaintDevice* device)
{
    const QFontMetricsF metrics = Metrics(font, device);
    for (const QString& label : labels) {
        if (!InsideCircle(CentredInk(metrics, label), radius)) {
            return false;
        }
    }
    return true;
}

std::shared_ptr<const LabelFitter::Fitted> Lay(const QFont& font, const QStringList& texts,
                                               const QPaintDevice* device)
{
    auto fitted = std::make_shared<LabelFitter::Fitted>();
    fitted->font = font;
    const QFontMetricsF metrics = Metrics(font, device);
    for (const QString& text : texts) {
        LabelFitter::Placed placed;
        placed.text.setText(text);
        placed.text.setTextFormat(Qt::PlainText);
        placed.text.setPerformanceHint(QStaticText::AggressiveCaching);
        placed.text.prepare(QTransform(), font);
        const QRectF ink = metrics.tightBoundingRect(text);
        // A static text is placed by the top of its line, an ascent above the baseline.
        placed.offset = QPointF(-ink.center().x(), metrics.capHeight() / 2 - metrics.ascent());
        fitted->texts.push_back(placed);
    }
    return fitted;
}

std::shared_ptr<const LabelFitter::Fitted>
Kept(const QString& key, const std::function<std::shared_ptr<const LabelFitter::Fitted>()>& make)
{
    static std::map<QString, std::shared_ptr<const LabelFitter::Fitted>> kept;
    const auto found = kept.find(key);
    if (found != kept.end()) {
        return found->second;
    }
    if (kept.size() >= kMostKept) {
        kept.clear();
    }
    auto fitted = make();
    kept.emplace(key, fitted);
    return fitted;
}

QString Key(const char* kind, const QFont& base, double size, double margin,
            const QStringList& texts, const QPaintDevice* device)
{
    const int dpi = device != nullptr ? device->logicalDpiY() : 0;
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QLatin1String(kind), base.key(), QString::number(size), QString::number(margin),
             QString::number(dpi), texts.join(QChar(0x1f)));
}

} // namespace

std::shared_ptr<const LabelFitter::Fitted> LabelFitter::FitToDot(const QFont& base, int diameter,
                                                                 double margin,
                                                                 const QStringList& labels,
                                                                 const QPaintDevice* device)
{
    return Kept(Key("dot", base, diameter, margin, labels, device),
                [&]() -> std::shared_ptr<const Fitted> {
                    const double radius = diameter / 2.0 - margin;
                    if (!AllFit(SizedFont(base, kSmallestSize, true), labels, radius, device)) {
                        return nullptr;
                    }
                    // The largest size that fits, found by halving the range of sizes.
                    int fits = kSmallestSize;
                    int tooLarge = std::max(fits + 1, diameter + 1);
                    while (tooLarge - fits > 1) {
                        const int size = (fits + tooLarge) / 2;
                        if (AllFit(SizedFont(base, size, true), labels, radius, device)) {
                            fits = size;
                        } else {
                            tooLarge = size;
                        }
                    }
                    return Lay(SizedFont(base, fits, true), labels, device);
                });
}

std::shared_ptr<const LabelFitter::Fitted> LabelFitter::Centred(const QFont& base, int pixelSize,
                                                                const QStringList& texts,
                                                                const QPaintDevice* device)
{
    return Kept(Key("centred", base, pixelSize, 0, texts, device),
                [&]() { return Lay(SizedFont(base, pixelSize, false), texts, device); });
}
