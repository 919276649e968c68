#pragma once

#include <QProxyStyle>

// The application's style with group boxes drawn as dialog templates lay them out: the title sits
// on the top line of an etched frame, so controls placed just below the title stay inside it.
class GroupBoxStyle : public QProxyStyle
{
    Q_OBJECT

public:
    /// Wraps the platform's default style.
    GroupBoxStyle();
    /// Wraps the style called baseStyle ("Fusion", ...); the default style for an unknown name.
    explicit GroupBoxStyle(const QString& baseStyle);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
};
