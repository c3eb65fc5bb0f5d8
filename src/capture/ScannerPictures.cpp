#include "capture/ScannerPictures.h"

#include "ui/Drawing.h"
#include "ui/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ScannerPictures {

QImage flatbed(const QSize& size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    Drawing::smooth(p);
    const qreal w = size.width();
    const qreal h = size.height();

    // A pale wall, a little darker towards its edges.
    QRadialGradient wall(QPointF(w / 2, h * 0.4), w * 0.9);
    wall.setColorAt(0, Palette::Snow);
    wall.setColorAt(1, QColor(0xDC, 0xE5, 0xEE));
    p.fillRect(QRectF(0, 0, w, h), wall);

    // The scanner's body, seen from above at a slant.
    const QRectF body(w * 0.10, h * 0.52, w * 0.80, h * 0.26);
    QRadialGradient shade(QPointF(w / 2, body.bottom() + 6), w * 0.45);
    shade.setColorAt(0, Palette::shadow(60));
    shade.setColorAt(1, Palette::shadow(0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(w / 2, body.bottom() + 4), w * 0.46, h * 0.035);
    Drawing::plate(p, body, QColor(0xE9, 0xEE, 0xF3), QColor(0xB5, 0xC1, 0xCD), Palette::IconEdge, 8);

    // The glass, with a receipt lying on it.
    const QRectF glass = body.adjusted(w * 0.05, h * 0.025, -w * 0.05, -h * 0.06);
    QLinearGradient g(glass.topLeft(), glass.bottomRight());
    g.setColorAt(0, QColor(0x5B, 0x7C, 0x99));
    g.setColorAt(1, QColor(0x2E, 0x4A, 0x66));
    p.setPen(QPen(QColor(0x24, 0x3A, 0x52), 1));
    p.setBrush(g);
    p.drawRoundedRect(glass, 3, 3);
    const QRectF paper(glass.left() + glass.width() * 0.30, glass.top() + 6, glass.width() * 0.40, glass.height() - 12);
    p.setPen(QPen(Palette::SoftFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(paper);
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xB6), 1.4));
    for (int i = 0; i < 5; ++i) {
        const qreal y = paper.top() + 8 + i * (paper.height() - 14) / 5;
        const qreal length = (i == 0 ? 0.5 : (i % 2 ? 0.8 : 0.65)) * (paper.width() - 12);
        p.drawLine(QPointF(paper.left() + 6, y), QPointF(paper.left() + 6 + length, y));
    }
    // The light bar sweeping the glass.
    QLinearGradient light(glass.left(), 0, glass.left() + 18, 0);
    light.setColorAt(0, QColor(0x9F, 0xE0, 0xFF, 0));
    light.setColorAt(0.6, QColor(0xC8, 0xF0, 0xFF, 200));
    light.setColorAt(1, QColor(0xFF, 0xFF, 0xFF, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRect(QRectF(glass.left() + glass.width() * 0.18, glass.top() + 1, 18, glass.height() - 2));

    // The lid, raised behind the body.
    QPainterPath lid;
    lid.moveTo(body.left() + 6, body.top() + 2);
    lid.lineTo(body.left() + w * 0.05, h * 0.16);
    lid.lineTo(body.right() - w * 0.05, h * 0.16);
    lid.lineTo(body.right() - 6, body.top() + 2);
    lid.closeSubpath();
    QLinearGradient lidFill(0, h * 0.16, 0, body.top());
    lidFill.setColorAt(0, QColor(0xF4, 0xF7, 0xFA));
    lidFill.setColorAt(1, QColor(0xC3, 0xCE, 0xD9));
    p.setPen(QPen(Palette::IconEdge, 1));
    p.setBrush(lidFill);
    p.drawPath(lid);
    // Its white pad.
    QPainterPath pad;
    pad.moveTo(body.left() + w * 0.06, body.top() - 4);
    pad.lineTo(body.left() + w * 0.085, h * 0.19);
    pad.lineTo(body.right() - w * 0.085, h * 0.19);
    pad.lineTo(body.right() - w * 0.06, body.top() - 4);
    pad.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xFC, 0xFD));
    p.drawPath(pad);

    // The front: the power light and a button.
    p.setBrush(Palette::IconGreen);
    p.drawEllipse(QPointF(body.right() - w * 0.08, body.bottom() - h * 0.03), 3.2, 3.2);
    p.setBrush(Palette::IconBlue);
    p.drawRoundedRect(QRectF(body.right() - w * 0.20, body.bottom() - h * 0.04, w * 0.07, h * 0.02), 2, 2);
    return img;
}

} // namespace ScannerPictures
