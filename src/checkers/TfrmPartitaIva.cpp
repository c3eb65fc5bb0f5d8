#include "checkers/TfrmPartitaIva.h"

#include "ui/Palette.h"

#include "checkers/CheckerPictures.h"
#include "checkers/CodeRules.h"
#include "dialogs/Dialogs.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace {
const QString AvvisoLunghezza
    = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString Errata = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                      "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che "
                                      "lo ha rilasciato.");
} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner)
    : CheckWindow(owner,
        {"frmPartitaIva", QStringLiteral(" Controllo partita IVA"), QSize(480, 254), Palette::SteelBlue, Qt::white,
            QColor(0xFF, 0xE4, 0xC4), Palette::SteelBlue,
            [] { return CheckerPictures::partitaIvaBanner(QSize(421, 73)); },
            QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."), "txtPartitaIva",
            VatNumber::Length, true})
{ }

bool TfrmPartitaIva::scartaTasto(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    // Keys that type nothing (Tab, Home, Shift...) are not the edit's to judge,
    // nor are the editing shortcuts: the validator keeps pasted letters out.
    for (auto k : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
             QKeySequence::Undo, QKeySequence::Redo}) {
        if (e->matches(k))
            return false;
    }
    const QString t = e->text();
    if (t.isEmpty() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        return false;
    return !(t.size() == 1 && t.at(0) >= QLatin1Char('0') && t.at(0) <= QLatin1Char('9'));
}

QString TfrmPartitaIva::MessaggioValido(const QString& ufficio)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ")
        + ufficio + QLatin1Char('.');
}

void TfrmPartitaIva::btnControllaClick()
{
    Dialogs& d = Dialogs::current();
    const QString numero = campo_->text();
    switch (VatNumber::check(numero)) {
    case CheckResult::WrongLength:
        d.message(this, Dialogs::Kind::Warning, AvvisoLunghezza);
        campo_->setFocus();
        return;
    case CheckResult::Valid:
        d.message(this, Dialogs::Kind::Information, MessaggioValido(VatNumber::office(VatNumber::officeCode(numero))));
        break;
    case CheckResult::Wrong:
        d.message(this, Dialogs::Kind::Warning, Errata);
        break;
    }
    accept();
}
