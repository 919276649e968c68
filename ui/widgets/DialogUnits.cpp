#include "DialogUnits.h"

#include <QWidget>

namespace {

constexpr int kBaseX = 6;
constexpr int kBaseY = 13;

// Multiplies and divides with rounding to the nearest integer, as dialog templates are mapped.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

namespace DialogUnits {

int X(int du)
{
    return MulDiv(du, kBaseX, 4);
}

int Y(int du)
{
    return MulDiv(du, kBaseY, 8);
}

QRect Rect(int x, int y, int cx, int cy)
{
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + cx) - left, Y(y + cy) - top);
}

QSize Size(int cx, int cy)
{
    return QSize(X(cx), Y(cy));
}

QFont Font()
{
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.0);
    return font;
}

void Place(QWidget* widget, int x, int y, int cx, int cy)
{
    widget->setGeometry(Rect(x, y, cx, cy));
    widget->setFont(Font());
}

void FitCaption(QWidget* control)
{
    const int needed = control->sizeHint().width();
    if (needed > control->width()) {
        control->resize(needed, control->height());
    }
}

} // namespace DialogUnits
