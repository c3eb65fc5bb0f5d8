#include "checkers/ControlloCodice.h"

#include "archive/Testo.h"
#include "checkers/Controlli.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"

#include <QLineEdit>

Controllo ControlloPer(const QString& codice)
{
    return PartitaIva::soloCifre(Testo::pulito(codice)) ? Controllo::PartitaIva : Controllo::CodiceFiscale;
}

void ApriControlloCodice(QWidget* owner, const QString& codice)
{
    const QString pulito = Testo::pulito(codice).toString();
    if (ControlloPer(pulito) == Controllo::PartitaIva) {
        TfrmPartitaIva finestra(owner);
        finestra.ImpostaTesto(pulito);
        finestra.exec();
    } else {
        TfrmCodFisc finestra(owner);
        finestra.ImpostaTesto(pulito);
        finestra.exec();
    }
}
