#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Amounts as the household wrote them, read into whole cents. Sums are kept
// in cents, never in floating point.
namespace Money {

// The amount a card's "Importo" says, in cents, or none when it is not a
// number this rule reads:
// - the program's own form, "1234,50" (also "1234,5" and "1234");
// - thousands points, "1.234,50" or "1.234" (groups of exactly three digits);
// - a single point followed by one or two digits at the end is a decimal
//   point: "12.50" is 12,50;
// - a euro sign or "EUR" before or after, with or without a blank;
// - a leading minus subtracts.
// Anything else ("1,2,3", "circa 30", "12,345", an empty amount) is none.
std::optional<qint64> parseCents(QStringView text);

// "4.193,54": thousands points, a decimal comma, a minus when negative.
QString formatCents(qint64 cents);

// "4193,54": as a spreadsheet reads a number, with no thousands point.
QString formatPlainCents(qint64 cents);

} // namespace Money
