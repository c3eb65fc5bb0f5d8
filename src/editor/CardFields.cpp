#include "editor/CardFields.h"

namespace {

struct SlotRow {
    const char* control;
    const char* field;
    const char* label; // nullptr: no label
    int x, y, width;
    FieldKind kind;
};

constexpr SlotRow BillSlots[] = {
    {"txtNumero", "Numero", "lblCampo001", 620, 164, 196, FieldKind::Text},
    {"txtDataEmi", "DataEmi", "lblCampo016", 824, 164, 140, FieldKind::Date},
    {"txtBeneficiario", "Beneficiario", "lblCampo002", 620, 212, 344, FieldKind::Text},
    {"txtCC", "CC", "lblCampo003", 620, 260, 196, FieldKind::Text},
    {"txtDataSca", "DataSca", "lblCampo013", 824, 260, 140, FieldKind::Date},
    {"txtPeriodo", "Periodo", "lblCampo004", 620, 308, 196, FieldKind::Text},
    {"txtDataPag", "DataPag", "lblCampo014", 824, 308, 140, FieldKind::Date},
    {"txtCausale", "Causale", "lblCampo005", 620, 356, 344, FieldKind::Text},
    {"txtConsumi", "Consumi", "lblCampo006", 620, 404, 344, FieldKind::Text},
    {"txtModalita", "Modalita", "lblCampo007", 620, 452, 344, FieldKind::Text},
    {"txtEstremi", "Estremi", "lblCampo008", 620, 500, 344, FieldKind::Text},
    {"txtPagatore", "Pagatore", "lblCampo009", 620, 548, 344, FieldKind::Text},
    {"txtCodFisc", "CodFisc", "lblCampo011", 620, 596, 162, FieldKind::TaxCode},
    {"txtCodCliente", "CodCliente", "lblCampo015", 820, 596, 144, FieldKind::Text},
    {"txtPrezzo", "Prezzo", nullptr, 455, 512, 150, FieldKind::Amount},
    {"txtNote", "Note", "lblCampo010", 30, 596, 583, FieldKind::Text},
};

struct Substitute {
    const char* slot;
    const char* control;
    const char* field;
};

constexpr Substitute PurchaseSubstitutes[] = {
    {"txtBeneficiario", "txtAttivita", "Attivita"},
    {"txtCC", "txtEmail", "Email"},
    {"txtDataSca", "txtTel", "Tel"},
    {"txtPeriodo", "txtSito", "Sito"},
    {"txtDataPag", "txtGaranzia", "Garanzia"},
    {"txtCausale", "txtProdotti", "Prodotti"},
    {"txtConsumi", "txtDettagli", "Dettagli"},
    {"txtEstremi", "txtDocumenti", "Documenti"},
};

} // namespace

QList<FieldSlot> fieldSlots(Tipo tipo)
{
    QList<FieldSlot> result;
    for (const SlotRow& r : BillSlots) {
        FieldSlot s;
        s.control = QString::fromLatin1(r.control);
        s.field = QString::fromLatin1(r.field);
        if (r.label)
            s.label = QString::fromLatin1(r.label);
        s.x = r.x;
        s.y = r.y;
        s.width = r.width;
        s.kind = r.kind;
        if (tipo == Tipo::TSchedaAcquisto) {
            for (const Substitute& sub : PurchaseSubstitutes) {
                if (s.control == QLatin1String(sub.slot)) {
                    s.control = QString::fromLatin1(sub.control);
                    s.field = QString::fromLatin1(sub.field);
                    s.kind = FieldKind::Text;
                }
            }
        }
        result.append(s);
    }
    return result;
}

Scheda recordFromTexts(Tipo tipo, const FieldTexts& texts)
{
    Scheda s(tipo);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        s.imposta(it.key(), it.value());
    return s;
}

FieldTexts textsFromRecord(const Scheda& scheda)
{
    const Tracciato& tracciato = scheda.tracciato();
    FieldTexts texts;
    for (int i = 0; i < tracciato.campi(); ++i)
        texts.insert(QString::fromLatin1(tracciato.nome(i)), scheda.testo(i));
    return texts;
}

std::optional<bool> flagTicked(const QString& text)
{
    if (text == Flag::Yes)
        return true;
    if (text == Flag::No)
        return false;
    return std::nullopt;
}

QString flagText(bool ticked)
{
    return ticked ? Flag::Yes : Flag::No;
}

QString attachmentFileField(int slot)
{
    return QStringLiteral("File0%1").arg(slot);
}

QString attachmentDescField(int slot)
{
    return QStringLiteral("Desc0%1").arg(slot);
}
