#include "household/HouseholdPictures.h"

#include "ui/Drawing.h"
#include "ui/Palette.h"

#include <QPainterPath>

namespace {

QPointF at(const QRectF& b, qreal x, qreal y)
{
    return {b.left() + x * b.width(), b.top() + y * b.height()};
}

QRectF part(const QRectF& b, qreal x, qreal y, qreal w, qreal h)
{
    return {at(b, x, y), QSizeF(w * b.width(), h * b.height())};
}

} // namespace

QPixmap HouseholdPictures::searchAll(const QSize& size)
{
    const QColor plate(0xE0, 0x8E, 0x2B);
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal side = qMin(size.width(), size.height()) - 2;
    const QRectF d(QPointF((size.width() - side) / 2, (size.height() - side) / 2), QSizeF(side, side));
    QLinearGradient g(d.topLeft(), d.bottomLeft());
    g.setColorAt(0, plate.lighter(125));
    g.setColorAt(1, plate.darker(110));
    p.setPen(QPen(plate.darker(125), 1));
    p.setBrush(g);
    p.drawEllipse(d);

    // Three archive boxes, one on another, each with its label slot.
    const qreal r = d.width() * 0.03;
    for (int i = 0; i < 3; ++i) {
        const QRectF box = part(d, 0.22, 0.26 + i * 0.17, 0.42, 0.14);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(box, r, r);
        p.setBrush(plate.darker(115));
        p.drawRoundedRect(part(box, 0.38, 0.35, 0.24, 0.3), r / 2, r / 2);
    }

    // The glass, over the lower right of the stack.
    const QRectF lens = part(d, 0.46, 0.40, 0.28, 0.28);
    p.setPen(QPen(plate.darker(160), d.width() * 0.11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(d, 0.70, 0.64), at(d, 0.80, 0.74));
    p.setPen(QPen(Palette::Navy, d.width() * 0.055));
    p.setBrush(Palette::glaze(170));
    p.drawEllipse(lens);
    return pm;
}
