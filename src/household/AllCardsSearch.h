#pragma once

#include "archive/Categoria.h"

#include <QString>
#include <QStringView>

#include <vector>

// A text looked for in every field of every card of the ten archives, the
// attachments' names and descriptions included. Reads each archive once, for
// reading only.
namespace AllCardsSearch {

struct Found {
    const Categoria* categoria; // one of Catalogo::Tutte()
    int n; // the card's position in its archive
    quint64 print; // AllArchives::fingerprint of the card as listed
    QString line; // the search screen's result line of the card
};

struct Result {
    // Grouped by archive in catalogue order and, within one, in the search
    // screen's order of lines (equal lines by position).
    std::vector<Found> cards;
    int archives = 0; // how many archives have a card listed
    // The archives that exist but could not be read, in catalogue order.
    std::vector<const Categoria*> unreadable;
};

// Whether the text, trimmed, leaves anything to look for.
bool hasWords(QStringView text);

// The cards where `text`, folded to lower case (A to Z only), occurs in
// some field folded the same way. A text with nothing but blanks finds
// nothing.
Result find(QStringView text);

// "Trovate 3 schede in 2 archivi.", "Trovata 1 scheda in 1 archivio.",
// "Nessuna scheda trovata."
QString countText(const Result& result);

} // namespace AllCardsSearch
