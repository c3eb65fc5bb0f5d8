// The codice fiscale and partita IVA checks on arbitrary typed text: never a
// crash, an outcome that follows from the length first, the same answer in
// capitals, and a check character that always makes the code valid.

#include "FuzzSupport.h"

#include "checkers/Controlli.h"

namespace {

void provaCodiceFiscale(const QString& testo)
{
    const Esito esito = CodiceFiscale::controlla(testo);
    FUZZ_CHECK(esito == Esito::Lunghezza || esito == Esito::Valido || esito == Esito::Errato);
    FUZZ_CHECK((esito == Esito::Lunghezza) == (testo.size() != CodiceFiscale::Lunghezza));
    FUZZ_CHECK(CodiceFiscale::controlla(testo) == esito);

    // Only a to z change case, so the length stays and the check agrees.
    const QString maiuscole = CodiceFiscale::maiuscole(testo);
    FUZZ_CHECK(maiuscole.size() == testo.size());
    FUZZ_CHECK(CodiceFiscale::maiuscole(maiuscole) == maiuscole);
    FUZZ_CHECK(CodiceFiscale::controlla(maiuscole) == esito);
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t u = testo[i].unicode();
        FUZZ_CHECK(maiuscole[i].unicode() == ((u >= 'a' && u <= 'z') ? char16_t(u - 'a' + 'A') : u));
    }

    for (qsizetype i = 0; i < testo.size(); ++i) {
        const int dispari = CodiceFiscale::valoreDispari(testo[i]);
        const int pari = CodiceFiscale::valorePari(testo[i]);
        FUZZ_CHECK(dispari >= 0 && dispari <= 25);
        FUZZ_CHECK(pari >= 0 && pari <= 25);
    }

    const QChar controllo = CodiceFiscale::carattereControllo(maiuscole);
    FUZZ_CHECK(controllo >= QLatin1Char('A') && controllo <= QLatin1Char('Z'));
    if (esito != Esito::Lunghezza) {
        // The sixteenth character decides: the check letter makes the code
        // valid, and any other character makes it wrong.
        FUZZ_CHECK((esito == Esito::Valido) == (maiuscole[15] == controllo));
        QString giusto = maiuscole;
        giusto[15] = controllo;
        FUZZ_CHECK(CodiceFiscale::controlla(giusto) == Esito::Valido);
        QString sbagliato = maiuscole;
        sbagliato[15] = QChar(u'A' + (controllo.unicode() - u'A' + 1) % 26);
        FUZZ_CHECK(CodiceFiscale::controlla(sbagliato) == Esito::Errato);
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
    const Esito esito = PartitaIva::controlla(testo);
    FUZZ_CHECK(esito == Esito::Lunghezza || esito == Esito::Valido || esito == Esito::Errato);
    FUZZ_CHECK((esito == Esito::Lunghezza) == (testo.size() != PartitaIva::Lunghezza));
    FUZZ_CHECK(PartitaIva::controlla(testo) == esito);

    const bool cifre = PartitaIva::soloCifre(testo);
    bool attese = !testo.isEmpty();
    for (const QChar c : testo)
        attese = attese && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    FUZZ_CHECK(cifre == attese);

    const int controllo = PartitaIva::cifraControllo(testo);
    FUZZ_CHECK(controllo >= 0 && controllo <= 9);

    if (esito != Esito::Lunghezza) {
        FUZZ_CHECK((esito == Esito::Valido) == (cifre && sommaMultiplaDiDieci(testo)));
        if (cifre) {
            // Exactly one last digit makes the number valid.
            int valide = 0;
            QString numero = testo;
            for (char16_t d = '0'; d <= '9'; ++d) {
                numero[10] = QChar(d);
                if (PartitaIva::controlla(numero) == Esito::Valido) {
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
    const QString ufficio = PartitaIva::ufficio(codice);
    FUZZ_CHECK(ufficio.isEmpty() || (codice.size() == 3 && PartitaIva::soloCifre(codice)));
    FUZZ_CHECK(PartitaIva::ufficio(testo).isEmpty() || testo.size() == 3);
    if (testo.size() == PartitaIva::Lunghezza)
        FUZZ_CHECK(PartitaIva::codiceUfficio(testo) == QStringView(testo).mid(7, 3));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString testo = FuzzSupport::testo(data, size);
    provaCodiceFiscale(testo);
    provaPartitaIva(testo);
    return 0;
}
