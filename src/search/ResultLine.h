#pragma once

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "archive/Tracciato.h"
#include "search/ResultLines.h"

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
// out once per category: the fixed texts and padding are copied in one go and
// each field's text written over its place, so a whole-file scan writes its
// lines straight into the list (ResultLines) without a string per line.
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
    // The same as a new last line of `out`.
    void append(const VistaScheda& card, ResultLines& out) const;
    // The longest line a card can have.
    int maxLength() const { return maxLength_; }

    const Tracciato& tracciato() const { return *tracciato_; }

    static constexpr int Pieces = 6;

private:
    struct Piece {
        int field = 0; // in the layout
        int fieldWidth = 0; // the field's width in the record
        int width = -1; // padded width in the line; -1: the trimmed text whole
        int at = 0; // where the field's text starts in the line
    };
    using Spans = std::array<FieldText::FieldBytes, Pieces>;
    // The fields of one card, and the length of its line.
    int measure(const VistaScheda& card, Spans& spans) const;
    void write(const Spans& spans, char16_t* out) const;

    const Tracciato* tracciato_;
    std::array<Piece, Pieces> pieces_;
    QString frame_; // the prefixes, each followed by its field's width of blanks
    int fixedLength_ = 0; // the frame's length
    int maxLength_ = 0;
};
