#include "household/SpendingBars.h"

#include "household/Money.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"

#include <algorithm>

namespace {

constexpr qreal LegendWidth = 150;
constexpr qreal AxisWidth = 70;
constexpr qreal Top = 12;
constexpr qreal LabelHeight = 22;
constexpr qreal LegendRow = 20;

QString euro(qint64 cents)
{
    QString text = Money::formatCents(cents);
    if (text.endsWith(QLatin1String(",00")))
        text.chop(3);
    return QStringLiteral("€ ") + text;
}

} // namespace

qint64 SpendingBars::axisStep(qint64 largest)
{
    qint64 step = 100; // one euro
    for (;;) {
        for (qint64 f : {1, 2, 5}) {
            if (f * step * 5 >= largest)
                return f * step;
        }
        step *= 10;
    }
}

SpendingBars::SpendingBars(const SpendingSummary& summary, int year, const QSizeF& size)
    : size_(size)
{
    plot_ = QRectF(AxisWidth, Top, std::max<qreal>(size.width() - AxisWidth - LegendWidth - 10, 1),
        std::max<qreal>(size.height() - Top - LabelHeight, 1));

    const QList<Categoria>& all = Catalogo::Tutte();
    const int archives = int(std::min<qsizetype>(all.size(), 10));
    QList<int> periods; // months, or years oldest first
    if (year == SpendingSummary::AllYears) {
        periods = summary.years();
        std::reverse(periods.begin(), periods.end());
    } else {
        for (int m = 1; m <= 12; ++m)
            periods.append(m);
    }
    auto amount = [&](int archive, int period) {
        if (!summary.readable(archive))
            return qint64(0);
        return year == SpendingSummary::AllYears ? summary.yearSum(archive, period).total
                                                 : summary.sum(archive, year, period).total;
    };

    // Only what was spent is stacked: a negative sum (a refund larger than
    // the bills of that month) draws no segment.
    qint64 largest = 0;
    for (int p : std::as_const(periods)) {
        qint64 bar = 0;
        for (int a = 0; a < archives; ++a)
            bar += std::max<qint64>(amount(a, p), 0);
        largest = std::max(largest, bar);
    }
    std::array<qint64, 12> previous {};
    const bool withPrevious = year != SpendingSummary::AllYears && summary.years().contains(year - 1);
    if (withPrevious) {
        previous = summary.monthTotals(year - 1);
        for (qint64 v : previous)
            largest = std::max(largest, v);
    }
    const qint64 step = axisStep(largest);
    const qint64 top = step * 5;
    auto yOf = [&](qint64 cents) { return plot_.bottom() - plot_.height() * qreal(cents) / qreal(top); };
    for (int i = 0; i <= 5; ++i)
        ticks_.append({yOf(step * i), euro(step * i)});

    const qreal slot = periods.isEmpty() ? plot_.width() : plot_.width() / qreal(periods.size());
    const qreal barWidth = slot * 0.62;
    for (int i = 0; i < periods.size(); ++i) {
        const int p = periods.at(i);
        const qreal left = plot_.left() + slot * i + (slot - barWidth) / 2;
        const QString when = year == SpendingSummary::AllYears
            ? QString::number(p)
            : SpendingSummary::monthName(p) + QLatin1Char(' ') + QString::number(year);
        qint64 base = 0;
        for (int a = 0; a < archives; ++a) {
            const qint64 v = amount(a, p);
            if (v <= 0)
                continue;
            const QRectF r(QPointF(left, yOf(base + v)), QPointF(left + barWidth, yOf(base)));
            const Categoria& c = all.at(a);
            segments_.append({r, ProgramPictures::accent(c),
                c.Nome + QStringLiteral(", ") + when + QStringLiteral(": € ") + Money::formatCents(v)});
            base += v;
        }
        const QString label = year == SpendingSummary::AllYears ? QString::number(p) : SpendingSummary::monthColumn(p);
        barLabels_.append({QRectF(plot_.left() + slot * i, plot_.bottom() + 2, slot, LabelHeight - 2), label});
    }
    if (withPrevious) {
        for (int m = 0; m < 12; ++m)
            previous_.append(QPointF(plot_.left() + slot * (m + 0.5), yOf(previous[size_t(m)])));
    }

    const qreal legendLeft = size.width() - LegendWidth;
    qreal y = Top;
    for (int a = 0; a < archives; ++a, y += LegendRow) {
        const Categoria& c = all.at(a);
        legend_.append({QRectF(legendLeft, y + 4, 12, 12), QRectF(legendLeft + 18, y, LegendWidth - 20, LegendRow),
            ProgramPictures::accent(c), c.Nome});
    }
    if (withPrevious) {
        previousLegend_ = {QRectF(legendLeft, y + 9, 12, 2), QRectF(legendLeft + 18, y, LegendWidth - 20, LegendRow),
            Palette::Ink, QString::number(year - 1)};
    }
}

QString SpendingBars::tipAt(const QPointF& point) const
{
    for (const Segment& s : segments_)
        if (s.rect.contains(point))
            return s.tip;
    return {};
}
