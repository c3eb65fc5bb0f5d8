#include "household/TfrmScadenze.h"

#include "dialogs/Dialogs.h"
#include "household/AllArchives.h"
#include "household/BillDates.h"
#include "household/CardTable.h"
#include "platform/Platform.h"
#include "report/ListReport.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

// The rows of the list, drawn as asked for: late ones in crimson, near ones
// in dark orange.
class DueModel : public QAbstractTableModel {
public:
    enum Column { Archivio, Scadenza, Stato, Beneficiario, Causale, Importo, Numero, Columns };

    explicit DueModel(QObject* parent)
        : QAbstractTableModel(parent)
    { }

    void setRows(const std::vector<DuePayments::Row>* rows, const QDate& today)
    {
        beginResetModel();
        rows_ = rows;
        today_ = today;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !rows_ ? 0 : int(rows_->size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : Columns; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (Column(section)) {
        case Archivio:
            return QStringLiteral("Archivio");
        case Scadenza:
            return QStringLiteral("Scadenza");
        case Stato:
            return QStringLiteral("Stato");
        case Beneficiario:
            return QStringLiteral("Beneficiario");
        case Causale:
            return QStringLiteral("Causale");
        case Importo:
            return QStringLiteral("Importo");
        case Numero:
            return QStringLiteral("N.");
        case Columns:
            break;
        }
        return {};
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !rows_)
            return {};
        const DuePayments::Row& r = (*rows_)[size_t(index.row())];
        if (role == Qt::ForegroundRole) {
            switch (BillDates::dueOf(r.due, today_)) {
            case BillDates::Due::Late:
                return Palette::Crimson;
            case BillDates::Due::Near:
                return Palette::DarkOrange;
            case BillDates::Due::Later:
            case BillDates::Due::Undated:
                return QColor(Qt::black);
            }
        }
        if (role == Qt::TextAlignmentRole && (index.column() == Importo || index.column() == Numero))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (Column(index.column())) {
        case Archivio:
            return r.categoria->Nome;
        case Scadenza:
            return r.scadenza().toString();
        case Stato:
            return BillDates::dueText(r.due, today_);
        case Beneficiario:
            return r.beneficiario().toString();
        case Causale:
            return r.causale().toString();
        case Importo:
            return r.importo().toString();
        case Numero:
            return r.n;
        case Columns:
            break;
        }
        return {};
    }

private:
    const std::vector<DuePayments::Row>* rows_ = nullptr;
    QDate today_;
};

TfrmScadenze::TfrmScadenze(QWidget* owner)
    : GradientDialog(owner, Palette::Denim, Qt::white, ClientSize, PanelSize)
    , model_(new DueModel(this))
{
    Formats::apply();
    setObjectName(QStringLiteral("frmScadenze"));
    setWindowTitle(QStringLiteral(" Scadenze dei pagamenti"));
    QWidget* p = panel();

    grdScadenze = CardTable::make(p, QStringLiteral("grdScadenze"), QRect(0, 0, 964, 440), model_);
    // Every column in view at once: the list scrolls only down.
    const int widths[] = {112, 88, 164, 196, 222, 100, 76};
    for (int c = 0; c < int(std::size(widths)); ++c)
        grdScadenze->setColumnWidth(c, widths[c]);
    grdScadenze->horizontalHeader()->setStretchLastSection(false);
    grdScadenze->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Widgets::box(p, QStringLiteral("bkgPiede"), QRect(0, 450, 964, 134), Qt::white, Palette::BoxBorder, 6);
    lblTotale = Widgets::label(p, QStringLiteral("lblTotale"), QString(), QRect(14, 460, 650, 24), 14, true);
    lblAvvisi = Widgets::paragraph(
        p, QStringLiteral("lblAvvisi"), QString(), QRect(14, 488, 650, 62), 12, false, Palette::Crimson);
    lblAvvisi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Widgets::label(p, QStringLiteral("lblRigo01"),
        QStringLiteral("Per aprire una scheda nel suo archivio, selezionarla con un doppio clic."),
        QRect(14, 554, 650, 20), 12, false, Palette::DeepBlue);
    btnStampa = Widgets::iconButton(
        p, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), Icon::Stampa, QRect(684, 496, 132, 40));
    btnChiudi = Widgets::iconButton(
        p, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), Icon::Esci, QRect(822, 496, 132, 40));

    connect(grdScadenze, &QTableView::doubleClicked, this, &TfrmScadenze::grdScadenzeDblClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmScadenze::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmScadenze::btnChiudiClick);
}

TfrmScadenze::~TfrmScadenze() = default;

void TfrmScadenze::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    if (!event->spontaneous())
        buildList();
}

void TfrmScadenze::buildList()
{
    today_ = Clock::today();
    model_->setRows(nullptr, today_);
    list_ = DuePayments::list();
    model_->setRows(&list_.rows, today_);
    lblTotale->setText(DuePayments::totalText(DuePayments::total(list_.rows)));
    QStringList warnings;
    for (const Categoria* c : list_.unreadable)
        warnings << AllArchives::unreadableText(*c);
    lblAvvisi->setText(warnings.join(QLatin1Char('\n')));
    grdScadenze->setFocus();
}

void TfrmScadenze::grdScadenzeDblClick(const QModelIndex& index)
{
    if (!index.isValid() || size_t(index.row()) >= list_.rows.size())
        return;
    const DuePayments::Row& r = list_.rows[size_t(index.row())];
    std::optional<Scheda> card = AllArchives::cardIfUnchanged(*r.categoria, r.n, r.print);
    if (!card) {
        Dialogs::current().message(this, Dialogs::Kind::Warning,
            QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione."));
        buildList();
        return;
    }
    chosen_ = ChosenCard {r.categoria, r.n, std::move(*card)};
    accept();
}

void TfrmScadenze::btnStampaClick()
{
    Reports::printList(this, DuePayments::printTitle(today_), DuePayments::printLines(list_.rows, today_));
}

void TfrmScadenze::btnChiudiClick()
{
    accept();
}
