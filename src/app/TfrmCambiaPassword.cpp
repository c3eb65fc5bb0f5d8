#include "app/TfrmCambiaPassword.h"

#include "app/Crypt.h"
#include "app/PasswordStore.h"
#include "app/TextRules.h"
#include "dialogs/Dialogs.h"
#include "ui/FocusHighlight.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/ScaledPicture.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString WrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString NotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                            "E' necessario reinserire entrambi i valori.");
const QString Changed = QStringLiteral("Modifica della password completata con successo.");
const QString ChangeError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                           "della password. Si consiglia di reinstallare il software.");
// The scrambler keeps one byte per character and at most 255 of them.
const QString CannotKeep = QStringLiteral("Attenzione: la nuova password non può essere salvata. Usare al massimo "
                                          "255 caratteri, senza simboli come €.");
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : GradientWindow(Palette::SteelBlue, Qt::white, PanelSize, parent)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    makeFixed(ClientSize);
    QWidget* p = panel();

    imgLogo = new QLabel(p);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    ScaledPicture::show(imgLogo, [] { return ProgramPictures::logo(QSize(353, 148)); });
    imgLogo->setGeometry(16, 6, 353, 148);

    QFont labelFont = Fonts::verdanaPoints(9, true);
    QFont fieldFont = Fonts::verdanaPoints(14, true);

    struct Row {
        const char* label;
        const char* labelName;
        const char* field;
        const char* highlight;
        QLineEdit** edit;
        FocusHighlight** eff;
    };
    const Row rows[] = {
        {"Vecchia password:", "lblPasswordOld", "txtPasswordOld", "effPasswordOld", &txtPasswordOld, &effPasswordOld},
        {"Nuova password:", "lblPasswordNew", "txtPasswordNew", "effPasswordNew", &txtPasswordNew, &effPasswordNew},
        {"Conferma nuova password:", "lblConferma", "txtConferma", "effConferma", &txtConferma, &effConferma},
    };
    int y = 160;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.label), p);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setFont(labelFont);
        label->setGeometry(16, y, 353, 18);
        auto* edit = new QLineEdit(p);
        edit->setObjectName(QString::fromLatin1(row.field));
        edit->setEchoMode(QLineEdit::Password);
        edit->setFont(fieldFont);
        edit->setGeometry(16, y + 20, 353, 30);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtChange);
        *row.edit = edit;
        *row.eff = new FocusHighlight(edit, QString::fromLatin1(row.highlight));
        y += 58;
    }

    cmdEsci = new QPushButton(QStringLiteral("Chiudi"), p);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(16, 350, 146, 32);
    cmdOK = new QPushButton(QStringLiteral("OK"), p);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(223, 350, 146, 32);
    cmdOK->setEnabled(false);
    for (QPushButton* b : {cmdEsci, cmdOK})
        b->setCursor(Qt::PointingHandCursor);

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    // Enter walks the fields in a ring and never confirms.
    connect(txtPasswordOld, &QLineEdit::returnPressed, txtPasswordNew, [this] { txtPasswordNew->setFocus(); });
    connect(txtPasswordNew, &QLineEdit::returnPressed, txtConferma, [this] { txtConferma->setFocus(); });
    connect(txtConferma, &QLineEdit::returnPressed, txtPasswordOld, [this] { txtPasswordOld->setFocus(); });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    GradientWindow::showEvent(event);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease
        && (watched == txtPasswordOld || watched == txtPasswordNew || watched == txtConferma))
        txtChange();
    return GradientWindow::eventFilter(watched, event);
}

void TfrmCambiaPassword::txtChange()
{
    cmdOK->setEnabled(!trimmedText(txtPasswordOld->text()).isEmpty() && !trimmedText(txtPasswordNew->text()).isEmpty()
        && !trimmedText(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    const std::optional<QString> stored = PasswordStore::storedPassword();
    if (!stored) {
        Dialogs::current().plain(this, ChangeError);
        return;
    }
    if (trimmedText(upperAtoZ(txtPasswordOld->text())) != *stored) {
        Dialogs::current().plain(this, WrongOld);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    // Exactly as typed: a difference of case alone is a mismatch.
    if (trimmedText(txtPasswordNew->text()) != trimmedText(txtConferma->text())) {
        Dialogs::current().plain(this, NotConfirmed);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    const QString password = trimmedText(upperAtoZ(txtPasswordNew->text()));
    if (!Crypt::keeps(password)) {
        Dialogs::current().plain(this, CannotKeep);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    if (!PasswordStore::storePassword(password)) {
        Dialogs::current().plain(this, ChangeError);
        return;
    }
    Dialogs::current().plain(this, Changed);
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
