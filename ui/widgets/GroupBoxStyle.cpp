#include "GroupBoxStyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace {

// Distance in pixels of a title from the frame's left edge.
constexpr int kTitleIndent = 7;

bool FramedWithTitle(const QStyleOptionGroupBox* box)
{
    return box != nullptr && !box->text.isEmpty() &&
           !(box->subControls & QStyle::SC_GroupBoxCheckBox) &&
           !(box->features & QStyleOptionFrame::Flat);
}

} // namespace

GroupBoxStyle::GroupBoxStyle() : QProxyStyle() {}

GroupBoxStyle::GroupBoxStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                    SubControl subControl, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel && FramedWithTitle(box) &&
        rect.left() - box->rect.left() < kTitleIndent) {
        rect.translate(kTitleIndent - (rect.left() - box->rect.left()), 0);
    }
    return rect;
}

void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || !(box->subControls & SC_GroupBoxFrame) ||
        (box->subControls & SC_GroupBoxCheckBox) || (box->features & QStyleOptionFrame::Flat)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect& rect = box->rect;
    const int top = box->text.isEmpty() ? 0 : box->fontMetrics.height() / 2;
    QRegion clip(rect);
    if (!box->text.isEmpty()) {
        const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        clip -= label.adjusted(-2, 0, 2, 0);
    }
    // An etched line: a shadow rectangle with a light one a pixel down and to the right.
    painter->save();
    painter->setClipRegion(clip);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(box->palette.color(QPalette::Mid));
    painter->drawRect(
        QRect(rect.left(), rect.top() + top, rect.width() - 2, rect.height() - top - 2));
    painter->setPen(box->palette.color(QPalette::Light));
    painter->drawRect(
        QRect(rect.left() + 1, rect.top() + top + 1, rect.width() - 2, rect.height() - top - 2));
    painter->restore();

    QStyleOptionGroupBox rest(*box);
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}
