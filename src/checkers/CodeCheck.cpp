#include "checkers/CodeCheck.h"

#include "archive/FieldText.h"
#include "checkers/CodeRules.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"

#include <QLineEdit>

CheckKind checkKindOf(const QString& codice)
{
    return VatNumber::digitsOnly(FieldText::trimmed(codice)) ? CheckKind::PartitaIva : CheckKind::CodiceFiscale;
}

void openCodeCheck(QWidget* owner, const QString& codice)
{
    const QString pulito = FieldText::trimmed(codice).toString();
    if (checkKindOf(pulito) == CheckKind::PartitaIva) {
        TfrmPartitaIva finestra(owner);
        finestra.setText(pulito);
        finestra.exec();
    } else {
        TfrmCodFisc finestra(owner);
        finestra.setText(pulito);
        finestra.exec();
    }
}
