#include "checkers/TfrmCodFisc.h"

#include "archive/FieldText.h"
#include "checkers/CheckerPictures.h"
#include "checkers/CodeRules.h"
#include "dialogs/Dialogs.h"

#include <QLineEdit>

namespace {
const QString AvvisoLunghezza
    = QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString Valido = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString Errato = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* owner)
    : CheckWindow(owner,
        {"frmCodFisc", QStringLiteral(" Controllo codice fiscale"), QSize(478, 254), QColor(0x3C, 0xA0, 0x50),
            QColor(0xF3, 0xF1, 0xF1), QColor(0xD6, 0xD2, 0xD2), QColor(0x2E, 0x9A, 0x48),
            [] { return CheckerPictures::codFiscBanner(QSize(421, 73)); },
            QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."), "txtCodFisc",
            TaxCode::Length, false})
{ }

void TfrmCodFisc::testoDigitato(const QString& testo)
{
    const QStringView pulito = FieldText::trimmed(testo);
    const QString nuovo = TaxCode::upperCase(pulito);
    if (nuovo == testo)
        return;
    // Keep the caret where it was, less the blanks trimmed before it.
    const int tolti = int(pulito.data() - testo.data());
    const int cursore = campo_->cursorPosition() - tolti;
    campo_->setText(nuovo);
    campo_->setCursorPosition(qBound(0, cursore, int(nuovo.size())));
}

void TfrmCodFisc::btnControllaClick()
{
    Dialogs& d = Dialogs::current();
    switch (TaxCode::check(campo_->text())) {
    case CheckResult::WrongLength:
        d.message(this, Dialogs::Kind::Warning, AvvisoLunghezza);
        campo_->setFocus();
        return;
    case CheckResult::Valid:
        d.message(this, Dialogs::Kind::Information, Valido);
        break;
    case CheckResult::Wrong:
        d.message(this, Dialogs::Kind::Warning, Errato);
        break;
    }
    accept();
}
