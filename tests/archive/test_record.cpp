// The two record layouts, the text <-> field conversion and the record value.

#include "SchedeDiProva.h"
#include "TestSupport.h"
#include "archive/FieldText.h"
#include "archive/Tracciato.h"

namespace {

struct CampoAtteso {
    const char* nome;
    int offset;
    int larghezza;
};

// The layouts as files already on disk have them: offset and width of every
// field, written out independently of the widths table in the program.
const QList<CampoAtteso> bolletta = {
    {"Numero", 0, 50},
    {"DataEmi", 51, 10},
    {"Beneficiario", 62, 120},
    {"CC", 183, 50},
    {"DataSca", 234, 10},
    {"Periodo", 245, 120},
    {"DataPag", 366, 10},
    {"Causale", 377, 120},
    {"Consumi", 498, 120},
    {"Modalita", 619, 120},
    {"Estremi", 740, 120},
    {"Pagatore", 861, 120},
    {"CodFisc", 982, 16},
    {"CodCliente", 999, 50},
    {"Note", 1050, 250},
    {"Prezzo", 1301, 15},
    {"Segnala", 1317, 2},
    {"File01", 1320, 250},
    {"File02", 1571, 250},
    {"File03", 1822, 250},
    {"Desc01", 2073, 250},
    {"Desc02", 2324, 250},
    {"Desc03", 2575, 250},
};
const QList<CampoAtteso> acquisto = {
    {"Numero", 0, 50},
    {"DataEmi", 51, 10},
    {"Attivita", 62, 120},
    {"Email", 183, 50},
    {"Tel", 234, 50},
    {"Sito", 285, 120},
    {"Garanzia", 406, 120},
    {"Prodotti", 527, 250},
    {"Dettagli", 778, 250},
    {"Modalita", 1029, 120},
    {"Documenti", 1150, 250},
    {"Pagatore", 1401, 120},
    {"CodFisc", 1522, 16},
    {"CodCliente", 1539, 50},
    {"Note", 1590, 250},
    {"Prezzo", 1841, 15},
    {"Segnala", 1857, 2},
    {"File01", 1860, 250},
    {"File02", 2111, 250},
    {"File03", 2362, 250},
    {"Desc01", 2613, 250},
    {"Desc02", 2864, 250},
    {"Desc03", 3115, 250},
};

Tipo tipoDi(const QString& nome)
{
    return nome == QLatin1StringView("acquisto") ? Tipo::TSchedaAcquisto : Tipo::TSchedaBolletta;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layouts_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("dimensione");
        QTest::newRow("bolletta") << QStringLiteral("bolletta") << 2826;
        QTest::newRow("acquisto") << QStringLiteral("acquisto") << 3366;
    }

    void layouts()
    {
        QFETCH(QString, tipo);
        const Tracciato& t = Tracciato::di(tipoDi(tipo));
        const auto& attesi = tipo == QLatin1StringView("acquisto") ? acquisto : bolletta;
        QCOMPARE(t.tipo(), tipoDi(tipo));
        QTEST(t.dimensione(), "dimensione");
        QCOMPARE(t.campi(), int(attesi.size()));
        for (int i = 0; i < t.campi(); ++i) {
            QCOMPARE(QLatin1StringView(t.nome(i)), QLatin1StringView(attesi[i].nome));
            QCOMPARE(t.offset(i), attesi[i].offset);
            QCOMPARE(t.larghezza(i), attesi[i].larghezza);
            QCOMPARE(t.indice(QLatin1StringView(attesi[i].nome)), i);
        }
        QCOMPARE(Scheda(t.tipo()).byte(), QByteArray(t.dimensione(), '\0'));
    }

    // Text into a field and back: the exact bytes written, and what reading
    // them gives.
    void textToField_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte"); // length byte and text
        QTest::addColumn<QString>("riletto");

        const QString sessanta = QStringLiteral("0123456789").repeated(6);
        QTest::newRow("Sì") << "Segnala" << QStringLiteral("Sì") << QByteArray::fromHex("0253EC")
                            << QStringLiteral("Sì");
        QTest::newRow("No") << "Segnala" << QStringLiteral("No") << QByteArray::fromHex("024E6F")
                            << QStringLiteral("No");
        QTest::newRow("cut to the width after trimming")
            << "Numero" << QStringLiteral("   ") + sessanta << QByteArray("\x32" + sessanta.left(50).toLatin1())
            << sessanta.left(50);
        QTest::newRow("blanks and control characters trimmed")
            << "Beneficiario" << QStringLiteral(" \t\r\n Mario  Rossi \x01\x1f ")
            << QByteArray("\x0c"
                          "Mario  Rossi")
            << QStringLiteral("Mario  Rossi");
        QTest::newRow("only blanks") << "Note" << QStringLiteral(" \t ") << QByteArray::fromHex("00") << QString();
        QTest::newRow("no-break space kept")
            << "CC" << QStringLiteral("\u00a0IT60\u00a0") << QByteArray::fromHex("06A049543630A0")
            << QStringLiteral("\u00a0IT60\u00a0");
        QTest::newRow("Greek letter") << "Causale" << QStringLiteral("Δx") << QByteArray("\x02?x")
                                      << QStringLiteral("?x");
        QTest::newRow("surrogate pair is one character") << "Note" << QStringLiteral("a\U0001F600b")
                                                         << QByteArray("\x03"
                                                                       "a?b")
                                                         << QStringLiteral("a?b");
        QTest::newRow("lone surrogate") << "Note" << QString(QChar(0xD800)) + QStringLiteral("b")
                                        << QByteArray("\x02?b") << QStringLiteral("?b");
        QTest::newRow("euro sign") << "Prezzo" << QStringLiteral("12,50 €")
                                   << QByteArray("\x07"
                                                 "12,50 \x80")
                                   << QStringLiteral("12,50 €");
        QTest::newRow("undefined byte kept") << "Note" << QStringLiteral("a\u0081\u009d")
                                             << QByteArray::fromHex("0361819D") << QStringLiteral("a\u0081\u009d");
        QTest::newRow("surrogate pair at the width") << "Segnala" << QStringLiteral("a\U0001F600b")
                                                     << QByteArray("\x02"
                                                                   "a?")
                                                     << QStringLiteral("a?");
    }

    void textToField()
    {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        Scheda s(Tipo::TSchedaBolletta);
        const Tracciato& t = s.tracciato();
        const int i = t.indice(campo);
        s.imposta(campo, testo);

        // The field holds exactly these bytes and zeros after them; no other
        // field has changed.
        QByteArray atteso(t.dimensione(), '\0');
        atteso.replace(t.offset(i), byte.size(), byte);
        QCOMPARE(s.byte().toHex(' '), atteso.toHex(' '));
        QTEST(s.testo(campo), "riletto");
    }

    // Reading fields that this program would not have written: files damaged
    // or written by other programs.
    void fieldToText_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QByteArray>("byte"); // from the length byte on, may run into the next field
        QTest::addColumn<QString>("testo");

        QTest::newRow("junk after the text") << "Numero" << QByteArray::fromHex("03414243FF00EC58") << "ABC";
        QTest::newRow("empty with junk") << "Numero" << QByteArray::fromHex("00414243") << QString();
        QTest::newRow("length past the width stops at the width")
            << "Segnala" << QByteArray::fromHex("FF4E6F03585858") << "No";
        QTest::newRow("length one past the width") << "DataEmi"
                                                   << QByteArray("\x0b"
                                                                 "05/03/2015"
                                                                 "X")
                                                   << "05/03/2015";
        QTest::newRow("stored blanks are trimmed") << "Note" << QByteArray("\x09  A B\t\r\n\x00", 10) << "A B";
        QTest::newRow("byte A0 is not a blank")
            << "Note" << QByteArray::fromHex("03A041A0") << QStringLiteral("\u00a0A\u00a0");
        QTest::newRow("code page") << "Note" << QByteArray::fromHex("078A8E9A9E9FE899") << QStringLiteral("ŠŽšžŸè™");
    }

    void fieldToText()
    {
        QFETCH(QString, campo);
        QFETCH(QByteArray, byte);
        const Tracciato& t = Tracciato::di(Tipo::TSchedaBolletta);
        QByteArray record(t.dimensione(), '\0');
        record.replace(t.offset(t.indice(campo)), byte.size(), byte);
        const Scheda s(Tipo::TSchedaBolletta, record.constData());
        QTEST(s.testo(campo), "testo");
        QTEST(s.vista().testo(t.indice(campo)), "testo");
    }

    // Every byte reads as one character and that character writes back as
    // the same byte, so rewriting a card never changes what it held.
    void codePageRoundTrip()
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = FieldText::decode(&byte, 1);
            QCOMPARE(c.size(), 1);
            QCOMPARE(FieldText::encode(c), QByteArray(1, byte));
        }
        QCOMPARE(FieldText::decode("\x80\x9f\xa0\xff", 4), QStringLiteral("€Ÿ\u00a0ÿ"));
        // C1 controls whose byte Windows-1252 gives to a printable character
        // have no byte of their own.
        QCOMPARE(FieldText::encode(QStringLiteral("\u0080\u009f\u0100\u20ac")), QByteArray::fromHex("3F3F3F80"));
    }

    // The scans' decoder takes plain ASCII eight bytes at a time: whatever
    // the run lengths and wherever a byte above 127 falls, it gives what the
    // plain decoder gives.
    void scanDecoderMatchesThePlainOne()
    {
        QByteArray bytes;
        for (int i = 0; i < 300; ++i)
            bytes.append(char(i % 37 == 0 ? 0x80 + i % 128 : 32 + i % 95));
        for (int start : {0, 1, 7, 8, 9}) {
            for (int n : {0, 1, 7, 8, 9, 16, 37, 200}) {
                QString out(n, Qt::Uninitialized);
                FieldText::decodeInto(bytes.constData() + start, n, reinterpret_cast<char16_t*>(out.data()));
                QCOMPARE(out, FieldText::decode(bytes.constData() + start, n));
            }
        }
    }

    // Every field of both layouts, filled to its full width, reads back as
    // written: no field spills into its neighbour.
    void everyFieldRoundTrips_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("bolletta") << QStringLiteral("bolletta");
        QTest::newRow("acquisto") << QStringLiteral("acquisto");
    }

    void everyFieldRoundTrips()
    {
        QFETCH(QString, tipo);
        const Scheda s = schedaDiProva(tipoDi(tipo), QStringLiteral("X"), 7);
        const Tracciato& t = s.tracciato();
        QCOMPARE(s.byte().size(), t.dimensione());
        for (int i = 0; i < t.campi(); ++i) {
            const QString atteso = testoDiProva(t, i, QStringLiteral("X"), 7);
            QCOMPARE(atteso.size(), QLatin1StringView(t.nome(i)) == QLatin1StringView("Segnala") ? 2 : t.larghezza(i));
            QCOMPARE(s.testo(QLatin1StringView(t.nome(i))), atteso);
            QCOMPARE(uchar(s.byte().at(t.offset(i))), uchar(atteso.size()));
        }
        // A copy made from the bytes is the same card.
        QCOMPARE(Scheda(s.vista()), s);
    }

    // Screens build records from their controls by name, and the layouts do
    // not share all names.
    void unknownFieldNames()
    {
        Scheda bolletta(Tipo::TSchedaBolletta);
        bolletta.imposta("Numero", QStringLiteral("12"));
        const QByteArray prima = bolletta.byte();
        bolletta.imposta("Attivita", QStringLiteral("Negozio"));
        bolletta.imposta("numero", QStringLiteral("34"));
        bolletta.imposta(-1, QStringLiteral("34"));
        bolletta.imposta(bolletta.tracciato().campi(), QStringLiteral("34"));
        QCOMPARE(bolletta.byte(), prima);
        QCOMPARE(bolletta.testo("Attivita"), QString());
        QCOMPARE(bolletta.testo(u"Numero"), QStringLiteral("12"));
        QCOMPARE(bolletta.testo(QString()), QString());
        QCOMPARE(bolletta.tracciato().indice(u"Numero "), -1);

        const Scheda acquisto(Tipo::TSchedaAcquisto);
        QCOMPARE(acquisto.testo("Beneficiario"), QString());
        QCOMPARE(acquisto.tracciato().indice("Attivita"), 2);
    }
};

TESSARIA_TEST_MAIN(TestRecord)
#include "test_record.moc"
