#include "HelpAndOutputWindows.h"

#include "Argomenti.h"
#include "ControlloCodice.h"
#include "TfrmArchivio.h"
#include "TfrmExp.h"
#include "TfrmGuida.h"
#include "TfrmStampa.h"

#include <QLineEdit>

void installHelpAndOutputWindows()
{
    TfrmArchivio::ImpostaApritore(
        TfrmArchivio::Finestra::Esporta, [](TfrmArchivio& schermo) { TfrmExp::Mostra(schermo.categoria(), &schermo); });
    TfrmArchivio::ImpostaApritore(
        TfrmArchivio::Finestra::Stampa, [](TfrmArchivio& schermo) { TfrmStampa::Mostra(schermo); });
    TfrmArchivio::ImpostaApritore(TfrmArchivio::Finestra::Guida,
        [](TfrmArchivio& schermo) { TfrmGuida::Mostra(&schermo, Argomenti::Archivio()); });
    TfrmArchivio::ImpostaApritore(TfrmArchivio::Finestra::ControlloCodice, [](TfrmArchivio& schermo) {
        const QLineEdit* codice = schermo.Campo(QStringLiteral("CodFisc"));
        ApriControlloCodice(&schermo, codice ? codice->text() : QString());
    });
}
