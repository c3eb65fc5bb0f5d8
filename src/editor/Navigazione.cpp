#include "editor/Navigazione.h"

#include "archive/Testo.h"

Passo Naviga(Comando comando, int conta, const QString& posizione)
{
    using A = Passo::Azione;
    const QString p = Testo::pulito(posizione).toString();
    int n = 0;
    if (!p.isEmpty()) {
        bool ok = false;
        n = p.toInt(&ok);
        if (!ok)
            return {A::Errore, 0, false};
    }

    switch (comando) {
    case Comando::Primo:
        return conta == 0 ? Passo {A::Vuoto, 0, false} : Passo {A::Mostra, 1, false};
    case Comando::Ultimo:
        return conta == 0 ? Passo {A::Vuoto, 0, false} : Passo {A::Mostra, conta, false};
    case Comando::Avanti:
        if (conta == 0)
            return {A::Vuoto, 0, true};
        if (n < conta)
            return {A::Mostra, n + 1, false};
        return {A::Nulla, 0, false};
    case Comando::Indietro:
        if (p == QLatin1String("1"))
            return {A::Nulla, 0, false};
        if (conta == 0)
            return {A::Vuoto, 0, false};
        if (p.isEmpty())
            return {A::Mostra, 1, false};
        // A label of 0 or below names no card: reading it fails like any
        // card that is not in the file.
        return {A::Mostra, n - 1, false};
    }
    return {};
}
