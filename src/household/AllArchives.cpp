#include "household/AllArchives.h"

#include <QHashFunctions>

bool AllArchives::scan(const Categoria& categoria, const TArchivioSchede::Visitatore& visit)
{
    if (!TArchivioSchede::esiste(categoria))
        return true;
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri(TArchivioSchede::Accesso::SoloLettura);
        archivio.Scorri(visit);
        archivio.Chiudi();
        return true;
    } catch (const ErroreArchivio&) {
        return false;
    }
}

QString AllArchives::unreadableText(const Categoria& categoria)
{
    return QStringLiteral("Non è stato possibile leggere l'archivio ") + categoria.Nome + QLatin1Char('.');
}

quint64 AllArchives::fingerprint(const VistaScheda& card)
{
    // One pass where size_t has 64 bits (the lists fingerprint every card
    // they keep, so this is much of their time); two seeds where it has 32.
    const auto size = size_t(card.tracciato().dimensione());
    if constexpr (sizeof(size_t) >= sizeof(quint64))
        return quint64(qHashBits(card.dati(), size, 0x5bd1e995));
    const quint64 low = quint32(qHashBits(card.dati(), size, 0x5bd1e995));
    const quint64 high = quint32(qHashBits(card.dati(), size, 0x27d4eb2f));
    return (high << 32) | low;
}

std::optional<Scheda> AllArchives::cardIfUnchanged(const Categoria& categoria, int n, quint64 print)
{
    if (n < 1 || !TArchivioSchede::esiste(categoria))
        return std::nullopt;
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri(TArchivioSchede::Accesso::SoloLettura);
        if (n > archivio.Conta())
            return std::nullopt;
        Scheda card = archivio.Leggi(n);
        archivio.Chiudi();
        if (fingerprint(card.vista()) != print)
            return std::nullopt;
        return card;
    } catch (const ErroreArchivio&) {
        return std::nullopt;
    }
}
