#include "reading/BillText.h"

#include "checkers/CodeRules.h"
#include "household/Money.h"
#include "reading/PagoPa.h"

#include <QRegularExpression>

#include <algorithm>

namespace reading::BillText {

namespace {

constexpr auto Options = QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption;

// How far after its label a value may begin, when what lies between holds no
// digit: "Data emissione:", "Scadenza fattura", "da pagare entro il".
constexpr int MaxGap = 25;

// A bill's period is at most about a year long.
constexpr int MaxPeriodDays = 400;

const QString& monthNames()
{
    static const QString names = QStringLiteral(
        "gennaio|febbraio|marzo|aprile|maggio|giugno|luglio|agosto|settembre|ottobre|novembre|dicembre");
    return names;
}

// A date, in its numeric or written form. A numeric date is never a piece of
// a longer number ("1.10.10,00", "12/3/456"); both separators are the same.
const QRegularExpression& dateExpression()
{
    static const QRegularExpression re(QStringLiteral("(?<![\\p{L}\\p{N}])(?<!\\d[.,/])"
                                                      "(?:(\\d{1,2})([./-])(\\d{1,2})\\2(\\d{4}|\\d{2})"
                                                      "(?!\\p{N})(?![.,/]\\d)"
                                                      "|(\\d{1,2})(?:°|º)?\\s+(%1)\\s+(\\d{4})(?!\\p{N}))")
                                           .arg(monthNames()),
        Options);
    return re;
}

struct DateAt {
    qsizetype start;
    qsizetype end;
    QDate date;
};

std::optional<QDate> dateOf(const QRegularExpressionMatch& m)
{
    int day = 0;
    int month = 0;
    int year = 0;
    if (m.capturedLength(1) > 0) {
        day = m.capturedView(1).toInt();
        month = m.capturedView(3).toInt();
        year = m.capturedView(4).toInt();
        if (m.capturedLength(4) == 2)
            year += 2000;
    } else {
        day = m.capturedView(5).toInt();
        month = int(monthNames().split(QLatin1Char('|')).indexOf(m.captured(6).toLower())) + 1;
        year = m.capturedView(7).toInt();
    }
    if (year < 1900 || year > 2099)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QVector<DateAt> datesIn(const QString& line)
{
    QVector<DateAt> dates;
    auto it = dateExpression().globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (const auto d = dateOf(m))
            dates.append({m.capturedStart(), m.capturedEnd(), *d});
    }
    return dates;
}

bool hasDigit(QStringView s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}

bool hasLetterOrDigit(QStringView s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The text as lines with single blanks: every kind of blank is one blank,
// every kind of line end one line end.
QStringList linesOf(const QString& text)
{
    QString t = text.left(MaxChars);
    for (QChar& c : t) {
        if (c == QChar(0x2028) || c == QChar(0x2029) || c == QLatin1Char('\f') || c == QLatin1Char('\r')
            || c == QLatin1Char('\v'))
            c = QLatin1Char('\n');
        else if (c == QChar(0x2013) || c == QChar(0x2014))
            c = QLatin1Char('-');
        else if (c != QLatin1Char('\n') && c.isSpace())
            c = QLatin1Char(' ');
    }
    // Lines with nothing on them do not part a label from its value.
    QStringList lines;
    for (const QStringView line : QStringView(t).split(QLatin1Char('\n'))) {
        const QString simple = line.toString().simplified();
        if (!simple.isEmpty())
            lines.append(simple);
    }
    return lines;
}

// The one value of a list, or none when it is empty or holds two different
// values.
std::optional<QString> onlyValue(const QStringList& values)
{
    if (values.isEmpty())
        return std::nullopt;
    for (const QString& v : values)
        if (v != values.first())
            return std::nullopt;
    return values.first();
}

// The dates that follow a label: on its line, within MaxGap characters that
// hold no digit; or, when the label ends its line, the date that begins the
// next one.
QStringList labelledDates(const QStringList& lines, const QRegularExpression& label)
{
    QStringList found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        auto it = label.globalMatch(line);
        if (!it.hasNext())
            continue;
        const QVector<DateAt> dates = datesIn(line);
        while (it.hasNext()) {
            const qsizetype after = it.next().capturedEnd();
            const auto next
                = std::find_if(dates.begin(), dates.end(), [&](const DateAt& d) { return d.start >= after; });
            if (next != dates.end()) {
                const QStringView gap = QStringView(line).mid(after, next->start - after);
                if (gap.size() <= MaxGap && !hasDigit(gap))
                    found.append(dateText(next->date));
                continue;
            }
            if (!hasLetterOrDigit(QStringView(line).mid(after)) && i + 1 < lines.size()) {
                const QVector<DateAt> below = datesIn(lines[i + 1]);
                if (!below.isEmpty() && !hasLetterOrDigit(QStringView(lines[i + 1]).left(below.first().start)))
                    found.append(dateText(below.first().date));
            }
        }
    }
    return found;
}

// A code that follows its label: letters, digits and the signs inside codes,
// with at least one digit, at most 30 characters.
QStringList labelledCodes(const QStringList& lines, const QRegularExpression& labelAndCode)
{
    QStringList found;
    for (const QString& line : lines) {
        auto it = labelAndCode.globalMatch(line);
        while (it.hasNext()) {
            const QString code = it.next().captured(QStringLiteral("code"));
            if (hasDigit(code) && code.size() <= 30)
                found.append(code);
        }
    }
    return found;
}

const QString& amountPattern()
{
    // "158,30", "1.234,56": a decimal comma and two decimals, never a piece
    // of a longer number.
    static const QString pattern
        = QStringLiteral("(?<![\\d.,])(?<amount>(?:\\d{1,3}(?:\\.\\d{3})+|\\d{1,9}),\\d{2})(?!\\d)(?![.,]\\d)");
    return pattern;
}

// The amounts `re` finds; with `marked`, only those whose currency mark
// ("before" or "after" the figure) is there.
QStringList amountsMatching(const QStringList& lines, const QRegularExpression& re, bool marked)
{
    QStringList found;
    for (const QString& line : lines) {
        auto it = re.globalMatch(line);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (marked && m.capturedLength(QStringLiteral("before")) == 0
                && m.capturedLength(QStringLiteral("after")) == 0)
                continue;
            const auto cents = Money::parseCents(m.capturedView(QStringLiteral("amount")));
            if (cents && *cents > 0 && *cents <= PagoPa::MaxCents)
                found.append(Money::formatPlainCents(*cents));
        }
    }
    return found;
}

std::optional<QString> amountIn(const QStringList& lines)
{
    const QString currency = QStringLiteral("(?:(?:eur|euro|€)\\s*)?");
    // What the bill says it asks: the total, or the amount to pay.
    static const QRegularExpression total(QStringLiteral("\\b(?:totale(?:\\s+(?:da\\s+pagare|bolletta|fattura|"
                                                         "documento|dovuto))?|importo\\s+(?:da\\s+pagare|totale|"
                                                         "dovuto))\\s*[:\\-]?\\s*")
            + currency + amountPattern(),
        Options);
    // Then a plain "Importo".
    static const QRegularExpression plain(
        QStringLiteral("\\bimporto\\s*[:\\-]?\\s*") + currency + amountPattern(), Options);
    // Last, the only amount in euro the page shows.
    static const QRegularExpression euro(QStringLiteral("(?:(?<before>€|\\beuro?\\b)\\s*)?") + amountPattern()
            + QStringLiteral("(?:\\s*(?<after>€|\\beuro?\\b))?"),
        Options);
    for (const QRegularExpression* re : {&total, &plain, &euro}) {
        const QStringList found = amountsMatching(lines, *re, re == &euro);
        if (!found.isEmpty())
            return onlyValue(found);
    }
    return std::nullopt;
}

std::optional<QString> dueDateIn(const QStringList& lines)
{
    static const QRegularExpression label(QStringLiteral("\\b(?:scadenza|entro\\s+il)\\b"), Options);
    return onlyValue(labelledDates(lines, label));
}

std::optional<QString> issueDateIn(const QStringList& lines)
{
    static const QRegularExpression label(
        QStringLiteral("\\b(?:data\\s+(?:di\\s+)?emissione|emess[ao]\\s+(?:il|in\\s+data))\\b"), Options);
    return onlyValue(labelledDates(lines, label));
}

const QString& codePattern()
{
    static const QString pattern
        = QStringLiteral("\\s*[:.]?\\s*(?<code>[A-Za-z0-9](?:[A-Za-z0-9/_.\\-]*[A-Za-z0-9])?)(?![A-Za-z0-9])");
    return pattern;
}

std::optional<QString> numberIn(const QStringList& lines)
{
    static const QRegularExpression re(
        QStringLiteral("\\b(?:(?:bolletta|fattura)\\s*(?:numero|num\\.|nr\\.?|n\\.|n°|n\\b)|numero\\s+(?:fattura|"
                       "bolletta)\\b)")
            + codePattern(),
        Options);
    return onlyValue(labelledCodes(lines, re));
}

std::optional<QString> customerCodeIn(const QStringList& lines)
{
    static const QRegularExpression re(
        QStringLiteral("\\b(?:codice\\s+cliente|cod\\.\\s*cliente|numero\\s+cliente)\\b") + codePattern(), Options);
    QStringList found;
    for (const QString& code : labelledCodes(lines, re))
        if (code.size() >= 3)
            found.append(code);
    return onlyValue(found);
}

QString periodText(const QDate& from, const QDate& to)
{
    return dateText(from) + QStringLiteral(" - ") + dateText(to);
}

bool periodFits(const QDate& from, const QDate& to)
{
    return from <= to && from.daysTo(to) <= MaxPeriodDays;
}

std::optional<QString> periodIn(const QStringList& lines)
{
    static const QRegularExpression periodLabel(QStringLiteral("\\bperiodo\\b"), Options);
    static const QRegularExpression between(QStringLiteral("\\A\\s*(?:-|al|a)\\s*\\z"), Options);
    static const QRegularExpression from(QStringLiteral("\\bdal\\s*\\z"), Options);
    QStringList labelled;
    QStringList fromTo;
    for (const QString& line : lines) {
        const QVector<DateAt> dates = datesIn(line);
        const auto label = periodLabel.match(line);
        for (qsizetype k = 0; k + 1 < dates.size(); ++k) {
            const DateAt& a = dates[k];
            const DateAt& b = dates[k + 1];
            const QString middle = line.mid(a.end, b.start - a.end);
            if (!between.match(middle).hasMatch() || !periodFits(a.date, b.date))
                continue;
            const bool isFrom = from.match(line.left(a.start)).hasMatch();
            if (label.hasMatch() && label.capturedEnd() <= a.start)
                labelled.append(periodText(a.date, b.date));
            else if (isFrom && middle.trimmed().compare(QLatin1String("al"), Qt::CaseInsensitive) == 0)
                fromTo.append(periodText(a.date, b.date));
        }
    }
    return labelled.isEmpty() ? onlyValue(fromTo) : onlyValue(labelled);
}

// The country lengths of the IBANs a household in Italy meets.
int ibanLength(QStringView country)
{
    struct Country {
        const char* code;
        int length;
    };
    static constexpr Country Countries[] = {
        {"AT", 20},
        {"BE", 16},
        {"CH", 21},
        {"DE", 22},
        {"ES", 24},
        {"FR", 27},
        {"GB", 22},
        {"IE", 22},
        {"IT", 27},
        {"LU", 20},
        {"MC", 27},
        {"MT", 31},
        {"NL", 18},
        {"PT", 25},
        {"SM", 27},
        {"VA", 22},
    };
    for (const Country& c : Countries)
        if (country == QLatin1String(c.code))
            return c.length;
    return 0;
}

bool isAsciiAlnum(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QStringList ibansIn(const QStringList& lines)
{
    static const QRegularExpression start(QStringLiteral("(?<![A-Za-z0-9])[A-Za-z]{2}\\d{2}"));
    QStringList found;
    for (const QString& line : lines) {
        auto it = start.globalMatch(line);
        while (it.hasNext()) {
            const qsizetype at = it.next().capturedStart();
            // The characters of the code, a single blank allowed between
            // groups, and where each one ends in the line.
            QString compact;
            QVector<qsizetype> ends;
            for (qsizetype i = at; i < line.size() && compact.size() < 34; ++i) {
                const QChar c = line[i];
                if (isAsciiAlnum(c)) {
                    compact.append(c.toUpper());
                    ends.append(i + 1);
                } else if (!(c == QLatin1Char(' ') && i + 1 < line.size() && isAsciiAlnum(line[i + 1]))) {
                    break;
                }
            }
            const int length = ibanLength(QStringView(compact).left(2));
            if (length == 0 || compact.size() < length)
                continue;
            const qsizetype end = ends[length - 1];
            if (end < line.size() && isAsciiAlnum(line[end]))
                continue;
            const QString candidate = compact.left(length);
            if (ibanValid(candidate))
                found.append(candidate);
        }
    }
    return found;
}

std::optional<QString> payerCodeIn(const QStringList& lines, const QString& creditorCode)
{
    // A person's codice fiscale, printed in capitals, is the payer's: a
    // supplier's code has eleven digits.
    static const QRegularExpression personal(
        QStringLiteral("(?<![A-Za-z0-9])[A-Z]{6}[0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{3}[A-Z]"
                       "(?![A-Za-z0-9])"));
    QStringList found;
    for (const QString& line : lines) {
        auto it = personal.globalMatch(line);
        while (it.hasNext()) {
            const QString code = it.next().captured();
            if (hasDigit(code) && TaxCode::check(code) == CheckResult::Valid)
                found.append(code);
        }
    }
    if (!found.isEmpty())
        return onlyValue(found);

    // Eleven digits are the payer's only on a line that says they are the
    // customer's; a supplier prints its own on every page.
    static const QRegularExpression customerLine(
        QStringLiteral("\\b(?:cliente|intestatario|titolare|destinatario)\\b"), Options);
    static const QRegularExpression codeLabel(
        QStringLiteral("\\b(?:codice\\s+fiscale|c\\.\\s?f\\.|partita\\s+iva|p\\.\\s?iva)"), Options);
    static const QRegularExpression digits(QStringLiteral("(?<![\\p{L}\\p{N}])\\d{11}(?![\\p{L}\\p{N}])"));
    for (const QString& line : lines) {
        if (!customerLine.match(line).hasMatch() || !codeLabel.match(line).hasMatch())
            continue;
        auto it = digits.globalMatch(line);
        while (it.hasNext()) {
            const QString code = it.next().captured();
            if (code != creditorCode && VatNumber::check(code) == CheckResult::Valid)
                found.append(code);
        }
    }
    return onlyValue(found);
}

std::optional<QString> payeeIn(const QStringList& lines, const QStringList& knownPayees)
{
    const QString text = lines.join(QLatin1Char('\n'));
    QStringList found;
    for (const QString& known : knownPayees) {
        const QString name = known.simplified();
        if (name.size() < 3 || name.size() > 200)
            continue;
        QStringList words = name.split(QLatin1Char(' '));
        for (QString& w : words)
            w = QRegularExpression::escape(w);
        const QRegularExpression re(QStringLiteral("(?<![\\p{L}\\p{N}])") + words.join(QStringLiteral("\\s+"))
                + QStringLiteral("(?![\\p{L}\\p{N}])"),
            Options);
        if (re.match(text).hasMatch())
            found.append(name);
    }
    // A payee inside a longer one found too ("Enel" in "Enel Energia") is
    // that one.
    QStringList longest;
    for (const QString& a : std::as_const(found)) {
        const bool inside = std::any_of(found.begin(), found.end(),
            [&](const QString& b) { return b.size() > a.size() && b.contains(a, Qt::CaseInsensitive); });
        if (!inside && !longest.contains(a, Qt::CaseInsensitive))
            longest.append(a);
    }
    if (longest.size() != 1)
        return std::nullopt;
    return longest.first();
}

} // namespace

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

std::optional<QDate> date(const QString& text)
{
    const QString t = text.simplified();
    const QVector<DateAt> dates = datesIn(t);
    if (dates.size() != 1 || dates.first().start != 0 || dates.first().end != t.size())
        return std::nullopt;
    return dates.first().date;
}

bool ibanValid(QStringView iban)
{
    if (iban.size() < 5 || ibanLength(iban.left(2)) != iban.size())
        return false;
    for (qsizetype i = 0; i < iban.size(); ++i) {
        const char16_t u = iban[i].unicode();
        const bool digit = u >= '0' && u <= '9';
        const bool capital = u >= 'A' && u <= 'Z';
        if (i < 2 ? !capital : (i < 4 ? !digit : !(digit || capital)))
            return false;
    }
    // An Italian IBAN: the CIN letter, then the bank's and the branch's five
    // digits each.
    if (iban.startsWith(QLatin1String("IT")) || iban.startsWith(QLatin1String("SM"))) {
        const char16_t cin = iban[4].unicode();
        if (cin < 'A' || cin > 'Z')
            return false;
        for (qsizetype i = 5; i < 15; ++i)
            if (!iban[i].isDigit())
                return false;
    }
    // The country and check digits go last; letters count 10 to 35.
    int remainder = 0;
    for (qsizetype k = 0; k < iban.size(); ++k) {
        const char16_t u = iban[(k + 4) % iban.size()].unicode();
        if (u >= '0' && u <= '9')
            remainder = (remainder * 10 + (u - '0')) % 97;
        else
            remainder = (remainder * 100 + (u - 'A' + 10)) % 97;
    }
    return remainder == 1;
}

std::optional<QString> amount(const QString& text)
{
    return amountIn(linesOf(text));
}

std::optional<QString> dueDate(const QString& text)
{
    return dueDateIn(linesOf(text));
}

std::optional<QString> issueDate(const QString& text)
{
    return issueDateIn(linesOf(text));
}

std::optional<QString> number(const QString& text)
{
    return numberIn(linesOf(text));
}

std::optional<QString> period(const QString& text)
{
    return periodIn(linesOf(text));
}

std::optional<QString> customerCode(const QString& text)
{
    return customerCodeIn(linesOf(text));
}

std::optional<QString> iban(const QString& text)
{
    return onlyValue(ibansIn(linesOf(text)));
}

std::optional<QString> payerCode(const QString& text, const QString& creditorCode)
{
    return payerCodeIn(linesOf(text), creditorCode);
}

std::optional<QString> payee(const QString& text, const QStringList& knownPayees)
{
    return payeeIn(linesOf(text), knownPayees);
}

QVector<Found> read(const QString& text, const QStringList& knownPayees, const QString& creditorCode)
{
    const QStringList lines = linesOf(text);
    QVector<Found> found;
    const auto add = [&](BillField field, const std::optional<QString>& value) {
        if (value)
            found.append({field, *value});
    };
    add(BillField::Amount, amountIn(lines));
    add(BillField::DueDate, dueDateIn(lines));
    add(BillField::IssueDate, issueDateIn(lines));
    add(BillField::Number, numberIn(lines));
    add(BillField::Period, periodIn(lines));
    add(BillField::CustomerCode, customerCodeIn(lines));
    add(BillField::Iban, onlyValue(ibansIn(lines)));
    add(BillField::PayerCode, payerCodeIn(lines, creditorCode));
    add(BillField::Payee, payeeIn(lines, knownPayees));
    return found;
}

} // namespace reading::BillText
