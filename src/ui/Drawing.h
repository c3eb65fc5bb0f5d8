#pragma once

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

} // namespace Drawing
