#include "household/SpendingPictures.h"

#include "ui/Drawing.h"
#include "ui/Palette.h"

#include <QLinearGradient>

QPixmap SpendingPictures::menuIcon(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal side = qMin(size.width(), size.height()) - 2;
    const QRectF d(QPointF((size.width() - side) / 2, (size.height() - side) / 2), QSizeF(side, side));
    const QColor plate(0xE0, 0x8A, 0x2E);
    QLinearGradient g(d.topLeft(), d.bottomLeft());
    g.setColorAt(0, plate.lighter(118));
    g.setColorAt(1, plate.darker(110));
    p.setPen(QPen(plate.darker(125), 1));
    p.setBrush(g);
    p.drawEllipse(d);

    // Three rising bars on a base line.
    auto at = [&d](qreal x, qreal y) { return QPointF(d.left() + d.width() * x, d.top() + d.height() * y); };
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal w = 0.13;
    const qreal base = 0.74;
    const qreal tops[] = {0.52, 0.40, 0.27};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 0.24 + i * 0.18;
        p.drawRoundedRect(QRectF(at(x, tops[i]), at(x + w, base)), side * 0.02, side * 0.02);
    }
    p.setPen(QPen(Qt::white, side * 0.045, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.20, base + 0.04), at(0.80, base + 0.04));
    // A gold coin leaning on the highest bar.
    p.setPen(QPen(Palette::Gold.darker(130), side * 0.025));
    p.setBrush(Palette::Gold);
    p.drawEllipse(QRectF(at(0.62, 0.16), at(0.80, 0.34)));
    return pm;
}
