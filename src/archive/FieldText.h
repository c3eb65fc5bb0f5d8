#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The one place where texts cross between the program's strings and the bytes
// of a record file.
//
// Record files hold Windows-1252 text. The table is our own, so the result is
// the same on every platform and on a Qt built without ICU. The five bytes
// that Windows-1252 leaves undefined (81 8D 8F 90 9D) are read as the control
// characters with the same code (U+0081 and so on) and written back as the
// same byte, so whatever a file holds survives a read and a rewrite. A
// character that Windows-1252 cannot hold is written as one "?" (a surrogate
// pair, being one character, also gives one "?").
//
// A field of width W takes W + 1 bytes: the length L, then L bytes of text,
// then W - L bytes that mean nothing.
namespace FieldText {

// Blanks, for trimming: every character whose code is 32 or less. A no-break
// space (U+00A0) is not one of them.
constexpr bool isBlank(char16_t c)
{
    return c <= 32;
}

// The range [begin, end) without its leading and trailing blanks: the one
// trimming rule, for texts and for record bytes alike (every byte that
// decodes to a blank is itself a blank, so trimming the bytes trims the text).
template <typename Unit> void trimRange(const Unit*& begin, const Unit*& end)
{
    while (begin < end && isBlank(char16_t(*begin)))
        ++begin;
    while (end > begin && isBlank(char16_t(end[-1])))
        --end;
}

// The text without its leading and trailing blanks.
QStringView trimmed(QStringView testo);

// The trimmed text of one field, as the bytes where the record already is:
// the scans test and copy fields without decoding them first.
struct FieldBytes {
    const char* data;
    int size;
};

// The field whose length byte is at campo[0], trimmed. A length larger than
// the width (a damaged file) is taken as the width, so nothing outside the
// field is ever read.
inline FieldBytes trimmedBytes(const char* campo, int larghezza)
{
    const auto* byte = reinterpret_cast<const unsigned char*>(campo);
    const int lunghezza = byte[0] < larghezza ? byte[0] : larghezza;
    const unsigned char* inizio = byte + 1;
    const unsigned char* fine = inizio + lunghezza;
    trimRange(inizio, fine);
    return {reinterpret_cast<const char*>(inizio), int(fine - inizio)};
}

// Record bytes to UTF-16 at `out` (room for n units), nothing trimmed: plain
// ASCII eight bytes at a time, the rest through the Windows-1252 table. For
// scans that write many fields into one buffer.
void decodeInto(const char* dati, int n, char16_t* out);

// Whether a record can hold the character: true for every character that
// Windows-1252 has a byte for, false for the rest (which a record turns into
// "?") and for either half of a surrogate pair.
bool encodable(char16_t c);

// Windows-1252 bytes to text, with nothing trimmed.
QString decode(const char* dati, int n);
// Text to Windows-1252 bytes, with nothing trimmed: one byte per character.
QByteArray encode(QStringView testo);

// Field to text: the trimmed text of the field whose length byte is at
// campo[0]. A length larger than the width (a damaged file) is taken as the
// width, so nothing outside the field is ever read. Decodes straight from the
// record's bytes; the returned string is the only allocation.
QString fromField(const char* campo, int larghezza);
// The same text appended to `out`, for building one string from many fields.
void appendFromField(QString& out, const char* campo, int larghezza);

// Text to field: trims, encodes, keeps at most `larghezza` bytes (the rest is
// dropped), writes the length and the bytes at campo[0..larghezza] and clears
// the unused bytes after the text, so no earlier text lingers in the file.
void toField(QStringView testo, char* campo, int larghezza);

} // namespace FieldText
