#pragma once

#include <QString>

#include <optional>

// The scrambler of the password store. One byte per character: the low eight
// bits of each character's code are scrambled with a 16-bit key that moves on
// with every scrambled byte, and written as two upper-case hex digits.
namespace Crypt {

// Longest text (and most hex pairs) either direction handles; anything past
// it is left out.
inline constexpr int MaxLength = 255;

// The scrambled text as upper-case hex, two digits per character.
QString Codifica(const QString& text);

// The text back from its hex form. A final odd digit is ignored; a pair that
// is not a hex number makes the whole call fail (no value).
std::optional<QString> Decodifica(const QString& hex);

// True when Codifica then Decodifica gives text back unchanged: at most
// MaxLength characters, each with a code from 0 to 255.
bool keeps(const QString& text);

} // namespace Crypt
