#include "SearchWindows.h"

#include "Categoria.h"
#include "TfrmArchivio.h"
#include "TfrmSospesi.h"
#include "TfrmTrova.h"

void installSearchWindows()
{
    TfrmArchivio::ImpostaApritore(TfrmArchivio::Finestra::Trova, [](TfrmArchivio& schermo) {
        TfrmTrova finestra(schermo);
        finestra.ImpostaTag(schermo.categoria().Sigla);
        finestra.exec();
    });
    TfrmArchivio::ImpostaApritore(TfrmArchivio::Finestra::Riepilogo, [](TfrmArchivio& schermo) {
        TfrmSospesi finestra(schermo);
        finestra.exec();
    });
}
