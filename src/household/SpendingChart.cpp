#include "household/SpendingChart.h"

#include "ui/Drawing.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

SpendingChart::SpendingChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("imgGrafico"));
}

void SpendingChart::showYear(const SpendingSummary& summary, int year)
{
    bars_.emplace(summary, year, QSizeF(size()));
    update();
}

void SpendingChart::paint(QPainter& p, const SpendingBars& bars)
{
    p.save();
    Drawing::smooth(p);
    const QRectF plot = bars.plot();
    p.setFont(Fonts::verdana(11));

    // The axis: a pale line at each step, its euro value at the left.
    for (const SpendingBars::Tick& t : bars.ticks()) {
        p.setPen(QPen(Palette::SoftFrame, 1));
        p.drawLine(QPointF(plot.left(), t.y), QPointF(plot.right(), t.y));
        p.setPen(Palette::Slate);
        p.drawText(QRectF(0, t.y - 9, plot.left() - 6, 18), Qt::AlignRight | Qt::AlignVCenter, t.text);
    }
    p.setPen(QPen(Palette::Slate, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());

    for (const SpendingBars::Segment& s : bars.segments()) {
        p.setPen(QPen(s.colour.darker(125), 1));
        p.setBrush(s.colour);
        p.drawRect(s.rect);
    }
    p.setPen(Palette::Ink);
    for (const SpendingBars::Label& l : bars.barLabels())
        p.drawText(l.rect, Qt::AlignHCenter | Qt::AlignTop, l.text);

    const QList<QPointF>& line = bars.previousYear();
    if (!line.isEmpty()) {
        QPainterPath path(line.first());
        for (int i = 1; i < line.size(); ++i)
            path.lineTo(line.at(i));
        p.setPen(QPen(Palette::Ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(Palette::Ink);
        for (const QPointF& pt : line)
            p.drawEllipse(pt, 2.5, 2.5);
    }

    auto legendEntry = [&p](const SpendingBars::LegendEntry& e) {
        p.setPen(QPen(e.colour.darker(125), 1));
        p.setBrush(e.colour);
        p.drawRect(e.swatch);
        p.setPen(Palette::Ink);
        p.drawText(e.text, Qt::AlignLeft | Qt::AlignVCenter, e.name);
    };
    for (const SpendingBars::LegendEntry& e : bars.legend())
        legendEntry(e);
    if (!line.isEmpty())
        legendEntry(bars.previousLegend());
    p.restore();
}

QImage SpendingChart::picture(const SpendingBars& bars, qreal scale)
{
    QImage image((bars.size() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    paint(p, bars);
    p.end();
    return image;
}

void SpendingChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Palette::BoxBorder, 1));
    p.drawRect(Drawing::inside(rect()));
    if (bars_)
        paint(p, *bars_);
}

bool SpendingChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = bars_ ? bars_->tipAt(help->pos()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}
