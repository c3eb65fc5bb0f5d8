#include "checkers/CheckerPictures.h"

#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal Pi = 3.14159265358979323846;

// The banner's card: a rounded box with a soft vertical gradient.
void fondo(QPainter& p, const QRectF& r, const QColor& alto, const QColor& basso, const QColor& bordo)
{
    Drawing::plate(p, r, alto, basso, bordo, 10);
}

// The title, as large as fits the box, bold, with a light shadow.
void titolo(QPainter& p, const QRectF& box, const QString& testo, const QColor& colore)
{
    const int maxPixels = int(box.height() * 0.5);
    const QFont f = Fonts::largestFitting(Fonts::verdana(maxPixels, true), testo, maxPixels, box.width(), 9);
    p.setFont(f);
    p.setPen(Palette::shadow(40));
    p.drawText(box.translated(1, 1.5), Qt::AlignVCenter | Qt::AlignLeft, testo);
    p.setPen(colore);
    p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft, testo);
}

// A plastic tax card seen from the front: coloured band, holder's picture,
// a magnetic strip and the lines of the code.
void tessera(QPainter& p, const QRectF& r)
{
    const qreal k = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::shadow(35));
    p.drawRoundedRect(r.translated(1.5, 2), k * 0.1, k * 0.1);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(0xE6, 0xF4, 0xE8));
    g.setColorAt(1, QColor(0xB9, 0xDD, 0xC0));
    p.setPen(QPen(QColor(0x4E, 0x8F, 0x5A), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, k * 0.1, k * 0.1);

    QPainterPath forma;
    forma.addRoundedRect(r, k * 0.1, k * 0.1);
    p.save();
    p.setClipPath(forma);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), k * 0.2), QColor(0x2F, 0x7D, 0x3E));
    p.restore();
    // Three little stripes of the flag on the band.
    const qreal s = k * 0.1;
    const QColor flag[] = {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(r.left() + k * 0.1 + i * s * 0.7, r.top() + k * 0.05, s * 0.7, s), flag[i]);

    // The holder's picture.
    const QRectF foto(r.left() + k * 0.1, r.top() + k * 0.3, k * 0.38, k * 0.5);
    p.setPen(QPen(QColor(0x7A, 0x9C, 0x82), 1));
    p.setBrush(QColor(0xF6, 0xFB, 0xF7));
    p.drawRect(foto);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8A, 0xA8, 0x92));
    p.drawEllipse(
        QPointF(foto.center().x(), foto.top() + foto.height() * 0.38), foto.width() * 0.2, foto.width() * 0.2);
    p.drawChord(QRectF(foto.left() + foto.width() * 0.15, foto.top() + foto.height() * 0.62, foto.width() * 0.7,
                    foto.height() * 0.7),
        0, 180 * 16);

    // The lines of the code and the name.
    p.setBrush(QColor(0x3F, 0x6E, 0x4A));
    const qreal x = foto.right() + k * 0.1;
    const qreal w = r.right() - x - k * 0.1;
    const qreal spessore = k * 0.06;
    const qreal lunghezze[] = {1.0, 0.8, 0.9, 0.55};
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(
            QRectF(x, r.top() + k * (0.32 + 0.13 * i), w * lunghezze[i], spessore), spessore / 2, spessore / 2);
}

// A five-pointed star, point upwards.
QPainterPath stella(const QPointF& c, qreal r)
{
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal raggio = i % 2 ? r * 0.4 : r;
        const qreal a = i * Pi / 5;
        const QPointF pt(c.x() + raggio * std::sin(a), c.y() - raggio * std::cos(a));
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

// A cogwheel of `denti` teeth between two radii.
QPainterPath ruota(const QPointF& c, qreal interno, qreal esterno, int denti)
{
    QPainterPath w;
    const int passi = denti * 4;
    for (int i = 0; i <= passi; ++i) {
        const qreal a = 2 * Pi * i / passi;
        const qreal raggio = (i % 4 < 2) ? esterno : interno;
        const QPointF pt(c.x() + raggio * std::sin(a), c.y() - raggio * std::cos(a));
        if (i == 0)
            w.moveTo(pt);
        else
            w.lineTo(pt);
    }
    w.closeSubpath();
    return w;
}

// A branch curving up one side of the emblem: a stem with paired leaves.
void ramo(QPainter& p, const QPointF& c, qreal r, bool sinistra, const QColor& foglia)
{
    const qreal verso = sinistra ? -1 : 1;
    p.setPen(QPen(foglia.darker(130), r * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stelo;
    const qreal inizio = 200, fine = 320; // degrees from the top, clockwise on the right side
    for (int i = 0; i <= 20; ++i) {
        const qreal a = (inizio + (fine - inizio) * i / 20.0) * Pi / 180;
        const QPointF pt(c.x() - verso * r * std::sin(a), c.y() - r * std::cos(a));
        if (i == 0)
            stelo.moveTo(pt);
        else
            stelo.lineTo(pt);
    }
    p.drawPath(stelo);
    p.setPen(Qt::NoPen);
    p.setBrush(foglia);
    for (int i = 0; i < 6; ++i) {
        const qreal gradi = inizio + 10 + i * 20;
        const qreal a = gradi * Pi / 180;
        const QPointF pt(c.x() - verso * r * std::sin(a), c.y() - r * std::cos(a));
        for (int lato : {-1, 1}) {
            p.save();
            p.translate(pt);
            p.rotate(verso * (-gradi) + lato * 40 + (sinistra ? 180 : 0));
            p.drawEllipse(QRectF(0, -r * 0.05, r * 0.2, r * 0.1));
            p.restore();
        }
    }
}

// The emblem of the Republic, simplified: the star over a cogwheel, between
// an olive and an oak branch, tied by a red ribbon.
void emblema(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const qreal r = qMin(box.width(), box.height()) / 2;
    ramo(p, c, r * 0.86, true, QColor(0x5E, 0x8C, 0x3A));
    ramo(p, c, r * 0.86, false, QColor(0x3E, 0x7A, 0x2E));
    p.setPen(QPen(QColor(0x6B, 0x6B, 0x6B), 1));
    p.setBrush(QColor(0xB8, 0xBC, 0xC2));
    QPainterPath w = ruota(c, r * 0.5, r * 0.62, 10);
    QPainterPath foro;
    foro.addEllipse(c, r * 0.2, r * 0.2);
    p.drawPath(w.subtracted(foro));
    p.setPen(QPen(QColor(0xC0, 0x1F, 0x2F), r * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(stella(c, r * 0.46));
    // The ribbon under the wheel.
    QPainterPath nastro;
    nastro.moveTo(c.x() - r * 0.7, c.y() + r * 0.72);
    nastro.quadTo(c.x(), c.y() + r * 0.98, c.x() + r * 0.7, c.y() + r * 0.72);
    p.setPen(QPen(QColor(0xC0, 0x1F, 0x2F), r * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nastro);
}

} // namespace

QPixmap CheckerPictures::codFiscBanner(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF r = QRectF(pm.rect()).adjusted(0.5, 0.5, -1.5, -1.5);
    fondo(p, r, Qt::white, QColor(0xDD, 0xF0, 0xE0), QColor(0x8C, 0xC4, 0x96));
    const qreal h = r.height() * 0.7;
    const QRectF carta(r.left() + 14, r.center().y() - h / 2, h * 1.55, h);
    tessera(p, carta);
    titolo(p, QRectF(carta.right() + 18, r.top(), r.right() - carta.right() - 30, r.height()),
        QStringLiteral("Controllo codice fiscale"), QColor(0x23, 0x6B, 0x32));
    return pm;
}

QPixmap CheckerPictures::partitaIvaBanner(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF r = QRectF(pm.rect()).adjusted(0.5, 0.5, -1.5, -1.5);
    fondo(p, r, Qt::white, QColor(0xDC, 0xE8, 0xF4), QColor(0x9D, 0xB8, 0xD4));
    const qreal lato = r.height() - 8;
    const QRectF stemma(r.left() + 22, r.center().y() - lato / 2, lato, lato);
    emblema(p, stemma);
    titolo(p, QRectF(stemma.right() + 22, r.top(), r.right() - stemma.right() - 34, r.height()),
        QStringLiteral("Controllo partita IVA"), QColor(0x23, 0x4E, 0x7E));
    return pm;
}
