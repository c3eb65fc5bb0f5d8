#include "output/TfrmExp.h"

#include "archive/Categoria.h"
#include "dialogs/Dialogs.h"
#include "output/ExportPictures.h"
#include "output/Spreadsheet.h"
#include "platform/Platform.h"
#include "ui/Fonts.h"
#include "ui/IconPictures.h"
#include "ui/PictureButton.h"
#include "ui/ScaledPicture.h"
#include "ui/ShapeBox.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTableView>

namespace {
const QString Pronto = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString DomandaEsporta
    = QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
                     "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString DomandaApri = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString ErroreEsporta = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                             "Accertarsi che il file di Excel non sia già aperto.");
const QString ErroreLettura = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                             "Non è stato possibile leggere tutte le schede dell'archivio.");
} // namespace

// The grid's view of the rows: column 0 is the card number, columns 1 to 17
// the exported texts; the editable columns take the user's changes.
class TfrmExp::Modello : public QAbstractTableModel {
public:
    Modello(CardGrid& griglia, const QList<ExportColumn>& colonne, QObject* parent)
        : QAbstractTableModel(parent)
        , griglia_(griglia)
        , colonne_(colonne)
    { }

    void ricarica(CardGrid nuova)
    {
        beginResetModel();
        griglia_ = std::move(nuova);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : griglia_.righe(); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(colonne_.size()) + 1;
    }

    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            if (i.column() == 0)
                return QString::number(i.row() + 1);
            return griglia_.testo(i.row(), i.column() - 1).toString();
        }
        if (i.column() == 0) {
            if (role == Qt::TextAlignmentRole)
                return int(Qt::AlignCenter);
            if (role == Qt::BackgroundRole)
                return QColor(0xE3, 0xE8, 0xEF);
        }
        return {};
    }

    bool setData(const QModelIndex& i, const QVariant& value, int role) override
    {
        if (!i.isValid() || role != Qt::EditRole || !modificabile(i.column()))
            return false;
        griglia_.imposta(i.row(), i.column() - 1, value.toString());
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(i);
        if (modificabile(i.column()))
            f |= Qt::ItemIsEditable;
        return f;
    }

    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, o, role);
        return section == 0 ? ExportColumns::NumberHeader : colonne_.value(section - 1).intestazione;
    }

private:
    bool modificabile(int colonna) const { return colonna >= 1 && colonne_.value(colonna - 1).modificabile; }

    CardGrid& griglia_;
    const QList<ExportColumn>& colonne_;
};

TfrmExp::TfrmExp(const Categoria& categoria, QWidget* owner)
    : GradientDialog(owner, QColor(0xE4, 0xE6, 0xEA), QColor(0xE4, 0xE6, 0xEA), ClientSize, ClientSize)
    , categoria_(categoria)
    , colonne_(ExportColumns::of(categoria))
{
    setObjectName(categoria.NomeExport());
    setWindowTitle(categoria.CaptionExport());
    QWidget* p = panel();
    silenzioso(this);
    silenzioso(p);

    // The top band: title, pointing hand, export, help, exit.
    auto* banda = new ShapeBox(p, Qt::white, QColor(0xC4, 0xCC, 0xD6), 1, 6);
    banda->setObjectName(QStringLiteral("shpBanda"));
    banda->setGeometry(8, 8, 846, 66);
    auto* titolo = new QLabel(p);
    titolo->setObjectName(QStringLiteral("imgTitolo"));
    ScaledPicture::show(titolo, [&c = categoria_] { return ExportPictures::title(QSize(470, 52), c); });
    titolo->setGeometry(18, 15, 470, 52);
    titolo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* mano = new QLabel(p);
    mano->setObjectName(QStringLiteral("imgMano"));
    ScaledPicture::show(mano, [] { return ExportPictures::hand(QSize(62, 43)); });
    mano->setGeometry(596, 20, 62, 43);
    mano->setAttribute(Qt::WA_TransparentForMouseEvents);

    PictureButton* esporta = pulsante(
        QStringLiteral("cmdEsporta"), [] { return ExportPictures::workbook(QSize(52, 52)); }, QRect(666, 15, 52, 52),
        QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    PictureButton* guida = pulsante(
        QStringLiteral("cmdGuida"), [] { return IconPictures::draw(Icon::Guida, QSize(44, 44)); },
        QRect(734, 19, 44, 44), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    PictureButton* esci = pulsante(
        QStringLiteral("cmdEsci"), [] { return IconPictures::draw(Icon::Esci, QSize(44, 44)); }, QRect(794, 19, 44, 44),
        QStringLiteral("Esci da questo ambiente di lavoro."));
    connect(esporta, &PictureButton::clicked, this, &TfrmExp::cmdEsportaClick);
    connect(guida, &PictureButton::clicked, this, &TfrmExp::cmdGuidaClick);
    connect(esci, &PictureButton::clicked, this, &TfrmExp::cmdEsciClick);

    // The grid.
    modello_ = new Modello(griglia_, colonne_, this);
    grdRecords = new QTableView(p);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(8, 82, 846, 428);
    grdRecords->setModel(modello_);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setMinimumSectionSize(21);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->horizontalHeader()->setFixedHeight(26);
    QFont fGriglia = Fonts::verdana(12);
    grdRecords->setFont(fGriglia);
    QFont fIntestazione = fGriglia;
    fIntestazione.setBold(true);
    grdRecords->horizontalHeader()->setFont(fIntestazione);
    grdRecords->setStyleSheet(
        QStringLiteral("QTableView { background: white; alternate-background-color: #EEF4FB; gridline-color: #C9D3DE; "
                       "selection-background-color: #CFE3F7; selection-color: black; border: 1px solid #AAB6C4; }"
                       "QHeaderView::section { background: #DCE4EE; color: #1E3A5C; border: none; "
                       "border-right: 1px solid #B8C4D2; border-bottom: 1px solid #B8C4D2; padding-left: 4px; }"));
    grdRecords->setColumnWidth(0, ExportColumns::NumberWidth);
    for (int c = 0; c < colonne_.size(); ++c)
        grdRecords->setColumnWidth(c + 1, colonne_.at(c).larghezza);
    silenzioso(grdRecords);
    silenzioso(grdRecords->viewport());
    silenzioso(grdRecords->horizontalHeader());

    // The hint bar.
    auto* barra = new ShapeBox(p, QColor(0x6A, 0x5A, 0xCD), QColor(0x58, 0x4A, 0xB4), 1, 4);
    barra->setObjectName(QStringLiteral("shpStato"));
    barra->setGeometry(8, 518, 846, 34);
    panInfo = new QLabel(Pronto, p);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    QFont fInfo(QStringLiteral("Tahoma"));
    fInfo.setPointSize(12);
    panInfo->setFont(fInfo);
    panInfo->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
    panInfo->setGeometry(18, 520, 826, 30);
    silenzioso(panInfo);
}

TfrmExp::~TfrmExp()
{
    // The grid goes first: a cell still being edited is committed as the
    // window closes, and the rows it writes into are about to go.
    delete grdRecords;
}

PictureButton* TfrmExp::pulsante(
    const QString& nome, const PicturePainter& immagine, const QRect& dove, const QString& suggerimento)
{
    auto* b = new PictureButton(immagine, panel());
    b->setObjectName(nome);
    b->setGeometry(dove);
    b->setMouseTracking(true);
    b->installEventFilter(this);
    suggerimenti_.insert(b, suggerimento);
    return b;
}

// A part of the window over which the bar shows nothing.
void TfrmExp::silenzioso(QWidget* w)
{
    w->setMouseTracking(true);
    w->installEventFilter(this);
    suggerimenti_.insert(w, QString());
}

bool TfrmExp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        // A move that a button did not take travels on to its parent: there
        // it must not clear the button's hint.
        if (event->type() == QEvent::MouseMove) {
            QWidget* sotto
                = static_cast<QWidget*>(watched)->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (sotto && !suggerimenti_.value(sotto).isEmpty())
                return GradientDialog::eventFilter(watched, event);
        }
        const auto i = suggerimenti_.constFind(watched);
        if (i != suggerimenti_.constEnd() && panInfo->text() != *i)
            panInfo->setText(*i);
    }
    return GradientDialog::eventFilter(watched, event);
}

QString TfrmExp::FileExcel() const
{
    return ProgramFolder::file(categoria_.FileExcel());
}

void TfrmExp::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    if (!caricata_ && !event->spontaneous()) {
        caricata_ = true;
        CaricaGriglia();
    }
}

void TfrmExp::CaricaGriglia()
{
    modello_->ricarica(CardGrid::load(categoria_, colonne_));
}

void TfrmExp::cmdEsportaClick()
{
    Dialogs& d = Dialogs::current();
    if (d.question(this, DomandaEsporta) == Dialogs::Answer::No)
        return;
    // A cell still being edited belongs to the export too.
    if (QWidget* editor = grdRecords->indexWidget(grdRecords->currentIndex()))
        QMetaObject::invokeMethod(grdRecords, "commitData", Q_ARG(QWidget*, editor));

    // An archive that could not be read whole would give a sheet that looks
    // complete and is not, and would replace an earlier, complete one.
    if (!griglia_.completa()) {
        d.plain(this, ErroreLettura);
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool scritto = Spreadsheet::save(
        FileExcel(), [this](QIODevice& out) { return Spreadsheet::write(out, categoria_, colonne_, griglia_); });
    QApplication::restoreOverrideCursor();
    if (!scritto) {
        d.plain(this, ErroreEsporta);
        return;
    }
    if (d.question(this, DomandaApri) != Dialogs::Answer::No)
        TMisc::Open(QLatin1Char('"') + QDir::toNativeSeparators(FileExcel()) + QLatin1Char('"'));
}

void TfrmExp::cmdGuidaClick()
{
    Q_EMIT helpRequested();
}

void TfrmExp::cmdEsciClick()
{
    reject();
}
