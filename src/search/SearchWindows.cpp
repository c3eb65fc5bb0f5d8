#include "search/SearchWindows.h"

#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"

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
