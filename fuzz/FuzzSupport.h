#pragma once

// Small helpers shared by the fuzz targets: turning the fuzzer's bytes into
// texts, and failing loudly when a property does not hold.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property is a crash for libFuzzer: it saves the input that broke it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace FuzzSupport {

// The bytes as a text. An even first byte reads the rest as UTF-8, which makes
// typed-looking texts easy to reach; an odd one reads it as UTF-16
// (little-endian, a last odd byte dropped), which reaches every 16-bit code
// unit, lone surrogates and C1 controls included.
inline QString testo(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return QString();
    const char* resto = reinterpret_cast<const char*>(data + 1);
    const qsizetype n = qsizetype(size - 1);
    if (data[0] % 2 == 0)
        return QString::fromUtf8(resto, n);
    QString s(n / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < n / 2; ++i)
        s[i] = QChar(char16_t(std::uint8_t(resto[2 * i]) | std::uint8_t(resto[2 * i + 1]) << 8));
    return s;
}

// A text's characters with a code of 32 or less removed from both ends, as
// the program trims what it stores and shows.
inline QString senzaBianchi(const QString& s)
{
    qsizetype inizio = 0;
    qsizetype fine = s.size();
    while (inizio < fine && s[inizio].unicode() <= 32)
        ++inizio;
    while (fine > inizio && s[fine - 1].unicode() <= 32)
        --fine;
    return s.mid(inizio, fine - inizio);
}

} // namespace FuzzSupport
