#pragma once

#include <QString>

// The four record-arrow commands of the archive screen, as a pure rule:
// given the number of cards in the file and the position label, what to do.
enum class Comando { Primo, Indietro, Avanti, Ultimo };

struct Passo {
    enum class Azione {
        Nulla, // nothing happens, no message
        Vuoto, // the empty-archive message
        Mostra, // read and show card `scheda`
        Errore // the position label is not a number: the access message
    };
    Azione azione = Azione::Nulla;
    int scheda = 0;
    bool svuotaPosizione = false; // Next on an empty file also empties the label
};

// conta: cards in the file; posizione: the position label as shown (it is
// trimmed here; empty means a card not yet stored).
Passo Naviga(Comando comando, int conta, const QString& posizione);
