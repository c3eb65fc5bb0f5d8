#include "search/TfrmSospesi.h"

#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "search/ResultPanel.h"
#include "search/Scan.h"
#include "search/SearchLook.h"
#include "ui/Formats.h"
#include "ui/Palette.h"

#include <QLineEdit>
#include <QShowEvent>

#include <map>

namespace {

// The summary's own last find text per category (by Sigla), apart from the
// search screen's.
QString& lastFind(const Categoria& categoria)
{
    // A node map: the panel keeps a reference while other categories are added.
    static std::map<QString, QString> texts;
    return texts[categoria.Sigla];
}

} // namespace

TfrmSospesi::TfrmSospesi(TfrmArchivio& schermo)
    : GradientDialog(&schermo, Palette::Denim, Qt::white, SearchLook::ClientSize, SearchLook::PanelSize)
    , schermo_(schermo)
    , categoria_(schermo.categoria())
{
    Formats::apply();
    setObjectName(categoria_.NomeRiepilogo());
    setWindowTitle(categoria_.CaptionRiepilogo());
    panContainer = new ResultPanel(panel(), lastFind(categoria_), printTitle(categoria_), false);
    connect(panContainer, &ResultPanel::closeRequested, this, &TfrmSospesi::btnChiudiClick);
    connect(panContainer, &ResultPanel::openRequested, this, &TfrmSospesi::lstRecordsDblClick);
}

TfrmSospesi::~TfrmSospesi() = default;

QString TfrmSospesi::printTitle(const Categoria& categoria)
{
    return categoria.CaptionRiepilogo().mid(1);
}

void TfrmSospesi::Mostra(TfrmArchivio& schermo)
{
    TfrmSospesi finestra(schermo);
    finestra.exec();
}

void TfrmSospesi::showEvent(QShowEvent* event)
{
    GradientDialog::showEvent(event);
    if (!event->spontaneous())
        buildList();
}

void TfrmSospesi::buildList()
{
    panContainer->resetFind();
    panContainer->clear();
    panContainer->setLines(Scan::unpaidLines(categoria_));
    panContainer->findBox()->setFocus();
}

void TfrmSospesi::btnChiudiClick()
{
    closeWindow();
}

void TfrmSospesi::lstRecordsDblClick()
{
    const QString line = panContainer->selectedLine();
    if (!line.isNull()) {
        const Scan::FoundCard found = Scan::cardOfLine(categoria_, ListKind::Unpaid, line);
        if (found.card)
            schermo_.MostraScheda(*found.card, found.n);
    }
    closeWindow();
}

void TfrmSospesi::closeWindow()
{
    panContainer->clear();
    accept();
}
