#pragma once

#include <QString>
#include <QStringView>

// The rules behind the two code checks, without any window: the check
// character of a codice fiscale and the check digit and issuing office of a
// partita IVA.

// The outcome of a check.
enum class Esito {
    Lunghezza, // the text is not as long as the code must be; nothing else was looked at
    Valido,
    Errato,
};

namespace CodiceFiscale {

inline constexpr int Lunghezza = 16;

// Letters a to z in capitals; every other character as it is.
QString maiuscole(QStringView testo);

// What the character at an odd (1, 3, ... 15) or even (2, 4, ... 14)
// position adds to the sum. The tables run from '0' to 'Z'; the seven
// signs between '9' and 'A', and every character outside the tables, add 0.
int valoreDispari(QChar c);
int valorePari(QChar c);

// The check letter for the first fifteen characters (fewer count as missing).
QChar carattereControllo(QStringView testo);

// The whole check on a text as it is typed: capitals first, then the length
// (every character counts, blanks included), then the sixteenth character
// against the check letter.
Esito controlla(QStringView testo);

} // namespace CodiceFiscale

namespace PartitaIva {

inline constexpr int Lunghezza = 11;

// True for a text that is not empty and holds only the digits 0 to 9.
bool soloCifre(QStringView testo);

// The check digit for the first ten digits (Luhn, as the partita IVA uses it).
int cifraControllo(QStringView dieciCifre);

// Length first, then: eleven digits whose last is the check digit.
Esito controlla(QStringView testo);

// The provincial VAT office of a three-digit code ("058" -> "Roma 1"); empty
// for a code that names none.
QString ufficio(QStringView codice);

// The office code of an eleven-digit number: its characters 8 to 10.
inline QStringView codiceUfficio(QStringView numero)
{
    return numero.mid(7, 3);
}

} // namespace PartitaIva
