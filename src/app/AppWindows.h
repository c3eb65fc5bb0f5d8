#pragma once

#include "household/DuePayments.h"
#include "reading/BillReading.h"

#include <QObject>

#include <memory>
#include <vector>

struct Categoria;
struct ChosenCard;
class TfrmArchivio;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;
class QWidget;

// The thirteen windows that live for the whole run and how they hand over to
// one another. Only one of them is visible at a time; every hand-over shows
// the next window first and then hides the current one.
//
// This is also the one place where a window's request for a window of another
// room is met: the menu's and the archive screens' signals are connected
// here to the windows that answer them. Each of those is new, modal, owned by
// the window that asked, and gone when it closes.
class AppWindows : public QObject {
    Q_OBJECT
public:
    // Creates the login window first, then the main menu, the change-password
    // window and one archive screen per category.
    AppWindows();
    ~AppWindows() override;

    // Shows the login window.
    void start();

    TfrmPassword* login() const { return login_.get(); }
    TfrmAvvio* menu() const { return menu_.get(); }
    TfrmCambiaPassword* changePassword() const { return changePassword_.get(); }
    TfrmArchivio* archive(const Categoria& categoria) const;

    // Hands over from whichever window is showing (the menu) to the card's
    // archive screen, as a tile does, and shows the card there, photo
    // included: what a household window's choice of a card leads to.
    void showCard(const ChosenCard& chosen);

    // What reads a bill for the archive screens' "Leggi i dati dalla
    // bolletta...": the reading engine, unless a test put another in.
    void setBillReader(reading::Reader reader) { billReader_ = std::move(reader); }

signals:
    // The program is over: "Esci" on the login window, the exit icon or the
    // window close of the main menu.
    void ended();

private:
    void showArchive(const Categoria& categoria);
    void connectMenu();
    void connectArchive(TfrmArchivio& archivio);
    static void handOver(QWidget* from, QWidget* to, bool maximised);

    // What is due: the menu's strip counted again, and the list opened by
    // itself once per run, after login, when something is late or near.
    DuePayments::Counts refreshPending();
    void remindOnce();
    void openScadenze();
    void openSearchAll();
    bool reminded_ = false;
    reading::Reader billReader_;

    std::unique_ptr<TfrmPassword> login_;
    std::unique_ptr<TfrmAvvio> menu_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::vector<std::unique_ptr<TfrmArchivio>> archives_;
};
