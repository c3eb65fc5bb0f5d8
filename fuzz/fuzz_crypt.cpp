// The password scrambler on arbitrary text. Decodifica reads whatever the
// password store holds, so it must never crash; on hex input the two
// directions undo each other, and on text they keep (Crypt::keeps) the
// scrambled form comes back unchanged.

#include "FuzzSupport.h"

#include "app/Crypt.h"

#include <QtGlobal>

namespace {

bool cifraEsadecimale(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

bool soloMaiuscoleEsadecimali(const QString& s)
{
    for (const QChar c : s) {
        if (!cifraEsadecimale(c) || (c.unicode() >= 'a' && c.unicode() <= 'f'))
            return false;
    }
    return true;
}

void provaDecodifica(const QString& hex)
{
    // Only whole pairs count, and no more than MaxLength of them.
    const qsizetype coppie = qMin<qsizetype>(hex.size() / 2, Crypt::MaxLength);
    bool tuttoEsadecimale = true;
    for (qsizetype i = 0; i < 2 * coppie; ++i)
        tuttoEsadecimale = tuttoEsadecimale && cifraEsadecimale(hex[i]);

    const std::optional<QString> testo = Crypt::Decodifica(hex);
    FUZZ_CHECK(testo.has_value() == tuttoEsadecimale);
    if (!testo)
        return;
    FUZZ_CHECK(testo->size() == coppie);
    FUZZ_CHECK(Crypt::keeps(*testo));
    // Scrambling the text again gives the same pairs, in capitals.
    FUZZ_CHECK(Crypt::Codifica(*testo) == hex.left(2 * coppie).toUpper());
}

void provaCodifica(const QString& testo)
{
    const QString hex = Crypt::Codifica(testo);
    FUZZ_CHECK(hex.size() == 2 * qMin<qsizetype>(testo.size(), Crypt::MaxLength));
    FUZZ_CHECK(soloMaiuscoleEsadecimali(hex));
    const std::optional<QString> indietro = Crypt::Decodifica(hex);
    FUZZ_CHECK(indietro.has_value());
    // The low eight bits of each of the first MaxLength characters survive.
    QString atteso = testo.left(Crypt::MaxLength);
    for (QChar& c : atteso)
        c = QChar(char16_t(c.unicode() & 0xFF));
    FUZZ_CHECK(*indietro == atteso);
    if (Crypt::keeps(testo))
        FUZZ_CHECK(*indietro == testo);
    FUZZ_CHECK(Crypt::keeps(testo) == (atteso == testo));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString testo = FuzzSupport::testo(data, size);
    provaDecodifica(testo);
    provaCodifica(testo);
    return 0;
}
