#include "app/Crypt.h"

namespace {

// The three constants of the scrambler. The delivered password store was
// written with them: changing any of them locks every existing store out.
constexpr quint16 StartKey = 0x3A7C;
constexpr quint16 Multiplier = 0xC1E5;
constexpr quint16 Increment = 0x2F4B;

// It is the scrambled byte, never the plain one, that moves the key on.
quint16 nextKey(quint16 key, quint8 scrambled)
{
    return quint16((quint32(scrambled) + key) * Multiplier + Increment);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString Crypt::Codifica(const QString& text)
{
    static const char digits[] = "0123456789ABCDEF";
    const qsizetype n = qMin<qsizetype>(text.size(), MaxLength);
    QString out;
    out.reserve(2 * n);
    quint16 key = StartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const quint8 plain = quint8(text.at(i).unicode() & 0xFF);
        const quint8 scrambled = plain ^ quint8(key >> 8);
        out += QLatin1Char(digits[scrambled >> 4]);
        out += QLatin1Char(digits[scrambled & 0x0F]);
        key = nextKey(key, scrambled);
    }
    return out;
}

std::optional<QString> Crypt::Decodifica(const QString& hex)
{
    const qsizetype pairs = qMin<qsizetype>(hex.size() / 2, MaxLength);
    // Every pair is parsed before anything is produced.
    QByteArray bytes(pairs, Qt::Uninitialized);
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = char(high << 4 | low);
    }
    QString out;
    out.reserve(pairs);
    quint16 key = StartKey;
    for (const char b : std::as_const(bytes)) {
        const quint8 scrambled = quint8(b);
        out += QChar(char16_t(scrambled ^ quint8(key >> 8)));
        key = nextKey(key, scrambled);
    }
    return out;
}

bool Crypt::keeps(const QString& text)
{
    if (text.size() > MaxLength)
        return false;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}
