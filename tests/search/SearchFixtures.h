#pragma once

#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "archive/Tracciato.h"

#include <QList>
#include <QString>
#include <QTest>

#include <utility>

using Campi = QList<std::pair<const char*, const char*>>;

inline const Categoria& cat(const QString& chiave)
{
    return *Catalogo::PerChiave(chiave);
}

// A card of the category with the given fields (UTF-8 texts), the rest blank.
inline Scheda card(const Categoria& c, const Campi& campi)
{
    Scheda s(c.tipo);
    for (const auto& [campo, testo] : campi) {
        Q_ASSERT(s.tracciato().indice(QLatin1StringView(campo)) >= 0);
        s.imposta(QLatin1StringView(campo), QString::fromUtf8(testo));
    }
    return s;
}

// Appends the cards to the category's record file in the program folder.
inline void store(const Categoria& c, const QList<Scheda>& schede)
{
    TArchivioSchede archivio(c);
    archivio.Apri(TArchivioSchede::Accesso::Scrittura);
    for (const Scheda& s : schede)
        archivio.Aggiungi(s);
    archivio.Chiudi();
}

// Text padded with blanks or cut to n characters.
inline QString pad(const QString& text, int n)
{
    return (text + QString(n, QLatin1Char(' '))).left(n);
}
