#include "output/CardLayouts.h"

#include "archive/Categoria.h"

namespace {

Reports::CardLayout layout(const char* name, const char* numberPlaceholder, QList<Reports::CardCaption> captions = {})
{
    return {QString::fromLatin1(name), QString::fromLatin1(numberPlaceholder), std::move(captions)};
}

Reports::CardCaption caption(const char* object, const char* text, const char* value = "")
{
    return {QString::fromLatin1(object), QString::fromLatin1(text), QString::fromLatin1(value)};
}

} // namespace

Reports::CardLayout cardLayoutOf(const Categoria& categoria)
{
    const char* payment = "Scheda Pagamento";
    switch (categoria.id) {
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
        return layout("Scheda Bolletta", "Numero Bolletta");
    case CategoryId::Varie:
        return layout(payment, "Numero Bolletta");
    case CategoryId::Tasse:
        return layout(payment, "Tipologia tassa",
            {caption("Memo7", "DATA DECORRENZA:"), caption("Memo6", "ENTE BENEFICIARIO:"),
                caption("Memo2", "CODICI:")});
    case CategoryId::Automezzi:
        return layout(payment, "Numero Bolletta",
            {caption("Memo5", "TARGA VEICOLO:"), caption("Memo2", "MARCA E MODELLO VEICOLO:")});
    case CategoryId::Condominio:
        return layout(payment, "Numero Documento", {caption("Memo2", "IMMOBILE:")});
    case CategoryId::Acquisti:
        return layout("Scheda Acquisti", "Numero Scontrino",
            {caption("Memo8", "TEL.", "txtTel"), caption("Memo6", "ATTIVITA' COMMERCIALE:", "txtAttivita"),
                caption("Memo12", "E-MAIL:", "txtEmail"), caption("Memo5", "SITO WEB:", "txtSito"),
                caption("Memo9", "GARANZIA:", "txtGaranzia"), caption("Memo13", "DOCUMENTI ACQUISTO:", "txtDocumenti"),
                caption("Memo3", "PRODOTTI ACQUISTATI:", "txtProdotti"), caption("Memo2", "DETTAGLI:", "txtDettagli")});
    }
    Q_UNREACHABLE();
}
