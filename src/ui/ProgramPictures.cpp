#include "ui/ProgramPictures.h"

#include "archive/Categoria.h"
#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Maker.h"
#include "ui/Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// ---- Helpers ---------------------------------------------------------------

constexpr qreal Pi = 3.14159265358979323846;

// c blended towards white: 0 keeps c, 1 gives white.
QColor tint(const QColor& c, qreal towardsWhite)
{
    auto mix = [towardsWhite](int v) { return int(std::lround(v + (255 - v) * towardsWhite)); };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

// ---- Emblems ---------------------------------------------------------------
// Each draws inside a square box: `main` for the body, `detail` for what
// stands on it. Coordinates are fractions of the box.

struct Inks {
    QColor main;
    QColor detail;
};

QPointF at(const QRectF& b, qreal x, qreal y)
{
    return {b.left() + x * b.width(), b.top() + y * b.height()};
}

QRectF part(const QRectF& b, qreal x, qreal y, qreal w, qreal h)
{
    return {b.left() + x * b.width(), b.top() + y * b.height(), w * b.width(), h * b.height()};
}

QRectF around(const QRectF& b, qreal cx, qreal cy, qreal r)
{
    return {at(b, cx - r, cy - r), at(b, cx + r, cy + r)};
}

QPen stroke(const QColor& c, const QRectF& b, qreal width)
{
    return QPen(c, width * b.width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void polyline(QPainter& p, const QRectF& b, std::initializer_list<std::pair<qreal, qreal>> points)
{
    QPainterPath path;
    bool first = true;
    for (const auto& [x, y] : points) {
        if (first)
            path.moveTo(at(b, x, y));
        else
            path.lineTo(at(b, x, y));
        first = false;
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void bulb(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath glass;
    glass.addEllipse(around(b, 0.5, 0.36, 0.27));
    QPainterPath neck;
    neck.moveTo(at(b, 0.29, 0.50));
    neck.cubicTo(at(b, 0.36, 0.58), at(b, 0.38, 0.62), at(b, 0.38, 0.69));
    neck.lineTo(at(b, 0.62, 0.69));
    neck.cubicTo(at(b, 0.62, 0.62), at(b, 0.64, 0.58), at(b, 0.71, 0.50));
    neck.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(glass.united(neck), k.main);
    p.setPen(stroke(k.detail, b, 0.035));
    polyline(
        p, b, {{0.43, 0.67}, {0.43, 0.47}, {0.465, 0.41}, {0.50, 0.47}, {0.535, 0.41}, {0.57, 0.47}, {0.57, 0.67}});
    p.setPen(Qt::NoPen);
    p.setBrush(k.detail);
    const qreal r = 0.02 * b.width();
    p.drawRoundedRect(part(b, 0.37, 0.72, 0.26, 0.055), r, r);
    p.drawRoundedRect(part(b, 0.37, 0.79, 0.26, 0.055), r, r);
    p.drawRoundedRect(part(b, 0.43, 0.86, 0.14, 0.05), r, r);
}

void flame(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath outer;
    outer.moveTo(at(b, 0.50, 0.90));
    outer.cubicTo(at(b, 0.26, 0.90), at(b, 0.18, 0.66), at(b, 0.31, 0.48));
    outer.cubicTo(at(b, 0.39, 0.37), at(b, 0.41, 0.25), at(b, 0.37, 0.10));
    outer.cubicTo(at(b, 0.57, 0.18), at(b, 0.70, 0.34), at(b, 0.70, 0.52));
    outer.cubicTo(at(b, 0.75, 0.46), at(b, 0.77, 0.40), at(b, 0.75, 0.32));
    outer.cubicTo(at(b, 0.88, 0.46), at(b, 0.86, 0.90), at(b, 0.50, 0.90));
    QPainterPath inner;
    inner.moveTo(at(b, 0.50, 0.85));
    inner.cubicTo(at(b, 0.38, 0.85), at(b, 0.34, 0.73), at(b, 0.42, 0.62));
    inner.cubicTo(at(b, 0.46, 0.56), at(b, 0.48, 0.50), at(b, 0.48, 0.42));
    inner.cubicTo(at(b, 0.60, 0.52), at(b, 0.66, 0.62), at(b, 0.64, 0.72));
    inner.cubicTo(at(b, 0.62, 0.81), at(b, 0.56, 0.85), at(b, 0.50, 0.85));
    p.setPen(Qt::NoPen);
    p.fillPath(outer, k.main);
    p.fillPath(inner, k.detail);
}

void drop(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath d;
    d.moveTo(at(b, 0.50, 0.08));
    d.cubicTo(at(b, 0.60, 0.26), at(b, 0.76, 0.42), at(b, 0.76, 0.61));
    d.cubicTo(at(b, 0.76, 0.78), at(b, 0.64, 0.90), at(b, 0.50, 0.90));
    d.cubicTo(at(b, 0.36, 0.90), at(b, 0.24, 0.78), at(b, 0.24, 0.61));
    d.cubicTo(at(b, 0.24, 0.42), at(b, 0.40, 0.26), at(b, 0.50, 0.08));
    p.setPen(Qt::NoPen);
    p.fillPath(d, k.main);
    QPainterPath shine;
    shine.moveTo(at(b, 0.35, 0.62));
    shine.cubicTo(at(b, 0.35, 0.72), at(b, 0.41, 0.79), at(b, 0.50, 0.81));
    p.setPen(stroke(k.detail, b, 0.045));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shine);
}

void bin(QPainter& p, const QRectF& b, const Inks& k)
{
    const qreal r = 0.025 * b.width();
    p.setPen(stroke(k.main, b, 0.04));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(part(b, 0.40, 0.13, 0.20, 0.08), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(k.main);
    p.drawRoundedRect(part(b, 0.20, 0.21, 0.60, 0.09), r, r);
    QPainterPath body;
    body.moveTo(at(b, 0.26, 0.33));
    body.lineTo(at(b, 0.74, 0.33));
    body.lineTo(at(b, 0.69, 0.86));
    body.quadTo(at(b, 0.685, 0.90), at(b, 0.65, 0.90));
    body.lineTo(at(b, 0.35, 0.90));
    body.quadTo(at(b, 0.315, 0.90), at(b, 0.31, 0.86));
    body.closeSubpath();
    p.fillPath(body, k.main);
    p.setPen(stroke(k.detail, b, 0.045));
    p.drawLine(at(b, 0.39, 0.42), at(b, 0.405, 0.80));
    p.drawLine(at(b, 0.50, 0.42), at(b, 0.50, 0.80));
    p.drawLine(at(b, 0.61, 0.42), at(b, 0.595, 0.80));
}

void phone(QPainter& p, const QRectF& b, const Inks& k)
{
    p.setPen(Qt::NoPen);
    p.setBrush(k.main);
    p.drawRoundedRect(part(b, 0.29, 0.07, 0.42, 0.86), 0.08 * b.width(), 0.08 * b.width());
    p.setBrush(k.detail);
    p.drawRoundedRect(part(b, 0.33, 0.17, 0.34, 0.60), 0.02 * b.width(), 0.02 * b.width());
    p.drawRoundedRect(part(b, 0.44, 0.11, 0.12, 0.025), 0.0125 * b.width(), 0.0125 * b.width());
    p.drawEllipse(around(b, 0.50, 0.85, 0.035));
    // The web, as a wireless sign on the screen.
    p.setPen(stroke(k.main, b, 0.035));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {0.06, 0.11, 0.16})
        p.drawArc(around(b, 0.50, 0.58, r), 45 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(k.main);
    p.drawEllipse(around(b, 0.50, 0.58, 0.025));
}

void car(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath body;
    body.moveTo(at(b, 0.08, 0.66));
    body.lineTo(at(b, 0.08, 0.57));
    body.cubicTo(at(b, 0.08, 0.50), at(b, 0.12, 0.48), at(b, 0.20, 0.47));
    body.lineTo(at(b, 0.31, 0.46));
    body.lineTo(at(b, 0.39, 0.32));
    body.cubicTo(at(b, 0.41, 0.29), at(b, 0.43, 0.28), at(b, 0.47, 0.28));
    body.lineTo(at(b, 0.64, 0.28));
    body.cubicTo(at(b, 0.68, 0.28), at(b, 0.70, 0.29), at(b, 0.72, 0.32));
    body.lineTo(at(b, 0.81, 0.46));
    body.lineTo(at(b, 0.85, 0.47));
    body.cubicTo(at(b, 0.91, 0.48), at(b, 0.92, 0.52), at(b, 0.92, 0.57));
    body.lineTo(at(b, 0.92, 0.66));
    body.cubicTo(at(b, 0.92, 0.69), at(b, 0.90, 0.71), at(b, 0.87, 0.71));
    body.lineTo(at(b, 0.13, 0.71));
    body.cubicTo(at(b, 0.10, 0.71), at(b, 0.08, 0.69), at(b, 0.08, 0.66));
    p.setPen(Qt::NoPen);
    p.fillPath(body, k.main);
    p.setBrush(k.detail);
    p.drawPolygon(QPolygonF {at(b, 0.42, 0.34), at(b, 0.545, 0.34), at(b, 0.545, 0.45), at(b, 0.355, 0.45)});
    p.drawPolygon(QPolygonF {at(b, 0.575, 0.34), at(b, 0.685, 0.34), at(b, 0.755, 0.45), at(b, 0.575, 0.45)});
    p.drawRoundedRect(part(b, 0.84, 0.52, 0.06, 0.04), 0.01 * b.width(), 0.01 * b.width());
    for (qreal x : {0.28, 0.72}) {
        p.setBrush(k.detail);
        p.drawEllipse(around(b, x, 0.71, 0.105));
        p.setBrush(k.main);
        p.drawEllipse(around(b, x, 0.71, 0.045));
    }
}

void building(QPainter& p, const QRectF& b, const Inks& k)
{
    const qreal r = 0.02 * b.width();
    p.setPen(Qt::NoPen);
    p.setBrush(k.main);
    p.drawRoundedRect(part(b, 0.18, 0.10, 0.64, 0.06), r, r);
    p.drawRect(part(b, 0.23, 0.14, 0.54, 0.76));
    p.setBrush(k.detail);
    for (qreal y : {0.21, 0.34, 0.47, 0.60})
        for (qreal x : {0.30, 0.45, 0.60})
            p.drawRoundedRect(part(b, x, y, 0.10, 0.085), r / 2, r / 2);
    QPainterPath door;
    door.addRoundedRect(part(b, 0.43, 0.74, 0.14, 0.20), 0.05 * b.width(), 0.05 * b.width());
    p.setClipRect(part(b, 0, 0, 1, 0.90));
    p.fillPath(door, k.detail);
    p.setClipping(false);
}

void cart(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath basket;
    basket.moveTo(at(b, 0.27, 0.28));
    basket.lineTo(at(b, 0.89, 0.28));
    basket.lineTo(at(b, 0.81, 0.55));
    basket.lineTo(at(b, 0.34, 0.55));
    basket.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(basket, k.main);
    p.setPen(stroke(k.main, b, 0.055));
    polyline(p, b, {{0.11, 0.19}, {0.22, 0.19}, {0.34, 0.64}, {0.80, 0.64}});
    p.setPen(stroke(k.detail, b, 0.03));
    for (qreal x : {0.45, 0.58, 0.71})
        p.drawLine(at(b, x, 0.32), at(b, x - 0.01, 0.51));
    p.drawLine(at(b, 0.31, 0.415), at(b, 0.845, 0.415));
    p.setPen(Qt::NoPen);
    for (qreal x : {0.40, 0.74}) {
        p.setBrush(k.main);
        p.drawEllipse(around(b, x, 0.78, 0.075));
        p.setBrush(k.detail);
        p.drawEllipse(around(b, x, 0.78, 0.03));
    }
}

void stampedDocument(QPainter& p, const QRectF& b, const Inks& k)
{
    QPainterPath page;
    page.moveTo(at(b, 0.20, 0.08));
    page.lineTo(at(b, 0.60, 0.08));
    page.lineTo(at(b, 0.76, 0.24));
    page.lineTo(at(b, 0.76, 0.90));
    page.lineTo(at(b, 0.20, 0.90));
    page.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(page, k.main);
    QColor fold = k.detail;
    fold.setAlpha(150);
    p.setBrush(fold);
    p.drawPolygon(QPolygonF {at(b, 0.60, 0.08), at(b, 0.60, 0.24), at(b, 0.76, 0.24)});
    p.setPen(stroke(k.detail, b, 0.035));
    p.drawLine(at(b, 0.29, 0.22), at(b, 0.50, 0.22));
    for (qreal y : {0.34, 0.44, 0.54})
        p.drawLine(at(b, 0.29, y), at(b, 0.67, y));
    p.drawLine(at(b, 0.29, 0.64), at(b, 0.46, 0.64));
    // The stamp: a red seal with a tick, over the page's corner.
    const QColor seal(0xD8, 0x4A, 0x4A);
    p.setPen(Qt::NoPen);
    p.setBrush(seal);
    p.drawEllipse(around(b, 0.70, 0.76, 0.165));
    p.setPen(stroke(k.main, b, 0.022));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(around(b, 0.70, 0.76, 0.12));
    p.setPen(stroke(k.main, b, 0.04));
    polyline(p, b, {{0.645, 0.765}, {0.69, 0.81}, {0.76, 0.715}});
}

void coins(QPainter& p, const QRectF& b, const Inks& k)
{
    p.setPen(Qt::NoPen);
    // A stack drawn from the bottom up, each coin covering the one below.
    for (qreal y : {0.70, 0.61, 0.52, 0.43}) {
        p.setBrush(k.detail);
        p.drawEllipse(part(b, 0.12, y + 0.05, 0.46, 0.14));
        p.drawRect(part(b, 0.12, y + 0.07, 0.46, 0.05));
        p.setBrush(k.main);
        p.drawEllipse(part(b, 0.12, y, 0.46, 0.14));
    }
    p.setBrush(k.main);
    p.drawEllipse(around(b, 0.66, 0.55, 0.23));
    p.setPen(stroke(k.detail, b, 0.025));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(around(b, 0.66, 0.55, 0.18));
    p.setPen(k.detail);
    p.setFont(Fonts::verdana(0.25 * b.width(), true));
    p.drawText(around(b, 0.66, 0.555, 0.18), Qt::AlignCenter, QStringLiteral("€"));
}

using EmblemDrawing = void (*)(QPainter&, const QRectF&, const Inks&);

struct Look {
    QRgb accent;
    EmblemDrawing emblem;
};

EmblemDrawing drawingOf(::Emblem e)
{
    switch (e) {
    case ::Emblem::Bulb:
        return bulb;
    case ::Emblem::Flame:
        return flame;
    case ::Emblem::Drop:
        return drop;
    case ::Emblem::Bin:
        return bin;
    case ::Emblem::Phone:
        return phone;
    case ::Emblem::Car:
        return car;
    case ::Emblem::Building:
        return building;
    case ::Emblem::Cart:
        return cart;
    case ::Emblem::StampedDocument:
        return stampedDocument;
    case ::Emblem::Coins:
        return coins;
    }
    Q_UNREACHABLE();
}

// The category's colour and what its pictures show.
Look lookOf(const Categoria& c)
{
    return {QRgb(c.accent), drawingOf(c.emblem)};
}

// A round medal in the accent colour with the category's emblem in white.
void medal(QPainter& p, const Look& look, const QPointF& centre, qreal radius)
{
    const QColor accent(look.accent);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::glaze(110));
    p.drawEllipse(centre, radius * 1.09, radius * 1.09);
    QLinearGradient g(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    g.setColorAt(0, tint(accent, 0.12));
    g.setColorAt(1, accent.darker(108));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    const qreal half = radius * 0.70;
    look.emblem(p, QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half), {Qt::white, accent.darker(140)});
}

// Capitals in white on a blue bar, with the category's colour as a stripe on
// the left: the tile captions and the archive screens' title strips.
void blueBar(QPainter& p, const QRectF& r, const QString& text, const QColor& accent, qreal maxFont, qreal textLeft)
{
    const qreal radius = r.height() * 0.2;
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Palette::Azure);
    g.setColorAt(1, Palette::BarBottom);
    p.fillPath(shape, g);
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(r.left(), r.top(), r.height() * 0.18, r.height()), accent);
    p.fillRect(QRectF(r.left(), r.top() + 1, r.width(), r.height() * 0.42), Palette::glaze(28));
    p.restore();
    p.setPen(QPen(Palette::BarEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    const QRectF textBox = r.adjusted(textLeft, 0, -r.height() * 0.3, 0);
    QFont spaced = Fonts::verdana(maxFont, true);
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(Fonts::largestFitting(spaced, text, qRound(maxFont), textBox.width(), 6));
    p.setPen(Palette::shadow(60));
    p.drawText(textBox.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(textBox, Qt::AlignCenter, text);
}

// A round icon: a disc with a soft top light and a white symbol on it.
QPixmap roundIcon(const QSize& size, const QColor& colour, void (*symbol)(QPainter&, const QRectF&))
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal side = qMin(size.width(), size.height()) - 2;
    const QRectF disc(QPointF((size.width() - side) / 2, (size.height() - side) / 2), QSizeF(side, side));
    QLinearGradient g(disc.topLeft(), disc.bottomLeft());
    g.setColorAt(0, tint(colour, 0.15));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(125), 1));
    p.setBrush(g);
    p.drawEllipse(disc);
    symbol(p, disc);
    return pm;
}

// The mark: a small mosaic of the category colours, one tile a receipt.
void mark(QPainter& p, const QRectF& box)
{
    const qreal gap = box.width() * 0.06;
    const qreal cell = (box.width() - 2 * gap) / 3;
    const qreal r = cell * 0.22;
    int i = 0;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col, ++i) {
            const QRectF c(box.left() + col * (cell + gap), box.top() + row * (cell + gap), cell, cell);
            if (row == 2 && col == 2) {
                // The receipt: white paper with a torn edge and two lines.
                QPainterPath paper;
                paper.moveTo(c.left() + cell * 0.12, c.top());
                paper.lineTo(c.right() - cell * 0.12, c.top());
                paper.lineTo(c.right() - cell * 0.12, c.bottom());
                const int teeth = 4;
                const qreal w = (cell * 0.76) / teeth;
                for (int t = 0; t < teeth; ++t) {
                    const qreal x = c.right() - cell * 0.12 - t * w;
                    paper.lineTo(x - w / 2, c.bottom() - cell * 0.1);
                    paper.lineTo(x - w, c.bottom());
                }
                paper.closeSubpath();
                p.setPen(QPen(QColor(0xB8, 0xC6, 0xD6), 1));
                p.setBrush(Qt::white);
                p.drawPath(paper);
                p.setPen(QPen(QColor(0x9A, 0xAE, 0xC4), qMax(1.0, cell * 0.07)));
                p.drawLine(QPointF(c.left() + cell * 0.28, c.top() + cell * 0.3),
                    QPointF(c.right() - cell * 0.28, c.top() + cell * 0.3));
                p.drawLine(QPointF(c.left() + cell * 0.28, c.top() + cell * 0.52),
                    QPointF(c.right() - cell * 0.4, c.top() + cell * 0.52));
                continue;
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(QRgb(Catalogo::Tutte().at(i).accent)));
            p.drawRoundedRect(c, r, r);
        }
    }
}

// "Tessaria" in navy with "3.0" in orange, fitted into box.
void wordmark(QPainter& p, const QRectF& box, qreal maxPixels)
{
    const QString name = QStringLiteral("Tessaria ");
    const QString version = QStringLiteral("3.0");
    QFont f = Fonts::largestFitting(Fonts::verdana(maxPixels, true), name + version, qRound(maxPixels), box.width(), 6);
    const QFontMetricsF fm(f);
    const qreal total = fm.horizontalAdvance(name + version);
    const qreal x = box.left() + (box.width() - total) / 2;
    const qreal base = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    QPainterPath text;
    text.addText(QPointF(x, base), f, name);
    QPainterPath number;
    number.addText(QPointF(x + fm.horizontalAdvance(name), base), f, version);
    p.setPen(Qt::NoPen);
    p.fillPath(text.translated(1.5, 2), Palette::shadow(35));
    p.fillPath(number.translated(1.5, 2), Palette::shadow(35));
    QLinearGradient g(0, base - fm.ascent(), 0, base);
    g.setColorAt(0, Palette::Cobalt);
    g.setColorAt(1, Palette::Navy);
    p.fillPath(text, g);
    p.fillPath(number, Palette::Orange);
}

} // namespace

// ---- Program pictures ------------------------------------------------------

QPixmap ProgramPictures::logo(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF card = QRectF(pm.rect()).adjusted(1, 1, -2, -2);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::shadow(30));
    p.drawRoundedRect(card.translated(1, 2), 14, 14);
    QLinearGradient g(card.topLeft(), card.bottomLeft());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xEE, 0xF4, 0xFB));
    p.setPen(QPen(Palette::Frame, 1));
    p.setBrush(g);
    p.drawRoundedRect(card, 14, 14);

    const qreal h = card.height();
    const qreal markSide = h * 0.50;
    const QRectF markBox(card.center().x() - markSide / 2, card.top() + h * 0.09, markSide, markSide);
    mark(p, markBox);
    wordmark(p, QRectF(card.left() + 12, markBox.bottom() + h * 0.04, card.width() - 24, h * 0.22), h * 0.19);
    p.setPen(Palette::Slate);
    p.setFont(Fonts::verdana(h * 0.075, false));
    p.drawText(QRectF(card.left(), card.bottom() - h * 0.15, card.width(), h * 0.1), Qt::AlignCenter,
        QStringLiteral("Archivio ricevute e pagamenti"));
    return pm;
}

QPixmap ProgramPictures::icon(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal side = qMin(size.width(), size.height());
    const QRectF square(
        (size.width() - side) / 2 + side * 0.03, (size.height() - side) / 2 + side * 0.03, side * 0.92, side * 0.92);
    const qreal radius = side * 0.16;
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::shadow(30));
    p.drawRoundedRect(square.translated(0, side * 0.02), radius, radius);
    QLinearGradient g(square.topLeft(), square.bottomLeft());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xEE, 0xF4, 0xFB));
    p.setPen(QPen(Palette::Frame, qMax(1.0, side / 128)));
    p.setBrush(g);
    p.drawRoundedRect(square, radius, radius);
    const qreal markSide = square.width() * 0.72;
    mark(p, QRectF(square.center().x() - markSide / 2, square.center().y() - markSide / 2, markSide, markSide));
    return pm;
}

QPixmap ProgramPictures::title(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    wordmark(p, QRectF(pm.rect()), size.height() * 0.78);
    return pm;
}

QPixmap ProgramPictures::versionBadge(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const qreal side = qMin(size.width(), size.height()) - 4;
    const QRectF disc(QPointF((size.width() - side) / 2, (size.height() - side) / 2), QSizeF(side, side));
    // A seal with a scalloped edge.
    QPainterPath seal;
    const int points = 16;
    const QPointF c = disc.center();
    for (int i = 0; i <= 2 * points; ++i) {
        const qreal angle = Pi * i / points;
        const qreal r = (i % 2 ? 0.44 : 0.5) * side;
        const QPointF pt(c.x() + r * std::sin(angle), c.y() - r * std::cos(angle));
        if (i == 0)
            seal.moveTo(pt);
        else
            seal.lineTo(pt);
    }
    p.setPen(Qt::NoPen);
    p.fillPath(seal, Palette::Orange);
    p.setBrush(QColor(0xF6, 0xA5, 0x4A));
    p.drawEllipse(c, side * 0.38, side * 0.38);
    p.setPen(QPen(Qt::white, qMax(1.0, side * 0.025)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, side * 0.33, side * 0.33);
    p.setPen(Qt::white);
    p.setFont(Fonts::verdana(side * 0.27, true));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("3.0"));
    return pm;
}

QPixmap ProgramPictures::lightBulb(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    // The bulb takes the lower three quarters; its rays reach the top edge.
    const qreal side = qMin(size.width(), size.height());
    const qreal bulbSide = side * 0.78;
    const QRectF b((size.width() - bulbSide) / 2, size.height() - bulbSide, bulbSide, bulbSide);
    const QPointF c = at(b, 0.5, 0.36);
    QRadialGradient glow(c, bulbSide * 0.5);
    glow.setColorAt(0, QColor(255, 214, 90, 150));
    glow.setColorAt(1, QColor(255, 214, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, bulbSide * 0.5, bulbSide * 0.5);
    bulb(p, b, {QColor(0xFF, 0xD5, 0x4F), QColor(0x8C, 0x9B, 0xAD)});
    p.setPen(stroke(Palette::Amber, b, 0.05));
    const qreal r1 = bulbSide * 0.34;
    const qreal r2 = qMin(bulbSide * 0.46, c.y() - 2);
    for (int i = -2; i <= 2; ++i) {
        const qreal a = i * Pi / 5;
        p.drawLine(QPointF(c.x() + r1 * std::sin(a), c.y() - r1 * std::cos(a)),
            QPointF(c.x() + r2 * std::sin(a), c.y() - r2 * std::cos(a)));
    }
    return pm;
}

QPixmap ProgramPictures::subtitle(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF r = Drawing::inside(pm.rect());
    Drawing::plate(p, r, QColor(0xF1, 0xF7, 0xFD), QColor(0xDD, 0xEA, 0xF7), Palette::Frame, r.height() / 2);
    const QString text
        = QStringLiteral("L'archivio delle ricevute di bollette e altri pagamenti, con le foto da scanner o webcam");
    const qreal maxPixels = size.height() * 0.42;
    QFont f
        = Fonts::largestFitting(Fonts::verdana(maxPixels), text, qRound(maxPixels), r.width() - size.height() * 2, 6);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(Palette::Navy);
    p.drawText(r, Qt::AlignCenter, text);
    return pm;
}

QPixmap ProgramPictures::info(const QSize& size)
{
    return roundIcon(size, QColor(0x3A, 0x86, 0xD0), [](QPainter& p, const QRectF& d) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(around(d, 0.5, 0.28, 0.075));
        const qreal r = d.width() * 0.04;
        p.drawRoundedRect(part(d, 0.42, 0.42, 0.16, 0.36), r, r);
        p.drawRoundedRect(part(d, 0.36, 0.42, 0.14, 0.07), r / 2, r / 2);
        p.drawRoundedRect(part(d, 0.36, 0.72, 0.28, 0.07), r / 2, r / 2);
    });
}

QPixmap ProgramPictures::help(const QSize& size)
{
    return roundIcon(size, QColor(0x3C, 0xA8, 0x6B), [](QPainter& p, const QRectF& d) {
        p.setPen(stroke(Qt::white, d, 0.11));
        p.setBrush(Qt::NoBrush);
        QPainterPath q;
        q.moveTo(at(d, 0.35, 0.38));
        q.cubicTo(at(d, 0.35, 0.20), at(d, 0.65, 0.18), at(d, 0.65, 0.36));
        q.cubicTo(at(d, 0.65, 0.48), at(d, 0.50, 0.48), at(d, 0.50, 0.60));
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(around(d, 0.50, 0.75, 0.065));
    });
}

QPixmap ProgramPictures::exit(const QSize& size)
{
    return roundIcon(size, QColor(0xD9, 0x55, 0x4E), [](QPainter& p, const QRectF& d) {
        p.setPen(stroke(Qt::white, d, 0.09));
        p.setBrush(Qt::NoBrush);
        p.drawArc(around(d, 0.5, 0.53, 0.24), (90 + 35) * 16, (360 - 70) * 16);
        p.drawLine(at(d, 0.5, 0.22), at(d, 0.5, 0.50));
    });
}

QPixmap ProgramPictures::copyright(const QSize& size)
{
    return roundIcon(size, QColor(0x6F, 0x84, 0x9E), [](QPainter& p, const QRectF& d) {
        p.setPen(stroke(Qt::white, d, 0.07));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(around(d, 0.5, 0.5, 0.32));
        p.drawArc(around(d, 0.5, 0.5, 0.15), 45 * 16, 270 * 16);
    });
}

QPixmap ProgramPictures::makerStrip(const QSize& size)
{
    Drawing::Canvas pm(size);
    QPainter& p = pm.painter();
    const QRectF r = Drawing::inside(pm.rect());
    p.setPen(QPen(Palette::SoftFrame, 1));
    p.setBrush(Palette::Snow);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);

    // A small globe before the text.
    const qreal g = r.height() * 0.56;
    const QRectF globe(r.left() + r.height() * 0.5, r.center().y() - g / 2, g, g);
    p.setPen(QPen(Palette::Cobalt, qMax(1.0, g * 0.08)));
    p.setBrush(QColor(0xDC, 0xEB, 0xF9));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(globe.adjusted(g * 0.28, 0, -g * 0.28, 0));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));

    const QString notice = QStringLiteral("Un programma di %1  \u00B7  ").arg(Maker::Name);
    const QString address = Maker::WebAddress;
    const QRectF textBox(globe.right() + r.height() * 0.3, r.top(), r.right() - globe.right() - r.height(), r.height());
    const qreal maxPixels = r.height() * 0.4;
    QFont f = Fonts::largestFitting(Fonts::verdana(maxPixels), notice + address, qRound(maxPixels), textBox.width(), 6);
    const QFontMetricsF fm(f);
    const qreal total = fm.horizontalAdvance(notice + address);
    const qreal x = textBox.left() + (textBox.width() - total) / 2;
    const qreal base = textBox.center().y() + (fm.ascent() - fm.descent()) / 2;
    p.setFont(f);
    p.setPen(Palette::Ink);
    p.drawText(QPointF(x, base), notice);
    QFont link = f;
    link.setUnderline(true);
    link.setBold(true);
    p.setFont(link);
    p.setPen(Palette::LinkBlue);
    p.drawText(QPointF(x + fm.horizontalAdvance(notice), base), address);
    return pm;
}

// ---- Category pictures -----------------------------------------------------

QColor ProgramPictures::accent(const Categoria& categoria)
{
    return QColor(lookOf(categoria).accent);
}

QPixmap ProgramPictures::tile(const Categoria& categoria)
{
    const Look look = lookOf(categoria);
    const QColor accent(look.accent);
    Drawing::Canvas pm(TileSize);
    QPainter& p = pm.painter();
    const QRectF r = Drawing::inside(pm.rect());
    Drawing::plate(p, r, tint(accent, 0.86), tint(accent, 0.66), tint(accent, 0.35), 12);
    medal(p, look, QPointF(r.center().x(), r.center().y()), 56);
    return pm;
}

QPixmap ProgramPictures::tileCaption(const Categoria& categoria)
{
    Drawing::Canvas pm(TileCaptionSize);
    QPainter& p = pm.painter();
    blueBar(p, Drawing::inside(pm.rect()), categoria.TitoloRiquadro, accent(categoria), 14, 10);
    return pm;
}

QPixmap ProgramPictures::titleStrip(const Categoria& categoria)
{
    const Look look = lookOf(categoria);
    Drawing::Canvas pm(TitleStripSize);
    QPainter& p = pm.painter();
    const QRectF r = Drawing::inside(pm.rect());
    blueBar(p, r, categoria.TitoloRiquadro, QColor(look.accent), 22, r.height() * 1.1);
    // The category's emblem in a white disc at the left end.
    const qreal d = r.height() * 0.72;
    const QPointF c(r.left() + r.height() * 0.18 + d * 0.5 + 6, r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, d / 2, d / 2);
    const qreal half = d * 0.36;
    look.emblem(p, QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half),
        {QColor(look.accent), QColor(look.accent).darker(150)});
    return pm;
}

QPixmap ProgramPictures::placeholder(const Categoria& categoria)
{
    const Look look = lookOf(categoria);
    const QColor accent(look.accent);
    QPixmap pm(Drawing::pixelsFor(PlaceholderSize));
    pm.setDevicePixelRatio(Drawing::resolution());
    pm.fill(Qt::white);
    QPainter p(&pm);
    Drawing::scaleToResolution(p);
    Drawing::smooth(p);
    const QRectF r(QPointF(0, 0), QSizeF(PlaceholderSize));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, tint(accent, 0.9));
    g.setColorAt(1, tint(accent, 0.72));
    p.fillRect(r, g);

    // A faint mosaic along the edges.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 14; ++col) {
            const int edge = qMin(qMin(row, 8 - row), qMin(col, 13 - col));
            if (edge > 1)
                continue;
            QColor c = Qt::white;
            c.setAlpha(edge == 0 ? 90 : 45);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(8 + col * 40, 6 + row * 41.2, 32, 32), 6, 6);
        }
    }

    // A receipt behind the medal, slightly turned.
    p.save();
    p.translate(r.center().x() - 95, r.center().y() - 8);
    p.rotate(-8);
    const QRectF paper(-70, -110, 140, 210);
    QPainterPath receipt;
    receipt.moveTo(paper.topLeft());
    receipt.lineTo(paper.topRight());
    receipt.lineTo(paper.bottomRight());
    const int teeth = 7;
    const qreal w = paper.width() / teeth;
    for (int t = 0; t < teeth; ++t) {
        receipt.lineTo(paper.right() - t * w - w / 2, paper.bottom() - 9);
        receipt.lineTo(paper.right() - (t + 1) * w, paper.bottom());
    }
    receipt.closeSubpath();
    p.fillPath(receipt.translated(3, 4), Palette::shadow(28));
    p.fillPath(receipt, Qt::white);
    p.setPen(QPen(tint(accent, 0.55), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const qreal y = paper.top() + 28 + i * 22;
        const qreal len = (i % 3 == 2) ? 60 : 100;
        p.drawLine(QPointF(paper.left() + 20, y), QPointF(paper.left() + 20 + len, y));
    }
    p.restore();

    medal(p, look, QPointF(r.center().x() + 60, r.center().y() - 10), 105);

    p.setPen(accent.darker(135));
    QFont f = Fonts::verdana(22, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.drawText(QRectF(0, r.bottom() - 58, r.width(), 30), Qt::AlignCenter, categoria.TitoloRiquadro);
    return pm;
}
