// The amount field's normalisation on arbitrary text (whatever is typed or
// pasted): always an amount with a decimal comma and two decimals, stable when
// normalised again, and on amounts small enough to compute exactly the same
// cents as "times 100, plus one half, rounded down".

#include "FuzzSupport.h"

#include "editor/FieldInput.h"

#include <QRegularExpression>

namespace {

// What the field always holds after normalisation: no leading zeros, no
// "-0,00", a comma and exactly two decimals.
const QRegularExpression& formaNormale()
{
    static const QRegularExpression re(
        QStringLiteral("\\A(0,[0-9]{2}|-?(0,[0-9][1-9]|0,[1-9][0-9]|[1-9][0-9]*,[0-9]{2}))\\z"));
    return re;
}

// The numbers that the field reads: an optional sign, digits, an optional
// comma and digits, at least one digit in all.
const QRegularExpression& numero()
{
    static const QRegularExpression re(QStringLiteral("\\A([+-]?)([0-9]*)(?:,([0-9]*))?\\z"));
    return re;
}

QString comeImporto(__int128 centesimi)
{
    const bool negativo = centesimi < 0;
    if (negativo)
        centesimi = -centesimi;
    QString cifre;
    do {
        cifre.prepend(QChar(char16_t('0' + int(centesimi % 10))));
        centesimi /= 10;
    } while (centesimi > 0);
    while (cifre.size() < 3)
        cifre.prepend(QLatin1Char('0'));
    QString s = cifre.left(cifre.size() - 2) + QLatin1Char(',') + cifre.right(2);
    if (negativo)
        s.prepend(QLatin1Char('-'));
    return s;
}

// floor(a / b) for b > 0.
__int128 diviso(__int128 a, __int128 b)
{
    __int128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return q;
}

// The amount computed exactly, for at most 12 digits before the comma and 18
// after it (then no rounding to 15 significant digits can come in); empty
// when the text is outside that range or no number.
QString atteso(const QString& testo)
{
    const QRegularExpressionMatch m = numero().match(FuzzSupport::senzaBianchi(testo));
    if (!m.hasMatch())
        return QString();
    const QString intera = m.captured(2);
    const QString frazione = m.captured(3);
    if (intera.isEmpty() && frazione.isEmpty())
        return QString();
    if (intera.size() > 12 || frazione.size() > 18)
        return QString();
    // The number in units of 10^-18.
    __int128 valore = 0;
    for (const QChar c : intera)
        valore = valore * 10 + (c.unicode() - '0');
    for (int k = 0; k < 18; ++k)
        valore = valore * 10 + (k < frazione.size() ? frazione[k].unicode() - '0' : 0);
    if (m.captured(1) == QLatin1String("-"))
        valore = -valore;
    __int128 unita = 1;
    for (int k = 0; k < 18; ++k)
        unita *= 10;
    // x * 100 + 0.5, rounded down.
    return comeImporto(diviso(valore * 100 + unita / 2, unita));
}

void provaImporto(const QString& testo)
{
    const QString normale = normalizeAmount(testo);
    FUZZ_CHECK(formaNormale().match(normale).hasMatch());
    FUZZ_CHECK(normalizeAmount(normale) == normale);

    // Text that is no number is zero.
    if (!numero().match(FuzzSupport::senzaBianchi(testo)).hasMatch())
        FUZZ_CHECK(normale == QLatin1String("0,00"));

    const QString esatto = atteso(testo);
    if (!esatto.isEmpty())
        FUZZ_CHECK(normale == esatto);

    // What the key filter lets into the field: digits and commas.
    bool digitabile = testo.size() <= 15;
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        FUZZ_CHECK(isAmountChar(c) == ((u >= '0' && u <= '9') || u == ','));
        digitabile = digitabile && isAmountChar(c);
    }

    // The field refuses only edits whose amount would not fit once
    // normalised: whatever can be typed into its 15 characters with at most
    // twelve digits before the comma is let in, rounding carries included.
    if (digitabile && testo.section(QLatin1Char(','), 0, 0).size() <= 12)
        FUZZ_CHECK(amountFits(testo, 15));
}

void provaCodFisc(const QString& testo)
{
    const QString normale = normalizeTaxCode(testo);
    FUZZ_CHECK(normalizeTaxCode(normale) == normale);
    FUZZ_CHECK(normale == FuzzSupport::senzaBianchi(normale));
    FUZZ_CHECK(normale.size() == FuzzSupport::senzaBianchi(testo).size());
    for (const QChar c : normale)
        FUZZ_CHECK(!(c >= QLatin1Char('a') && c <= QLatin1Char('z')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString testo = FuzzSupport::testo(data, size);
    provaImporto(testo);
    provaCodFisc(testo);
    return 0;
}
