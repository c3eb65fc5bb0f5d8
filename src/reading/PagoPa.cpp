#include "reading/PagoPa.h"

#include <QList>

namespace reading::PagoPa {

namespace {

bool digitsOfLength(QStringView s, qsizetype length)
{
    if (s.size() != length)
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

std::optional<Notice> parse(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const QList<QStringView> fields = trimmed.split(QLatin1Char('|'));
    if (fields.size() != 5 || fields[0] != QLatin1String("PAGOPA") || fields[1] != QLatin1String("002"))
        return std::nullopt;
    if (!digitsOfLength(fields[2], NoticeDigits) || !digitsOfLength(fields[3], CreditorDigits))
        return std::nullopt;

    // The amount: one to ten digits (leading zeros allowed), read without
    // overflow because of the length.
    const QStringView amount = fields[4];
    if (amount.isEmpty() || amount.size() > 10 || !digitsOfLength(amount, amount.size()))
        return std::nullopt;
    qint64 cents = 0;
    for (QChar c : amount)
        cents = cents * 10 + (c.unicode() - u'0');
    if (cents <= 0 || cents > MaxCents)
        return std::nullopt;

    Notice notice;
    notice.noticeCode = fields[2].toString();
    notice.creditorCode = fields[3].toString();
    notice.cents = cents;
    return notice;
}

} // namespace reading::PagoPa
