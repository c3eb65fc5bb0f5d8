#pragma once

#include "archive/Categoria.h"
#include "archive/Tracciato.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One of the search screen's ten filters: an edit box searching one field of
// the stored card.
struct FilterField {
    QString edit; // "txtNumero"
    QString label; // "lblCampo01"
    QString labelText; // "Bolletta / Fattura n."
    QString field; // "Numero"
    QString highlight; // "effCampo01"
};

// The ten filters of a category, in the order Enter walks them (left column
// then right, row by row).
QList<FilterField> filtersFor(const Categoria& categoria);

// The filters as the user filled them, ready to test cards.
//
// A filter matches a card when its text, exactly as typed (not trimmed) and
// folded to lower case, occurs in the card's trimmed field folded the same
// way; an empty text never matches. A card passes when the number of
// matching filters is at least the filled count, the number of filters whose
// trimmed text is not empty; so with every filter blank, every card passes.
class FilterSet {
public:
    // texts: the ten filter texts in filtersFor() order.
    FilterSet(const Categoria& categoria, const QStringList& texts);

    int filled() const { return filled_; }
    // Cards of this category's layout only.
    int matching(const VistaScheda& card) const;
    // `required`: the filled count, as the screen keeps it.
    bool passes(const VistaScheda& card, int required) const;
    bool passes(const VistaScheda& card) const { return passes(card, filled_); }

private:
    // A filter, folded and in the record's encoding. A text with a character
    // that no record byte can hold matches nothing.
    struct Needle {
        int field = 0; // in the category's layout
        QByteArray bytes;
    };
    QList<Needle> needles_; // the filters with a text, in order
    int filled_ = 0;
};
