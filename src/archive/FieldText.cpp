#include "archive/FieldText.h"

#include <cstring>

namespace {

// Bytes 80 to 9F of Windows-1252. The five undefined bytes stand for the
// control characters with their own code, so they survive a round trip.
constexpr char16_t daByte80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// Every other byte is the character with the same code.
struct TabellaDecodifica {
    char16_t c[256];
    constexpr TabellaDecodifica()
        : c()
    {
        for (int b = 0; b < 256; ++b)
            c[b] = (b >= 0x80 && b < 0xA0) ? daByte80[b - 0x80] : char16_t(b);
    }
};
constexpr TabellaDecodifica tabella;

constexpr char sostituto = '?';

// The byte for one UTF-16 unit that is not a surrogate.
char byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (daByte80[i] == c)
            return char(0x80 + i);
    }
    return sostituto;
}

// Encodes at most `massimo` characters of `testo` into `out`; returns the
// number of bytes written.
int encodeInto(QStringView testo, char* out, int massimo)
{
    const char16_t* p = testo.utf16();
    const char16_t* fine = p + testo.size();
    int n = 0;
    while (p < fine && n < massimo) {
        const char16_t c = *p++;
        if (QChar::isHighSurrogate(c)) {
            // A pair is one character: one replacement for both halves.
            if (p < fine && QChar::isLowSurrogate(*p))
                ++p;
            out[n++] = sostituto;
        } else if (QChar::isLowSurrogate(c)) {
            out[n++] = sostituto;
        } else {
            out[n++] = byteOf(c);
        }
    }
    return n;
}

} // namespace

namespace FieldText {

QStringView trimmed(QStringView testo)
{
    const char16_t* inizio = testo.utf16();
    const char16_t* fine = inizio + testo.size();
    trimRange(inizio, fine);
    return QStringView(inizio, fine);
}

bool encodable(char16_t c)
{
    if (QChar::isSurrogate(c))
        return false;
    return c == char16_t(sostituto) || byteOf(c) != sostituto;
}

QString decode(const char* dati, int n)
{
    if (n <= 0)
        return QString();
    QString s(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    const auto* in = reinterpret_cast<const unsigned char*>(dati);
    // A plain table look-up per byte: measured faster than an ASCII fast path
    // or a fix-up pass, and the string's allocation costs more than both.
    for (int i = 0; i < n; ++i)
        out[i] = tabella.c[in[i]];
    return s;
}

QByteArray encode(QStringView testo)
{
    QByteArray b(testo.size(), Qt::Uninitialized);
    b.truncate(encodeInto(testo, b.data(), int(testo.size())));
    return b;
}

QString fromField(const char* campo, int larghezza)
{
    const FieldBytes f = trimmedBytes(campo, larghezza);
    return decode(f.data, f.size);
}

void appendFromField(QString& out, const char* campo, int larghezza)
{
    const FieldBytes f = trimmedBytes(campo, larghezza);
    const qsizetype prima = out.size();
    out.resize(prima + f.size);
    char16_t* scritto = reinterpret_cast<char16_t*>(out.data()) + prima;
    const auto* in = reinterpret_cast<const unsigned char*>(f.data);
    for (int i = 0; i < f.size; ++i)
        scritto[i] = tabella.c[in[i]];
}

void decodeInto(const char* dati, int n, char16_t* out)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(dati);
    int k = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    auto spread = [](quint64 four) { // four bytes into four 16-bit units
        four = (four | (four << 16)) & 0x0000FFFF0000FFFFULL;
        return (four | (four << 8)) & 0x00FF00FF00FF00FFULL;
    };
    for (; k + 8 <= n; k += 8) {
        quint64 eight;
        std::memcpy(&eight, bytes + k, 8);
        if (eight & 0x8080808080808080ULL)
            break;
        const quint64 low = spread(eight & 0xFFFFFFFFu);
        const quint64 high = spread(eight >> 32);
        std::memcpy(out + k, &low, 8);
        std::memcpy(out + k + 4, &high, 8);
    }
#endif
    for (; k < n; ++k)
        out[k] = tabella.c[bytes[k]];
}

void toField(QStringView testo, char* campo, int larghezza)
{
    const int n = encodeInto(trimmed(testo), campo + 1, larghezza);
    campo[0] = char(static_cast<unsigned char>(n));
    std::memset(campo + 1 + n, 0, size_t(larghezza - n));
}

} // namespace FieldText
