#include "household/BillDates.h"

#include "archive/FieldText.h"

std::optional<QDate> BillDates::parse(QStringView text)
{
    const QStringView s = FieldText::trimmed(text);
    if (s.size() != 10 || s[2] != QLatin1Char('/') || s[5] != QLatin1Char('/'))
        return std::nullopt;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return std::nullopt;
    // Every digit is checked, so they are read as they are: toInt() costs
    // more than the rest of a card's row in the due-payments list.
    const auto digit = [&s](int i) { return s[i].unicode() - u'0'; };
    const int day = digit(0) * 10 + digit(1);
    const int month = digit(3) * 10 + digit(4);
    const int year = ((digit(6) * 10 + digit(7)) * 10 + digit(8)) * 10 + digit(9);
    const QDate d(year, month, day);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

BillDates::Due BillDates::dueOf(const std::optional<QDate>& due, const QDate& today)
{
    if (!due)
        return Due::Undated;
    const qint64 days = today.daysTo(*due);
    if (days < 0)
        return Due::Late;
    return days <= NearDays ? Due::Near : Due::Later;
}

QString BillDates::dueText(const std::optional<QDate>& due, const QDate& today)
{
    if (!due)
        return QStringLiteral("Senza scadenza");
    const qint64 days = today.daysTo(*due);
    if (days < -1)
        return QStringLiteral("Scaduta da %1 giorni").arg(-days);
    if (days == -1)
        return QStringLiteral("Scaduta da 1 giorno");
    if (days == 0)
        return QStringLiteral("Scade oggi");
    if (days == 1)
        return QStringLiteral("Scade domani");
    return QStringLiteral("Scade tra %1 giorni").arg(days);
}
