#include "output/ExportColumns.h"

#include "archive/Categoria.h"

#include <cstddef>

namespace {

struct Colonna {
    const char* campo;
    const char* intestazione;
    int larghezza;
    const char* intestazioneFile;
    int larghezzaFile;
    bool modificabile;
};

// The bills' columns: Luce, Gas, Acqua, Rifiuti, Telefono and Varie use them
// as they are; the others change some of them below.
constexpr Colonna Standard[] = {
    {"Numero", "Bolletta n.", 150, "Bolletta n.", 180, false},
    {"DataEmi", "Data emissione", 150, "Data emissione", 180, false},
    {"Beneficiario", "Beneficiario", 200, "Beneficiario", 250, false},
    {"CC", "Conto corrente / IBAN", 200, "Conto corrente o IBAN", 250, false},
    {"DataSca", "Data scadenza", 150, "Data scadenza", 180, false},
    {"Periodo", "Periodo di riferimento", 200, "Periodo di riferimento", 250, false},
    {"DataPag", "Data pagamento", 150, "Data pagamento", 180, true},
    {"Causale", "Causale", 250, "Causale", 300, false},
    {"Consumi", "Consumi", 200, "Consumi", 300, false},
    {"Modalita", "Modalità di pagamento", 200, "Modalità di pagamento", 250, false},
    {"Estremi", "Estremi ricevuta", 200, "Estremi ricevuta", 250, true},
    {"Pagatore", "Pagatore", 200, "Pagatore", 250, true},
    {"CodFisc", "Codice fiscale", 180, "Codice fiscale", 200, true},
    {"CodCliente", "Codice cliente", 180, "Codice cliente", 200, true},
    {"Prezzo", "Importo", 150, "Importo", 180, false},
    {"Note", "Note", 300, "Note", 350, true},
    {"Segnala", "Da pagare", 120, "Da pagare", 150, false},
};
static_assert(sizeof(Standard) / sizeof(Standard[0]) == 17, "seventeen exported columns");

// A column that a category shows differently; `colonna` counts from 1, as
// the grid does (its column 0 is the card number).
struct Variante {
    int colonna;
    Colonna come;
};

constexpr Variante TaxColumns[] = {
    {1, {"Numero", "Tipologia tassa", 200, "Tipologia tassa", 250, false}},
    {2, {"DataEmi", "Data decorrenza", 150, "Data decorrenza", 180, false}},
    {3, {"Beneficiario", "Ente beneficiario", 200, "Ente beneficiario", 250, false}},
    {9, {"Consumi", "Codici", 200, "Codici", 300, false}},
};
constexpr Variante VehicleColumns[] = {
    {1, {"Numero", "Doc. n.", 150, "Doc. n.", 180, false}},
    {6, {"Periodo", "Targa veicolo", 150, "Targa veicolo", 200, false}},
    {9, {"Consumi", "Marca e modello veicolo", 250, "Marca e modello veicolo", 280, false}},
};
constexpr Variante CondominiumColumns[] = {
    {1, {"Numero", "Doc. n.", 150, "Doc. n.", 180, false}},
    {9, {"Consumi", "Immobile", 300, "Immobile", 300, false}},
};
constexpr Variante PurchaseColumns[] = {
    {1, {"Numero", "Scontrino n.", 150, "Scontrino n.", 180, false}},
    {3, {"Attivita", "Attività commerciale", 250, "Attività commerciale", 280, false}},
    {4, {"Email", "E-mail", 180, "E-mail", 250, false}},
    {5, {"Tel", "Tel.", 150, "Tel.", 200, false}},
    {6, {"Sito", "Sito Web", 250, "Sito Web", 250, false}},
    {7, {"Garanzia", "Garanzia", 250, "Garanzia", 250, true}},
    {8, {"Prodotti", "Prodotti acquistati", 350, "Prodotti acquistati", 350, false}},
    {9, {"Dettagli", "Dettagli", 350, "Dettagli", 350, false}},
    {11, {"Documenti", "Documenti acquisto", 300, "Documenti di acquisto", 300, true}},
};

struct Variants {
    const Variante* begin;
    const Variante* end;
};

template <std::size_t N> constexpr Variants all(const Variante (&v)[N])
{
    return {v, v + N};
}

Variants variantsOf(CategoryId id)
{
    switch (id) {
    case CategoryId::Tasse:
        return all(TaxColumns);
    case CategoryId::Automezzi:
        return all(VehicleColumns);
    case CategoryId::Condominio:
        return all(CondominiumColumns);
    case CategoryId::Acquisti:
        return all(PurchaseColumns);
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
    case CategoryId::Varie:
        return {nullptr, nullptr};
    }
    Q_UNREACHABLE();
}

ExportColumn daTabella(const Colonna& c)
{
    return {QString::fromLatin1(c.campo), QString::fromUtf8(c.intestazione), c.larghezza,
        QString::fromUtf8(c.intestazioneFile), c.larghezzaFile, c.modificabile};
}

} // namespace

QList<ExportColumn> ExportColumns::of(const Categoria& categoria)
{
    QList<ExportColumn> colonne;
    for (const Colonna& c : Standard)
        colonne << daTabella(c);
    const Variants variants = variantsOf(categoria.id);
    for (const Variante* v = variants.begin; v != variants.end; ++v)
        colonne[v->colonna - 1] = daTabella(v->come);
    return colonne;
}
