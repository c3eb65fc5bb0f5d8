#include "search/ResultLine.h"

#include "archive/FieldText.h"

#include <algorithm>
#include <cstring>

namespace {

struct PieceShape {
    const char* prefix; // UTF-8
    const char* field;
    int width; // -1: whole
};

// One shape of line. `unpaidNumberWidth` is the width of the first field in
// the unpaid summary.
struct LineShape {
    PieceShape pieces[ResultLine::Pieces];
    int unpaidNumberWidth;
};

constexpr LineShape BillLine
    = {{{"N. ", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Beneficiario", 24},
           {"  Causale: ", "Causale", 32}, {"  \u20AC ", "Prezzo", -1}},
        18};
constexpr LineShape TaxLine
    = {{{"", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Beneficiario", 24},
           {"  Causale: ", "Causale", 35}, {"  \u20AC ", "Prezzo", -1}},
        18};
// Vehicles keep the plate in Periodo.
constexpr LineShape VehicleLine
    = {{{"Targa: ", "Periodo", 14}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24},
           {"  A: ", "Beneficiario", 24}, {"  Causale: ", "Causale", 32}, {"  \u20AC ", "Prezzo", -1}},
        14};
constexpr LineShape CondominiumLine
    = {{{"Doc. n. ", "Numero", 18}, {"  Scad. ", "DataSca", 10}, {"  Da: ", "Pagatore", 24},
           {"  A: ", "Beneficiario", 24}, {"  Causale: ", "Causale", 30}, {"  \u20AC ", "Prezzo", -1}},
        16};
constexpr LineShape PurchaseLine
    = {{{"N. ", "Numero", 18}, {"  Data: ", "DataEmi", 10}, {"  Da: ", "Pagatore", 24}, {"  A: ", "Attivita", 24},
           {"  Prodotti: ", "Prodotti", 32}, {"  \u20AC ", "Prezzo", -1}},
        18};

const LineShape& shapeOf(const Categoria& categoria)
{
    switch (categoria.id) {
    case CategoryId::Tasse:
        return TaxLine;
    case CategoryId::Automezzi:
        return VehicleLine;
    case CategoryId::Condominio:
        return CondominiumLine;
    case CategoryId::Acquisti:
        return PurchaseLine;
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
    case CategoryId::Varie:
        return BillLine;
    }
    Q_UNREACHABLE();
}

} // namespace

ResultLine::ResultLine(const Categoria& categoria, ListKind kind)
    : tracciato_(&Tracciato::di(categoria.tipo))
{
    const LineShape& shape = shapeOf(categoria);
    for (int i = 0; i < Pieces; ++i) {
        const PieceShape& s = shape.pieces[i];
        Piece& p = pieces_[i];
        const QString prefix = QString::fromUtf8(s.prefix);
        const int field = tracciato_->indice(QLatin1StringView(s.field));
        Q_ASSERT(field >= 0);
        p.field = field;
        p.fieldWidth = tracciato_->larghezza(field);
        p.width = (i == 0 && kind == ListKind::Unpaid) ? shape.unpaidNumberWidth : s.width;
        // Only the last piece may be taken whole, so every other field has
        // a fixed place in the line.
        Q_ASSERT(p.width >= 0 || i == Pieces - 1);
        frame_ += prefix;
        p.at = int(frame_.size());
        frame_ += QString(std::max(p.width, 0), u' ');
        maxLength_ += int(prefix.size()) + (p.width < 0 ? p.fieldWidth : p.width);
    }
    fixedLength_ = int(frame_.size());
}

int ResultLine::measure(const VistaScheda& card, Spans& spans) const
{
    Q_ASSERT(&card.tracciato() == tracciato_);
    int length = fixedLength_;
    for (int i = 0; i < Pieces; ++i) {
        spans[i] = card.bytes(pieces_[i].field);
        if (pieces_[i].width < 0)
            length += spans[i].size;
    }
    return length;
}

void ResultLine::write(const Spans& spans, char16_t* out) const
{
    // The fixed texts and the blanks that pad the fields first, then each
    // field's text in its place.
    std::memcpy(out, frame_.utf16(), size_t(frame_.size()) * sizeof(char16_t));
    for (int i = 0; i < Pieces; ++i) {
        const Piece& p = pieces_[i];
        const int taken = p.width < 0 ? spans[i].size : std::min(spans[i].size, p.width);
        FieldText::decodeInto(spans[i].data, taken, out + p.at);
    }
}

void ResultLine::build(const VistaScheda& card, QString& out) const
{
    Spans spans;
    out.resize(measure(card, spans));
    write(spans, reinterpret_cast<char16_t*>(out.data()));
}

void ResultLine::append(const VistaScheda& card, ResultLines& out) const
{
    Spans spans;
    out.add(measure(card, spans), [&](char16_t* o) { write(spans, o); });
}
