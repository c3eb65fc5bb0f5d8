#pragma once

#include "archive/Tracciato.h"

#include <QString>

// Cards whose every field is filled to its full width with a text that names
// the writer, the card and the field, so a card that was cut, shifted or
// mixed with another one shows up. Shared by the suites and by append_worker.
inline QString testoDiProva(const Tracciato& t, int campo, const QString& chi, int i)
{
    if (QLatin1StringView(t.nome(campo)) == QLatin1StringView("Segnala"))
        return i % 2 ? QStringLiteral("Sì") : QStringLiteral("No");
    const QString pezzo = QStringLiteral("%1.%2.%3|àé€").arg(chi).arg(i).arg(QLatin1StringView(t.nome(campo)));
    return pezzo.repeated(t.larghezza(campo) / int(pezzo.size()) + 1).left(t.larghezza(campo));
}

inline Scheda schedaDiProva(Tipo tipo, const QString& chi, int i)
{
    Scheda s(tipo);
    for (int c = 0; c < s.tracciato().campi(); ++c)
        s.imposta(c, testoDiProva(s.tracciato(), c, chi, i));
    return s;
}

// A card whose every byte but the fields' lengths is `lettera`: two versions
// of a card with different letters differ in every field, so a record read
// half from one and half from the other is plain to see.
inline Scheda versione(Tipo tipo, char lettera)
{
    Scheda s(tipo);
    for (int c = 0; c < s.tracciato().campi(); ++c)
        s.imposta(c, QString(s.tracciato().larghezza(c), QLatin1Char(lettera)));
    return s;
}
