#include "output/ExportPictures.h"

#include "archive/Categoria.h"
#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A workbook: a sheet with a grid behind a green cover bearing an "X".
void cartella(QPainter& p, const QRectF& r)
{
    const qreal s = r.height();
    const QRectF foglio(r.left() + s * 0.3, r.top() + s * 0.06, s * 0.66, s * 0.88);
    p.setPen(QPen(QColor(0x8F, 0xA8, 0x98), qMax(1.0, s * 0.025)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(foglio, s * 0.05, s * 0.05);
    p.setPen(QPen(QColor(0x9C, 0xC9, 0xAE), qMax(1.0, s * 0.02)));
    for (int i = 1; i < 5; ++i) {
        const qreal y = foglio.top() + foglio.height() * i / 5;
        p.drawLine(QPointF(foglio.left() + s * 0.26, y), QPointF(foglio.right() - s * 0.04, y));
    }
    p.drawLine(QPointF(foglio.left() + s * 0.46, foglio.top() + s * 0.06),
        QPointF(foglio.left() + s * 0.46, foglio.bottom() - s * 0.06));

    const QRectF copertina(r.left() + s * 0.04, r.top() + s * 0.18, s * 0.5, s * 0.64);
    QLinearGradient g(copertina.topLeft(), copertina.bottomRight());
    g.setColorAt(0, Palette::LightGreen);
    g.setColorAt(1, Palette::Green);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(copertina, s * 0.06, s * 0.06);
    p.setPen(QPen(Qt::white, s * 0.08, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = copertina.adjusted(s * 0.14, s * 0.17, -s * 0.14, -s * 0.17);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

} // namespace

QPixmap ExportPictures::title(const QSize& size, const Categoria& categoria)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal h = size.height();
    cartella(p, QRectF(0, 0, h, h));
    const QRectF testo(h * 1.15, 0, size.width() - h * 1.2, h);
    const QString riga1 = QStringLiteral("Esportazione in Microsoft Excel");
    const QString riga2 = QStringLiteral("Archivio ") + categoria.Descrizione;
    p.setPen(Palette::Green);
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.42, true), riga1, int(h * 0.42), testo.width(), 7));
    p.drawText(QRectF(testo.left(), 0, testo.width(), h * 0.6), Qt::AlignLeft | Qt::AlignBottom, riga1);
    p.setPen(QColor(0x4A, 0x5A, 0x6E));
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.28), riga2, int(h * 0.28), testo.width(), 7));
    p.drawText(QRectF(testo.left(), h * 0.62, testo.width(), h * 0.38), Qt::AlignLeft | Qt::AlignTop, riga2);
    return pm;
}

QPixmap ExportPictures::workbook(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal s = qMin(size.width(), size.height());
    cartella(p, QRectF((size.width() - s) / 2, (size.height() - s) / 2, s, s));
    return pm;
}

QPixmap ExportPictures::hand(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    // Drawn in a 100 x 70 box, scaled to the picture.
    p.scale(size.width() / 100.0, size.height() / 70.0);
    const QColor pelle(0xF6, 0xD2, 0xA8);
    const QColor contorno(0xB0, 0x7A, 0x48);
    p.setPen(QPen(contorno, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The cuff.
    p.setBrush(Palette::Azure);
    p.drawRoundedRect(QRectF(2, 22, 16, 38), 4, 4);
    // The back of the hand.
    p.setBrush(pelle);
    QPainterPath dorso;
    dorso.moveTo(17, 26);
    dorso.cubicTo(26, 20, 34, 18, 44, 20);
    dorso.lineTo(56, 22);
    dorso.lineTo(56, 60);
    dorso.cubicTo(40, 62, 28, 60, 17, 56);
    dorso.closeSubpath();
    p.drawPath(dorso);
    // The index finger, pointing right.
    p.drawRoundedRect(QRectF(40, 20, 56, 13), 6.5, 6.5);
    // Three folded fingers under it.
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(44, 33 + i * 9.2, 18, 10), 5, 5);
    // The thumb over the folded fingers.
    QPainterPath pollice;
    pollice.moveTo(30, 34);
    pollice.cubicTo(38, 32, 48, 34, 52, 38);
    pollice.cubicTo(54, 41, 50, 44, 46, 43);
    pollice.cubicTo(40, 42, 34, 42, 30, 42);
    p.drawPath(pollice);
    // The nail of the index finger.
    p.setPen(QPen(contorno, 1.4));
    p.setBrush(QColor(0xFB, 0xE6, 0xD0));
    p.drawRoundedRect(QRectF(85, 22.5, 8, 7), 3, 3);
    return pm;
}
