// Record decoding on arbitrary bytes, in both layouts: whatever a damaged or
// foreign record file holds, reading a field never reads outside that field,
// gives a trimmed text no longer than the field, and writing a field never
// touches the bytes of another.

#include "FuzzSupport.h"

#include "archive/FieldText.h"
#include "archive/Tracciato.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// The bytes of the record's other fields must be the same in `a` and `b`.
bool altriCampiUguali(const QByteArray& a, const QByteArray& b, int offset, int larghezza)
{
    return a.size() == b.size() && std::memcmp(a.constData(), b.constData(), std::size_t(offset)) == 0
        && std::memcmp(a.constData() + offset + larghezza + 1, b.constData() + offset + larghezza + 1,
               std::size_t(a.size() - offset - larghezza - 1))
        == 0;
}

// The stored text of a field, as its bytes: the length byte (at most the
// width) says how many follow, and blanks at both ends do not count.
QByteArray byteUtili(const char* campo, int larghezza)
{
    const int lunghezza = std::min<int>(static_cast<unsigned char>(campo[0]), larghezza);
    int inizio = 1;
    int fine = lunghezza + 1;
    while (inizio < fine && static_cast<unsigned char>(campo[inizio]) <= 32)
        ++inizio;
    while (fine > inizio && static_cast<unsigned char>(campo[fine - 1]) <= 32)
        --fine;
    return QByteArray(campo + inizio, fine - inizio);
}

void provaTracciato(Tipo tipo, const std::uint8_t* data, std::size_t size, const QString& testo)
{
    // The text as any field stores it before the cut to the width: one byte
    // per character, so a field keeps the first bytes of this.
    const QStringView pulito = FieldText::trimmed(testo);
    const QByteArray inByte = FieldText::encode(pulito);

    const Tracciato& tr = Tracciato::di(tipo);
    const int dimensione = tr.dimensione();

    // Exactly one record on the heap, so reading one byte past it is caught.
    const std::unique_ptr<char[]> record(new char[std::size_t(dimensione)]);
    const std::size_t copiati = std::min(size, std::size_t(dimensione));
    std::memcpy(record.get(), data, copiati);
    std::memset(record.get() + copiati, 0, std::size_t(dimensione) - copiati);

    const VistaScheda vista(tr, record.get());
    const Scheda copia(tipo, record.get());
    FUZZ_CHECK(copia.byte() == QByteArray(record.get(), dimensione));
    FUZZ_CHECK(Scheda(vista) == copia);

    for (int i = 0; i < tr.campi(); ++i) {
        const int offset = tr.offset(i);
        const int larghezza = tr.larghezza(i);
        const QLatin1StringView nome(tr.nome(i));
        FUZZ_CHECK(tr.indice(nome) == i);

        // The field alone, in a buffer of its own size: decoding it must not
        // look at anything around it.
        const std::unique_ptr<char[]> campo(new char[std::size_t(larghezza) + 1]);
        std::memcpy(campo.get(), record.get() + offset, std::size_t(larghezza) + 1);
        const QString letto = FieldText::fromField(campo.get(), larghezza);
        // Appending the field to a text (as the export grid builds a row)
        // gives the same characters after what was there.
        QString riga = QStringLiteral("prima|");
        FieldText::appendFromField(riga, campo.get(), larghezza);
        FUZZ_CHECK(riga == QStringLiteral("prima|") + letto);

        const QString t = vista.testo(i);
        FUZZ_CHECK(t == letto);
        FUZZ_CHECK(t.size() <= larghezza);
        FUZZ_CHECK(t.size() <= static_cast<unsigned char>(record[std::size_t(offset)]));
        FUZZ_CHECK(t == FuzzSupport::senzaBianchi(t));
        // Every byte reads as one character and writes back as itself.
        FUZZ_CHECK(FieldText::encode(t) == byteUtili(campo.get(), larghezza));
        FUZZ_CHECK(vista.testo(nome) == t);
        FUZZ_CHECK(copia.testo(i) == t);
        FUZZ_CHECK(copia.testo(nome) == t);

        // Writing back what was read keeps the text and every other field.
        Scheda riscritta = copia;
        riscritta.imposta(i, t);
        FUZZ_CHECK(riscritta.testo(i) == t);
        FUZZ_CHECK(altriCampiUguali(riscritta.byte(), copia.byte(), offset, larghezza));

        // Writing any text: trimmed, encoded, cut to the width, the rest of
        // the field cleared, the other fields untouched.
        Scheda scritta = copia;
        scritta.imposta(nome, testo);
        const QByteArray& b = scritta.byte();
        const int lunghezza = static_cast<unsigned char>(b[offset]);
        FUZZ_CHECK(lunghezza <= larghezza);
        for (int k = offset + 1 + lunghezza; k <= offset + larghezza; ++k)
            FUZZ_CHECK(b[k] == '\0');
        FUZZ_CHECK(altriCampiUguali(b, copia.byte(), offset, larghezza));
        const QByteArray codificato = inByte.left(larghezza);
        FUZZ_CHECK(lunghezza == codificato.size());
        FUZZ_CHECK(scritta.testo(i)
            == FuzzSupport::senzaBianchi(FieldText::decode(codificato.constData(), int(codificato.size()))));
        if (pulito.size() <= larghezza && FieldText::decode(codificato.constData(), int(codificato.size())) == pulito)
            FUZZ_CHECK(scritta.testo(i) == pulito);
    }

    // Names are exact: another case or an unknown name is no field.
    FUZZ_CHECK(tr.indice(QLatin1StringView("numero")) == -1);
    FUZZ_CHECK(vista.testo(QLatin1StringView("Inesistente")).isNull());
    Scheda intatta = copia;
    intatta.imposta(QLatin1StringView("Inesistente"), testo);
    intatta.imposta(-1, testo);
    intatta.imposta(tr.campi(), testo);
    FUZZ_CHECK(intatta == copia);
    FUZZ_CHECK(vista.testo(-1).isNull() && vista.testo(tr.campi()).isNull());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The same bytes as a record of each layout, and as a text to store.
    const QString testo = FuzzSupport::testo(data, size);
    provaTracciato(Tipo::TSchedaBolletta, data, size, testo);
    provaTracciato(Tipo::TSchedaAcquisto, data, size, testo);
    return 0;
}
