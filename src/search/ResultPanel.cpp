#include "search/ResultPanel.h"

#include "dialogs/Dialogs.h"
#include "report/ListReport.h"
#include "search/LineList.h"
#include "search/LineModel.h"
#include "search/SearchLook.h"
#include "search/TextMatch.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {
const QString EmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
} // namespace

ResultPanel::ResultPanel(QWidget* parent, QString& lastFind, const QString& printTitle, bool countLabel)
    : QWidget(parent)
    , lastFind_(lastFind)
    , printTitle_(printTitle)
    , model_(new LineModel(this))
{
    using namespace SearchLook;
    setObjectName(QStringLiteral("panContainer"));
    setGeometry(QRect(QPoint(0, 0), PanelSize));

    // The find box and its instructions.
    box(this, QRect(0, 0, 846, 106), Qt::white);
    Widgets::picture(
        this, QStringLiteral("icoTrova"), [] { return IconPictures::draw(Icon::Trova, QSize(40, 40)); },
        QRect(14, 12, 40, 40));
    label(this, QStringLiteral("lblRigo01"),
        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                       "premere il pulsante Trova."),
        QRect(66, 10, 770, 18));
    label(this, QStringLiteral("lblRigo02"),
        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
                       "clic su Trova."),
        QRect(66, 32, 770, 18));
    txtTrova = edit(this, QStringLiteral("txtTrova"), QRect(66, 62, 420, 30));
    btnTrova = button(this, QStringLiteral("btnTrova"), QStringLiteral("Trova"), Icon::Trova, QRect(498, 60, 132, 34));

    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(0, 116, 846, 350);
    lstRecords->setModel(model_);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstRecords->setStyleSheet(QStringLiteral("QListView { background: white; border: 1px solid #87A9C9; }"));
    lstRecords->viewport()->installEventFilter(this);

    // The foot: count, the hint about opening a card, the commands.
    box(this, QRect(0, 476, 846, 68), Qt::white);
    if (countLabel) {
        lblTrovate = label(this, QStringLiteral("lblTrovate"), QString(), QRect(14, 486, 540, 20));
        lblTrovate->setFont(Fonts::verdana(13, true));
    }
    label(this, QStringLiteral("lblRigo03"),
        QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
        QRect(14, countLabel ? 512 : 500, 560, 20), Palette::Crimson);
    btnStampa
        = button(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), Icon::Stampa, QRect(566, 490, 132, 40));
    btnChiudi
        = button(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), Icon::Esci, QRect(704, 490, 132, 40));

    enterMovesTo(txtTrova, btnTrova);
    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnChiudi);
    connect(btnTrova, &QPushButton::clicked, this, &ResultPanel::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ResultPanel::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ResultPanel::closeRequested);
}

void ResultPanel::setLines(ResultLines lines)
{
    model_->setLines(std::move(lines));
    if (lblTrovate) {
        lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene ") + QString::number(model_->rowCount())
            + QStringLiteral(" schede."));
    }
}

void ResultPanel::clear()
{
    model_->clear();
}

const ResultLines& ResultPanel::lines() const
{
    return model_->lines();
}

int ResultPanel::selectedRow() const
{
    const QModelIndexList selected = lstRecords->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

QString ResultPanel::selectedLine() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : model_->lines().at(row).toString();
}

void ResultPanel::selectRow(int row)
{
    const QModelIndex index = model_->index(row);
    lstRecords->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lstRecords->scrollTo(index);
}

void ResultPanel::resetFind()
{
    lastFind_.clear();
    txtTrova->clear();
}

void ResultPanel::btnTrovaClick()
{
    const ResultLines& all = model_->lines();
    if (all.isEmpty()) {
        Dialogs::current().plain(window(), EmptyList);
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(0);
    }
    const QString needle = TextMatch::lowerAtoZ(txtTrova->text());
    const int found = LineList::findLine(all, selected, needle, lastFind_);
    if (found >= 0)
        selectRow(found);
    lastFind_ = needle;
}

void ResultPanel::btnStampaClick()
{
    Reports::printList(window(), printTitle_, model_->lines().toStringList());
}

bool ResultPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Anywhere on the list, not only on a line: with nothing selected the
    // window still closes.
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Q_EMIT openRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
