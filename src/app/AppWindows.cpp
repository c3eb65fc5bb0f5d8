#include "app/AppWindows.h"

#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "capture/PdfPhoto.h"
#include "capture/TfrmScanner.h"
#include "checkers/CodeCheck.h"
#include "editor/TfrmArchivio.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "help/TfrmInfo.h"
#include "help/TfrmSplash.h"
#include "household/ChosenCard.h"
#include "household/DuePayments.h"
#include "household/TfrmScadenze.h"
#include "household/TfrmSpese.h"
#include "household/TfrmTrovaTutto.h"
#include "output/TfrmExp.h"
#include "output/TfrmStampa.h"
#include "platform/Platform.h"
#include "reading/TfrmLeggiBolletta.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"

#include <QTimer>

#include <optional>

namespace {

// Opens a household window modally over `owner` and returns the card its
// user chose, once the window is gone.
template <typename Window> std::optional<ChosenCard> chooseIn(QWidget* owner)
{
    Window window(owner);
    window.exec();
    return window.chosen();
}

} // namespace

AppWindows::AppWindows()
    : billReader_(&reading::readBill)
{
    login_ = std::make_unique<TfrmPassword>();
    menu_ = std::make_unique<TfrmAvvio>();
    changePassword_ = std::make_unique<TfrmCambiaPassword>();
    for (const Categoria& c : Catalogo::Tutte()) {
        archives_.push_back(std::make_unique<TfrmArchivio>(c));
        TfrmArchivio* a = archives_.back().get();
        connectArchive(*a);
        // Closing an archive screen brings the menu back; the screen hides
        // itself once its close is over.
        connect(a, &TfrmArchivio::closed, this, [this, a] {
            if (a->isVisible()) {
                menu_->showMaximized();
                menu_->activateWindow();
                refreshPending();
            }
        });
    }

    connect(login_.get(), &TfrmPassword::accessGranted, this, [this] {
        handOver(login_.get(), menu_.get(), true);
        // Counted once the menu is on screen, so that it shows no later.
        QTimer::singleShot(0, this, &AppWindows::remindOnce);
    });
    connect(login_.get(), &TfrmPassword::changePasswordRequested, this,
        [this] { handOver(login_.get(), changePassword_.get(), false); });
    connect(login_.get(), &TfrmPassword::quitRequested, this, &AppWindows::ended);
    connect(changePassword_.get(), &TfrmCambiaPassword::closed, this, [this] {
        if (changePassword_->isVisible())
            login_->comeBack();
    });
    connect(menu_.get(), &TfrmAvvio::archiveRequested, this, &AppWindows::showArchive);
    connect(menu_.get(), &TfrmAvvio::quitRequested, this, &AppWindows::ended);
    connectMenu();
}

void AppWindows::connectMenu()
{
    TfrmAvvio* m = menu_.get();
    connect(m, &TfrmAvvio::infoRequested, m, [m] { TfrmInfo::Mostra(m); });
    connect(m, &TfrmAvvio::helpRequested, m, [m] { TfrmGuida::Mostra(m, HelpTopics::menu()); });
    connect(m, &TfrmAvvio::presentationRequested, m, [m] { TfrmSplash::Mostra(m); });
    connect(m, &TfrmAvvio::spendingRequested, m, [this, m] {
        if (const std::optional<ChosenCard> chosen = TfrmSpese::Mostra(m))
            showCard(*chosen);
    });

    connect(m, &TfrmAvvio::scadenzeRequested, this, &AppWindows::openScadenze);
    connect(m, &TfrmAvvio::searchAllRequested, this, &AppWindows::openSearchAll);
}

void AppWindows::connectArchive(TfrmArchivio& archivio)
{
    TfrmArchivio* a = &archivio;
    connect(a, &TfrmArchivio::searchRequested, a, [a] { TfrmTrova::Mostra(*a); });
    connect(a, &TfrmArchivio::unpaidSummaryRequested, a, [a] { TfrmSospesi::Mostra(*a); });
    connect(a, &TfrmArchivio::exportRequested, a, [a] {
        TfrmExp esporta(a->categoria(), a);
        connect(&esporta, &TfrmExp::helpRequested, &esporta,
            [&esporta] { TfrmGuida::Mostra(&esporta, HelpTopics::exportTopic(esporta.categoria())); });
        esporta.exec();
    });
    connect(a, &TfrmArchivio::printRequested, a, [a] { TfrmStampa::Mostra(*a); });
    connect(a, &TfrmArchivio::helpRequested, a, [a] { TfrmGuida::Mostra(a, HelpTopics::archive()); });
    connect(a, &TfrmArchivio::codeCheckRequested, a, [a](const QString& codice) { openCodeCheck(a, codice); });
    // A bill that came in as a PDF may be read at once.
    connect(a, &TfrmArchivio::pdfPhotoRequested, a, [this, a] {
        if (PdfPhoto::choose(*a))
            TfrmLeggiBolletta::Proponi(*a, billReader_);
    });
    connect(a, &TfrmArchivio::pdfDropped, a, [this, a](const QString& percorso) {
        if (PdfPhoto::load(*a, percorso))
            TfrmLeggiBolletta::Proponi(*a, billReader_);
    });
    connect(a, &TfrmArchivio::documentPageTaken, a, [this, a] { TfrmLeggiBolletta::Proponi(*a, billReader_); });
    connect(a, &TfrmArchivio::readBillRequested, a, [this, a] { TfrmLeggiBolletta::Mostra(*a, billReader_); });
    a->setPdfPicture(&PdfPhoto::picture);
    // So may a bill that came in from the scanner.
    connect(a, &TfrmArchivio::scannerRequested, a, [this, a] {
        if (TfrmScanner::Mostra(a, a->categoria().Sigla))
            TfrmLeggiBolletta::Proponi(*a, billReader_);
    });
}

AppWindows::~AppWindows() = default;

void AppWindows::start()
{
    login_->show();
}

TfrmArchivio* AppWindows::archive(const Categoria& categoria) const
{
    for (const auto& a : archives_) {
        if (&a->categoria() == &categoria)
            return a.get();
    }
    return nullptr;
}

void AppWindows::showArchive(const Categoria& categoria)
{
    if (TfrmArchivio* a = archive(categoria))
        handOver(menu_.get(), a, true);
}

void AppWindows::showCard(const ChosenCard& chosen)
{
    TfrmArchivio* a = archive(*chosen.categoria);
    if (!a)
        return;
    // The screen empties itself when it is shown, so the card goes in after.
    handOver(menu_.get(), a, true);
    a->MostraScheda(chosen.scheda, chosen.n);
}

void AppWindows::handOver(QWidget* from, QWidget* to, bool maximised)
{
    if (maximised)
        to->showMaximized();
    else
        to->show();
    to->activateWindow();
    from->hide();
}

DuePayments::Counts AppWindows::refreshPending()
{
    const DuePayments::Counts counts = DuePayments::counts(Clock::today());
    menu_->MostraScadenze(DuePayments::stripText(counts), counts.late > 0);
    return counts;
}

void AppWindows::remindOnce()
{
    if (!menu_->isVisible())
        return;
    const DuePayments::Counts counts = refreshPending();
    if (reminded_ || counts.late + counts.near == 0)
        return;
    reminded_ = true;
    openScadenze();
}

void AppWindows::openScadenze()
{
    if (const std::optional<ChosenCard> chosen = chooseIn<TfrmScadenze>(menu_.get()))
        showCard(*chosen);
}

void AppWindows::openSearchAll()
{
    if (const std::optional<ChosenCard> chosen = chooseIn<TfrmTrovaTutto>(menu_.get()))
        showCard(*chosen);
}
