#include "reading/CardMapping.h"

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "archive/Tracciato.h"
#include "editor/FieldInput.h"
#include "ui/Formats.h"

#include <QDate>

#include <algorithm>

namespace reading {

namespace {

// The record field of a bill's card that takes the data; none for the
// creditor's tax code, which the card has no place for.
QString billField(BillField field)
{
    switch (field) {
    case BillField::Amount:
        return QStringLiteral("Prezzo");
    case BillField::DueDate:
        return QStringLiteral("DataSca");
    case BillField::IssueDate:
        return QStringLiteral("DataEmi");
    case BillField::Number:
        return QStringLiteral("Numero");
    case BillField::Period:
        return QStringLiteral("Periodo");
    case BillField::CustomerCode:
        return QStringLiteral("CodCliente");
    case BillField::Iban:
        return QStringLiteral("CC");
    case BillField::PayerCode:
        return QStringLiteral("CodFisc");
    case BillField::Payee:
        return QStringLiteral("Beneficiario");
    case BillField::NoticeCode:
        return QStringLiteral("Estremi");
    case BillField::CreditorCode:
        break;
    }
    return {};
}

// Whether the category's card keeps the data at all. A purchase has no due
// date, period, IBAN or payment notice; two categories use a bill's slot
// for something of their own: the period's for the vehicle's plate, the
// number's and the issue date's for the type of tax and the date it runs
// from.
bool keeps(CategoryId id, BillField field)
{
    switch (id) {
    case CategoryId::Luce:
    case CategoryId::Gas:
    case CategoryId::Acqua:
    case CategoryId::Rifiuti:
    case CategoryId::Telefono:
    case CategoryId::Condominio:
    case CategoryId::Varie:
        return true;
    case CategoryId::Automezzi:
        return field != BillField::Period;
    case CategoryId::Tasse:
        return field != BillField::Number && field != BillField::IssueDate;
    case CategoryId::Acquisti:
        return field == BillField::Number || field == BillField::IssueDate || field == BillField::Amount
            || field == BillField::PayerCode || field == BillField::CustomerCode || field == BillField::Payee;
    }
    return false;
}

bool isEmpty(const CardTarget& target, const QString& current)
{
    if (target.field == QLatin1String("Prezzo"))
        return normalizeAmount(current) == QLatin1String("0,00");
    return FieldText::trimmed(current).isEmpty();
}

// The card's text in the form the read value has, to tell the two apart.
QString comparable(BillField field, const QString& current)
{
    switch (field) {
    case BillField::Amount:
        return normalizeAmount(current);
    case BillField::PayerCode:
        return normalizeTaxCode(current);
    case BillField::Iban:
        return cardText(field, current);
    case BillField::DueDate:
    case BillField::IssueDate:
    case BillField::Number:
    case BillField::Period:
    case BillField::CustomerCode:
    case BillField::Payee:
    case BillField::NoticeCode:
    case BillField::CreditorCode:
        break;
    }
    return FieldText::trimmed(current).toString();
}

// Whether the text is one the user could have put in the field: it fits,
// a date is a real day in the program's form, an amount and a code are in
// the form the field keeps them.
bool usable(const Categoria& categoria, BillField field, const CardTarget& target, const QString& text)
{
    const Tracciato& tracciato = Tracciato::di(categoria.tipo);
    const int width = tracciato.larghezza(tracciato.indice(target.field));
    if (FieldText::trimmed(text).isEmpty() || text.size() > width)
        return false;
    switch (field) {
    case BillField::Amount:
        return amountFits(text, width) && normalizeAmount(text) == text && text != QLatin1String("0,00");
    case BillField::DueDate:
    case BillField::IssueDate:
        return QDate::fromString(text, Formats::ShortDate).isValid();
    case BillField::Number:
    case BillField::PayerCode:
    case BillField::Period:
    case BillField::CustomerCode:
    case BillField::Iban:
    case BillField::Payee:
    case BillField::NoticeCode:
    case BillField::CreditorCode:
        break;
    }
    return true;
}

} // namespace

std::optional<CardTarget> targetOf(const Categoria& categoria, BillField field)
{
    if (!keeps(categoria.id, field))
        return std::nullopt;
    QString name = billField(field);
    if (name.isEmpty())
        return std::nullopt;
    if (categoria.tipo == Tipo::TSchedaAcquisto && field == BillField::Payee)
        name = QStringLiteral("Attivita");
    for (const FieldSlot& slot : fieldSlots(categoria.tipo)) {
        if (slot.field != name)
            continue;
        // The amount has no label on the screen; the euro sign stands there.
        const QString label = slot.label.isEmpty() ? QStringLiteral("Importo:") : categoria.TestoEtichetta(slot.field);
        return CardTarget {slot.field, slot.control, label};
    }
    return std::nullopt;
}

QString cardText(BillField field, const QString& value)
{
    switch (field) {
    case BillField::NoticeCode:
        return QStringLiteral("Avviso pagoPA ") + value;
    case BillField::Iban: {
        QString iban;
        for (const QChar c : value) {
            if (!c.isSpace())
                iban += c.toUpper();
        }
        return iban;
    }
    case BillField::PayerCode:
        return normalizeTaxCode(value);
    case BillField::Amount:
    case BillField::DueDate:
    case BillField::IssueDate:
    case BillField::Number:
    case BillField::Period:
    case BillField::CustomerCode:
    case BillField::Payee:
    case BillField::CreditorCode:
        break;
    }
    return value;
}

QString sourceText(Source source)
{
    switch (source) {
    case Source::PagoPa:
        return QStringLiteral("Codice pagoPA");
    case Source::PdfText:
        return QStringLiteral("Testo del PDF");
    case Source::Ocr:
        return QStringLiteral("Lettura ottica");
    }
    return {};
}

QVector<Row> rowsFor(const Categoria& categoria, const BillReading& reading, const FieldTexts& current)
{
    QVector<Row> rows;
    for (const ReadValue& v : reading.values) {
        const std::optional<CardTarget> target = targetOf(categoria, v.field);
        if (!target)
            continue;
        Row r {v.field, *target, cardText(v.field, v.value), v.source, current.value(target->field)};
        r.usable = usable(categoria, v.field, r.target, r.text);
        r.same = comparable(v.field, r.current) == r.text;
        r.ticked = r.usable && isEmpty(r.target, r.current);
        rows.append(r);
    }
    // In the order of BillField, whatever order the reading found them in.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return int(a.field) < int(b.field); });
    return rows;
}

QString filledText(int filled)
{
    if (filled == 1)
        return QStringLiteral("È stato compilato 1 campo dalla bolletta: controllarlo prima di salvare.");
    return QStringLiteral("Sono stati compilati %1 campi dalla bolletta: controllarli prima di salvare.").arg(filled);
}

QString nothingReadText()
{
    return QStringLiteral("Non è stato possibile leggere dati utili dalla bolletta.");
}

} // namespace reading
