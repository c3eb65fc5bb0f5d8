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

// Fills `r` with `top` fading to `bottom` towards its lower edge.
inline void fillVertical(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.left(), r.top(), r.left(), r.top() + r.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

} // namespace Drawing
