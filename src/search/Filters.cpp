#include "search/Filters.h"

#include "archive/FieldText.h"
#include "search/TextMatch.h"

#include <cstddef>

namespace {

struct FilterRow {
    const char* edit;
    const char* label;
    const char* labelText; // UTF-8
    const char* field;
};

// The bills' filters; eff + the label's number names each highlight.
constexpr FilterRow BillFilters[10] = {
    {"txtNumero", "lblCampo01", "Bolletta / Fattura n.", "Numero"},
    {"txtBeneficiario", "lblCampo02", "Beneficiario:", "Beneficiario"},
    {"txtPrezzo", "lblCampo09", "Importo: \u20AC", "Prezzo"},
    {"txtPeriodo", "lblCampo10", "Periodo di riferimento:", "Periodo"},
    {"txtCausale", "lblCampo05", "Causale:", "Causale"},
    {"txtDataSca", "lblCampo06", "Data scadenza (gg/mm/aaaa):", "DataSca"},
    {"txtPagatore", "lblCampo07", "Pagatore:", "Pagatore"},
    {"txtCodFisc", "lblCampo08", "Codice fiscale:", "CodFisc"},
    {"txtCodCliente", "lblCampo03", "Codice cliente:", "CodCliente"},
    {"txtNote", "lblCampo04", "Note:", "Note"},
};

// Where a category's filters differ from the bills': the position (from 0)
// and the row that takes its place.
struct FilterChange {
    int position;
    FilterRow row;
};

constexpr FilterChange TaxChanges[] = {
    {0, {"txtNumero", "lblCampo01", "Tipologia tassa:", "Numero"}},
    {1, {"txtBeneficiario", "lblCampo02", "Ente beneficiario:", "Beneficiario"}},
};
constexpr FilterChange CondominiumChanges[] = {
    {0, {"txtNumero", "lblCampo01", "Doc. / Fattura n.", "Numero"}},
};
constexpr FilterChange PurchaseChanges[] = {
    {0, {"txtNumero", "lblCampo01", "Scontrino / Fattura n.", "Numero"}},
    {1, {"txtAttivita", "lblCampo02", "Attivit\u00E0 commerciale:", "Attivita"}},
    {3, {"txtSito", "lblCampo10", "Sito Web:", "Sito"}},
    {4, {"txtProdotti", "lblCampo05", "Prodotti acquistati:", "Prodotti"}},
    {5, {"txtTel", "lblCampo06", "Tel.", "Tel"}},
};

struct Changes {
    const FilterChange* begin;
    const FilterChange* end;
};

template <std::size_t N> constexpr Changes all(const FilterChange (&rows)[N])
{
    return {rows, rows + N};
}

Changes changesOf(CategoryId id)
{
    switch (id) {
    case CategoryId::Tasse:
        return all(TaxChanges);
    case CategoryId::Condominio:
        return all(CondominiumChanges);
    case CategoryId::Acquisti:
        return all(PurchaseChanges);
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
    case CategoryId::Automezzi:
    case CategoryId::Varie:
        return {nullptr, nullptr};
    }
    Q_UNREACHABLE();
}

FilterField fieldOf(const FilterRow& r)
{
    const QString label = QString::fromLatin1(r.label);
    return {QString::fromLatin1(r.edit), label, QString::fromUtf8(r.labelText), QString::fromLatin1(r.field),
        QStringLiteral("eff") + label.mid(3)};
}

} // namespace

QList<FilterField> filtersFor(const Categoria& categoria)
{
    QList<FilterField> filters;
    for (const FilterRow& r : BillFilters)
        filters.append(fieldOf(r));
    const Changes changes = changesOf(categoria.id);
    for (const FilterChange* c = changes.begin; c != changes.end; ++c)
        filters[c->position] = fieldOf(c->row);
    return filters;
}

FilterSet::FilterSet(const Categoria& categoria, const QStringList& texts)
{
    const Tracciato& t = Tracciato::di(categoria.tipo);
    const QList<FilterField> fields = filtersFor(categoria);
    for (int i = 0; i < fields.size() && i < texts.size(); ++i) {
        const QString& text = texts.at(i);
        if (!FieldText::trimmed(text).isEmpty())
            ++filled_;
        if (text.isEmpty())
            continue;
        const int field = t.indice(fields.at(i).field);
        Q_ASSERT(field >= 0);
        const QString folded = TextMatch::lowerAtoZ(text);
        Needle n;
        n.field = field;
        n.bytes = FieldText::encode(folded);
        // A character that Windows-1252 has not got turns into "?" on the way
        // in; such a text can never be in a record, so it must not find "?".
        if (FieldText::decode(n.bytes.constData(), int(n.bytes.size())) != folded)
            n.bytes.clear();
        needles_.append(n);
    }
}

int FilterSet::matching(const VistaScheda& card) const
{
    int count = 0;
    for (const Needle& n : needles_) {
        if (n.bytes.isEmpty())
            continue;
        const FieldText::FieldBytes field = card.bytes(n.field);
        if (TextMatch::containsFolded(field.data, field.size, n.bytes.constData(), n.bytes.size()))
            ++count;
    }
    return count;
}

bool FilterSet::passes(const VistaScheda& card, int required) const
{
    return required <= 0 || matching(card) >= required;
}
