#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QSize>

#include <array>
#include <memory>

class QSvgRenderer;

// An SVG picture as an icon of one logical size, drawn at 1x, 2x and 3x the first time a
// request needs that scale rather than all at once: a window on an ordinary screen draws each
// icon once. The pixmaps it hands out are the ones an icon holding all three pictures would
// give for the same request.
class SvgIconEngine : public QIconEngine
{
public:
    /// renderer holds the parsed picture (valid); logical is the icon's size at 1x, e.g. 16 x 15.
    SvgIconEngine(std::shared_ptr<QSvgRenderer> renderer, QSize logical);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    // Draws the pictures at 1x up to scales x (1..3) that are not drawn yet, in that order.
    void Draw(int scales);
    // Draws what a request of size device pixels at scale may pick: 1x alone picks as all
    // three do while the request fits the logical size on an ordinary screen.
    void DrawFor(QSize size, qreal scale);

    std::shared_ptr<QSvgRenderer> m_renderer;
    QSize m_logical;
    QIcon m_drawn; // the pictures drawn so far
    int m_scales = 0;
};
