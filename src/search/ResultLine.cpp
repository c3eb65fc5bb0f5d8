#include "ResultLine.h"

#include "FieldSpan.h"
#include "Testo.h"

#include <algorithm>
#include <cstring>

namespace {

struct PieceShape {
    const char* prefix; // UTF-8
    const char* field;
    int width; // -1: whole
};

// One row per shape of line. `key` is the category that has a shape of its
// own; the row without one is the bills' shape, which every other category
// uses. `unpaidNumberWidth` is the width of the first field in the unpaid
// summary.
struct LineShape {
    const char* key;
    PieceShape pieces[ResultLine::Pieces];
    int unpaidNumberWidth;
};

constexpr LineShape Shapes[] = {
    {nullptr,
        {{"N. ", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Beneficiario", 24},
            {"  Causale: ", "Causale", 32}, {"  \u20AC ", "Prezzo", -1}},
        18},
    {"Tasse",
        {{"", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Beneficiario", 24},
            {"  Causale: ", "Causale", 35}, {"  \u20AC ", "Prezzo", -1}},
        18},
    // Vehicles keep the plate in Periodo.
    {"Automezzi",
        {{"Targa: ", "Periodo", 14}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24},
            {"  A: ", "Beneficiario", 24}, {"  Causale: ", "Causale", 32}, {"  \u20AC ", "Prezzo", -1}},
        14},
    {"Condominio",
        {{"Doc. n. ", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24},
            {"  A: ", "Beneficiario", 24}, {"  Causale: ", "Causale", 30}, {"  \u20AC ", "Prezzo", -1}},
        16},
    {"Acquisti",
        {{"N. ", "Numero", 18}, {"  Data: ", "DataEmi", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Attivita", 24},
            {"  Prodotti: ", "Prodotti", 32}, {"  \u20AC ", "Prezzo", -1}},
        18},
};

const LineShape& shapeOf(const Categoria& categoria)
{
    for (const LineShape& s : Shapes) {
        if (s.key && categoria.Chiave == QLatin1StringView(s.key))
            return s;
    }
    return Shapes[0];
}

// Windows-1252 byte to UTF-16, taken once from the program's one converter.
struct ByteTable {
    char16_t c[256];
    ByteTable()
    {
        char bytes[256];
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        const QString text = Testo::decodifica(bytes, 256);
        for (int b = 0; b < 256; ++b)
            c[b] = text.at(b).unicode();
    }
};

const ByteTable& byteTable()
{
    static const ByteTable table;
    return table;
}

} // namespace

ResultLine::ResultLine(const Categoria& categoria, ListKind kind)
    : tracciato_(&Tracciato::di(categoria.tipo))
{
    byteTable(); // built here, not in the middle of a scan
    const LineShape& shape = shapeOf(categoria);
    for (int i = 0; i < Pieces; ++i) {
        const PieceShape& s = shape.pieces[i];
        Piece& p = pieces_[i];
        p.prefix = QString::fromUtf8(s.prefix);
        const int field = tracciato_->indice(QLatin1StringView(s.field));
        Q_ASSERT(field >= 0);
        p.offset = tracciato_->offset(field);
        p.fieldWidth = tracciato_->larghezza(field);
        p.width = (i == 0 && kind == ListKind::Unpaid) ? shape.unpaidNumberWidth : s.width;
        fixedLength_ += int(p.prefix.size()) + std::max(p.width, 0);
    }
}

void ResultLine::build(const VistaScheda& card, QString& out) const
{
    Q_ASSERT(&card.tracciato() == tracciato_);
    const char* record = card.dati();
    std::array<FieldSpan, Pieces> spans;
    int length = fixedLength_;
    for (int i = 0; i < Pieces; ++i) {
        spans[i] = trimmedField(record, pieces_[i].offset, pieces_[i].fieldWidth);
        if (pieces_[i].width < 0)
            length += spans[i].size;
    }

    out.resize(length);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const char16_t* table = byteTable().c;
    for (int i = 0; i < Pieces; ++i) {
        const Piece& p = pieces_[i];
        std::memcpy(o, p.prefix.utf16(), size_t(p.prefix.size()) * sizeof(char16_t));
        o += p.prefix.size();
        const int taken = p.width < 0 ? spans[i].size : std::min(spans[i].size, p.width);
        for (int k = 0; k < taken; ++k)
            *o++ = table[static_cast<unsigned char>(spans[i].data[k])];
        for (int k = taken; k < p.width; ++k)
            *o++ = u' ';
    }
    Q_ASSERT(o == reinterpret_cast<char16_t*>(out.data()) + length);
}
