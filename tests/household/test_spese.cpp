#include "TestSupport.h"
#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "editor/TfrmArchivio.h"
#include "household/SpendingBars.h"
#include "household/SpendingReport.h"
#include "household/SpendingSummary.h"
#include "household/TfrmSchedeEscluse.h"
#include "household/TfrmSpese.h"
#include "report/ReportOutput.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>

#include <optional>

Q_DECLARE_METATYPE(std::optional<QDate>)

namespace {

const Categoria& cat(CategoryId id)
{
    return Catalogo::PerId(id);
}

struct Card {
    CategoryId archive;
    const char* dataEmi;
    const char* dataSca;
    const char* dataPag;
    const char* prezzo;
    bool unpaid = false;
};

Scheda scheda(const Card& c, int n)
{
    const Categoria& k = cat(c.archive);
    Scheda s(k.tipo);
    s.imposta("Numero", QStringLiteral("%1-%2").arg(k.Sigla).arg(n));
    s.imposta("DataEmi", QString::fromUtf8(c.dataEmi));
    s.imposta("DataSca", QString::fromUtf8(c.dataSca));
    s.imposta("DataPag", QString::fromUtf8(c.dataPag));
    s.imposta("Prezzo", QString::fromUtf8(c.prezzo));
    s.imposta("Segnala", c.unpaid ? Flag::Yes : Flag::No);
    return s;
}

void write(const QList<Card>& cards)
{
    for (const Categoria& k : Catalogo::Tutte()) {
        QList<Scheda> mine;
        for (const Card& c : cards)
            if (c.archive == k.id)
                mine.append(scheda(c, int(mine.size()) + 1));
        if (mine.isEmpty())
            continue;
        TArchivioSchede a(k);
        a.Apri(TArchivioSchede::Accesso::Scrittura);
        for (const Scheda& s : std::as_const(mine))
            a.Aggiungi(s);
    }
}

// A few cards per archive across 2024 and 2025, in the forms households
// write; two of them cannot be summed.
const QList<Card> TwoYears = {
    {CategoryId::Luce, "02/03/2025", "20/03/2025", "18/03/2025", "123,45"},
    {CategoryId::Luce, "", "", "05/03/2025", "1.000,05", true},
    {CategoryId::Luce, "10/03/2024", "", "", "99,99"},
    {CategoryId::Gas, "", "12/01/2025", "", "€ 12.50"},
    {CategoryId::Gas, "31/12/2024", "", "", "-20,00"},
    {CategoryId::Gas, "05/12/2024", "", "", "EUR 1.234"},
    {CategoryId::Acquisti, "03/05/2025", "", "", "529,00", true},
    {CategoryId::Tasse, "16/06/2025", "", "31/02/2025", "7,5"},
    {CategoryId::Varie, "10/02/2025", "", "", "circa 30"},
    {CategoryId::Varie, "", "", "", "45,00"},
};

// The text of a cell of grdSpese.
QString shown(QTableWidget* t, int row, int column)
{
    QTableWidgetItem* i = t->item(row, column);
    return i ? i->text() : QString();
}

} // namespace

class TestSpese : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::pin(QDateTime(QDate(2025, 6, 20), QTime(10, 0))); }
    void cleanup()
    {
        Clock::pin({});
        QVERIFY(testDialogs().verify());
        testDialogs().reset();
    }

    // Which date a card counts on: payment, else issue, else due date; the
    // first one that is a real date. Purchases have only the issue date.
    void monthRule_data()
    {
        QTest::addColumn<int>("archive");
        QTest::addColumn<QString>("dataEmi");
        QTest::addColumn<QString>("dataSca");
        QTest::addColumn<QString>("dataPag");
        QTest::addColumn<std::optional<QDate>>("date");
        const int luce = int(CategoryId::Luce);
        const int acquisti = int(CategoryId::Acquisti);
        auto row = [](const char* name, int a, const char* e, const char* s, const char* p, std::optional<QDate> d) {
            QTest::newRow(name) << a << QString::fromLatin1(e) << QString::fromLatin1(s) << QString::fromLatin1(p) << d;
        };
        row("payment first", luce, "01/01/2025", "15/01/2025", "20/02/2025", QDate(2025, 2, 20));
        row("issue without payment", luce, "01/01/2025", "15/03/2025", "", QDate(2025, 1, 1));
        row("due only", luce, "", "15/03/2025", "", QDate(2025, 3, 15));
        row("impossible payment date", luce, "01/01/2025", "", "31/02/2025", QDate(2025, 1, 1));
        row("malformed issue date", luce, "1/1/2025", "15/03/2025", "", QDate(2025, 3, 15));
        row("blanks around", luce, "", "", "  05/04/2024 ", QDate(2024, 4, 5));
        row("no valid date", luce, "gennaio", "00/00/0000", "2025", std::nullopt);
        row("purchase issue date", acquisti, "03/05/2025", "", "", QDate(2025, 5, 3));
        row("purchase without date", acquisti, "", "", "", std::nullopt);
    }
    void monthRule()
    {
        QFETCH(int, archive);
        QFETCH(QString, dataEmi);
        QFETCH(QString, dataSca);
        QFETCH(QString, dataPag);
        const Categoria& k = Catalogo::Tutte().at(archive);
        Scheda s(k.tipo);
        s.imposta("DataEmi", dataEmi);
        s.imposta("DataSca", dataSca);
        s.imposta("DataPag", dataPag);
        QTEST(SpendingSummary::dateOf(k, s.vista()), "date");
    }

    // Exact sums in cents per archive and month, the part still to be paid,
    // the years, the totals row, and what is left out.
    void sums()
    {
        TempProgramFolder folder;
        write(TwoYears);
        const SpendingSummary s = SpendingSummary::read();
        QCOMPARE(s.years(), QList<int>({2025, 2024}));
        QCOMPARE(s.openingYear(2025), 2025);
        QCOMPARE(s.openingYear(2030), 2025);

        const SpendingTable y = s.table(2025);
        QCOMPARE(y.header.first(), QStringLiteral("Archivio"));
        QCOMPARE(y.header.at(3), QStringLiteral("Mar"));
        QCOMPARE(y.header.mid(13), QStringList({QStringLiteral("Totale"), QStringLiteral("di cui da pagare")}));
        QCOMPARE(y.rows.size(), 11);
        QCOMPARE(y.cell(0, 0), QStringLiteral("Luce"));
        QCOMPARE(y.cell(0, 3), QStringLiteral("1.123,50"));
        QCOMPARE(y.cell(0, 13), QStringLiteral("1.123,50"));
        QCOMPARE(y.cell(0, 14), QStringLiteral("1.000,05"));
        QCOMPARE(y.cell(0, 2), QString()); // nothing in February
        QCOMPARE(y.cell(1, 1), QStringLiteral("12,50"));
        QCOMPARE(y.cell(7, 5), QStringLiteral("529,00"));
        QCOMPARE(y.cell(8, 6), QStringLiteral("7,50")); // the issue date, the payment date being impossible
        QCOMPARE(y.cell(9, 13), QString());
        QCOMPARE(y.cell(10, 0), QStringLiteral("Totale"));
        QCOMPARE(y.cell(10, 3), QStringLiteral("1.123,50"));
        QCOMPARE(y.cell(10, 13), QStringLiteral("1.672,50"));
        QCOMPARE(y.cell(10, 14), QStringLiteral("1.529,05"));

        const SpendingTable last = s.table(2024);
        QCOMPARE(last.cell(1, 12), QStringLiteral("1.214,00")); // 1.234 and a refund of 20
        QCOMPARE(last.cell(0, 3), QStringLiteral("99,99"));

        const SpendingTable all = s.table(SpendingSummary::AllYears);
        QCOMPARE(all.header,
            QStringList({QStringLiteral("Archivio"), QStringLiteral("2024"), QStringLiteral("2025"),
                QStringLiteral("Totale"), QStringLiteral("di cui da pagare")}));
        QCOMPARE(all.cell(1, 1), QStringLiteral("1.214,00"));
        QCOMPARE(all.cell(10, 3), QStringLiteral("2.986,49"));

        QCOMPARE(s.excluded().size(), 2);
        QCOMPARE(s.excluded().at(0).categoria, &cat(CategoryId::Varie));
        QCOMPARE(s.excluded().at(1).n, 2);
        QVERIFY(s.excluded().at(0).line.startsWith(QStringLiteral("N. varie-1 ")));
        QCOMPARE(s.excludedText(), QStringLiteral("2 schede non incluse: data o importo non leggibili."));
        QVERIFY(s.warnings().isEmpty());
    }

    void excludedText_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("one") << 1 << QStringLiteral("1 scheda non inclusa: data o importo non leggibili.");
        QTest::newRow("three") << 3 << QStringLiteral("3 schede non incluse: data o importo non leggibili.");
    }
    void excludedText()
    {
        QFETCH(int, left);
        TempProgramFolder folder;
        QList<Card> cards {{CategoryId::Rifiuti, "01/02/2025", "", "", "10,00"}};
        for (int i = 0; i < left; ++i)
            cards.append({CategoryId::Rifiuti, "01/02/2025", "", "", "1,2,3"});
        write(cards);
        QTEST(SpendingSummary::read().excludedText(), "text");
    }

    // An archive that cannot be read keeps an empty row, is named, and adds
    // nothing to the totals, its left-out cards included.
    void unreadableArchive()
    {
        TempProgramFolder folder;
        write(TwoYears);
        const Categoria& gas = cat(CategoryId::Gas);
        QVERIFY(QFile::remove(folder.file(gas.FileArchivio())));
        QVERIFY(QDir(folder.path()).mkdir(gas.FileArchivio()));
        const SpendingSummary s = SpendingSummary::read();
        QCOMPARE(s.warnings(), QStringList({QStringLiteral("Non è stato possibile leggere l'archivio Gas.")}));
        const SpendingTable y = s.table(2025);
        QCOMPARE(y.cell(1, 0), QStringLiteral("Gas"));
        QCOMPARE(y.cell(1, 1), QString());
        QCOMPARE(y.cell(10, 1), QString());
        QCOMPARE(y.cell(10, 6), QStringLiteral("7,50"));
        QCOMPARE(s.years(), QList<int>({2025, 2024}));

        TfrmSpese w(nullptr);
        QCOMPARE(child<QLabel>(&w, QStringLiteral("lblAvvisi"))->text(),
            QStringLiteral("Non è stato possibile leggere l'archivio Gas."));
    }

    // The file as an Italian spreadsheet opens it: BOM, ";", decimal comma
    // without thousands point, empty cells, CR LF.
    void csvBytes()
    {
        TempProgramFolder folder;
        write({{CategoryId::Luce, "", "", "05/03/2025", "1.234,50", true},
            {CategoryId::Acquisti, "10/12/2025", "", "", "-5"}});
        const QByteArray csv = SpendingSummary::read().table(2025).csv();
        QByteArray expected = "\xEF\xBB\xBF"
                              "Archivio;Gen;Feb;Mar;Apr;Mag;Giu;Lug;Ago;Set;Ott;Nov;Dic;Totale;di cui da pagare\r\n"
                              "Luce;;;1234,50;;;;;;;;;;1234,50;1234,50\r\n";
        for (const char* name : {"Gas", "Acqua", "Rifiuti", "Telefono e Web", "Auto", "Condominio"})
            expected += QByteArray(name) + ";;;;;;;;;;;;;;\r\n";
        expected += "Acquisti;;;;;;;;;;;;-5,00;-5,00;\r\n";
        expected += "Tasse;;;;;;;;;;;;;;\r\nVarie;;;;;;;;;;;;;;\r\n";
        expected += "Totale;;;1234,50;;;;;;;;;-5,00;1229,50;1234,50\r\n";
        QCOMPARE(csv, expected);
    }

    // The chart's tooltips and the comparison line, from the model behind it.
    void chart()
    {
        TempProgramFolder folder;
        write(TwoYears);
        const SpendingSummary s = SpendingSummary::read();
        const SpendingBars bars(s, 2025, QSizeF(1000, 300));
        QStringList tips;
        for (const SpendingBars::Segment& g : bars.segments()) {
            tips << g.tip;
            QCOMPARE(bars.tipAt(g.rect.center()), g.tip);
            QVERIFY(bars.plot().contains(g.rect));
        }
        QCOMPARE(tips,
            QStringList({QStringLiteral("Gas, gennaio 2025: € 12,50"), QStringLiteral("Luce, marzo 2025: € 1.123,50"),
                QStringLiteral("Acquisti, maggio 2025: € 529,00"), QStringLiteral("Tasse, giugno 2025: € 7,50")}));
        QCOMPARE(bars.tipAt(QPointF(1, 1)), QString());
        QCOMPARE(bars.previousYear().size(), 12);
        QCOMPARE(bars.previousLegend().name, QStringLiteral("2024"));
        QVERIFY(SpendingBars(s, 2024, QSizeF(1000, 300)).previousYear().isEmpty());

        const SpendingBars years(s, SpendingSummary::AllYears, QSizeF(1000, 300));
        QCOMPARE(years.barLabels().size(), 2);
        QCOMPARE(years.segments().first().tip, QStringLiteral("Luce, 2024: € 99,99"));
        // 2025's bar stacks Luce, Gas, Acquisti and Tasse, each on the one before.
        const QList<SpendingBars::Segment>& g = years.segments();
        QCOMPARE(g.size(), 6);
        for (int i = 3; i < g.size(); ++i)
            QCOMPARE(g.at(i).rect.bottom(), g.at(i - 1).rect.top());
        QVERIFY(years.previousYear().isEmpty());
    }

    void axisStep_data()
    {
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<qint64>("step");
        QTest::newRow("nothing") << qint64(0) << qint64(100);
        QTest::newRow("five euro") << qint64(500) << qint64(100);
        QTest::newRow("just over") << qint64(501) << qint64(200);
        QTest::newRow("1.123,50") << qint64(112350) << qint64(50000);
        QTest::newRow("2.500,00") << qint64(250000) << qint64(50000);
        QTest::newRow("2.500,01") << qint64(250001) << qint64(100000);
    }
    void axisStep()
    {
        QFETCH(qint64, largest);
        QTEST(SpendingBars::axisStep(largest), "step");
    }

    // The window: the years newest first, the current year chosen, the table
    // and the count of left-out cards; a year change keeps what was read.
    void window()
    {
        TempProgramFolder folder;
        write(TwoYears);
        TfrmSpese w(nullptr);
        QCOMPARE(w.windowTitle(), QStringLiteral(" Riepilogo delle spese"));
        auto* anno = child<QComboBox>(&w, QStringLiteral("cmbAnno"));
        QCOMPARE(anno->count(), 3);
        QCOMPARE(anno->itemText(0), QStringLiteral("2025"));
        QCOMPARE(anno->itemText(2), QStringLiteral("Tutti gli anni"));
        QCOMPARE(anno->currentText(), QStringLiteral("2025"));
        auto* grid = child<QTableWidget>(&w, QStringLiteral("grdSpese"));
        QCOMPARE(grid->columnCount(), 15);
        QCOMPARE(shown(grid, 0, 3), QStringLiteral("1.123,50"));
        QCOMPARE(shown(grid, 10, 13), QStringLiteral("1.672,50"));
        w.show();
        auto* escluse = child<QLabel>(&w, QStringLiteral("lblEscluse"));
        QVERIFY(escluse->isVisible());
        QCOMPARE(escluse->text(), QStringLiteral("2 schede non incluse: data o importo non leggibili."));

        // The files go; the year change still shows what was read.
        for (const Categoria& k : Catalogo::Tutte())
            QFile::remove(folder.file(k.FileArchivio()));
        anno->setCurrentIndex(1);
        QCOMPARE(w.year(), 2024);
        QCOMPARE(shown(grid, 1, 12), QStringLiteral("1.214,00"));
        anno->setCurrentIndex(2);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("2024"));
    }

    void opensOnNewestYear()
    {
        TempProgramFolder folder;
        write({{CategoryId::Luce, "", "", "05/03/2023", "10,00"}, {CategoryId::Gas, "", "", "05/03/2022", "1,00"}});
        TfrmSpese w(nullptr);
        w.show();
        QCOMPARE(child<QComboBox>(&w, QStringLiteral("cmbAnno"))->currentText(), QStringLiteral("2023"));
        QVERIFY(!child<QLabel>(&w, QStringLiteral("lblEscluse"))->isVisible());
        QVERIFY(!child<QAbstractButton>(&w, QStringLiteral("btnEscluse"))->isVisible());
    }

    void emptyArchives()
    {
        TempProgramFolder folder;
        TfrmSpese w(nullptr);
        auto* anno = child<QComboBox>(&w, QStringLiteral("cmbAnno"));
        QCOMPARE(anno->count(), 1);
        QCOMPARE(anno->currentText(), QStringLiteral("Tutti gli anni"));
        QCOMPARE(child<QTableWidget>(&w, QStringLiteral("grdSpese"))->rowCount(), 11);
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    // "Esporta": the proposed name, and the file written as the table.
    void exportFile()
    {
        TempProgramFolder folder;
        write(TwoYears);
        TfrmSpese w(nullptr);
        const QString path = folder.file(QStringLiteral("uscita.csv"));
        testDialogs().expectSaveFile(path);
        child<QAbstractButton>(&w, QStringLiteral("btnEsporta"))->click();
        QCOMPARE(testDialogs().calls.last().file.proposedName, QStringLiteral("Riepilogo_spese_2025.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), w.summary().table(2025).csv());

        // A folder where the file should go: nothing written, one sentence.
        const QString blocked = folder.file(QStringLiteral("cartella.csv"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("cartella.csv")));
        testDialogs().expectSaveFile(blocked);
        testDialogs().expectPlain(QStringLiteral("Non è stato possibile scrivere il file del riepilogo."));
        child<QAbstractButton>(&w, QStringLiteral("btnEsporta"))->click();
    }

    // "Stampa": one landscape page with the title, the table and the date.
    void printedPage()
    {
        TempProgramFolder folder;
        write(TwoYears);
        TfrmSpese w(nullptr);
        const QString pdf = folder.file(QStringLiteral("spese.pdf"));
        testDialogs().expectPrint(true, [&pdf](QPrinter* p) { p->setOutputFileName(pdf); });
        child<QAbstractButton>(&w, QStringLiteral("btnStampa"))->click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        const Reports::Report r = SpendingReport::prepare(w.summary(), 2025);
        QCOMPARE(r.pages().size(), 1);
        QCOMPARE(r.pages().first().layout.orientation(), QPageLayout::Landscape);
        QVERIFY(!r.pages().first().find(QStringLiteral("imgGrafico"))->picture.isNull());
        if (!hasPdfToText())
            QSKIP("pdftotext is not installed; the PDF text cannot be read back");
        const QString text = pdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        for (const QString& expected : {QStringLiteral("Riepilogo delle spese 2025"),
                 QStringLiteral("di cui da pagare"), QStringLiteral("Telefono e Web"), QStringLiteral("1.123,50"),
                 QStringLiteral("1.529,05"), QStringLiteral("Stampa eseguita in data 20/06/2025")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // From the menu's icon to the left-out card in its archive screen: both
    // windows close and the card shows at its position.
    void opensExcludedCard()
    {
        TempProgramFolder folder;
        write(TwoYears);
        AppWindows app;
        app.menu()->show();
        bool listed = false;
        onNextModal([&](QWidget* spese) {
            QCOMPARE(spese->objectName(), QStringLiteral("frmSpese"));
            onNextModal([&](QWidget* escluse) {
                QCOMPARE(escluse->windowTitle(), QStringLiteral(" Schede non incluse nel riepilogo"));
                auto* grid = child<QTableWidget>(escluse, QStringLiteral("grdEscluse"));
                QCOMPARE(grid->rowCount(), 2);
                QCOMPARE(shown(grid, 1, 0), QStringLiteral("Varie"));
                QCOMPARE(shown(grid, 1, 1), QStringLiteral("2"));
                listed = true;
                grid->setCurrentCell(1, 2);
                emit grid->cellDoubleClicked(1, 2);
            });
            child<QAbstractButton>(spese, QStringLiteral("btnEscluse"))->click();
        });
        child<QAbstractButton>(app.menu(), QStringLiteral("imgSpese"))->click();
        QVERIFY(listed);
        TfrmArchivio* varie = app.archive(cat(CategoryId::Varie));
        QVERIFY(varie->isVisible());
        QVERIFY(!app.menu()->isVisible());
        QCOMPARE(varie->Campo(QStringLiteral("Numero"))->text(), QStringLiteral("varie-2"));
        QCOMPARE(varie->Campo(QStringLiteral("Prezzo"))->text(), QStringLiteral("45,00"));
        QVERIFY(app.menu()->findChildren<QDialog*>().isEmpty());
    }

    // A card changed by another workstation is not opened: the warning, and
    // the list read again without it.
    void changedCardIsNotOpened()
    {
        TempProgramFolder folder;
        write(TwoYears);
        TfrmSpese w(nullptr);
        {
            TArchivioSchede a(cat(CategoryId::Varie));
            a.Apri();
            Scheda s = a.Leggi(1);
            s.imposta("Prezzo", QStringLiteral("30,00"));
            a.Riscrivi(1, s);
        }
        TfrmSchedeEscluse escluse(w);
        auto* grid = child<QTableWidget>(&escluse, QStringLiteral("grdEscluse"));
        grid->setCurrentCell(0, 0);
        testDialogs().expectMessage(
            Dialogs::Kind::Warning, QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione."));
        emit grid->cellDoubleClicked(0, 0);
        QVERIFY(!escluse.chosen());
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(shown(grid, 0, 1), QStringLiteral("2"));
        QCOMPARE(shown(child<QTableWidget>(&w, QStringLiteral("grdSpese")), 9, 2), QStringLiteral("30,00"));
    }
};

TESSARIA_TEST_MAIN(TestSpese)
#include "test_spese.moc"
