#include "reading/KnownPayees.h"

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "archive/TArchivioSchede.h"

#include <QByteArray>
#include <QSet>

namespace reading {

QStringList knownPayees(const Categoria& categoria)
{
    QStringList names;
    if (!TArchivioSchede::esiste(categoria))
        return names;
    const int field = Tracciato::di(categoria.tipo)
                          .indice(categoria.tipo == Tipo::TSchedaAcquisto ? QLatin1String("Attivita")
                                                                          : QLatin1String("Beneficiario"));
    // Compared as the record's bytes: most cards of an archive repeat a few
    // payees, and only each new one is decoded.
    QSet<QByteArray> seen;
    try {
        TArchivioSchede store(categoria);
        store.Apri(TArchivioSchede::Accesso::SoloLettura);
        store.Scorri([&](int, const VistaScheda& card) {
            const FieldText::FieldBytes b = card.bytes(field);
            if (b.size == 0)
                return true;
            const QByteArray bytes(b.data, b.size);
            if (!seen.contains(bytes)) {
                seen.insert(bytes);
                names.append(FieldText::decode(b.data, b.size));
            }
            return true;
        });
        store.Chiudi();
    } catch (const ErroreArchivio&) {
        // What was read before the failure is still of use for matching.
    }
    return names;
}

} // namespace reading
