#include "household/SpendingReport.h"

#include "household/SpendingChart.h"

#include <QList>

namespace {

const QColor SlateGrey(0x70, 0x80, 0x90);
const QColor Stripe(0xEE, 0xF2, 0xF6);

// The printable width of an A4 landscape page with 10 mm margins.
constexpr double PageWidth = Reports::fromMm(277);
constexpr double ChartTop = 34;
constexpr double ChartHeight = 330;
constexpr double TableTop = ChartTop + ChartHeight + 14;
constexpr double RowHeight = 18;
constexpr double NameWidth = 120;

Reports::ReportObject bar(const QString& name, const QRectF& box, double pointSize, const QString& text)
{
    Reports::ReportObject o = Reports::ReportObject::textObject(name, box, QStringLiteral("Verdana"), pointSize, text);
    o.textStyle.bold = true;
    o.textStyle.color = Qt::white;
    o.textStyle.alignment = Qt::AlignCenter;
    o.boxStyle.fill = SlateGrey;
    return o;
}

} // namespace

QString SpendingReport::title(int year)
{
    if (year == SpendingSummary::AllYears)
        return QStringLiteral("Riepilogo delle spese di tutti gli anni");
    return QStringLiteral("Riepilogo delle spese ") + QString::number(year);
}

Reports::Report SpendingReport::prepare(const SpendingSummary& summary, int year)
{
    Reports::Report r(QStringLiteral("Riepilogo delle spese"));
    r.page = QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

    r.pageObjects.append(bar(QStringLiteral("txtTitolo"), QRectF(0, 0, PageWidth, 24), 11, title(year)));

    Reports::ReportObject chart;
    chart.name = QStringLiteral("imgGrafico");
    chart.kind = Reports::ObjectKind::Picture;
    chart.box = QRectF(0, ChartTop, PageWidth, ChartHeight);
    chart.setPicture(SpendingChart::picture(SpendingBars(summary, year, chart.box.size()), 3));
    r.pageObjects.append(chart);

    // The table: the names at the left, the sums in equal columns after them.
    const SpendingTable t = summary.table(year);
    // The last two columns are wider: their header and their sums are longer.
    const int values = t.columns() - 1;
    QList<double> lefts {0, NameWidth};
    const double weights = (values - 2) + 1.2 + 1.7;
    const double unit = (PageWidth - NameWidth) / weights;
    for (int c = 1; c <= values; ++c)
        lefts.append(lefts.last() + unit * (c == values ? 1.7 : c == values - 1 ? 1.2 : 1.0));
    auto cellBox = [&](int row, int column) {
        const double top = TableTop + row * RowHeight;
        return QRectF(lefts.at(column), top, lefts.at(column + 1) - lefts.at(column), RowHeight);
    };
    for (int row = 0; row <= t.rows.size(); ++row) {
        if (row % 2 == 0 && row > 0) {
            Reports::ReportObject stripe;
            stripe.name = QStringLiteral("rctRiga%1").arg(row);
            stripe.kind = Reports::ObjectKind::Rectangle;
            stripe.box = QRectF(0, TableTop + row * RowHeight, PageWidth, RowHeight);
            stripe.boxStyle.fill = Stripe;
            r.pageObjects.append(stripe);
        }
        for (int c = 0; c < t.columns(); ++c) {
            const bool header = row == 0;
            const bool totals = row == t.rows.size();
            const QString text = header ? t.header.at(c) : t.cell(row - 1, c);
            QRectF box = cellBox(row, c).adjusted(3, 0, -3, 0);
            Reports::ReportObject o = Reports::ReportObject::textObject(
                QStringLiteral("txtCella_%1_%2").arg(row).arg(c), box, QStringLiteral("Verdana"), 7.5, text);
            o.textStyle.bold = header || totals;
            o.textStyle.alignment = (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
            if (header) {
                o.box = cellBox(row, c);
                o.textStyle.color = Qt::white;
                o.textStyle.alignment = Qt::AlignCenter;
                o.boxStyle.fill = SlateGrey;
            }
            r.pageObjects.append(o);
        }
    }

    const double footerTop = Reports::fromMm(190) - 24;
    r.pageObjects.append(bar(QStringLiteral("txtPagina"), QRectF(0, footerTop, PageWidth, 22), 8,
        QStringLiteral("Stampa eseguita in data [DATE]")));
    r.prepare();
    return r;
}
