#include "ui/IconPictures.h"

#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace {

QPen penna(const QColor& c, qreal w)
{
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void pagina(QPainter& p, const QRectF& r)
{
    const qreal piega = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - piega, r.top());
    path.lineTo(r.right(), r.top() + piega);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(penna(Palette::IconEdge, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(path);
    QPainterPath orecchio;
    orecchio.moveTo(r.right() - piega, r.top());
    orecchio.lineTo(r.right() - piega, r.top() + piega);
    orecchio.lineTo(r.right(), r.top() + piega);
    p.setBrush(QColor(0xDD, 0xE6, 0xEF));
    p.drawPath(orecchio);
    p.setPen(penna(Palette::IconLightBlue, 1.2));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = r.top() + piega + i * (r.height() - piega) / 4.5;
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y), QPointF(r.right() - r.width() * 0.18, y));
    }
}

void floppy(QPainter& p, const QRectF& r)
{
    QPainterPath corpo;
    const qreal taglio = r.width() * 0.18;
    corpo.moveTo(r.topLeft());
    corpo.lineTo(r.right() - taglio, r.top());
    corpo.lineTo(r.right(), r.top() + taglio);
    corpo.lineTo(r.bottomRight());
    corpo.lineTo(r.bottomLeft());
    corpo.closeSubpath();
    p.setPen(penna(Palette::IconBlue.darker(130), 1.2));
    p.setBrush(Palette::IconBlue);
    p.drawPath(corpo);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xDE, 0xE6));
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.45, r.height() * 0.32));
    p.setBrush(Palette::IconBlue);
    p.drawRect(QRectF(r.left() + r.width() * 0.52, r.top() + r.height() * 0.05, r.width() * 0.1, r.height() * 0.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(
        QRectF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.5, r.width() * 0.7, r.height() * 0.42), 1.5, 1.5);
}

void lente(QPainter& p, const QRectF& r, bool piu)
{
    const qreal d = r.width() * 0.62;
    const QRectF vetro(r.left(), r.top(), d, d);
    p.setPen(penna(Palette::Wood.darker(120), r.width() * 0.14));
    p.drawLine(
        vetro.center() + QPointF(d * 0.36, d * 0.36), r.bottomRight() - QPointF(r.width() * 0.05, r.width() * 0.05));
    p.setPen(penna(Palette::IconEdge, r.width() * 0.08));
    p.setBrush(QColor(0xCF, 0xE8, 0xFA));
    p.drawEllipse(vetro);
    if (piu) {
        p.setPen(penna(Palette::IconBlue, r.width() * 0.08));
        const QPointF c = vetro.center();
        const qreal l = d * 0.24;
        p.drawLine(c - QPointF(l, 0), c + QPointF(l, 0));
        p.drawLine(c - QPointF(0, l), c + QPointF(0, l));
    }
}

void freccia(QPainter& p, const QRectF& r, bool destra, bool barra)
{
    QPolygonF tri;
    const qreal w = r.width() * (barra ? 0.6 : 0.7);
    const qreal x0 = destra ? r.left() + (barra ? 0 : r.width() * 0.15) : r.right() - (barra ? 0 : r.width() * 0.15);
    const qreal x1 = destra ? x0 + w : x0 - w;
    tri << QPointF(x0, r.top()) << QPointF(x1, r.center().y()) << QPointF(x0, r.bottom());
    p.setPen(penna(Palette::IconBlue.darker(130), 1.2));
    p.setBrush(Palette::IconLightBlue);
    p.drawPolygon(tri);
    if (barra) {
        const qreal bx = destra ? r.right() - r.width() * 0.18 : r.left();
        p.setBrush(Palette::IconBlue);
        p.drawRoundedRect(QRectF(bx, r.top(), r.width() * 0.18, r.height()), 1.5, 1.5);
    }
}

void foglio(QPainter& p, const QRectF& r)
{
    p.setPen(penna(Palette::IconGreen.darker(140), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Palette::IconGreen);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.22));
    p.setPen(penna(Palette::IconGreen.darker(110), 1));
    for (int i = 1; i < 4; ++i) {
        const qreal x = r.left() + i * r.width() / 4;
        p.drawLine(QPointF(x, r.top() + r.height() * 0.22), QPointF(x, r.bottom()));
    }
    for (int i = 1; i < 4; ++i) {
        const qreal y = r.top() + r.height() * 0.22 + i * r.height() * 0.78 / 4;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    p.setFont(Fonts::verdana(int(r.height() * 0.45), true));
    p.setPen(Qt::white);
    p.setBrush(Palette::IconGreen.darker(120));
    p.drawRoundedRect(
        QRectF(r.left() - r.width() * 0.12, r.center().y() - r.height() * 0.05, r.width() * 0.5, r.height() * 0.5), 2,
        2);
    p.drawText(
        QRectF(r.left() - r.width() * 0.12, r.center().y() - r.height() * 0.05, r.width() * 0.5, r.height() * 0.5),
        Qt::AlignCenter, QStringLiteral("X"));
}

void manoMoneta(QPainter& p, const QRectF& r)
{
    // The coin above an open palm.
    const qreal d = r.width() * 0.46;
    QRectF moneta(r.center().x() - d / 2, r.top(), d, d);
    p.setPen(penna(Palette::Gold.darker(150), 1.2));
    p.setBrush(Palette::Gold);
    p.drawEllipse(moneta);
    p.setFont(Fonts::verdana(int(d * 0.7), true));
    p.setPen(Palette::Gold.darker(170));
    p.drawText(moneta, Qt::AlignCenter, QString(QChar(0x20AC)));
    QPainterPath mano;
    const qreal y = r.top() + r.height() * 0.58;
    mano.moveTo(r.left(), y + r.height() * 0.08);
    mano.cubicTo(r.left() + r.width() * 0.3, y + r.height() * 0.3, r.left() + r.width() * 0.7, y + r.height() * 0.3,
        r.right(), y - r.height() * 0.02);
    mano.lineTo(r.right(), y + r.height() * 0.2);
    mano.cubicTo(r.left() + r.width() * 0.7, r.bottom() + r.height() * 0.04, r.left() + r.width() * 0.3, r.bottom(),
        r.left(), r.bottom() - r.height() * 0.05);
    mano.closeSubpath();
    p.setPen(penna(QColor(0xB0, 0x74, 0x4A), 1.2));
    p.setBrush(QColor(0xF2, 0xC4, 0x9B));
    p.drawPath(mano);
}

void punto(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::IconBlue);
    p.drawEllipse(r);
    p.setFont(Fonts::verdana(int(r.height() * 0.72), true));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

void porta(QPainter& p, const QRectF& r)
{
    p.setPen(penna(Palette::Wood.darker(150), 1.2));
    p.setBrush(QColor(0xE9, 0xEE, 0xF3));
    p.drawRect(QRectF(r.left(), r.top(), r.width() * 0.78, r.height()));
    QPolygonF anta;
    anta << QPointF(r.left(), r.top()) << QPointF(r.left() + r.width() * 0.55, r.top() + r.height() * 0.08)
         << QPointF(r.left() + r.width() * 0.55, r.bottom() + r.height() * 0.0) << QPointF(r.left(), r.bottom());
    p.setBrush(Palette::Wood);
    p.drawPolygon(anta);
    p.setBrush(Palette::Gold);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.44, r.center().y()), r.width() * 0.05, r.width() * 0.05);
    p.setPen(penna(Palette::Red, r.width() * 0.09));
    const qreal y = r.center().y();
    p.drawLine(QPointF(r.left() + r.width() * 0.62, y), QPointF(r.right(), y));
    p.drawLine(QPointF(r.right(), y), QPointF(r.right() - r.width() * 0.14, y - r.width() * 0.14));
    p.drawLine(QPointF(r.right(), y), QPointF(r.right() - r.width() * 0.14, y + r.width() * 0.14));
}

void cartellaFoto(QPainter& p, const QRectF& r)
{
    p.setPen(penna(Palette::Gold.darker(150), 1.2));
    p.setBrush(Palette::Gold.lighter(115));
    QPainterPath c;
    c.moveTo(r.left(), r.top() + r.height() * 0.15);
    c.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.15);
    c.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.3);
    c.lineTo(r.right(), r.top() + r.height() * 0.3);
    c.lineTo(r.right(), r.bottom());
    c.lineTo(r.left(), r.bottom());
    c.closeSubpath();
    p.drawPath(c);
    const QRectF foto(r.left() + r.width() * 0.2, r.top() + r.height() * 0.42, r.width() * 0.6, r.height() * 0.45);
    p.setBrush(Qt::white);
    p.setPen(penna(Palette::IconEdge, 1));
    p.drawRect(foto);
    QPolygonF monte;
    monte << QPointF(foto.left(), foto.bottom())
          << QPointF(foto.left() + foto.width() * 0.4, foto.top() + foto.height() * 0.35)
          << QPointF(foto.right(), foto.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::IconGreen);
    p.drawPolygon(monte);
}

void gomma(QPainter& p, const QRectF& r)
{
    p.save();
    p.translate(r.center());
    p.rotate(-35);
    const qreal w = r.width() * 0.95, h = r.height() * 0.42;
    p.setPen(penna(Palette::IconEdge, 1.2));
    p.setBrush(QColor(0xF4, 0x8F, 0xA0));
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w * 0.55, h), 2, 2);
    p.setBrush(Palette::IconLightBlue);
    p.drawRoundedRect(QRectF(-w / 2 + w * 0.55, -h / 2, w * 0.45, h), 2, 2);
    p.restore();
}

void webcam(QPainter& p, const QRectF& r)
{
    const qreal d = r.width() * 0.78;
    const QRectF corpo(r.center().x() - d / 2, r.top(), d, d);
    p.setPen(penna(Palette::IconEdge, 1.2));
    p.setBrush(QColor(0xE4, 0xE9, 0xEF));
    p.drawEllipse(corpo);
    p.setBrush(QColor(0x22, 0x2E, 0x3C));
    p.drawEllipse(corpo.center(), d * 0.24, d * 0.24);
    p.setBrush(Palette::IconLightBlue);
    p.setPen(Qt::NoPen);
    p.drawEllipse(corpo.center() - QPointF(d * 0.07, d * 0.07), d * 0.07, d * 0.07);
    p.setPen(penna(Palette::IconEdge, 1.2));
    p.setBrush(QColor(0xC9, 0xD1, 0xDA));
    p.drawRoundedRect(
        QRectF(r.center().x() - r.width() * 0.35, r.bottom() - r.height() * 0.12, r.width() * 0.7, r.height() * 0.12),
        2, 2);
    p.drawLine(QPointF(r.center().x(), corpo.bottom()), QPointF(r.center().x(), r.bottom() - r.height() * 0.12));
}

void euro(QPainter& p, const QRectF& r)
{
    p.setFont(Fonts::verdana(int(r.height() * 0.95), true));
    p.setPen(Palette::Brown);
    p.drawText(r, Qt::AlignCenter, QString(QChar(0x20AC)));
}

void sveglia(QPainter& p, const QRectF& r)
{
    const qreal d = r.width() * 0.8;
    const QRectF q(r.center().x() - d / 2, r.top() + r.height() * 0.14, d, d);
    p.setPen(penna(Palette::Red.darker(130), 1.2));
    p.setBrush(Palette::Red);
    p.drawEllipse(QRectF(r.left(), r.top(), r.width() * 0.32, r.width() * 0.32));
    p.drawEllipse(QRectF(r.right() - r.width() * 0.32, r.top(), r.width() * 0.32, r.width() * 0.32));
    p.setBrush(Qt::white);
    p.drawEllipse(q);
    p.setPen(penna(QColor(0x33, 0x33, 0x33), 1.4));
    p.drawLine(q.center(), q.center() + QPointF(0, -d * 0.3));
    p.drawLine(q.center(), q.center() + QPointF(d * 0.22, d * 0.05));
}

void spunta(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::IconGreen);
    p.drawRoundedRect(r, r.width() * 0.2, r.width() * 0.2);
    p.setPen(penna(Qt::white, r.width() * 0.14));
    QPolygonF v;
    v << QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52)
      << QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72)
      << QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28);
    p.drawPolyline(v);
}

void graffetta(QPainter& p, const QRectF& r)
{
    p.setPen(penna(Palette::IconEdge, r.width() * 0.09));
    p.setBrush(Qt::NoBrush);
    QPainterPath g;
    const qreal x = r.center().x(), w = r.width() * 0.32;
    g.moveTo(x + w * 0.5, r.top() + r.height() * 0.3);
    g.lineTo(x + w * 0.5, r.bottom() - w);
    g.arcTo(QRectF(x - w * 0.5, r.bottom() - w * 1.5, w, w), 0, -180);
    g.lineTo(x - w * 0.5, r.top() + w * 0.6);
    g.arcTo(QRectF(x - w * 0.5, r.top(), w * 1.4, w * 1.2), 180, -180);
    p.drawPath(g);
}

void stampante(QPainter& p, const QRectF& r)
{
    p.setPen(penna(Palette::IconEdge, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top(), r.width() * 0.56, r.height() * 0.4));
    p.setBrush(QColor(0x8E, 0x9B, 0xAA));
    p.drawRoundedRect(QRectF(r.left(), r.top() + r.height() * 0.3, r.width(), r.height() * 0.45), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.6, r.width() * 0.56, r.height() * 0.4));
}

} // namespace

namespace {

QPixmap disegnaNuova(Icon icona, const QSize& size)
{
    QPixmap pm = Drawing::canvas(size);
    QPainter p(&pm);
    Drawing::scaleToResolution(p);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const qreal m = qMin(size.width(), size.height()) * 0.1;
    const qreal lato = qMin(size.width(), size.height()) - 2 * m;
    const QRectF q((size.width() - lato) / 2, (size.height() - lato) / 2, lato, lato);
    switch (icona) {
    case Icon::Nuovo:
        pagina(p, q.adjusted(lato * 0.12, 0, -lato * 0.12, 0));
        break;
    case Icon::Duplica:
        pagina(p, QRectF(q.left(), q.top(), lato * 0.66, lato * 0.8));
        pagina(p, QRectF(q.left() + lato * 0.3, q.top() + lato * 0.2, lato * 0.66, lato * 0.8));
        break;
    case Icon::Salva:
    case Icon::SalvaFoto:
        floppy(p, q);
        break;
    case Icon::Trova:
        lente(p, q, false);
        break;
    case Icon::Zoom:
        lente(p, q, true);
        break;
    case Icon::Primo:
        freccia(p, q.adjusted(0, lato * 0.15, 0, -lato * 0.15), false, true);
        break;
    case Icon::Indietro:
        freccia(p, q.adjusted(0, lato * 0.15, 0, -lato * 0.15), false, false);
        break;
    case Icon::Avanti:
        freccia(p, q.adjusted(0, lato * 0.15, 0, -lato * 0.15), true, false);
        break;
    case Icon::Ultimo:
        freccia(p, q.adjusted(0, lato * 0.15, 0, -lato * 0.15), true, true);
        break;
    case Icon::Esporta:
        foglio(p, q.adjusted(lato * 0.12, lato * 0.05, 0, -lato * 0.05));
        break;
    case Icon::Segnalati:
        manoMoneta(p, q);
        break;
    case Icon::Guida:
        punto(p, q);
        break;
    case Icon::Esci:
        porta(p, q);
        break;
    case Icon::CaricaFoto:
        cartellaFoto(p, q);
        break;
    case Icon::CancFoto:
        gomma(p, q);
        break;
    case Icon::Webcam:
        webcam(p, q);
        break;
    case Icon::Euro:
        euro(p, QRectF(QPointF(0, 0), QSizeF(size)));
        break;
    case Icon::DaPagare:
        sveglia(p, q);
        break;
    case Icon::Spunta:
        spunta(p, QRectF(QPointF(0.5, 0.5), QSizeF(size) - QSizeF(1, 1)));
        break;
    case Icon::Allega:
        graffetta(p, q);
        break;
    case Icon::Stampa:
        stampante(p, q);
        break;
    }
    return pm;
}

} // namespace

QPixmap IconPictures::draw(Icon icona, const QSize& size)
{
    // Every archive screen asks for the same icons at the same sizes: each
    // is drawn once and shared (a QPixmap copy shares its pixels).
    // The pixmaps go with the application, before the toolkit's own teardown.
    static QHash<quint64, QPixmap> disegnate;
    if (disegnate.isEmpty())
        QObject::connect(qApp, &QObject::destroyed, [] { disegnate.clear(); });
    // One drawn for a panel drawn at another size is not kept.
    if (Drawing::resolution() != 1.0 || Drawing::pixelsFor(size) != size)
        return disegnaNuova(icona, size);
    const quint64 chiave
        = quint64(icona) << 40 | quint64(quint32(size.width()) & 0xFFFFF) << 20 | (quint32(size.height()) & 0xFFFFF);
    if (const auto it = disegnate.constFind(chiave); it != disegnate.cend())
        return *it;
    const QPixmap pm = disegnaNuova(icona, size);
    disegnate.insert(chiave, pm);
    return pm;
}
