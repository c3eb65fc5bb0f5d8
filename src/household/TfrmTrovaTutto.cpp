#include "household/TfrmTrovaTutto.h"

#include "dialogs/Dialogs.h"
#include "household/AllArchives.h"
#include "household/CardTable.h"
#include "search/LineModel.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

// The cards found: the archive's name, then the card's line in the search
// screen's monospaced font.
class FoundModel : public QAbstractTableModel {
public:
    explicit FoundModel(QObject* parent)
        : QAbstractTableModel(parent)
        , lineFont_(LineModel::lineFont())
    { }

    void setCards(const std::vector<AllCardsSearch::Found>* cards)
    {
        beginResetModel();
        cards_ = cards;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !cards_ ? 0 : int(cards_->size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 2; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? QStringLiteral("Archivio") : QStringLiteral("Scheda");
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !cards_)
            return {};
        const AllCardsSearch::Found& f = (*cards_)[size_t(index.row())];
        if (role == Qt::FontRole && index.column() == 1)
            return lineFont_;
        if (role != Qt::DisplayRole)
            return {};
        return index.column() == 0 ? f.categoria->Nome : f.line;
    }

private:
    const std::vector<AllCardsSearch::Found>* cards_ = nullptr;
    QFont lineFont_;
};

TfrmTrovaTutto::TfrmTrovaTutto(QWidget* owner)
    : GradientDialog(owner, Palette::Denim, Qt::white, ClientSize, PanelSize)
    , model_(new FoundModel(this))
{
    Formats::apply();
    setObjectName(QStringLiteral("frmTrovaTutto"));
    setWindowTitle(QStringLiteral(" Trova in tutti gli archivi"));
    QWidget* p = panel();

    Widgets::box(p, QStringLiteral("bkgCerca"), QRect(0, 0, 964, 76), Qt::white, Palette::BoxBorder, 6);
    Widgets::picture(
        p, QStringLiteral("icoCerca"), [] { return IconPictures::draw(Icon::Trova, QSize(40, 40)); },
        QRect(14, 18, 40, 40));
    Widgets::label(p, QStringLiteral("lblRigo01"),
        QStringLiteral("Immettere una o più parole presenti nelle schede da cercare in tutti gli archivi e premere "
                       "il pulsante Cerca."),
        QRect(66, 8, 880, 18), 12, false);
    txtCerca = Widgets::searchEdit(p, QStringLiteral("txtCerca"), QRect(66, 34, 520, 30));
    btnCerca = Widgets::iconButton(
        p, QStringLiteral("btnCerca"), QStringLiteral("Cerca"), Icon::Trova, QRect(598, 32, 132, 34));

    grdRisultati = CardTable::make(p, QStringLiteral("grdRisultati"), QRect(0, 86, 964, 394), model_);
    // The lines are long and are read whole, scrolling sideways as in the
    // search screen.
    grdRisultati->setColumnWidth(0, 130);
    grdRisultati->setColumnWidth(1, LineModel::ItemWidth);
    grdRisultati->horizontalHeader()->setStretchLastSection(false);
    grdRisultati->setTextElideMode(Qt::ElideNone);

    Widgets::box(p, QStringLiteral("bkgPiede"), QRect(0, 490, 964, 94), Qt::white, Palette::BoxBorder, 6);
    lblTrovate = Widgets::label(p, QStringLiteral("lblTrovate"), QString(), QRect(14, 498, 650, 22), 13, true);
    lblAvvisi = Widgets::paragraph(
        p, QStringLiteral("lblAvvisi"), QString(), QRect(14, 522, 650, 36), 12, false, Palette::Crimson);
    lblAvvisi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Widgets::label(p, QStringLiteral("lblRigo02"),
        QStringLiteral("Per aprire una scheda nel suo archivio, selezionarla con un doppio clic."),
        QRect(14, 558, 650, 20), 12, false);
    btnChiudi = Widgets::iconButton(
        p, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), Icon::Esci, QRect(822, 516, 132, 40));

    Widgets::enterMovesTo(txtCerca, btnCerca);
    setTabOrder(txtCerca, btnCerca);
    setTabOrder(btnCerca, grdRisultati);
    setTabOrder(grdRisultati, btnChiudi);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaTutto::btnCercaClick);
    connect(grdRisultati, &QTableView::doubleClicked, this, &TfrmTrovaTutto::grdRisultatiDblClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmTrovaTutto::btnChiudiClick);
    txtCerca->setFocus();
}

TfrmTrovaTutto::~TfrmTrovaTutto() = default;

void TfrmTrovaTutto::btnCercaClick()
{
    searched_ = txtCerca->text();
    showResult();
}

void TfrmTrovaTutto::showResult()
{
    model_->setCards(nullptr);
    result_ = AllCardsSearch::find(searched_);
    model_->setCards(&result_.cards);
    if (!AllCardsSearch::hasWords(searched_))
        lblTrovate->setText(QStringLiteral("Scrivere una o più parole da cercare."));
    else
        lblTrovate->setText(AllCardsSearch::countText(result_));
    QStringList warnings;
    for (const Categoria* c : result_.unreadable)
        warnings << AllArchives::unreadableText(*c);
    lblAvvisi->setText(warnings.join(QLatin1Char('\n')));
}

void TfrmTrovaTutto::grdRisultatiDblClick(const QModelIndex& index)
{
    if (!index.isValid() || size_t(index.row()) >= result_.cards.size())
        return;
    const AllCardsSearch::Found& f = result_.cards[size_t(index.row())];
    std::optional<Scheda> card = AllArchives::cardIfUnchanged(*f.categoria, f.n, f.print);
    if (!card) {
        Dialogs::current().message(this, Dialogs::Kind::Warning,
            QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione."));
        showResult();
        return;
    }
    chosen_ = ChosenCard {f.categoria, f.n, std::move(*card)};
    accept();
}

void TfrmTrovaTutto::btnChiudiClick()
{
    accept();
}
