#include "help/HelpPictures.h"

#include "archive/Categoria.h"
#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Maker.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The guide's slanted lines.
QFont italic(QFont f)
{
    f.setItalic(true);
    return f;
}

// A sheet of paper with a folded corner.
QPainterPath foglio(const QRectF& r, qreal piega)
{
    QPainterPath f;
    f.moveTo(r.topLeft());
    f.lineTo(r.right() - piega, r.top());
    f.lineTo(r.right(), r.top() + piega);
    f.lineTo(r.bottomRight());
    f.lineTo(r.bottomLeft());
    f.closeSubpath();
    return f;
}

} // namespace

QPixmap HelpPictures::guideHeader(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal h = size.height();
    // The program's name at the left, what the window is at the right.
    const QSize nome(int(h * 3.6), int(h * 0.62));
    p.drawPixmap(QPointF(h * 0.1, h * 0.08), ProgramPictures::title(nome));
    p.setPen(Palette::Slate);
    p.setFont(italic(Fonts::verdana(int(h * 0.17))));
    p.drawText(QRectF(h * 0.1, h * 0.68, nome.width(), h * 0.26), Qt::AlignCenter,
        QStringLiteral("Archivio ricevute e pagamenti"));

    const qreal icona = h * 0.62;
    const QRectF testo(nome.width() + h * 0.5, 0, size.width() - nome.width() - icona - h * 0.9, h);
    const QString guida = QStringLiteral("Guida all'utilizzo del software");
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.24, true), guida, int(h * 0.24), testo.width(), 7));
    p.setPen(Palette::Navy);
    p.drawText(testo, Qt::AlignVCenter | Qt::AlignRight, guida);
    p.drawPixmap(QPointF(size.width() - icona - h * 0.15, (h - icona) / 2),
        ProgramPictures::help(QSize(int(icona), int(icona))));
    return pm;
}

QPixmap HelpPictures::infoHeader(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal h = size.height();
    const qreal icona = h * 0.7;
    p.drawPixmap(QPointF(h * 0.15, (h - icona) / 2), ProgramPictures::info(QSize(int(icona), int(icona))));
    const QRectF box(icona + h * 0.4, h * 0.08, size.width() - icona - h * 0.55, h * 0.5);
    const QString titolo = QStringLiteral("Informazioni su Tessaria 3.0");
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.3, true), titolo, int(h * 0.3), box.width(), 7));
    p.setPen(Palette::Navy);
    p.drawText(box, Qt::AlignLeft | Qt::AlignBottom, titolo);
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.19),
        QStringLiteral("Versione, autore e contatti del programma"), int(h * 0.19), box.width(), 7));
    p.setPen(Palette::Slate);
    p.drawText(QRectF(box.left(), h * 0.6, box.width(), h * 0.3), Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("Versione, autore e contatti del programma"));
    return pm;
}

QPixmap HelpPictures::presentation(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF r = Drawing::inside(pm.rect());
    const qreal w = r.width();
    const qreal h = r.height();

    // A warm paper background with a soft light at the upper right.
    QPainterPath forma;
    forma.addRoundedRect(r, 12, 12);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xFB, 0xF7, 0xEF));
    g.setColorAt(1, QColor(0xEC, 0xE3, 0xD4));
    p.fillPath(forma, g);
    p.save();
    p.setClipPath(forma);
    QRadialGradient luce(QPointF(w * 0.85, h * 0.1), w * 0.6);
    luce.setColorAt(0, Palette::glaze(200));
    luce.setColorAt(1, Palette::glaze(0));
    p.fillRect(r, luce);

    // A band of the ten category colours along the bottom.
    const QList<Categoria>& tutte = Catalogo::Tutte();
    const qreal passo = w / tutte.size();
    for (int i = 0; i < tutte.size(); ++i)
        p.fillRect(QRectF(r.left() + i * passo, r.bottom() - h * 0.045, passo + 1, h * 0.045),
            ProgramPictures::accent(tutte.at(i)));

    // A fan of receipts on the left, each in a category colour.
    p.translate(w * 0.22, h * 0.56);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(-24 + i * 12);
        const QRectF carta(-w * 0.075, -h * 0.36, w * 0.15, h * 0.36);
        p.setPen(QPen(QColor(0xB8, 0xAE, 0x9C), 1));
        p.setBrush(QColor(0xFF, 0xFE, 0xFA));
        p.drawPath(foglio(carta, w * 0.025));
        p.setPen(Qt::NoPen);
        p.setBrush(ProgramPictures::accent(tutte.at(i * 2)));
        p.drawRoundedRect(QRectF(carta.left() + w * 0.015, carta.top() + h * 0.03, w * 0.06, h * 0.035), 3, 3);
        p.setBrush(QColor(0xC9, 0xC0, 0xB0));
        for (int riga = 0; riga < 5; ++riga)
            p.drawRoundedRect(QRectF(carta.left() + w * 0.015, carta.top() + h * (0.1 + riga * 0.045),
                                  w * (riga % 2 ? 0.08 : 0.11), h * 0.015),
                2, 2);
        p.restore();
    }
    p.resetTransform();
    p.restore();

    // The program's logo, leaning on the fan.
    const QSize logo(int(w * 0.36), int(w * 0.175));
    p.drawPixmap(QPointF(w * 0.05, h * 0.58), ProgramPictures::logo(logo));

    // The maker's name and what it does.
    const QRectF testo(w * 0.47, h * 0.12, w * 0.49, h * 0.7);
    const QString bottega = QStringLiteral("Bottega");
    const QString nome = QStringLiteral("Tessaria Software");
    p.setPen(QColor(0x8A, 0x5A, 0x2B));
    p.setFont(Fonts::largestFitting(italic(Fonts::verdana(h * 0.1)), bottega, int(h * 0.1), testo.width(), 7));
    p.drawText(QRectF(testo.left(), testo.top(), testo.width(), h * 0.12), Qt::AlignLeft | Qt::AlignBottom, bottega);
    p.setPen(Palette::Navy);
    p.setFont(Fonts::largestFitting(Fonts::verdana(h * 0.12, true), nome, int(h * 0.12), testo.width(), 7));
    p.drawText(
        QRectF(testo.left(), testo.top() + h * 0.12, testo.width(), h * 0.14), Qt::AlignLeft | Qt::AlignVCenter, nome);
    p.setPen(QPen(Palette::Orange, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(
        QPointF(testo.left() + 2, testo.top() + h * 0.29), QPointF(testo.left() + w * 0.16, testo.top() + h * 0.29));

    const QStringList righe = {
        QStringLiteral("Programmi semplici per la casa"),
        QStringLiteral("e per il piccolo ufficio."),
        QString(),
        QStringLiteral("Tessaria 3.0: bollette, ricevute"),
        QStringLiteral("e scontrini sempre in ordine,"),
        QStringLiteral("con la foto di ogni pagamento."),
    };
    p.setPen(Palette::Ink);
    p.setFont(Fonts::verdana(int(h * 0.048)));
    qreal y = testo.top() + h * 0.36;
    for (const QString& riga : righe) {
        p.drawText(QPointF(testo.left(), y), riga);
        y += h * 0.066;
    }
    return pm;
}

QPixmap HelpPictures::pdfIcon(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal s = qMin(size.width(), size.height());
    const QRectF carta(s * 0.16, s * 0.04, s * 0.66, s * 0.9);
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xB0), qMax(1.0, s * 0.03)));
    p.setBrush(Qt::white);
    p.drawPath(foglio(carta, s * 0.2));
    p.setBrush(QColor(0xE4, 0xE8, 0xEE));
    QPainterPath piega;
    piega.moveTo(carta.right() - s * 0.2, carta.top());
    piega.lineTo(carta.right() - s * 0.2, carta.top() + s * 0.2);
    piega.lineTo(carta.right(), carta.top() + s * 0.2);
    piega.closeSubpath();
    p.drawPath(piega);
    // The red label with the three letters.
    const QRectF etichetta(s * 0.04, s * 0.5, s * 0.7, s * 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD3, 0x2F, 0x2F));
    p.drawRoundedRect(etichetta, s * 0.05, s * 0.05);
    p.setPen(Qt::white);
    p.setFont(Fonts::verdana(int(s * 0.22), true));
    p.drawText(etichetta, Qt::AlignCenter, QStringLiteral("PDF"));
    return pm;
}

QPixmap HelpPictures::emailIcon(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal s = qMin(size.width(), size.height());
    const QRectF busta(s * 0.06, s * 0.2, s * 0.88, s * 0.6);
    QLinearGradient g(busta.topLeft(), busta.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xF8, 0xE6));
    g.setColorAt(1, QColor(0xF2, 0xE2, 0xBC));
    p.setPen(QPen(QColor(0xB0, 0x8A, 0x3C), qMax(1.0, s * 0.04), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawRoundedRect(busta, s * 0.05, s * 0.05);
    QPainterPath lembo;
    lembo.moveTo(busta.topLeft() + QPointF(s * 0.02, s * 0.02));
    lembo.lineTo(busta.center().x(), busta.top() + busta.height() * 0.58);
    lembo.lineTo(busta.topRight() + QPointF(-s * 0.02, s * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lembo);
    // A red seal on the flap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC6, 0x28, 0x28));
    p.drawEllipse(QPointF(busta.center().x(), busta.top() + busta.height() * 0.58), s * 0.08, s * 0.08);
    return pm;
}

QPixmap HelpPictures::webIcon(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal s = qMin(size.width(), size.height());
    const QRectF globo(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
    QRadialGradient g(globo.center() - QPointF(s * 0.15, s * 0.15), s * 0.6);
    g.setColorAt(0, QColor(0x9E, 0xD2, 0xF5));
    g.setColorAt(1, QColor(0x2E, 0x7C, 0xC4));
    p.setPen(QPen(Palette::Navy, qMax(1.0, s * 0.04)));
    p.setBrush(g);
    p.drawEllipse(globo);
    p.setPen(QPen(Palette::glaze(210), qMax(1.0, s * 0.035)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globo.adjusted(s * 0.24, 0, -s * 0.24, 0));
    p.drawLine(QPointF(globo.center().x(), globo.top()), QPointF(globo.center().x(), globo.bottom()));
    p.drawLine(QPointF(globo.left(), globo.center().y()), QPointF(globo.right(), globo.center().y()));
    p.drawArc(globo.adjusted(s * 0.08, -s * 0.3, -s * 0.08, -s * 0.5), 200 * 16, 140 * 16);
    p.drawArc(globo.adjusted(s * 0.08, s * 0.5, -s * 0.08, s * 0.3), 20 * 16, 140 * 16);
    return pm;
}
