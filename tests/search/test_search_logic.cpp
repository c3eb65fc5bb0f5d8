// The plain parts of the search screen and the unpaid summary: result lines,
// filter matching, list order, the find walk and the unpaid selection.

#include "SearchFixtures.h"
#include "TestSupport.h"
#include "search/Filters.h"
#include "search/LineList.h"
#include "search/ResultLine.h"
#include "search/Scan.h"

#include <QRandomGenerator>

Q_DECLARE_METATYPE(ListKind)

namespace {

// A bills card: number, due date, payer, payee, reason, amount.
Campi bolletta(const char* numero, const char* causale = "Saldo", const char* prezzo = "42,10")
{
    return {{"Numero", numero}, {"DataSca", "31/03/2024"}, {"Pagatore", "Maria Rossi"}, {"Beneficiario", "Enel SpA"},
        {"Causale", causale}, {"Prezzo", prezzo}, {"Periodo", "AB123CD"}, {"DataEmi", "01/03/2024"}};
}

// Bytes straight into a field: what another writer may have left there.
void rawField(Scheda& s, const char* campo, const QByteArray& length_and_bytes)
{
    const Tracciato& t = s.tracciato();
    const int i = t.indice(QLatin1StringView(campo));
    QByteArray bytes = s.byte();
    bytes.replace(t.offset(i), int(length_and_bytes.size()), length_and_bytes);
    s = Scheda(s.tipo(), bytes.constData());
}

} // namespace

class TestSearchLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY(testDialogs().verify()); }

    void resultLine_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<ListKind>("kind");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("expected");

        const QString coda = QStringLiteral("  Da: ") + pad(QStringLiteral("Maria Rossi"), 24) + QStringLiteral("  A: ")
            + pad(QStringLiteral("Enel SpA"), 24) + QStringLiteral("  Causale: ");
        const QString scad = QStringLiteral("  Scad. 31/03/2024");
        QTest::newRow("bills: a 20-character number shows 18, the amount whole")
            << "Luce" << ListKind::Search
            << card(cat(QStringLiteral("Luce")), bolletta("12345678901234567890", "Saldo", "1234567890,50")).byte()
            << QStringLiteral("N. 123456789012345678  Scad. 31/03/2024") + coda + pad(QStringLiteral("Saldo"), 32)
                + QStringLiteral("  \u20AC 1234567890,50");
        QTest::newRow("bills: a long reason is cut at 32")
            << "Varie" << ListKind::Unpaid
            << card(cat(QStringLiteral("Varie")), bolletta("7", "Una causale davvero molto lunga, oltre il limite"))
                   .byte()
            << QStringLiteral("N. ") + pad(QStringLiteral("7"), 18) + scad + coda
                + QStringLiteral("Una causale davvero molto lunga,  \u20AC 42,10");
        QTest::newRow("letters outside ASCII before and after the first eight bytes")
            << "Luce" << ListKind::Search
            << card(cat(QStringLiteral("Luce")),
                   bolletta("N\u00B0 2024/0000001", "Conguaglio pi\u00F9 quota \u20AC fissa"))
                   .byte()
            << QStringLiteral("N. ") + pad(QStringLiteral("N\u00B0 2024/0000001"), 18) + scad + coda
                + pad(QStringLiteral("Conguaglio pi\u00F9 quota \u20AC fissa"), 32) + QStringLiteral("  \u20AC 42,10");
        QTest::newRow("Tasse starts with the number, reason 35")
            << "Tasse" << ListKind::Search << card(cat(QStringLiteral("Tasse")), bolletta("IMU 2024")).byte()
            << pad(QStringLiteral("IMU 2024"), 18) + scad + coda + pad(QStringLiteral("Saldo"), 35)
                + QStringLiteral("  \u20AC 42,10");
        QTest::newRow("Automezzi shows the plate, 14 wide")
            << "Automezzi" << ListKind::Search << card(cat(QStringLiteral("Automezzi")), bolletta("Bollo")).byte()
            << QStringLiteral("Targa: ") + pad(QStringLiteral("AB123CD"), 14) + scad + coda
                + pad(QStringLiteral("Saldo"), 32) + QStringLiteral("  \u20AC 42,10");
        QTest::newRow("Condominio in the search: number at 18, reason 30")
            << "Condominio" << ListKind::Search
            << card(cat(QStringLiteral("Condominio")), bolletta("RATA-2024-0001-ABCDEF")).byte()
            << QStringLiteral("Doc. n. RATA-2024-0001-ABC") + scad + coda + pad(QStringLiteral("Saldo"), 30)
                + QStringLiteral("  \u20AC 42,10");
        QTest::newRow("Condominio in the summary: number at 16")
            << "Condominio" << ListKind::Unpaid
            << card(cat(QStringLiteral("Condominio")), bolletta("RATA-2024-0001-ABCDEF")).byte()
            << QStringLiteral("Doc. n. RATA-2024-0001-A") + scad + coda + pad(QStringLiteral("Saldo"), 30)
                + QStringLiteral("  \u20AC 42,10");
        QTest::newRow("Acquisti: date of issue, shop, products")
            << "Acquisti" << ListKind::Unpaid
            << card(cat(QStringLiteral("Acquisti")),
                   {{"Numero", "SC 4411"}, {"DataEmi", "03/05/2024"}, {"Pagatore", "Luca Verdi"},
                       {"Attivita", "Elettrodomestici Bianchi & Figli"}, {"Prodotti", "Lavatrice"},
                       {"Prezzo", "529,00"}, {"Tel", "0544 1"}})
                   .byte()
            << QStringLiteral("N. ") + pad(QStringLiteral("SC 4411"), 18) + QStringLiteral("  Data: 03/05/2024  Da: ")
                + pad(QStringLiteral("Luca Verdi"), 24) + QStringLiteral("  A: Elettrodomestici Bianchi  Prodotti: ")
                + pad(QStringLiteral("Lavatrice"), 32) + QStringLiteral("  \u20AC 529,00");
        QTest::newRow("a blank card") << "Gas" << ListKind::Search << Scheda(Tipo::TSchedaBolletta).byte()
                                      << QStringLiteral("N. ") + pad({}, 18) + QStringLiteral("  Scad. ") + pad({}, 10)
                + QStringLiteral("  Da: ") + pad({}, 24) + QStringLiteral("  A: ") + pad({}, 24)
                + QStringLiteral("  Causale: ") + pad({}, 32) + QStringLiteral("  \u20AC ");

        // Fields as another writer may leave them: blanks and control
        // characters around the text, Windows-1252 letters, a length byte past
        // the width.
        Scheda grezza = card(cat(QStringLiteral("Luce")), bolletta("x"));
        rawField(grezza, "Numero", QByteArray("\x07\t  N\xC8 1 ", 8));
        rawField(grezza, "Pagatore", QByteArray("\x06\x80 caf\xE9", 7));
        rawField(grezza, "DataSca",
            QByteArray("\xFF"
                       "31/03/2024",
                11));
        QTest::newRow("trimmed bytes, Windows-1252 letters, a damaged length")
            << "Luce" << ListKind::Search << grezza.byte()
            << QStringLiteral("N. ") + pad(QStringLiteral("N\u00C8 1"), 18) + scad + QStringLiteral("  Da: ")
                + pad(QStringLiteral("\u20AC caf\u00E9"), 24) + QStringLiteral("  A: ")
                + pad(QStringLiteral("Enel SpA"), 24) + QStringLiteral("  Causale: ") + pad(QStringLiteral("Saldo"), 32)
                + QStringLiteral("  \u20AC 42,10");
    }

    void resultLine()
    {
        QFETCH(QString, chiave);
        QFETCH(ListKind, kind);
        QFETCH(QByteArray, record);
        QFETCH(QString, expected);
        const Scheda scheda(cat(chiave).tipo, record.constData());
        const ResultLine line(cat(chiave), kind);
        QCOMPARE(line(scheda.vista()), expected);
        // The buffer-reusing form gives the same line over a longer one.
        QString buffer(400, QLatin1Char('#'));
        line.build(scheda.vista(), buffer);
        QCOMPARE(buffer, expected);
        // And as a line of a list, after another.
        ResultLines lines(QStringList {QStringLiteral("###")});
        line.append(scheda.vista(), lines);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(1).toString(), expected);
    }

    void filterLabels_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("labels");
        const QStringList billEdits = {"txtNumero", "txtBeneficiario", "txtPrezzo", "txtPeriodo", "txtCausale",
            "txtDataSca", "txtPagatore", "txtCodFisc", "txtCodCliente", "txtNote"};
        const QStringList tail
            = {"Causale:", "Data scadenza (gg/mm/aaaa):", "Pagatore:", "Codice fiscale:", "Codice cliente:", "Note:"};
        QTest::newRow("Luce") << "Luce" << billEdits
                              << QStringList {"Bolletta / Fattura n.", "Beneficiario:", "Importo: \u20AC",
                                     "Periodo di riferimento:"}
                + tail;
        QTest::newRow("Automezzi") << "Automezzi" << billEdits
                                   << QStringList {"Bolletta / Fattura n.", "Beneficiario:", "Importo: \u20AC",
                                          "Periodo di riferimento:"}
                + tail;
        QTest::newRow("Tasse") << "Tasse" << billEdits
                               << QStringList {"Tipologia tassa:", "Ente beneficiario:", "Importo: \u20AC",
                                      "Periodo di riferimento:"}
                + tail;
        QTest::newRow("Condominio") << "Condominio" << billEdits
                                    << QStringList {"Doc. / Fattura n.", "Beneficiario:", "Importo: \u20AC",
                                           "Periodo di riferimento:"}
                + tail;
        QTest::newRow("Acquisti") << "Acquisti"
                                  << QStringList {"txtNumero", "txtAttivita", "txtPrezzo", "txtSito", "txtProdotti",
                                         "txtTel", "txtPagatore", "txtCodFisc", "txtCodCliente", "txtNote"}
                                  << QStringList {"Scontrino / Fattura n.", "Attività commerciale:", "Importo: \u20AC",
                                         "Sito Web:", "Prodotti acquistati:", "Tel.",
                                         "Pagatore:", "Codice fiscale:", "Codice cliente:", "Note:"};
    }

    // The labels and edit names in Enter order; the label and highlight
    // components stay in their places whatever the field.
    void filterLabels()
    {
        QFETCH(QString, chiave);
        QFETCH(QStringList, edits);
        QFETCH(QStringList, labels);
        const QList<FilterField> fields = filtersFor(cat(chiave));
        QCOMPARE(fields.size(), 10);
        const char* numbers[] = {"01", "02", "09", "10", "05", "06", "07", "08", "03", "04"};
        const Tracciato& t = Tracciato::di(cat(chiave).tipo);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(fields[i].edit, edits[i]);
            QCOMPARE(fields[i].labelText, labels[i]);
            QCOMPARE(fields[i].field, fields[i].edit.mid(3));
            QVERIFY(t.indice(fields[i].field) >= 0);
            QCOMPARE(fields[i].label, QStringLiteral("lblCampo") + QLatin1String(numbers[i]));
            QCOMPARE(fields[i].highlight, QStringLiteral("effCampo") + QLatin1String(numbers[i]));
        }
    }

    void filterMatch_data()
    {
        QTest::addColumn<QString>("filter"); // typed in txtBeneficiario (bills)
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("matches");
        QTest::newRow("capitals find lower case") << "ROSSI"
                                                  << "Mario Rossi" << true;
        QTest::newRow("lower case finds capitals") << "rossi"
                                                   << "MARIO ROSSI" << true;
        QTest::newRow("consecutive words") << "rio ro"
                                           << "Mario Rossi" << true;
        QTest::newRow("words apart do not") << "mario rossi"
                                            << "Mario De Rossi" << false;
        QTest::newRow("typed è does not find È") << "è"
                                                 << "ÈNTE" << false;
        QTest::newRow("typed È finds È") << "È"
                                         << "ÈNTE" << true;
        QTest::newRow("typed è finds è") << "Caffè"
                                         << "Bar caffè" << true;
        QTest::newRow("not trimmed: blank before") << " Rossi"
                                                   << "Rossi Mario" << false;
        QTest::newRow("not trimmed: blank inside") << " Rossi"
                                                   << "Mario Rossi" << true;
        QTest::newRow("the euro sign") << "€ 5"
                                       << "buono € 50" << true;
        QTest::newRow("a character no record holds finds no ?") << "\u0142"
                                                                << "?" << false;
        QTest::newRow("empty text never matches") << ""
                                                  << "Mario Rossi" << false;
        QTest::newRow("longer than the field") << "Mario Rossi e figli"
                                               << "Mario Rossi" << false;
    }

    void filterMatch()
    {
        QFETCH(QString, filter);
        QFETCH(QString, stored);
        QFETCH(bool, matches);
        const Categoria& luce = cat(QStringLiteral("Luce"));
        Scheda s(luce.tipo);
        s.imposta("Beneficiario", stored);
        QStringList texts(10);
        texts[1] = filter;
        QCOMPARE(FilterSet(luce, texts).matching(s.vista()), matches ? 1 : 0);
    }

    // The filled count and the rule "matching filters >= filled count",
    // with dates and amounts as plain text.
    void filterRule_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("filled");
        QTest::addColumn<bool>("passes");
        const QStringList blank(10);
        auto with = [&blank](QList<std::pair<int, QString>> set) {
            QStringList t = blank;
            for (const auto& [i, s] : set)
                t[i] = s;
            return t;
        };
        QTest::newRow("all blank lists every card") << "Luce" << blank << 0 << true;
        QTest::newRow("amount 12 finds 112,50") << "Luce" << with({{2, "12"}}) << 1 << true;
        QTest::newRow("amount 2,5 finds 112,50") << "Luce" << with({{2, "2,5"}}) << 1 << true;
        QTest::newRow("date by month and year") << "Luce" << with({{5, "/03/2024"}}) << 1 << true;
        QTest::newRow("date in another form") << "Luce" << with({{5, "31-03"}}) << 1 << false;
        QTest::newRow("two filled, both match") << "Luce" << with({{0, "F-7"}, {6, "rossi"}}) << 2 << true;
        QTest::newRow("two filled, one matches") << "Luce" << with({{0, "F-8"}, {6, "rossi"}}) << 2 << false;
        QTest::newRow("blanks only: not counted, never matching here") << "Luce" << with({{9, "   "}}) << 0 << true;
        QTest::newRow("a matching blank filter stands in for a filled one")
            << "Luce" << with({{0, "F-8"}, {6, " "}}) << 1 << true;
        QTest::newRow("Acquisti: shop and products")
            << "Acquisti" << with({{1, "bianchi"}, {4, "LAVATRICE"}}) << 2 << true;
        QTest::newRow("Acquisti: telephone") << "Acquisti" << with({{5, "0544"}}) << 1 << true;
        QTest::newRow("Acquisti: site not matching") << "Acquisti" << with({{3, "www.rossi"}}) << 1 << false;
    }

    void filterRule()
    {
        QFETCH(QString, chiave);
        QFETCH(QStringList, texts);
        QFETCH(int, filled);
        QFETCH(bool, passes);
        const Categoria& c = cat(chiave);
        const Scheda s = c.tipo == Tipo::TSchedaAcquisto
            ? card(c,
                {{"Numero", "SC 1"}, {"Attivita", "Elettrodomestici Bianchi"}, {"Prezzo", "112,50"},
                    {"Sito", "www.bianchi.example"}, {"Prodotti", "Lavatrice 8 kg"}, {"Tel", "0544 123456"},
                    {"Pagatore", "Luca Verdi"}})
            : card(c,
                {{"Numero", "F-7"}, {"Prezzo", "112,50"}, {"DataSca", "31/03/2024"}, {"Pagatore", "Maria Rossi"},
                    {"Note", "Pagata  in posta"}});
        const FilterSet set(c, texts);
        QCOMPARE(set.filled(), filled);
        QCOMPARE(set.passes(s.vista()), passes);
    }

    void compareLines_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("equal") << "N. 1"
                               << "N. 1" << 0;
        QTest::newRow("a-z as A-Z") << "n. abc"
                                    << "N. ABC" << 0;
        QTest::newRow("case does not decide") << "N. b"
                                              << "N. C" << -1;
        QTest::newRow("a-z compare as capitals with _") << "a"
                                                        << "_" << -1; // 'A' 0x41 < '_' 0x5F
        QTest::newRow("shorter first") << "N. 1"
                                       << "N. 10" << -1;
        QTest::newRow("blank before digits") << "N. 1 "
                                             << "N. 10" << -1;
        QTest::newRow("accented letters keep their case and code") << "Z"
                                                                   << "\u00C8" << -1;
        QTest::newRow("è is not È") << "\u00E8"
                                    << "\u00C8" << 1;
        QTest::newRow("by UTF-16 unit: € after letters") << "\u20AC"
                                                         << "z" << 1;
    }

    void compareLines()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(LineList::compareLines(a, b), order);
        QCOMPARE(LineList::compareLines(b, a), -order);
    }

    // Sorting many lines agrees with the comparison pairwise and keeps every
    // line. With a long shared beginning (in either case) and tails longer
    // than the sort's key, lines tie on the key and on the beginning. A last
    // line (`late`, when given) that shares less with the others than they
    // share among themselves changes every key taken before it.
    void sortLines_data()
    {
        QTest::addColumn<QStringList>("beginnings");
        QTest::addColumn<int>("longest");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("late");
        const QString mixed = QStringLiteral("aAbB _1\u00E8\u20AC");
        QTest::newRow("short lines") << QStringList {QString()} << 6 << mixed << QString();
        QTest::newRow("shared beginning, long tails")
            << QStringList {QStringLiteral("Fattura N. 2024/"), QStringLiteral("fattura n. 2024/")} << 24 << mixed
            << QString();
        QTest::newRow("one line a beginning of the others")
            << QStringList {QStringLiteral("Nr. ")} << 3 << mixed << QString();
        // Tails that differ only in letter case and length, then in one
        // letter far along: the order is decided past the first characters.
        QTest::newRow("long ties") << QStringList {QStringLiteral("N. ")} << 30 << QStringLiteral("aAaAaAaAb")
                                   << QString();
        QTest::newRow("NUL inside") << QStringList {QStringLiteral("N. ")} << 16 << QStringLiteral("a\u0000A\u0000")
                                    << QString();
        QTest::newRow("a late line shares less")
            << QStringList {QStringLiteral("N. 2024/")} << 8 << mixed << QStringLiteral("N. 2023/b");
        QTest::newRow("a late line shares nothing")
            << QStringList {QStringLiteral("Fattura N. 2024/")} << 8 << mixed << QStringLiteral("A");
    }

    void sortLines()
    {
        QFETCH(QStringList, beginnings);
        QFETCH(int, longest);
        QFETCH(QString, letters);
        QFETCH(QString, late);
        QStringList lines;
        QRandomGenerator rng(7);
        for (int i = 0; i < 500; ++i) {
            QString s = beginnings.at(rng.bounded(int(beginnings.size())));
            for (int k = int(rng.bounded(longest)); k > 0; --k)
                s += letters.at(rng.bounded(int(letters.size())));
            lines << s;
        }
        if (!late.isEmpty())
            lines << late;
        ResultLines block(lines);
        block.sort();
        const QStringList sorted = block.toStringList();
        for (int i = 1; i < sorted.size(); ++i)
            QVERIFY2(
                LineList::compareLines(sorted[i - 1], sorted[i]) <= 0, qPrintable(sorted[i - 1] + " / " + sorted[i]));
        QStringList expected = lines;
        QStringList got = sorted;
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        QCOMPARE(got, expected);
    }

    // A list long enough to be sorted on two cores comes out in the same
    // order as the comparison gives.
    void sortLongList()
    {
        QStringList lines;
        QRandomGenerator rng(11);
        for (int i = 0; i < 50000; ++i)
            lines << QStringLiteral("N. %1/%2  Da: %3")
                         .arg(2000 + rng.bounded(25))
                         .arg(rng.bounded(1000))
                         .arg(rng.bounded(7));
        ResultLines block(lines);
        block.sort();
        std::sort(lines.begin(), lines.end(),
            [](const QString& a, const QString& b) { return LineList::compareLines(a, b) < 0; });
        // Lines that compare equal are equal here, so the lists are the same.
        QCOMPARE(block.toStringList(), lines);
    }

    void findLine_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("found");
        // Lines: 0 "N. 1 Rossi", 1 "N. 2 Bianchi", 2 "N. 3 Rossi", 3 "N. 4 Verdi"
        QTest::newRow("new text starts at the first line") << 2 << "rossi"
                                                           << "" << 0;
        QTest::newRow("new text tests the first line first") << 0 << "n. 1"
                                                             << "x" << 0;
        QTest::newRow("same text goes on after the selection") << 0 << "rossi"
                                                               << "rossi" << 2;
        QTest::newRow("same text wraps round") << 2 << "rossi"
                                               << "rossi" << 0;
        QTest::newRow("single match stays selected") << 3 << "verdi"
                                                     << "verdi" << 3;
        QTest::newRow("changed text restarts") << 2 << "n."
                                               << "rossi" << 0;
        QTest::newRow("no match") << 1 << "neri"
                                  << "" << -1;
        QTest::newRow("empty text finds nothing") << 0 << ""
                                                  << "" << -1;
        QTest::newRow("the text is not trimmed") << 0 << "3 rossi "
                                                 << "" << -1;
    }

    void findLine()
    {
        QFETCH(int, selected);
        QFETCH(QString, needle);
        QFETCH(QString, last);
        QFETCH(int, found);
        const ResultLines lines(QStringList {"N. 1 Rossi", "N. 2 Bianchi", "N. 3 Rossi", "N. 4 Verdi"});
        QCOMPARE(LineList::findLine(lines, selected, needle, last), found);
    }

    // Pressing again walks every match once per round.
    void findWalksAndWraps()
    {
        const ResultLines lines(QStringList {"a x", "b", "c x", "d", "e x"});
        QString last;
        int selected = 0;
        QList<int> visited;
        for (int press = 0; press < 5; ++press) {
            const int f = LineList::findLine(lines, selected, QStringLiteral("x"), last);
            last = QStringLiteral("x");
            selected = f;
            visited << f;
        }
        QCOMPARE(visited, (QList<int> {0, 2, 4, 0, 2}));
    }

    void unpaid_data()
    {
        QTest::addColumn<QByteArray>("segnala"); // length byte and bytes
        QTest::addColumn<bool>("unpaid");
        QTest::newRow("Sì") << QByteArray("\x02S\xEC") << true;
        QTest::newRow("Sì past the length") << QByteArray("\x01S\xEC") << false;
        QTest::newRow("No") << QByteArray("\x02No") << false;
        QTest::newRow("Si without the accent") << QByteArray("\x02Si") << false;
        QTest::newRow("SÌ in capitals") << QByteArray("\x02S\xCC") << false;
        QTest::newRow("sì in lower case") << QByteArray("\x02s\xEC") << false;
        QTest::newRow("empty") << QByteArray("\x00", 1) << false;
        QTest::newRow("damaged length") << QByteArray("\x09S\xEC") << true;
    }

    void unpaid()
    {
        QFETCH(QByteArray, segnala);
        QFETCH(bool, unpaid);
        Scheda s(Tipo::TSchedaAcquisto);
        rawField(s, "Segnala", segnala);
        QCOMPARE(Scan::UnpaidTest(s.tracciato())(s.vista()), unpaid);
    }
};

TESSARIA_TEST_MAIN(TestSearchLogic)
#include "test_search_logic.moc"
