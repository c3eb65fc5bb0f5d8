// The reading of a bill's text and of its pagoPA code on arbitrary text (a
// PDF's text layer or what OCR read can be anything): never a crash, every
// value offered in its field's form and passing its checks, at most one a
// field, and a pagoPA notice that reads back the same.

#include "FuzzSupport.h"

#include "checkers/CodeRules.h"
#include "household/Money.h"
#include "reading/BillText.h"
#include "reading/PagoPa.h"

#include <QRegularExpression>

namespace {

using reading::BillField;
namespace BillText = reading::BillText;
namespace PagoPa = reading::PagoPa;

bool allDigits(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

void checkDate(const QString& value)
{
    const auto date = BillText::date(value);
    FUZZ_CHECK(date && date->isValid());
    FUZZ_CHECK(BillText::dateText(*date) == value);
}

void checkPagoPa(const QString& text)
{
    const auto notice = PagoPa::parse(text);
    if (!notice)
        return;
    FUZZ_CHECK(notice->noticeCode.size() == PagoPa::NoticeDigits && allDigits(notice->noticeCode));
    FUZZ_CHECK(notice->creditorCode.size() == PagoPa::CreditorDigits && allDigits(notice->creditorCode));
    FUZZ_CHECK(notice->cents > 0 && notice->cents <= PagoPa::MaxCents);
    const QString again = QStringLiteral("PAGOPA|002|%1|%2|%3")
                              .arg(notice->noticeCode, notice->creditorCode, QString::number(notice->cents));
    const auto reread = PagoPa::parse(again);
    FUZZ_CHECK(reread && reread->noticeCode == notice->noticeCode && reread->creditorCode == notice->creditorCode
        && reread->cents == notice->cents);
}

void checkText(const QString& text)
{
    // A payee taken from the text itself, so that names with signs reach the
    // rule, beside two ordinary ones.
    const QStringList payees = {QStringLiteral("Energia Chiara"), QStringLiteral("Acqua"), text.left(12)};
    const QString creditor = QStringLiteral("01234567897");
    const QVector<BillText::Found> found = BillText::read(text, payees, creditor);
    static const QRegularExpression amountForm(QStringLiteral("\\A(0|[1-9][0-9]*),[0-9]{2}\\z"));
    static const QRegularExpression codeForm(QStringLiteral("\\A[A-Za-z0-9][A-Za-z0-9/_.\\-]*\\z"));
    int last = -1;
    for (const BillText::Found& f : found) {
        // In the order of the fields, one each.
        FUZZ_CHECK(int(f.field) > last);
        last = int(f.field);
        switch (f.field) {
        case BillField::Amount: {
            FUZZ_CHECK(amountForm.match(f.value).hasMatch());
            const auto cents = Money::parseCents(f.value);
            FUZZ_CHECK(cents && *cents > 0 && *cents <= PagoPa::MaxCents);
            FUZZ_CHECK(Money::formatPlainCents(*cents) == f.value);
            break;
        }
        case BillField::DueDate:
        case BillField::IssueDate:
            checkDate(f.value);
            break;
        case BillField::Period: {
            const QStringList ends = f.value.split(QStringLiteral(" - "));
            FUZZ_CHECK(ends.size() == 2);
            checkDate(ends[0]);
            checkDate(ends[1]);
            FUZZ_CHECK(*BillText::date(ends[0]) <= *BillText::date(ends[1]));
            break;
        }
        case BillField::Number:
        case BillField::CustomerCode:
            FUZZ_CHECK(f.value.size() <= 30 && codeForm.match(f.value).hasMatch());
            FUZZ_CHECK(std::any_of(f.value.begin(), f.value.end(), [](QChar c) { return c.isDigit(); }));
            break;
        case BillField::Iban:
            FUZZ_CHECK(BillText::ibanValid(f.value));
            break;
        case BillField::PayerCode:
            FUZZ_CHECK(f.value != creditor);
            FUZZ_CHECK(
                TaxCode::check(f.value) == CheckResult::Valid || VatNumber::check(f.value) == CheckResult::Valid);
            break;
        case BillField::Payee:
            FUZZ_CHECK(
                std::any_of(payees.begin(), payees.end(), [&](const QString& p) { return p.simplified() == f.value; }));
            break;
        case BillField::NoticeCode:
        case BillField::CreditorCode:
            FUZZ_CHECK(false);
            break;
        }
    }
    // A date the rule reads is written back the same way.
    if (const auto date = BillText::date(text))
        FUZZ_CHECK(BillText::date(BillText::dateText(*date)) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Bills are a few thousand characters; longer inputs only slow the run.
    if (size > 4096)
        return 0;
    const QString text = FuzzSupport::testo(data, size);
    checkPagoPa(text);
    checkText(text);
    return 0;
}
