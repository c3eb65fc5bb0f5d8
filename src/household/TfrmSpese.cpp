#include "household/TfrmSpese.h"

#include "dialogs/Dialogs.h"
#include "household/SpendingChart.h"
#include "household/SpendingLook.h"
#include "household/SpendingReport.h"
#include "household/TfrmSchedeEscluse.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"
#include "report/ReportOutput.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QString AllYearsText = QStringLiteral("Tutti gli anni");
const QString ExportFailed = QStringLiteral("Non è stato possibile scrivere il file del riepilogo.");

constexpr int NameWidth = 104;
constexpr int MonthWidth = 64;
constexpr int YearWidth = 72;
constexpr int TotalWidth = 90;
} // namespace

TfrmSpese::TfrmSpese(QWidget* owner)
    : GradientDialog(owner, Palette::Denim, Qt::white, ClientSize, PanelSize)
{
    Formats::apply();
    setObjectName(QStringLiteral("frmSpese"));
    setWindowTitle(QStringLiteral(" Riepilogo delle spese"));
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("shpSpese"), p->rect(), Palette::Snow, Palette::BoxBorder, 6);
    Widgets::label(p, QStringLiteral("lblAnno"), QStringLiteral("Anno:"), {12, 12, 48, 26}, 12, true);
    cmbAnno = Widgets::comboBox(p, QStringLiteral("cmbAnno"), {62, 12, 150, 26});
    lblAvvisi
        = Widgets::paragraph(p, QStringLiteral("lblAvvisi"), QString(), {232, 6, 876, 40}, 11, true, Palette::Crimson);
    grdSpese = SpendingLook::table(p, QStringLiteral("grdSpese"), {12, 48, 1096, 248}, {});
    lblEscluse = Widgets::label(p, QStringLiteral("lblEscluse"), QString(), {12, 304, 360, 26}, 12, false);
    btnEscluse = Widgets::plainButton(p, QStringLiteral("btnEscluse"), QStringLiteral("Mostra"), {376, 303, 90, 28});
    imgGrafico = new SpendingChart(p);
    imgGrafico->setGeometry(12, 340, 1096, 316);
    btnStampa = Widgets::iconButton(
        p, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), Icon::Stampa, {760, 668, 112, 36});
    btnEsporta = Widgets::iconButton(
        p, QStringLiteral("btnEsporta"), QStringLiteral("Esporta"), Icon::Esporta, {878, 668, 112, 36});
    btnChiudi = Widgets::iconButton(
        p, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), Icon::Esci, {996, 668, 112, 36});

    connect(btnEscluse, &QPushButton::clicked, this, &TfrmSpese::btnEscluseClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmSpese::btnStampaClick);
    connect(btnEsporta, &QPushButton::clicked, this, &TfrmSpese::btnEsportaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSpese::btnChiudiClick);

    summary_ = SpendingSummary::read();
    fillYears(summary_.openingYear(Clock::today().year()));
    connect(cmbAnno, &QComboBox::currentIndexChanged, this, &TfrmSpese::cmbAnnoChange);
    showYear();
}

TfrmSpese::~TfrmSpese() = default;

std::optional<ChosenCard> TfrmSpese::Mostra(QWidget* owner)
{
    TfrmSpese finestra(owner);
    finestra.exec();
    return finestra.chosen();
}

void TfrmSpese::fillYears(int wanted)
{
    const QSignalBlocker quiet(cmbAnno);
    cmbAnno->clear();
    for (int y : summary_.years())
        cmbAnno->addItem(QString::number(y), y);
    cmbAnno->addItem(AllYearsText, int(SpendingSummary::AllYears));
    const int at = cmbAnno->findData(wanted);
    cmbAnno->setCurrentIndex(at >= 0 ? at : 0);
    year_ = cmbAnno->currentData().toInt();
}

void TfrmSpese::readAgain()
{
    summary_ = SpendingSummary::read();
    fillYears(
        year_ != SpendingSummary::AllYears && summary_.years().contains(year_) ? year_ : summary_.openingYear(year_));
    showYear();
}

void TfrmSpese::showYear()
{
    const SpendingTable t = summary_.table(year_);
    QList<QStringList> rows;
    for (int r = 0; r < t.rows.size(); ++r) {
        QStringList cells;
        for (int c = 0; c < t.columns(); ++c)
            cells.append(t.cell(r, c));
        rows.append(cells);
    }
    SpendingLook::fill(grdSpese, t.header, rows, 1, true);
    const int period = year_ == SpendingSummary::AllYears ? YearWidth : MonthWidth;
    grdSpese->setColumnWidth(0, NameWidth);
    for (int c = 1; c < t.columns() - 2; ++c)
        grdSpese->setColumnWidth(c, period);
    grdSpese->setColumnWidth(t.columns() - 2, TotalWidth);
    grdSpese->horizontalHeader()->setStretchLastSection(true);

    const QString excluded = summary_.excludedText();
    lblEscluse->setText(excluded);
    lblEscluse->setVisible(!excluded.isEmpty());
    btnEscluse->setVisible(!excluded.isEmpty());
    lblAvvisi->setText(summary_.warnings().join(QLatin1Char('\n')));
    imgGrafico->showYear(summary_, year_);
}

void TfrmSpese::cmbAnnoChange()
{
    year_ = cmbAnno->currentData().toInt();
    showYear();
}

void TfrmSpese::btnEscluseClick()
{
    TfrmSchedeEscluse escluse(*this);
    escluse.exec();
    if (escluse.chosen()) {
        chosen_ = escluse.chosen();
        accept();
    }
}

void TfrmSpese::btnStampaClick()
{
    Reports::Report r = SpendingReport::prepare(summary_, year_);
    Reports::printReport(this, r);
}

void TfrmSpese::btnEsportaClick()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Esporta il riepilogo delle spese");
    spec.filter = QStringLiteral("File CSV (*.csv)|*.csv");
    spec.proposedName = year_ == SpendingSummary::AllYears
        ? QStringLiteral("Riepilogo_spese_tutti_gli_anni.csv")
        : QStringLiteral("Riepilogo_spese_") + QString::number(year_) + QStringLiteral(".csv");
    spec.defaultSuffix = QStringLiteral("csv");
    const QString path = Dialogs::current().saveFile(this, spec);
    if (path.isEmpty())
        return;
    if (!SafeFile::write(path, summary_.table(year_).csv()))
        Dialogs::current().plain(this, ExportFailed);
}

void TfrmSpese::btnChiudiClick()
{
    accept();
}
