#include "app/TfrmPassword.h"

#include "app/PasswordStore.h"
#include "app/TextRules.h"
#include "dialogs/Dialogs.h"
#include "ui/FocusHighlight.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/ProgramPictures.h"
#include "ui/ScaledPicture.h"
#include "ui/ShapeBox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString WrongPassword = QStringLiteral("Attenzione: password errata.");
const QString ReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                                         "della password. Si consiglia di reinstallare il software.");

QFont passwordFont()
{
    QFont f = Fonts::verdanaPoints(14, true);
    return f;
}
} // namespace

TfrmPassword::TfrmPassword(QWidget* parent)
    : GradientWindow(Palette::SteelBlue, Qt::white, PanelSize, parent)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Tessaria 3.0 - Accesso"));
    makeFixed(ClientSize);
    QWidget* p = panel();

    imgLogo = new QLabel(p);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    ScaledPicture::show(imgLogo, [] { return ProgramPictures::logo(QSize(328, 160)); });
    imgLogo->setGeometry(16, 10, 328, 160);

    lblMessaggio = new QLabel(QStringLiteral("Immetti la password e premi OK."), p);
    lblMessaggio->setObjectName(QStringLiteral("lblMessaggio"));
    QFont prompt = Fonts::verdanaPoints(10, true);
    lblMessaggio->setFont(prompt);
    lblMessaggio->setGeometry(16, 196, 328, 22);

    txtPassword = new QLineEdit(p);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(passwordFont());
    txtPassword->setGeometry(16, 228, 230, 32);
    effPassword = new FocusHighlight(txtPassword, QStringLiteral("effPassword"));

    cmdOK = new QPushButton(QStringLiteral("OK"), p);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(258, 226, 86, 36);
    cmdOK->setEnabled(false);

    auto* shpSeparatore = new ShapeBox(p, Palette::glaze(150));
    shpSeparatore->setObjectName(QStringLiteral("shpSeparatore"));
    shpSeparatore->setGeometry(16, 306, 328, 1);

    cmdEsci = new QPushButton(QStringLiteral("Esci"), p);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(16, 330, 146, 32);

    btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), p);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setGeometry(198, 330, 146, 32);

    for (QPushButton* b : {cmdOK, cmdEsci, btnCambiaPassword})
        b->setCursor(Qt::PointingHandCursor);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordEnter);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::comeBack()
{
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    GradientWindow::showEvent(event);
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit quitRequested();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyRelease)
        txtPasswordChange();
    return GradientWindow::eventFilter(watched, event);
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!trimmedText(txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordEnter()
{
    if (!trimmedText(txtPassword->text()).isEmpty())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    const std::optional<QString> stored = PasswordStore::storedPassword();
    if (!stored) {
        Dialogs::current().plain(this, ReadError);
        return;
    }
    const QString typed = trimmedText(upperAtoZ(txtPassword->text()));
    if (typed == *stored) {
        emit accessGranted();
        return;
    }
    Dialogs::current().plain(this, WrongPassword);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    emit changePasswordRequested();
}
