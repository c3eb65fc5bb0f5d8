#include "checkers/CodeCheck.h"

#include "archive/FieldText.h"
#include "checkers/Controlli.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"

#include <QLineEdit>

CheckKind checkKindOf(const QString& codice)
{
    return PartitaIva::soloCifre(FieldText::trimmed(codice)) ? CheckKind::PartitaIva : CheckKind::CodiceFiscale;
}

void openCodeCheck(QWidget* owner, const QString& codice)
{
    const QString pulito = FieldText::trimmed(codice).toString();
    if (checkKindOf(pulito) == CheckKind::PartitaIva) {
        TfrmPartitaIva finestra(owner);
        finestra.ImpostaTesto(pulito);
        finestra.exec();
    } else {
        TfrmCodFisc finestra(owner);
        finestra.ImpostaTesto(pulito);
        finestra.exec();
    }
}
