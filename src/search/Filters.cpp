#include "search/Filters.h"

#include "archive/Testo.h"
#include "search/FieldSpan.h"
#include "search/TextMatch.h"

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
    const char* key;
    int position;
    FilterRow row;
};

constexpr FilterChange Changes[] = {
    {"Tasse", 0, {"txtNumero", "lblCampo01", "Tipologia tassa:", "Numero"}},
    {"Tasse", 1, {"txtBeneficiario", "lblCampo02", "Ente beneficiario:", "Beneficiario"}},
    {"Condominio", 0, {"txtNumero", "lblCampo01", "Doc. / Fattura n.", "Numero"}},
    {"Acquisti", 0, {"txtNumero", "lblCampo01", "Scontrino / Fattura n.", "Numero"}},
    {"Acquisti", 1, {"txtAttivita", "lblCampo02", "Attivit\u00E0 commerciale:", "Attivita"}},
    {"Acquisti", 3, {"txtSito", "lblCampo10", "Sito Web:", "Sito"}},
    {"Acquisti", 4, {"txtProdotti", "lblCampo05", "Prodotti acquistati:", "Prodotti"}},
    {"Acquisti", 5, {"txtTel", "lblCampo06", "Tel.", "Tel"}},
};

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
    for (const FilterChange& c : Changes) {
        if (categoria.Chiave == QLatin1StringView(c.key))
            filters[c.position] = fieldOf(c.row);
    }
    return filters;
}

FilterSet::FilterSet(const Categoria& categoria, const QStringList& texts)
{
    const Tracciato& t = Tracciato::di(categoria.tipo);
    const QList<FilterField> fields = filtersFor(categoria);
    for (int i = 0; i < fields.size() && i < texts.size(); ++i) {
        const QString& text = texts.at(i);
        if (!Testo::pulito(text).isEmpty())
            ++filled_;
        if (text.isEmpty())
            continue;
        const int field = t.indice(fields.at(i).field);
        Q_ASSERT(field >= 0);
        const QString folded = TextMatch::lowerAtoZ(text);
        Needle n;
        n.offset = t.offset(field);
        n.width = t.larghezza(field);
        n.bytes = Testo::codifica(folded);
        // A character that Windows-1252 has not got turns into "?" on the way
        // in; such a text can never be in a record, so it must not find "?".
        if (Testo::decodifica(n.bytes.constData(), int(n.bytes.size())) != folded)
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
        const FieldSpan field = trimmedField(card.dati(), n.offset, n.width);
        if (TextMatch::containsFolded(field.data, field.size, n.bytes.constData(), n.bytes.size()))
            ++count;
    }
    return count;
}

bool FilterSet::passes(const VistaScheda& card, int required) const
{
    return required <= 0 || matching(card) >= required;
}
