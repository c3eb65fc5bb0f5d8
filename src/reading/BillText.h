#pragma once

#include "reading/BillReading.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <optional>

// The rules that find a bill's data in its text (a PDF's own text or what
// OCR read), written for Italian bills. Each rule offers a value only when
// the text leaves no doubt: a label it knows, a value of the right form that
// passes its checks, and no second, different value for the same field.
// Offering nothing is always preferred to offering a wrong value.
namespace reading::BillText {

// Texts longer than this are read only this far: no bill page holds more.
inline constexpr int MaxChars = 200'000;

struct Found {
    BillField field;
    QString value;
};

// Every field the rules find in `text`, in the order of BillField. The
// creditor's tax code of the pagoPA code, when known, is never offered as
// the payer's code.
QVector<Found> read(const QString& text, const QStringList& knownPayees, const QString& creditorCode = {});

// The single rules, each on a whole text.
std::optional<QString> amount(const QString& text); // "158,30"
std::optional<QString> dueDate(const QString& text); // dd/mm/yyyy
std::optional<QString> issueDate(const QString& text); // dd/mm/yyyy
std::optional<QString> number(const QString& text);
std::optional<QString> period(const QString& text); // "dd/mm/yyyy - dd/mm/yyyy"
std::optional<QString> customerCode(const QString& text);
std::optional<QString> iban(const QString& text); // upper case, no blanks
std::optional<QString> payerCode(const QString& text, const QString& creditorCode = {});
std::optional<QString> payee(const QString& text, const QStringList& knownPayees);

// One date written as dd/mm/yyyy, dd-mm-yyyy, dd.mm.yyyy (day and month of
// one or two digits, a two-digit year meaning 20yy) or "31 marzo 2024";
// none for anything else or an impossible date.
std::optional<QDate> date(const QString& text);

// The date in the program's form, "dd/mm/yyyy".
QString dateText(const QDate& date);

// True for an IBAN in compact form (capitals, no blanks) of the length its
// country gives it and whose check digits pass the mod-97 rule.
bool ibanValid(QStringView iban);

} // namespace reading::BillText
