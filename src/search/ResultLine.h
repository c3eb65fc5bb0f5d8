#pragma once

#include "Categoria.h"
#include "Tracciato.h"

#include <QString>

#include <array>

// Which list a result line is built for: the two differ only in the width of
// Condominio's document number.
enum class ListKind { Search, Unpaid };

// The fixed-width text line that stands for one card in the search list, the
// unpaid summary and their printout: six pieces, each a fixed text followed by
// a field. Every field is trimmed; a padded field is cut or filled with
// blanks to its width, and the amount at the end is taken whole. The shape of
// the line depends on the category (bills, taxes, vehicles, condominium,
// purchases).
//
// Built straight from the record's bytes, with the field positions worked
// out once per category, so a whole-file scan makes one string per line.
class ResultLine {
public:
    ResultLine(const Categoria& categoria, ListKind kind);

    // The line of one card of this category's layout.
    QString operator()(const VistaScheda& card) const
    {
        QString line;
        build(card, line);
        return line;
    }
    // The same into `out`, reusing its buffer when it has one of its own.
    void build(const VistaScheda& card, QString& out) const;

    const Tracciato& tracciato() const { return *tracciato_; }

    static constexpr int Pieces = 6;

private:
    struct Piece {
        QString prefix;
        int offset = 0; // of the field's length byte
        int fieldWidth = 0; // the field's width in the record
        int width = -1; // padded width in the line; -1: the trimmed text whole
    };
    const Tracciato* tracciato_;
    std::array<Piece, Pieces> pieces_;
    int fixedLength_ = 0; // prefixes and padded widths together
};
