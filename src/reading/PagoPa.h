#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The text of the pagoPA QR code printed on Italian bills:
// "PAGOPA|002|<18-digit notice code>|<11-digit tax code of the creditor>|<amount in cents>".
namespace reading::PagoPa {

inline constexpr int NoticeDigits = 18;
inline constexpr int CreditorDigits = 11;
// The largest amount taken from a code: 999.999,99 euro. A household bill
// above it is a misreading, not a bill.
inline constexpr qint64 MaxCents = 99'999'999;

struct Notice {
    QString noticeCode; // 18 digits
    QString creditorCode; // 11 digits
    qint64 cents = 0; // above zero, at most MaxCents
};

// The notice a code's text holds, or none unless the text (blanks around it
// ignored) is exactly five fields of the form above: no blank inside, digits
// of the exact lengths, an amount above zero and at most MaxCents.
std::optional<Notice> parse(QStringView text);

} // namespace reading::PagoPa
