#include "editor/CardFile.h"

#include "archive/FieldText.h"
#include "archive/TArchivioSchede.h"

namespace CardFile {

std::optional<int> save(const Categoria& categoria, const Scheda& scheda, const QString& posizione)
{
    const QString p = FieldText::trimmed(posizione).toString();
    try {
        // Opened before the label is read: an unreadable label still leaves
        // the file created, as any save does.
        TArchivioSchede archivio(categoria);
        archivio.Apri(TArchivioSchede::Accesso::Scrittura);
        int n = 0;
        if (p.isEmpty()) {
            n = archivio.Aggiungi(scheda);
        } else {
            bool ok = false;
            n = p.toInt(&ok);
            if (!ok)
                return std::nullopt;
            archivio.Riscrivi(n, scheda);
        }
        archivio.Chiudi();
        return n;
    } catch (const ErroreArchivio&) {
        return std::nullopt;
    }
}

std::optional<Browsed> browse(const Categoria& categoria, RecordArrow comando, const QString& posizione)
{
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        Browsed esito {navigate(comando, archivio.Conta(), posizione), std::nullopt};
        if (esito.step.action == Step::Action::Error)
            return std::nullopt;
        if (esito.step.action == Step::Action::Show)
            esito.scheda = archivio.Leggi(esito.step.card);
        archivio.Chiudi();
        return esito;
    } catch (const ErroreArchivio&) {
        return std::nullopt;
    }
}

} // namespace CardFile
