#include "app/HelpAndOutputWindows.h"

#include "checkers/ControlloCodice.h"
#include "editor/TfrmArchivio.h"
#include "help/Argomenti.h"
#include "help/TfrmGuida.h"
#include "output/TfrmExp.h"
#include "output/TfrmStampa.h"

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
