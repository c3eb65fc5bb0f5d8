#include "report/ListReport.h"

#include "report/ReportOutput.h"

namespace Reports {

namespace {
const QColor kSlateGrey(0x70, 0x80, 0x90);

ReportObject bar(const QString& name, const QRectF& box, double pointSize, const QString& text)
{
    ReportObject o = ReportObject::textObject(name, box, QStringLiteral("Verdana"), pointSize, text);
    o.textStyle.bold = true;
    o.textStyle.color = Qt::white;
    o.textStyle.alignment = Qt::AlignCenter;
    o.boxStyle.fill = kSlateGrey;
    return o;
}
} // namespace

Report listTemplate()
{
    Report r(QStringLiteral("Riepilogo dati"));
    r.page = QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);

    Band title {QStringLiteral("ReportTitle"), BandKind::ReportTitle, 30.24, {}};
    title.objects.append(
        bar(QStringLiteral("txtTitolo"), QRectF(7.56, 3.78, 1031.81, 18.90), 9, QStringLiteral("Riepilogo")));

    Band master {QStringLiteral("MasterData"), BandKind::MasterData, 105.83, {}};
    ReportObject list;
    list.name = QStringLiteral("txtRiepilogo");
    list.box = QRectF(11.34, 0, 1031.81, 105.83 - kListBandExtra);
    list.textStyle.family = QStringLiteral("Courier New");
    list.textStyle.pointSize = 8;
    list.textStyle.lineHeight = kListLineHeight;
    master.objects.append(list);

    Band footer {QStringLiteral("Footer"), BandKind::Footer, 30.24, {}};
    footer.objects.append(bar(QStringLiteral("txtPagina"), QRectF(11.34, 7.56, 1028.03, 18.90), 8,
        QStringLiteral("Stampa eseguita in data [DATE]")));

    r.bands = {title, master, footer};
    return r;
}

void fillList(Report& r, const QString& title, const QStringList& lines)
{
    ReportObject* titolo = r.findObject(QStringLiteral("txtTitolo"));
    ReportObject* riepilogo = r.findObject(QStringLiteral("txtRiepilogo"));
    Band* band = r.findBand(QStringLiteral("MasterData"));
    if (!titolo || !riepilogo || !band)
        return;
    titolo->setText(title);
    riepilogo->clear();
    for (const QString& line : lines)
        riepilogo->append(line);
    riepilogo->setHeight(riepilogo->count() * kListLineHeight);
    band->setHeight(riepilogo->box.height() + kListBandExtra);
}

Report prepareList(const QString& title, const QStringList& lines)
{
    Report r = listTemplate();
    fillList(r, title, lines);
    r.prepare();
    return r;
}

bool printList(QWidget* parent, const QString& title, const QStringList& lines)
{
    Report r = prepareList(title, lines);
    return printReport(parent, r);
}

} // namespace Reports
