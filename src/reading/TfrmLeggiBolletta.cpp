#include "reading/TfrmLeggiBolletta.h"

#include "archive/Categoria.h"
#include "dialogs/Dialogs.h"
#include "editor/TfrmArchivio.h"
#include "reading/KnownPayees.h"
#include "ui/Fonts.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

namespace reading {

// What the window and its worker share. The worker holds it too, so it
// outlives a window closed before the reading ends; the worker writes
// `result` and the window reads it only once the worker has finished.
struct ReadingJob {
    std::atomic_bool cancel {false};
    std::atomic_int progress {-1}; // none reported yet
    const Categoria* categoria = nullptr;
    BillInput input;
    Reader reader;
    BillReading result;
};

} // namespace reading

using reading::Row;

namespace {

enum Column { Usa, Campo, Valore, Fonte, Columns };

const QString Question = QStringLiteral("Leggere i dati dalla bolletta?");

void runJob(reading::ReadingJob& job)
{
    // The archive is read here, off the screen's thread: it may be long.
    job.input.knownPayees = reading::knownPayees(*job.categoria);
    if (job.cancel) {
        job.result.cancelled = true;
        return;
    }
    job.result = job.reader(job.input, job.cancel, [&job](int percent) { job.progress = qBound(0, percent, 100); });
    if (job.cancel)
        job.result.cancelled = true;
}

// The current cell's dotted frame would look like a second box beside the
// tick; the selected row's colour shows where the keyboard is.
class NoFocusFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

QTableWidget* makeTable(QWidget* parent, const QRect& geometry)
{
    auto* t = new QTableWidget(0, Columns, parent);
    t->setObjectName(QStringLiteral("grdDati"));
    t->setGeometry(geometry);
    t->setHorizontalHeaderLabels(
        {QStringLiteral("Usa"), QStringLiteral("Campo"), QStringLiteral("Valore letto"), QStringLiteral("Fonte")});
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setItemDelegate(new NoFocusFrame(t));
    t->setAlternatingRowColors(true);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(24);
    QHeaderView* h = t->horizontalHeader();
    h->setHighlightSections(false);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setFixedHeight(26);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setStretchLastSection(true);
    const int widths[] = {44, 196, 282};
    for (int c = 0; c < int(std::size(widths)); ++c)
        t->setColumnWidth(c, widths[c]);
    const QFont rows = Fonts::verdana(12);
    t->setFont(rows);
    QFont header = rows;
    header.setBold(true);
    h->setFont(header);
    t->setStyleSheet(
        QStringLiteral("QTableWidget { background: white; alternate-background-color: %1; gridline-color: %2; "
                       "selection-background-color: %3; selection-color: black; border: 1px solid %2; }"
                       "QHeaderView::section { background: %4; color: %5; border: none; "
                       "border-right: 1px solid %2; border-bottom: 1px solid %2; padding-left: 4px; }")
            .arg(Palette::Snow.name(), Palette::BoxBorder.name(), Palette::SoftFrame.name(), Palette::BoxFill.name(),
                Palette::DeepBlue.name()));
    return t;
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TfrmLeggiBolletta::TfrmLeggiBolletta(TfrmArchivio& screen, const reading::Reader& reader)
    : GradientDialog(&screen, Palette::Denim, Qt::white, ClientSize, PanelSize)
    , screen_(screen)
    , job_(std::make_shared<reading::ReadingJob>())
    , poll_(new QTimer(this))
{
    Formats::apply();
    setObjectName(QStringLiteral("frmLeggiBolletta"));
    setWindowTitle(QStringLiteral(" Dati letti dalla bolletta"));
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("bkgDati"), QRect(0, 0, 680, 326), Qt::white, Palette::BoxBorder, 6);
    lblRigo01 = Widgets::label(p, QStringLiteral("lblRigo01"),
        QStringLiteral("Dati trovati sulla bolletta: spuntare quelli da scrivere nella scheda."),
        QRect(14, 10, 652, 20), 13, true, Palette::Navy);
    grdDati = makeTable(p, QRect(14, 36, 652, 276));
    lblLettura = Widgets::label(p, QStringLiteral("lblLettura"),
        QStringLiteral("Lettura dei dati della bolletta in corso..."), QRect(14, 130, 652, 20), 13, true);
    lblLettura->setAlignment(Qt::AlignCenter);
    prgLettura = new QProgressBar(p);
    prgLettura->setObjectName(QStringLiteral("prgLettura"));
    prgLettura->setGeometry(140, 160, 400, 20);
    prgLettura->setTextVisible(false);
    // Busy until the reading tells how far it is.
    prgLettura->setRange(0, 0);

    Widgets::box(p, QStringLiteral("bkgPiede"), QRect(0, 336, 680, 64), Qt::white, Palette::BoxBorder, 6);
    lblRigo02 = Widgets::paragraph(p, QStringLiteral("lblRigo02"),
        QStringLiteral("La bolletta è letta su questo computer: nulla viene inviato in rete."), QRect(14, 342, 404, 52),
        11, false, Palette::Slate);
    lblRigo02->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    btnApplica = Widgets::iconButton(
        p, QStringLiteral("btnApplica"), QStringLiteral("Applica"), Icon::Spunta, QRect(430, 348, 116, 40));
    btnAnnulla = Widgets::iconButton(
        p, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), Icon::Esci, QRect(552, 348, 116, 40));

    // Until the reading ends: no table, nothing to apply, and the progress
    // only once the reading takes long enough to be noticed.
    lblRigo01->hide();
    grdDati->hide();
    lblLettura->hide();
    prgLettura->hide();
    btnApplica->setEnabled(false);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmLeggiBolletta::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmLeggiBolletta::btnAnnullaClick);
    connect(grdDati, &QTableWidget::itemChanged, this, &TfrmLeggiBolletta::tickChanged);

    job_->categoria = &screen.categoria();
    job_->input.picture = screen.Foto();
    job_->input.pdfPath = screen.DocumentoFoto();
    job_->reader = reader;

    // The worker owns itself: it is deleted once finished, on this thread,
    // whether or not the window is still there to hear of it.
    const std::shared_ptr<reading::ReadingJob> job = job_;
    QThread* worker = QThread::create([job] { runJob(*job); });
    worker->setObjectName(QStringLiteral("thrLettura"));
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, &TfrmLeggiBolletta::readingEnded);
    worker->start();

    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, &TfrmLeggiBolletta::pollProgress);
    QTimer::singleShot(ProgressDelayMs, this, &TfrmLeggiBolletta::showProgress);
    btnAnnulla->setFocus();
}

TfrmLeggiBolletta::~TfrmLeggiBolletta()
{
    // A reading still running is of no use to anyone now.
    job_->cancel = true;
}

void TfrmLeggiBolletta::Mostra(TfrmArchivio& screen, const reading::Reader& reader)
{
    TfrmLeggiBolletta window(screen, reader);
    window.exec();
}

void TfrmLeggiBolletta::Proponi(TfrmArchivio& screen, const reading::Reader& reader)
{
    if (Dialogs::current().question(&screen, Question) == Dialogs::Answer::Yes)
        Mostra(screen, reader);
}

void TfrmLeggiBolletta::showProgress()
{
    if (!reading_)
        return;
    lblLettura->show();
    prgLettura->show();
    pollProgress();
    poll_->start();
}

void TfrmLeggiBolletta::pollProgress()
{
    const int percent = job_->progress;
    if (percent < 0)
        return;
    if (prgLettura->maximum() == 0)
        prgLettura->setRange(0, 100);
    prgLettura->setValue(percent);
}

void TfrmLeggiBolletta::readingEnded()
{
    reading_ = false;
    poll_->stop();
    lblLettura->hide();
    prgLettura->hide();
    if (job_->result.cancelled) {
        reject();
        return;
    }
    rows_ = reading::rowsFor(screen_.categoria(), job_->result, textsFromRecord(screen_.SchedaDaControlli()));
    if (rows_.isEmpty()) {
        Dialogs::current().message(this, Dialogs::Kind::Information, reading::nothingReadText());
        reject();
        return;
    }
    fillTable();
    lblRigo01->show();
    grdDati->show();
    lblRigo02->setText(QStringLiteral("I dati spuntati vanno nei campi della scheda, che resta da salvare. "
                                      "Un campo già compilato con un altro valore non è spuntato."));
    grdDati->setFocus();
}

void TfrmLeggiBolletta::fillTable()
{
    const QSignalBlocker quiet(grdDati);
    grdDati->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        const Row& row = rows_.at(r);
        auto* usa = cell(QString());
        QString why;
        if (row.usable) {
            usa->setFlags(usa->flags() | Qt::ItemIsUserCheckable);
            usa->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
            if (row.same)
                why = QStringLiteral("La scheda contiene già questo valore.");
            else if (!row.ticked)
                why = QStringLiteral("Nella scheda: ") + row.current.trimmed();
        } else {
            why = QStringLiteral("Il valore letto non è adatto a questo campo della scheda.");
        }
        grdDati->setItem(r, Usa, usa);
        grdDati->setItem(r, Campo, cell(row.target.label));
        auto* valore = cell(row.text);
        if (!row.ticked)
            valore->setForeground(row.usable && !row.same ? Palette::Brown : Palette::Slate);
        grdDati->setItem(r, Valore, valore);
        grdDati->setItem(r, Fonte, cell(reading::sourceText(row.source)));
        for (int c = 0; c < Columns; ++c)
            grdDati->item(r, c)->setToolTip(why);
    }
    tickChanged();
}

void TfrmLeggiBolletta::tickChanged()
{
    bool any = false;
    for (int r = 0; r < grdDati->rowCount() && !any; ++r)
        any = grdDati->item(r, Usa)->checkState() == Qt::Checked;
    btnApplica->setEnabled(any);
}

void TfrmLeggiBolletta::btnApplicaClick()
{
    int filled = 0;
    for (int r = 0; r < int(rows_.size()); ++r) {
        if (grdDati->item(r, Usa)->checkState() != Qt::Checked)
            continue;
        const Row& row = rows_.at(r);
        if (screen_.ScriviCampo(row.target.field, row.text))
            ++filled;
    }
    if (filled > 0)
        screen_.MostraStato(reading::filledText(filled));
    accept();
}

void TfrmLeggiBolletta::btnAnnullaClick()
{
    job_->cancel = true;
    reject();
}
