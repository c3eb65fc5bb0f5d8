#pragma once

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QSize>

// What every drawn picture of the program starts from.
namespace Drawing {

// A transparent picture of `size` to paint on.
inline QPixmap canvas(const QSize& size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

// Anti-aliased shapes, text and scaled pictures.
inline void smooth(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

// The inside of a one-pixel outline around `r`: the line falls on whole pixels.
inline QRectF inside(const QRect& r)
{
    return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

// A rounded plate: `top` fading to `bottom`, outlined in `edge`.
inline void plate(
    QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, const QColor& edge, qreal radius)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// Fills `r` with `top` fading to `bottom` towards its lower edge.
inline void fillVertical(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.left(), r.top(), r.left(), r.top() + r.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// A transparent picture of `size` being painted on, anti-aliased: draw with
// `painter()`; turning it into a QPixmap ends the painting.
class Canvas {
public:
    explicit Canvas(const QSize& size)
        : pixmap_(canvas(size))
        , painter_(&pixmap_)
    {
        smooth(painter_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return painter_; }
    QRect rect() const { return pixmap_.rect(); }

    operator QPixmap()
    {
        if (painter_.isActive())
            painter_.end();
        return pixmap_;
    }

private:
    QPixmap pixmap_;
    QPainter painter_;
};

} // namespace Drawing
