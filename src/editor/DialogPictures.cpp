#include "editor/DialogPictures.h"

#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/IconPictures.h"
#include "ui/Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage canvas(const QSize& size)
{
    QImage img(Drawing::pixelsFor(size), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(Drawing::resolution());
    img.fill(Qt::transparent);
    return img;
}

// The soft backdrop both camera pictures stand on: a light studio wall with
// a floor line, so the object reads as a photograph's subject.
void backdrop(QPainter& p, const QRectF& r, const QColor& wall)
{
    QRadialGradient g(r.center() - QPointF(0, r.height() * 0.12), r.width() * 0.7);
    g.setColorAt(0, wall.lighter(112));
    g.setColorAt(1, wall.darker(108));
    p.fillRect(r, g);
    QLinearGradient floor(0, r.top() + r.height() * 0.78, 0, r.bottom());
    floor.setColorAt(0, Palette::shadow(0));
    floor.setColorAt(1, Palette::shadow(28));
    p.fillRect(QRectF(r.left(), r.top() + r.height() * 0.78, r.width(), r.height() * 0.22), floor);
}

void shadow(QPainter& p, const QPointF& centre, qreal w, qreal h)
{
    QRadialGradient g(centre, w / 2);
    g.setColorAt(0, Palette::shadow(70));
    g.setColorAt(1, Palette::shadow(0));
    p.save();
    p.translate(centre);
    p.scale(1, h / w);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, w / 2, w / 2);
    p.restore();
}

// A lens seen from the front: metal rings, dark glass and a reflection.
void lens(QPainter& p, const QPointF& c, qreal r)
{
    p.setPen(Qt::NoPen);
    QLinearGradient ring(c - QPointF(r, r), c + QPointF(r, r));
    ring.setColorAt(0, QColor(0xC9, 0xD1, 0xD9));
    ring.setColorAt(1, QColor(0x5A, 0x64, 0x6E));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(0x22, 0x28, 0x2E));
    p.drawEllipse(c, r * 0.84, r * 0.84);
    QRadialGradient glass(c + QPointF(-r * 0.2, -r * 0.25), r * 0.75);
    glass.setColorAt(0, QColor(0x4A, 0x7F, 0xB8));
    glass.setColorAt(0.55, QColor(0x1B, 0x3A, 0x60));
    glass.setColorAt(1, QColor(0x08, 0x12, 0x1E));
    p.setBrush(glass);
    p.drawEllipse(c, r * 0.68, r * 0.68);
    p.setBrush(QColor(0x05, 0x0A, 0x10));
    p.drawEllipse(c, r * 0.28, r * 0.28);
    p.setBrush(Palette::glaze(170));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.32), r * 0.13, r * 0.09);
    p.setBrush(Palette::glaze(90));
    p.drawEllipse(c + QPointF(r * 0.22, r * 0.2), r * 0.06, r * 0.06);
}

} // namespace

namespace DialogPictures {

QImage webcam(const QSize& size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    Drawing::scaleToResolution(p);
    Drawing::smooth(p);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    backdrop(p, r, QColor(0xDD, 0xE7, 0xF0));
    p.scale(size.width() / 366.0, size.height() / 274.0);

    // Stand: a base on the desk and a short neck.
    shadow(p, QPointF(183, 236), 190, 26);
    QLinearGradient base(0, 214, 0, 236);
    base.setColorAt(0, QColor(0x5B, 0x66, 0x72));
    base.setColorAt(1, QColor(0x2A, 0x31, 0x39));
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawEllipse(QPointF(183, 226), 72, 12);
    p.setBrush(QColor(0x6E, 0x7A, 0x86));
    p.drawEllipse(QPointF(183, 221), 72, 11);
    QPainterPath neck;
    neck.moveTo(170, 160);
    neck.lineTo(196, 160);
    neck.lineTo(204, 222);
    neck.lineTo(162, 222);
    neck.closeSubpath();
    QLinearGradient metal(162, 0, 204, 0);
    metal.setColorAt(0, QColor(0x3A, 0x43, 0x4C));
    metal.setColorAt(0.45, QColor(0x8E, 0x99, 0xA4));
    metal.setColorAt(1, QColor(0x2E, 0x36, 0x3E));
    p.setBrush(metal);
    p.drawPath(neck);

    // The round body.
    const QPointF c(183, 106);
    QRadialGradient body(c + QPointF(-26, -30), 96);
    body.setColorAt(0, QColor(0x5E, 0x6B, 0x78));
    body.setColorAt(0.6, QColor(0x2C, 0x34, 0x3D));
    body.setColorAt(1, QColor(0x14, 0x19, 0x1F));
    p.setBrush(body);
    p.drawEllipse(c, 74, 74);
    // A silver face ring around the lens.
    p.setBrush(QColor(0xB5, 0xBF, 0xC9));
    p.drawEllipse(c + QPointF(0, 4), 50, 50);
    lens(p, c + QPointF(0, 4), 44);
    // The light that says the camera is on, and a microphone grille.
    p.setBrush(QColor(0x35, 0xD0, 0x6A));
    p.drawEllipse(QPointF(183, 46), 4.5, 4.5);
    p.setBrush(QColor(0x0E, 0x12, 0x16));
    for (int i = -2; i <= 2; ++i)
        p.drawEllipse(QPointF(183 + i * 7, 164), 1.6, 1.6);
    // Gloss.
    QPainterPath gloss;
    gloss.addEllipse(QPointF(150, 62), 34, 18);
    p.setBrush(Palette::glaze(40));
    p.drawPath(gloss);
    return img;
}

QImage photoCamera(const QSize& size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    Drawing::scaleToResolution(p);
    Drawing::smooth(p);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    backdrop(p, r, QColor(0xE9, 0xE4, 0xDA));
    p.scale(size.width() / 366.0, size.height() / 274.0);

    shadow(p, QPointF(183, 226), 260, 30);
    p.setPen(Qt::NoPen);
    // Top plate: viewfinder hump, shutter release, mode dial.
    QLinearGradient plate(0, 58, 0, 90);
    plate.setColorAt(0, QColor(0x4A, 0x52, 0x5B));
    plate.setColorAt(1, QColor(0x23, 0x28, 0x2E));
    p.setBrush(plate);
    QPainterPath hump;
    hump.moveTo(146, 84);
    hump.lineTo(158, 56);
    hump.lineTo(208, 56);
    hump.lineTo(220, 84);
    hump.closeSubpath();
    p.drawPath(hump);
    p.setBrush(QColor(0xC8, 0x3A, 0x2E));
    p.drawRoundedRect(QRectF(246, 70, 30, 12), 4, 4);
    p.setBrush(QColor(0x5C, 0x65, 0x6F));
    p.drawRoundedRect(QRectF(92, 72, 38, 12), 3, 3);

    // Body.
    QLinearGradient body(0, 80, 0, 222);
    body.setColorAt(0, QColor(0x3D, 0x45, 0x4E));
    body.setColorAt(1, QColor(0x17, 0x1B, 0x20));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(66, 80, 234, 142), 18, 18);
    // Leather grip band.
    p.setBrush(QColor(0x26, 0x2B, 0x31));
    p.drawRect(QRectF(66, 112, 234, 78));
    p.setBrush(Palette::glaze(22));
    for (int x = 72; x < 296; x += 6)
        p.drawRect(QRectF(x, 114, 2, 74));
    // Flash window and the maker's plate.
    QLinearGradient flash(0, 90, 0, 108);
    flash.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    flash.setColorAt(1, QColor(0xC9, 0xD6, 0xE2));
    p.setBrush(flash);
    p.drawRoundedRect(QRectF(250, 90, 36, 18), 3, 3);
    p.setBrush(QColor(0x9A, 0xA5, 0xB0));
    p.drawRoundedRect(QRectF(84, 92, 46, 10), 2, 2);

    // The lens barrel.
    const QPointF c(183, 152);
    p.setBrush(QColor(0x10, 0x13, 0x17));
    p.drawEllipse(c, 64, 64);
    QLinearGradient barrel(c - QPointF(60, 60), c + QPointF(60, 60));
    barrel.setColorAt(0, QColor(0x6B, 0x75, 0x80));
    barrel.setColorAt(1, QColor(0x20, 0x25, 0x2B));
    p.setBrush(barrel);
    p.drawEllipse(c, 58, 58);
    lens(p, c, 46);
    return img;
}

QImage attachSteps(const QSize& size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    Drawing::scaleToResolution(p);
    Drawing::smooth(p);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, Palette::Snow);
    g.setColorAt(1, QColor(0xE4, 0xEE, 0xF7));
    p.setPen(QPen(Palette::Sky, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);

    const QFont step = Fonts::verdana(12, true);
    const QFont note = Fonts::verdana(10, false);
    const qreal line = 18;

    // One numbered step: an orange disc with the number, then the words.
    auto numero = [&](qreal x, int n) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Orange);
        p.drawEllipse(QPointF(x + 9, line), 9, 9);
        p.setPen(Qt::white);
        p.setFont(Fonts::verdana(11, true));
        p.drawText(QRectF(x, line - 9, 18, 18), Qt::AlignCenter, QString::number(n));
        return x + 24;
    };
    auto testo = [&](qreal x, const QString& t) {
        p.setFont(step);
        p.setPen(Palette::Navy);
        const qreal w = QFontMetricsF(step).horizontalAdvance(t);
        p.drawText(QRectF(x, line - 10, w + 2, 20), Qt::AlignLeft | Qt::AlignVCenter, t);
        return x + w;
    };
    auto freccia = [&](qreal x) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x7A, 0x9C, 0xBD));
        QPainterPath a;
        a.moveTo(x + 10, line - 5);
        a.lineTo(x + 17, line);
        a.lineTo(x + 10, line + 5);
        a.closeSubpath();
        a.addRect(QRectF(x + 2, line - 1.5, 9, 3));
        p.drawPath(a);
        return x + 26;
    };

    qreal x = 10;
    x = numero(x, 1);
    x = testo(x, QStringLiteral("Sfoglia..."));
    x = freccia(x + 8);
    x = numero(x, 2);
    x = testo(x, QStringLiteral("Applica e chiudi"));
    x = freccia(x + 8);
    x = numero(x, 3);
    x = testo(x, QStringLiteral("Salva la scheda"));
    p.drawPixmap(QPointF(x + 6, line - 11), IconPictures::draw(Icon::Salva, QSize(22, 22)));

    p.setFont(note);
    p.setPen(Palette::Ink);
    p.drawText(QRectF(10, 29, size.width() - 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Il pulsante Apri visualizza il file allegato con il programma associato."));
    return img;
}

} // namespace DialogPictures
