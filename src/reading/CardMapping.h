#pragma once

#include "editor/CardFields.h"
#include "reading/BillReading.h"

#include <QString>
#include <QVector>

#include <optional>

struct Categoria;

// Where the data read off a bill goes on a category's archive screen, and
// which of it is offered ticked. Widget-free: the confirmation window shows
// the rows and writes the ticked ones through the screen.
namespace reading {

// The card field that takes one kind of bill data.
struct CardTarget {
    QString field; // record field, "Prezzo"
    QString control; // the screen's edit, "txtPrezzo"
    QString label; // the field's label as the screen shows it, "Data scadenza:"
};

// The field of the category's card that takes `field`; none when the card
// keeps no such data (the creditor's tax code, the IBAN of a purchase) or its
// slot holds something else in this category (the vehicle's plate, the type
// of tax).
std::optional<CardTarget> targetOf(const Categoria& categoria, BillField field);

// The text a read value is written into the card as: the notice code as
// "Avviso pagoPA " and the code, the IBAN in capitals without blanks, the
// payer's code as its field keeps it.
QString cardText(BillField field, const QString& value);

// The "Fonte" of a value.
QString sourceText(Source source);

// One row of the confirmation window.
struct Row {
    BillField field;
    CardTarget target;
    QString text; // what goes into the card
    Source source;
    QString current; // what the card holds now
    bool usable = false; // the text is one the field could have been given by hand
    bool same = false; // the card already holds it
    bool ticked = false; // offered for writing: usable, and the field is empty
};

// The rows for what was read, one per field the category keeps, in the
// order of BillField; `current` is the card on the screen as texts.
QVector<Row> rowsFor(const Categoria& categoria, const BillReading& reading, const FieldTexts& current);

// The status-bar line after `filled` fields were written into the card.
QString filledText(int filled);

// The message when nothing of use was read.
QString nothingReadText();

} // namespace reading
