#include "archive/Categoria.h"

#include <tuple>

namespace {

// Standard labels of the bill layout, in tab order; the categories that
// change some of them say which below.
QList<Etichetta> etichetteBolletta(const QList<std::pair<QString, QString>>& diverse = {})
{
    QList<Etichetta> e = {
        {QStringLiteral("Numero"), QStringLiteral("lblCampo001"), QStringLiteral("Bolletta / Fattura n.")},
        {QStringLiteral("DataEmi"), QStringLiteral("lblCampo016"), QStringLiteral("Data emissione:")},
        {QStringLiteral("Beneficiario"), QStringLiteral("lblCampo002"), QStringLiteral("Beneficiario:")},
        {QStringLiteral("CC"), QStringLiteral("lblCampo003"), QStringLiteral("Conto corrente / IBAN:")},
        {QStringLiteral("DataSca"), QStringLiteral("lblCampo013"), QStringLiteral("Data scadenza:")},
        {QStringLiteral("Periodo"), QStringLiteral("lblCampo004"), QStringLiteral("Periodo di riferimento:")},
        {QStringLiteral("DataPag"), QStringLiteral("lblCampo014"), QStringLiteral("Data pagamento:")},
        {QStringLiteral("Causale"), QStringLiteral("lblCampo005"), QStringLiteral("Causale:")},
        {QStringLiteral("Consumi"), QStringLiteral("lblCampo006"), QStringLiteral("Consumi:")},
        {QStringLiteral("Modalita"), QStringLiteral("lblCampo007"), QStringLiteral("Modalità di pagamento:")},
        {QStringLiteral("Estremi"), QStringLiteral("lblCampo008"), QStringLiteral("Estremi ricevuta:")},
        {QStringLiteral("Pagatore"), QStringLiteral("lblCampo009"), QStringLiteral("Pagatore:")},
        {QStringLiteral("CodFisc"), QStringLiteral("lblCampo011"), QStringLiteral("Codice fiscale:")},
        {QStringLiteral("CodCliente"), QStringLiteral("lblCampo015"), QStringLiteral("Codice cliente:")},
        {QStringLiteral("Note"), QStringLiteral("lblCampo010"), QStringLiteral("Note:")},
    };
    for (const auto& [campo, testo] : diverse) {
        for (auto& et : e) {
            if (et.campo == campo)
                et.testo = testo;
        }
    }
    return e;
}

QList<Etichetta> etichetteAcquisto()
{
    return {
        {QStringLiteral("Numero"), QStringLiteral("lblCampo001"), QStringLiteral("Scontrino / Fattura n.")},
        {QStringLiteral("DataEmi"), QStringLiteral("lblCampo016"), QStringLiteral("Data emissione:")},
        {QStringLiteral("Attivita"), QStringLiteral("lblCampo002"), QStringLiteral("Attività commerciale:")},
        {QStringLiteral("Email"), QStringLiteral("lblCampo003"), QStringLiteral("E-mail:")},
        {QStringLiteral("Tel"), QStringLiteral("lblCampo013"), QStringLiteral("Tel.")},
        {QStringLiteral("Sito"), QStringLiteral("lblCampo004"), QStringLiteral("Sito Web:")},
        {QStringLiteral("Garanzia"), QStringLiteral("lblCampo014"), QStringLiteral("Garanzia:")},
        {QStringLiteral("Prodotti"), QStringLiteral("lblCampo005"), QStringLiteral("Prodotti acquistati:")},
        {QStringLiteral("Dettagli"), QStringLiteral("lblCampo006"), QStringLiteral("Dettagli:")},
        {QStringLiteral("Modalita"), QStringLiteral("lblCampo007"), QStringLiteral("Modalità di pagamento:")},
        {QStringLiteral("Documenti"), QStringLiteral("lblCampo008"), QStringLiteral("Documenti acquisto:")},
        {QStringLiteral("Pagatore"), QStringLiteral("lblCampo009"), QStringLiteral("Pagatore:")},
        {QStringLiteral("CodFisc"), QStringLiteral("lblCampo011"), QStringLiteral("Codice fiscale:")},
        {QStringLiteral("CodCliente"), QStringLiteral("lblCampo015"), QStringLiteral("Codice cliente:")},
        {QStringLiteral("Note"), QStringLiteral("lblCampo010"), QStringLiteral("Note:")},
    };
}

Categoria bolletta(CategoryId id, const char* chiave, const char* riquadro, const char* titoloRiquadro,
    const char* nome, const char* descrizione, const char* articolata, const char* riepilogo, const char* suggerimento,
    const QList<std::pair<QString, QString>>& diverse = {})
{
    const QString k = QString::fromUtf8(chiave);
    return Categoria {id, k, k.toLower(), Tipo::TSchedaBolletta, QString::fromUtf8(riquadro),
        QString::fromUtf8(titoloRiquadro), QString::fromUtf8(nome), QString::fromUtf8(descrizione),
        QString::fromUtf8(articolata), QString::fromUtf8(riepilogo), QString::fromUtf8(suggerimento),
        etichetteBolletta(diverse), {}, 0, Emblem::Coins};
}

QString serve(const char* cosa)
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(cosa)
        + QLatin1Char('.');
}

// The checks of the bills layout; categories that word them differently, or
// check one field more, say so.
QList<CampoObbligatorio> obbligatoriBolletta(const char* numero = "il numero della bolletta o fattura",
    const char* beneficiario = "il nome del beneficiario del pagamento",
    const char* importo = "l'importo della bolletta o fattura", bool targa = false)
{
    QList<CampoObbligatorio> o = {
        {QStringLiteral("txtNumero"), serve(numero)},
        {QStringLiteral("txtBeneficiario"), serve(beneficiario)},
        {QStringLiteral("txtDataSca"), serve("la data di scadenza del pagamento")},
        {QStringLiteral("txtCausale"), serve("la causale del pagamento")},
        {QStringLiteral("txtPagatore"), serve("il nome del pagatore")},
        {QStringLiteral("txtPrezzo"), serve(importo)},
    };
    if (targa)
        o.insert(3, {QStringLiteral("txtPeriodo"), serve("la targa del veicolo")});
    return o;
}

QList<CampoObbligatorio> obbligatoriAcquisto()
{
    return {
        {QStringLiteral("txtNumero"), serve("il numero dello scontrino o fattura")},
        // Worded exactly as the users see it, doubled "di" included.
        {QStringLiteral("txtDataEmi"), serve("la data di di emissione dello scontrino o fattura")},
        {QStringLiteral("txtAttivita"), serve("la denominazione dell'attività commerciale")},
        {QStringLiteral("txtProdotti"), serve("i prodotti acquistati")},
        {QStringLiteral("txtPagatore"), serve("il nome del pagatore")},
        {QStringLiteral("txtPrezzo"), serve("l'importo dell'acquisto")},
    };
}

QList<CampoObbligatorio> obbligatori(CategoryId id)
{
    switch (id) {
    case CategoryId::Automezzi:
        return obbligatoriBolletta("il numero della bolletta o fattura", "il nome del beneficiario del pagamento",
            "l'importo della bolletta o fattura", true);
    case CategoryId::Condominio:
        return obbligatoriBolletta(
            "il numero del documento o fattura", "il nome del beneficiario del pagamento", "l'importo del pagamento");
    case CategoryId::Tasse:
        return obbligatoriBolletta(
            "la tipologia di tassa", "l'Ente beneficiario del pagamento", "l'importo della tassa");
    case CategoryId::Acquisti:
        return obbligatoriAcquisto();
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
    case CategoryId::Varie:
        return obbligatoriBolletta();
    }
    Q_UNREACHABLE();
}

// The accent colour and the emblem of a category's pictures.
std::pair<quint32, Emblem> look(CategoryId id)
{
    switch (id) {
    case CategoryId::Luce:
        return {0xF0A73A, Emblem::Bulb};
    case CategoryId::Gas:
        return {0x4A82D6, Emblem::Flame};
    case CategoryId::Acqua:
        return {0x2FA6D8, Emblem::Drop};
    case CategoryId::Rifiuti:
        return {0x4AA864, Emblem::Bin};
    case CategoryId::Telefono:
        return {0x7E67C8, Emblem::Phone};
    case CategoryId::Automezzi:
        return {0xDF5E55, Emblem::Car};
    case CategoryId::Condominio:
        return {0xC27D4C, Emblem::Building};
    case CategoryId::Acquisti:
        return {0x25A597, Emblem::Cart};
    case CategoryId::Tasse:
        return {0x5E7299, Emblem::StampedDocument};
    case CategoryId::Varie:
        return {0xD6A21E, Emblem::Coins};
    }
    Q_UNREACHABLE();
}

QList<Categoria> costruisci()
{
    const QString numero = QStringLiteral("Numero");
    const QString consumi = QStringLiteral("Consumi");
    QList<Categoria> c;
    c << bolletta(CategoryId::Luce, "Luce", "Luce", "LUCE", "Luce", "bollette luce", "delle bollette luce",
        "bollette luce da pagare", "Visualizza il riepilogo delle bollette luce non pagate.");
    c << bolletta(CategoryId::Gas, "Gas", "Gas", "GAS", "Gas", "bollette gas", "delle bollette gas",
        "bollette gas da pagare", "Visualizza il riepilogo delle bollette gas non pagate.");
    c << bolletta(CategoryId::Acqua, "Acqua", "Acqua", "ACQUA", "Acqua", "bollette acqua", "delle bollette acqua",
        "bollette acqua da pagare", "Visualizza il riepilogo delle bollette acqua non pagate.");
    c << bolletta(CategoryId::Rifiuti, "Rifiuti", "Rifiuti", "RIFIUTI", "Rifiuti", "bollette rifiuti",
        "delle bollette rifiuti", "bollette rifiuti da pagare",
        "Visualizza il riepilogo delle bollette rifiuti non pagate.");
    c << bolletta(CategoryId::Telefono, "Telefono", "Telefono", "TELEFONO / WEB", "Telefono e Web",
        "bollette telefono e Web", "delle bollette telefono e Web", "bollette telefono e Web da pagare",
        "Visualizza il riepilogo delle bollette telefono e Web non pagate.");
    c << bolletta(CategoryId::Automezzi, "Automezzi", "Auto", "AUTO", "Auto", "pagamenti auto",
        "dei pagamenti per l'auto", "pagamenti auto da saldare",
        "Visualizza il riepilogo dei pagamenti per l'auto da saldare.",
        {{numero, QStringLiteral("Doc. / Fattura n.")}, {QStringLiteral("Periodo"), QStringLiteral("Targa veicolo:")},
            {consumi, QStringLiteral("Marca e modello veicolo:")}});
    c << bolletta(CategoryId::Condominio, "Condominio", "Condominio", "CONDOMINIO", "Condominio", "spese condominiali",
        "delle spese condominiali", "spese condominiali da saldare",
        "Visualizza il riepilogo delle spese condominiali non saldate.",
        {{numero, QStringLiteral("Doc. / Fattura n.")}, {consumi, QStringLiteral("Immobile:")}});
    Categoria acquisti = bolletta(CategoryId::Acquisti, "Acquisti", "Acquisti", "ACQUISTI", "Acquisti", "acquisti",
        "degli acquisti", "acquisti da pagare", "Visualizza il riepilogo degli acquisti non pagati.");
    acquisti.tipo = Tipo::TSchedaAcquisto;
    acquisti.Etichette = etichetteAcquisto();
    c << acquisti;
    c << bolletta(CategoryId::Tasse, "Tasse", "Tasse", "TASSE", "Tasse", "tasse", "delle tasse", "tasse da pagare",
        "Visualizza il riepilogo delle tasse non pagate.",
        {{numero, QStringLiteral("Tipologia tassa:")}, {QStringLiteral("DataEmi"), QStringLiteral("Data decorrenza:")},
            {QStringLiteral("Beneficiario"), QStringLiteral("Ente beneficiario:")},
            {consumi, QStringLiteral("Codici:")}});
    c << bolletta(CategoryId::Varie, "Varie", "Varie", "VARIE", "Varie", "pagamenti vari", "dei pagamenti vari",
        "pagamenti da saldare", "Visualizza il riepilogo dei pagamenti non saldati.");
    for (Categoria& cat : c) {
        cat.Obbligatori = obbligatori(cat.id);
        std::tie(cat.accent, cat.emblem) = look(cat.id);
    }
    return c;
}

const QString& suffissoData(const QString& campo)
{
    static const QString emi = QStringLiteral("_dataemi");
    static const QString sca = QStringLiteral("_datasca");
    static const QString pag = QStringLiteral("_datapag");
    static const QString none;
    if (campo == QLatin1String("DataEmi"))
        return emi;
    if (campo == QLatin1String("DataSca"))
        return sca;
    if (campo == QLatin1String("DataPag"))
        return pag;
    return none;
}

} // namespace

QList<QString> Categoria::CampiData() const
{
    if (tipo == Tipo::TSchedaAcquisto)
        return {QStringLiteral("DataEmi")};
    return {QStringLiteral("DataEmi"), QStringLiteral("DataSca"), QStringLiteral("DataPag")};
}

QList<QString> Categoria::TagData() const
{
    QList<QString> tags;
    for (const QString& campo : CampiData())
        tags << Sigla + suffissoData(campo);
    return tags;
}

QString Categoria::TagData(const QString& campo) const
{
    if (!CampiData().contains(campo))
        return {};
    return Sigla + suffissoData(campo);
}

QString Categoria::TestoEtichetta(const QString& campo) const
{
    for (const auto& e : Etichette) {
        if (e.campo == campo)
            return e.testo;
    }
    return {};
}

const QList<Categoria>& Catalogo::Tutte()
{
    static const QList<Categoria> catalogo = costruisci();
    return catalogo;
}

const Categoria& Catalogo::PerId(CategoryId id)
{
    // The catalogue lists the categories in the enum's order.
    const Categoria& c = Tutte().at(qsizetype(id));
    Q_ASSERT(c.id == id);
    return c;
}

const Categoria* Catalogo::PerChiave(const QString& chiave)
{
    for (const auto& c : Tutte()) {
        if (c.Chiave == chiave)
            return &c;
    }
    return nullptr;
}

const Categoria* Catalogo::PerSigla(const QString& sigla)
{
    for (const auto& c : Tutte()) {
        if (c.Sigla == sigla)
            return &c;
    }
    return nullptr;
}

DataTag Catalogo::PerTagData(const QString& tag)
{
    for (const auto& c : Tutte()) {
        for (const QString& campo : c.CampiData()) {
            if (c.TagData(campo) == tag)
                return {&c, campo};
        }
    }
    return {};
}
