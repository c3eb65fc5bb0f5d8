#include "household/Money.h"

#include "archive/FieldText.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!isDigit(c))
            return false;
    return true;
}

// Strips a euro sign or "EUR" (any case) from either end, with the blanks
// around it. Only one currency mark is taken.
QStringView withoutCurrency(QStringView s)
{
    s = FieldText::trimmed(s);
    const QChar euro(0x20AC);
    if (s.startsWith(euro))
        return FieldText::trimmed(s.mid(1));
    if (s.endsWith(euro))
        return FieldText::trimmed(s.chopped(1));
    if (s.startsWith(QLatin1String("EUR"), Qt::CaseInsensitive))
        return FieldText::trimmed(s.mid(3));
    if (s.endsWith(QLatin1String("EUR"), Qt::CaseInsensitive))
        return FieldText::trimmed(s.chopped(3));
    return s;
}

// An integer part: plain digits, or groups of three after a first group of
// one to three, separated by points. Read without building any string: the
// due-payments list sums every unpaid card of ten archives.
std::optional<qint64> integerPart(QStringView s, bool allowGroups)
{
    if (s.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    int digits = 0;
    int group = 0; // digits since the last point
    bool grouped = false;
    for (QChar c : s) {
        if (c == QLatin1Char('.')) {
            if (!allowGroups || group == 0 || (grouped ? group != 3 : group > 3))
                return std::nullopt;
            grouped = true;
            group = 0;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        // Sixteen digits of euro are far more than any household amount and
        // keep every sum of a few million of them inside 64 bits.
        if (++digits > 16)
            return std::nullopt;
        ++group;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (group == 0 || (grouped && group != 3))
        return std::nullopt;
    return value;
}

std::optional<qint64> fraction(QStringView s)
{
    if (s.isEmpty() || s.size() > 2 || !allDigits(s))
        return std::nullopt;
    const qint64 first = s[0].unicode() - u'0';
    return s.size() == 1 ? first * 10 : first * 10 + (s[1].unicode() - u'0');
}

QString formatWith(qint64 cents, bool thousands)
{
    const bool negative = cents < 0;
    // The magnitude as unsigned, so the smallest qint64 has one too.
    const quint64 magnitude = negative ? 0 - quint64(cents) : quint64(cents);
    QString whole = QString::number(magnitude / 100);
    if (thousands)
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, QLatin1Char('.'));
    const QString part = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + part;
}

} // namespace

std::optional<qint64> Money::parseCents(QStringView text)
{
    QStringView s = withoutCurrency(text);
    bool negative = false;
    if (s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s = FieldText::trimmed(s.mid(1));
        // "- € 12" and "€ -12" alike.
        s = withoutCurrency(s);
    }
    if (s.isEmpty())
        return std::nullopt;

    std::optional<qint64> euros;
    qint64 cents = 0;
    const qsizetype comma = s.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        if (s.indexOf(QLatin1Char(','), comma + 1) >= 0)
            return std::nullopt;
        euros = integerPart(s.left(comma), true);
        const auto f = fraction(s.mid(comma + 1));
        if (!euros || !f)
            return std::nullopt;
        cents = *f;
    } else {
        const qsizetype point = s.lastIndexOf(QLatin1Char('.'));
        const qsizetype after = point < 0 ? 0 : s.size() - point - 1;
        if (point >= 0 && s.count(QLatin1Char('.')) == 1 && (after == 1 || after == 2)) {
            // "12.50": a single point with one or two digits after it.
            euros = integerPart(s.left(point), false);
            const auto f = fraction(s.mid(point + 1));
            if (!euros || !f)
                return std::nullopt;
            cents = *f;
        } else {
            euros = integerPart(s, true);
            if (!euros)
                return std::nullopt;
        }
    }
    const qint64 total = *euros * 100 + cents;
    return negative ? -total : total;
}

QString Money::formatCents(qint64 cents)
{
    return formatWith(cents, true);
}

QString Money::formatPlainCents(qint64 cents)
{
    return formatWith(cents, false);
}
