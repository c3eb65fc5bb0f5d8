#include "search/TfrmTrova.h"

#include "archive/Categoria.h"
#include "archive/Tracciato.h"
#include "dialogs/Dialogs.h"
#include "editor/ArchiveMessages.h"
#include "editor/TfrmArchivio.h"
#include "search/Filters.h"
#include "search/ResultPanel.h"
#include "search/Scan.h"
#include "search/SearchLook.h"
#include "ui/FocusHighlight.h"
#include "ui/Formats.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/ScaledPicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <map>

namespace {

// The last find text of each category's search screen, shared by all its
// windows (by Sigla).
QString& lastFind(const Categoria& categoria)
{
    // A node map: the panel keeps a reference while other categories are added.
    static std::map<QString, QString> texts;
    return texts[categoria.Sigla];
}

} // namespace

TfrmTrova::TfrmTrova(TfrmArchivio& schermo)
    : GradientDialog(&schermo, Palette::Denim, Qt::white, SearchLook::ClientSize, SearchLook::PanelSize)
    , schermo_(schermo)
    , categoria_(schermo.categoria())
{
    using namespace SearchLook;
    Formats::apply();
    setObjectName(categoria_.NomeTrova());
    setWindowTitle(categoria_.CaptionTrova());

    panAvvio = new QWidget(panel());
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(QRect(QPoint(0, 0), PanelSize));

    // Title and instructions.
    box(panAvvio, QRect(0, 0, 846, 140), Qt::white);
    auto* titolo = new QLabel(panAvvio);
    titolo->setObjectName(QStringLiteral("icoTitolo"));
    ScaledPicture::show(titolo, [&c = categoria_] { return ProgramPictures::titleStrip(c); });
    titolo->setGeometry(QRect(QPoint(10, 8), ProgramPictures::TitleStripSize));
    auto* lente = new QLabel(panAvvio);
    lente->setObjectName(QStringLiteral("icoCerca"));
    ScaledPicture::show(lente, [] { return IconPictures::draw(Icon::Trova, QSize(40, 40)); });
    lente->setGeometry(372, 12, 40, 40);
    auto* didascalia = label(panAvvio, QStringLiteral("lblTitolo"), categoria_.CaptionTrova().trimmed(),
        QRect(422, 20, 414, 24), Palette::DeepBlue, 15);
    didascalia->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label(panAvvio, QStringLiteral("lblRigo04"),
        QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
                       "trovare e premere il pulsante Cerca."),
        QRect(14, 68, 822, 18));
    label(panAvvio, QStringLiteral("lblRigo05"), QStringLiteral("Lasciare in bianco tutti gli altri campi."),
        QRect(14, 90, 822, 18));
    label(panAvvio, QStringLiteral("lblRigo06"),
        QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
        QRect(14, 112, 822, 18));

    // The ten filters: two columns of five rows, left then right.
    box(panAvvio, QRect(0, 150, 846, 316), Palette::BoxFill);
    const Tracciato& tracciato = Tracciato::di(categoria_.tipo);
    const QList<FilterField> fields = filtersFor(categoria_);
    for (int i = 0; i < fields.size(); ++i) {
        const FilterField& f = fields.at(i);
        const int x = i % 2 == 0 ? 20 : 436;
        const int y = 166 + (i / 2) * 59;
        label(panAvvio, f.label, f.labelText, QRect(x, y, 390, 18), Palette::DeepBlue, 12);
        QLineEdit* e = edit(panAvvio, f.edit, QRect(x, y + 20, 390, 28));
        e->setMaxLength(tracciato.larghezza(tracciato.indice(f.field)));
        new FocusHighlight(e, f.highlight, 4);
        filtri_.append(e);
    }
    for (int i = 0; i < filtri_.size(); ++i) {
        QLineEdit* next = filtri_.at((i + 1) % filtri_.size());
        enterMovesTo(filtri_.at(i), next);
        if (i + 1 < filtri_.size())
            setTabOrder(filtri_.at(i), next);
    }

    // The wait label and the commands.
    box(panAvvio, QRect(0, 476, 846, 68), Qt::white);
    lblAttendere = label(panAvvio, QStringLiteral("lblAttendere"),
        QStringLiteral("Ricerca schede in corso. Attendere..."), QRect(18, 496, 520, 24), Palette::DarkCyan, 14);
    lblAttendere->hide();
    btnAnnulla = button(
        panAvvio, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), Icon::Esci, QRect(566, 490, 132, 40));
    btnCerca
        = button(panAvvio, QStringLiteral("btnCerca"), QStringLiteral("Cerca"), Icon::Trova, QRect(704, 490, 132, 40));
    setTabOrder(filtri_.constLast(), btnAnnulla);
    setTabOrder(btnAnnulla, btnCerca);
    // The wait label shows as the button goes down, before the search runs.
    btnCerca->installEventFilter(this);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrova::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrova::btnAnnullaClick);

    panContainer = new ResultPanel(panel(), lastFind(categoria_), printTitle(categoria_), true);
    panContainer->hide();
    connect(panContainer, &ResultPanel::closeRequested, this, &TfrmTrova::btnChiudiClick);
    connect(panContainer, &ResultPanel::openRequested, this, &TfrmTrova::lstRecordsDblClick);

    lblConta = new QLabel(QStringLiteral("0"), panel());
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    lblMemory = new QLabel(panel());
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

TfrmTrova::~TfrmTrova() = default;

QString TfrmTrova::printTitle(const Categoria& categoria)
{
    return QStringLiteral("Riepilogo ") + categoria.Descrizione + QStringLiteral(" in archivio");
}

void TfrmTrova::Mostra(TfrmArchivio& schermo)
{
    TfrmTrova finestra(schermo);
    finestra.ImpostaTag(schermo.categoria().Sigla);
    finestra.exec();
}

void TfrmTrova::ImpostaTag(const QString& tag)
{
    lblMemory->setText(tag);
}

void TfrmTrova::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    if (event->spontaneous())
        return;
    panContainer->resetFind();
    filtri_.constFirst()->setFocus();
}

bool TfrmTrova::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnCerca && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    return GradientDialog::eventFilter(watched, event);
}

void TfrmTrova::btnCercaClick()
{
    // From the keyboard there was no mouse-down to show it.
    if (!lblAttendere->isVisible()) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    QStringList texts;
    for (const QLineEdit* e : std::as_const(filtri_))
        texts.append(e->text());
    const FilterSet filters(categoria_, texts);
    lblConta->setText(QString::number(filters.filled()));

    panContainer->clear();
    std::optional<ResultLines> lines = Scan::searchLines(categoria_, filters, lblConta->text().toInt());
    if (!lines) {
        Dialogs::current().plain(this, ArchiveMessages::accessFailed());
        return;
    }
    panContainer->setLines(std::move(*lines));
    panContainer->show();
    panAvvio->hide();
    panContainer->findBox()->clear();
    panContainer->findBox()->setFocus();
}

void TfrmTrova::btnAnnullaClick()
{
    closeWindow();
}

void TfrmTrova::btnChiudiClick()
{
    closeWindow();
}

void TfrmTrova::lstRecordsDblClick()
{
    const QString line = panContainer->selectedLine();
    if (!line.isNull() && lblMemory->text() == categoria_.Sigla) {
        const Scan::FoundCard found = Scan::cardOfLine(categoria_, ListKind::Search, line);
        if (found.card)
            schermo_.MostraScheda(*found.card, found.n);
    }
    closeWindow();
}

void TfrmTrova::closeWindow()
{
    panContainer->clear();
    lblAttendere->hide();
    accept();
}
