#pragma once

#include <QString>

// The amount field keeps amounts as text with a decimal comma and two
// decimals. These helpers hold its rules apart from the widget.

// Normalises what the user left in the amount field: read as a decimal
// number with "," as separator, rounded to cents with halves upwards, written
// back in its shortest form with at least two decimals ("12" -> "12,00",
// "12,346" -> "12,35", "1,005" -> "1,01"). Empty or unreadable text gives
// "0,00". The arithmetic is done on the digits, never in binary floating
// point, so what the user sees is what was typed, rounded as on paper.
QString normalizeAmount(const QString& testo);

// True when the normal form of the text fits in an amount field of
// `larghezza` characters. The amount field (15 characters) refuses an edit
// that would make this false, so what the user types or pastes has at most
// twelve digits before the comma and is never cut when normalised.
bool amountFits(const QString& testo, int larghezza);

// True when a typed character may enter the amount field: digits and comma.
bool isAmountChar(QChar c);

// True when a typed character may enter the codice fiscale field: Latin
// letters and digits.
bool isTaxCodeChar(QChar c);

// The codice fiscale field keeps its text trimmed and in capitals (only a-z
// change case).
QString normalizeTaxCode(const QString& testo);
