#pragma once

#include <QString>
#include <QStringView>

// The rules behind the two code checks, without any window: the check
// character of a codice fiscale and the check digit and issuing office of a
// partita IVA.

// The outcome of a check.
enum class CheckResult {
    WrongLength, // the text is not as long as the code must be; nothing else was looked at
    Valid,
    Wrong,
};

namespace TaxCode {

inline constexpr int Length = 16;

// Letters a to z in capitals; every other character as it is.
QString upperCase(QStringView testo);

// What the character at an odd (1, 3, ... 15) or even (2, 4, ... 14)
// position adds to the sum. The tables run from '0' to 'Z'; the seven
// signs between '9' and 'A', and every character outside the tables, add 0.
int oddValue(QChar c);
int evenValue(QChar c);

// The check letter for the first fifteen characters (fewer count as missing).
QChar checkCharacter(QStringView testo);

// The whole check on a text as it is typed: capitals first, then the length
// (every character counts, blanks included), then the sixteenth character
// against the check letter.
CheckResult check(QStringView testo);

} // namespace TaxCode

namespace VatNumber {

inline constexpr int Length = 11;

// True for a text that is not empty and holds only the digits 0 to 9.
bool digitsOnly(QStringView testo);

// The check digit for the first ten digits (Luhn, as the partita IVA uses it).
int checkDigit(QStringView dieciCifre);

// Length first, then: eleven digits whose last is the check digit.
CheckResult check(QStringView testo);

// The provincial VAT office of a three-digit code ("058" -> "Roma 1"); empty
// for a code that names none.
QString office(QStringView codice);

// The office code of an eleven-digit number: its characters 8 to 10.
inline QStringView officeCode(QStringView numero)
{
    return numero.mid(7, 3);
}

} // namespace VatNumber
