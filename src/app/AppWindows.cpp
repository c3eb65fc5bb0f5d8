#include "app/AppWindows.h"

#include "app/HelpAndOutputWindows.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "search/SearchWindows.h"

AppWindows::AppWindows()
{
    // Export, help and code checks of every archive screen.
    installHelpAndOutputWindows();
    // The search window and the unpaid summary of every archive screen.
    installSearchWindows();
    login_ = std::make_unique<TfrmPassword>();
    menu_ = std::make_unique<TfrmAvvio>();
    changePassword_ = std::make_unique<TfrmCambiaPassword>();
    for (const Categoria& c : Catalogo::Tutte()) {
        archives_.push_back(std::make_unique<TfrmArchivio>(c));
        TfrmArchivio* a = archives_.back().get();
        // Closing an archive screen brings the menu back; the screen hides
        // itself once its close is over.
        connect(a, &TfrmArchivio::closed, this, [this, a] {
            if (a->isVisible()) {
                menu_->showMaximized();
                menu_->activateWindow();
            }
        });
    }

    connect(login_.get(), &TfrmPassword::accessGranted, this, [this] { handOver(login_.get(), menu_.get(), true); });
    connect(login_.get(), &TfrmPassword::changePasswordRequested, this,
        [this] { handOver(login_.get(), changePassword_.get(), false); });
    connect(login_.get(), &TfrmPassword::quitRequested, this, &AppWindows::ended);
    connect(changePassword_.get(), &TfrmCambiaPassword::closed, this, [this] {
        if (changePassword_->isVisible())
            login_->comeBack();
    });
    connect(menu_.get(), &TfrmAvvio::archiveRequested, this, &AppWindows::showArchive);
    connect(menu_.get(), &TfrmAvvio::quitRequested, this, &AppWindows::ended);
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

void AppWindows::handOver(QWidget* from, QWidget* to, bool maximised)
{
    if (maximised)
        to->showMaximized();
    else
        to->show();
    to->activateWindow();
    from->hide();
}
