#include "Scan.h"

#include "FieldSpan.h"
#include "Filters.h"
#include "TArchivioSchede.h"
#include "Testo.h"

#include <cstring>

namespace Scan {

QStringList searchLines(const Categoria& categoria, const FilterSet& filters, int required)
{
    const ResultLine line(categoria, ListKind::Search);
    QStringList lines;
    TArchivioSchede archivio(categoria);
    archivio.Apri();
    archivio.Scorri([&](int, const VistaScheda& card) {
        if (filters.passes(card, required))
            lines.append(line(card));
        return true;
    });
    archivio.Chiudi();
    return lines;
}

UnpaidTest::UnpaidTest(const Tracciato& tracciato)
{
    const int field = tracciato.indice("Segnala");
    Q_ASSERT(field >= 0);
    offset_ = tracciato.offset(field);
    width_ = tracciato.larghezza(field);
}

bool UnpaidTest::operator()(const VistaScheda& card) const
{
    // "Sì" in Windows-1252.
    static constexpr char Yes[] = {'S', char(0xEC)};
    const FieldSpan mark = trimmedField(card.dati(), offset_, width_);
    return mark.size == 2 && std::memcmp(mark.data, Yes, 2) == 0;
}

QStringList unpaidLines(const Categoria& categoria)
{
    const ResultLine line(categoria, ListKind::Unpaid);
    const UnpaidTest unpaid(line.tracciato());
    QStringList lines;
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        archivio.Scorri([&](int, const VistaScheda& card) {
            if (unpaid(card))
                lines.append(line(card));
            return true;
        });
        archivio.Chiudi();
    } catch (const ErroreArchivio&) {
        // The summary says nothing; it shows what it could read.
    }
    return lines;
}

FoundCard cardOfLine(const Categoria& categoria, ListKind kind, QStringView chosen)
{
    const ResultLine line(categoria, kind);
    const QStringView wanted = Testo::pulito(chosen);
    FoundCard found;
    QString candidate; // one buffer for every card's line
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        archivio.Scorri([&](int n, const VistaScheda& card) {
            line.build(card, candidate);
            if (Testo::pulito(candidate) == wanted) {
                found.card = Scheda(card);
                found.n = n;
            }
            return true;
        });
        archivio.Chiudi();
    } catch (const ErroreArchivio&) {
        found.failed = true;
    }
    return found;
}

} // namespace Scan
