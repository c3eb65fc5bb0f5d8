#include "editor/FieldInput.h"

#include "archive/FieldText.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Adds one unit to the last digit of a digit string, carrying leftwards.
void incrementa(QString& cifre)
{
    for (int i = cifre.size() - 1; i >= 0; --i) {
        if (cifre[i] == QLatin1Char('9')) {
            cifre[i] = QLatin1Char('0');
        } else {
            cifre[i] = QChar(cifre[i].unicode() + 1);
            return;
        }
    }
    cifre.prepend(QLatin1Char('1'));
}

} // namespace

QString normalizeAmount(const QString& testo)
{
    static const QString zero = QStringLiteral("0,00");
    const QString t = FieldText::trimmed(testo).toString();
    if (t.isEmpty())
        return zero;

    // [sign] digits [, digits] with at least one digit.
    int i = 0;
    bool negativo = false;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')) {
        negativo = t[0] == QLatin1Char('-');
        ++i;
    }
    QString intera, frazione;
    while (i < t.size() && isDigit(t[i]))
        intera += t[i++];
    if (i < t.size() && t[i] == QLatin1Char(',')) {
        ++i;
        while (i < t.size() && isDigit(t[i]))
            frazione += t[i++];
    }
    if (i != t.size() || (intera.isEmpty() && frazione.isEmpty()))
        return zero;

    // Whole number of cents, then the digits that decide the rounding:
    // floor(x * 100 + 0.5), which for a negative x rounds away from zero only
    // past the half.
    QString centesimi = intera + (frazione + QStringLiteral("00")).left(2);
    const QString resto = frazione.mid(2);
    bool suMezzo = false; // remainder > 1/2
    bool aMezzo = false; // remainder == 1/2
    if (!resto.isEmpty()) {
        const int prima = resto[0].unicode() - '0';
        bool altre = false;
        for (int k = 1; k < resto.size(); ++k)
            altre = altre || resto[k] != QLatin1Char('0');
        suMezzo = prima > 5 || (prima == 5 && altre);
        aMezzo = prima == 5 && !altre;
    }
    if (suMezzo || (aMezzo && !negativo))
        incrementa(centesimi);

    // Strip leading zeros, keeping at least three digits (x,yy).
    int primo = 0;
    while (primo < centesimi.size() - 3 && centesimi[primo] == QLatin1Char('0'))
        ++primo;
    centesimi = centesimi.mid(primo);
    while (centesimi.size() < 3)
        centesimi.prepend(QLatin1Char('0'));

    // The amount is written with at most 15 significant digits.
    int significative = centesimi.size();
    for (int k = 0; k < centesimi.size() && centesimi[k] == QLatin1Char('0'); ++k)
        --significative;
    if (significative > 15) {
        const int taglio = centesimi.size() - (significative - 15);
        const bool su = centesimi[taglio].unicode() >= '5';
        QString testa = centesimi.left(taglio);
        if (su)
            incrementa(testa);
        centesimi = testa + QString(centesimi.size() - taglio, QLatin1Char('0'));
    }

    const bool nullo = centesimi.count(QLatin1Char('0')) == centesimi.size();
    QString risultato = centesimi.left(centesimi.size() - 2) + QLatin1Char(',') + centesimi.right(2);
    if (negativo && !nullo)
        risultato.prepend(QLatin1Char('-'));
    return risultato;
}

bool amountFits(const QString& testo, int larghezza)
{
    return normalizeAmount(testo).size() <= larghezza;
}

bool isAmountChar(QChar c)
{
    return isDigit(c) || c == QLatin1Char(',');
}

bool isTaxCodeChar(QChar c)
{
    const char16_t u = c.unicode();
    return isDigit(c) || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QString normalizeTaxCode(const QString& testo)
{
    QString t = FieldText::trimmed(testo).toString();
    for (QChar& c : t) {
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return t;
}
