// The codice fiscale and partita IVA checks on arbitrary typed text: never a
// crash, an outcome that follows from the length first, the same answer in
// capitals, and a check character that always makes the code valid.

#include "FuzzSupport.h"

#include "checkers/CodeRules.h"

namespace {

void provaCodiceFiscale(const QString& testo)
{
    const CheckResult esito = TaxCode::check(testo);
    FUZZ_CHECK(esito == CheckResult::WrongLength || esito == CheckResult::Valid || esito == CheckResult::Wrong);
    FUZZ_CHECK((esito == CheckResult::WrongLength) == (testo.size() != TaxCode::Length));
    FUZZ_CHECK(TaxCode::check(testo) == esito);

    // Only a to z change case, so the length stays and the check agrees.
    const QString maiuscole = TaxCode::upperCase(testo);
    FUZZ_CHECK(maiuscole.size() == testo.size());
    FUZZ_CHECK(TaxCode::upperCase(maiuscole) == maiuscole);
    FUZZ_CHECK(TaxCode::check(maiuscole) == esito);
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t u = testo[i].unicode();
        FUZZ_CHECK(maiuscole[i].unicode() == ((u >= 'a' && u <= 'z') ? char16_t(u - 'a' + 'A') : u));
    }

    for (qsizetype i = 0; i < testo.size(); ++i) {
        const int dispari = TaxCode::oddValue(testo[i]);
        const int pari = TaxCode::evenValue(testo[i]);
        FUZZ_CHECK(dispari >= 0 && dispari <= 25);
        FUZZ_CHECK(pari >= 0 && pari <= 25);
    }

    const QChar controllo = TaxCode::checkCharacter(maiuscole);
    FUZZ_CHECK(controllo >= QLatin1Char('A') && controllo <= QLatin1Char('Z'));
    if (esito != CheckResult::WrongLength) {
        // The sixteenth character decides: the check letter makes the code
        // valid, and any other character makes it wrong.
        FUZZ_CHECK((esito == CheckResult::Valid) == (maiuscole[15] == controllo));
        QString giusto = maiuscole;
        giusto[15] = controllo;
        FUZZ_CHECK(TaxCode::check(giusto) == CheckResult::Valid);
        QString sbagliato = maiuscole;
        sbagliato[15] = QChar(u'A' + (controllo.unicode() - u'A' + 1) % 26);
        FUZZ_CHECK(TaxCode::check(sbagliato) == CheckResult::Wrong);
    }
}

// The partita IVA rule written the other way round: with the check digit in
// place, the eleven digits add up to a multiple of ten (the second, fourth ...
// tenth counting the digits of their double).
bool sommaMultiplaDiDieci(const QString& cifre)
{
    int somma = 0;
    for (int i = 0; i < 11; ++i) {
        const int d = cifre[i].unicode() - '0';
        somma += i % 2 == 1 ? (2 * d > 9 ? 2 * d - 9 : 2 * d) : d;
    }
    return somma % 10 == 0;
}

void provaPartitaIva(const QString& testo)
{
    const CheckResult esito = VatNumber::check(testo);
    FUZZ_CHECK(esito == CheckResult::WrongLength || esito == CheckResult::Valid || esito == CheckResult::Wrong);
    FUZZ_CHECK((esito == CheckResult::WrongLength) == (testo.size() != VatNumber::Length));
    FUZZ_CHECK(VatNumber::check(testo) == esito);

    const bool cifre = VatNumber::digitsOnly(testo);
    bool attese = !testo.isEmpty();
    for (const QChar c : testo)
        attese = attese && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    FUZZ_CHECK(cifre == attese);

    const int controllo = VatNumber::checkDigit(testo);
    FUZZ_CHECK(controllo >= 0 && controllo <= 9);

    if (esito != CheckResult::WrongLength) {
        FUZZ_CHECK((esito == CheckResult::Valid) == (cifre && sommaMultiplaDiDieci(testo)));
        if (cifre) {
            // Exactly one last digit makes the number valid.
            int valide = 0;
            QString numero = testo;
            for (char16_t d = '0'; d <= '9'; ++d) {
                numero[10] = QChar(d);
                if (VatNumber::check(numero) == CheckResult::Valid) {
                    ++valide;
                    FUZZ_CHECK(d - '0' == controllo);
                }
            }
            FUZZ_CHECK(valide == 1);
        }
    }

    // An office only for three digits; the code of an eleven-digit number is
    // its characters 8 to 10.
    const QStringView codice = testo.size() >= 3 ? QStringView(testo).left(3) : QStringView(testo);
    const QString ufficio = VatNumber::office(codice);
    FUZZ_CHECK(ufficio.isEmpty() || (codice.size() == 3 && VatNumber::digitsOnly(codice)));
    FUZZ_CHECK(VatNumber::office(testo).isEmpty() || testo.size() == 3);
    if (testo.size() == VatNumber::Length)
        FUZZ_CHECK(VatNumber::officeCode(testo) == QStringView(testo).mid(7, 3));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString testo = FuzzSupport::testo(data, size);
    provaCodiceFiscale(testo);
    provaPartitaIva(testo);
    return 0;
}
