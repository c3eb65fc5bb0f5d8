#include "ReportSamples.h"
#include "TestSupport.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"

#include <QFile>
#include <QPrinter>

using namespace Reports;

namespace {

// Share of pixels that are not white paper.
double inked(const QImage& img)
{
    qint64 n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                ++n;
    return double(n) / (qint64(img.width()) * img.height());
}

} // namespace

class TestReportOutput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::pin(samples::printMoment()); }
    void cleanup() { Clock::pin(QDateTime()); }

    // Pictures of the printouts in the build folder, to be looked at.
    void picturesOfThePrintouts()
    {
        const QString dir = QStringLiteral(REPORT_PICTURES_DIR);
        const Report luce = prepareCard(samples::billCard());
        const Report acquisti = prepareCard(samples::purchaseCard());
        // Values too long for their boxes, to see where they are cut.
        CardData tasse = samples::billCard(QStringLiteral("Tasse"));
        tasse.fields[QStringLiteral("Beneficiario")]
            = QStringLiteral("Agenzia delle Entrate - Riscossione, sede di Ancona");
        tasse.fields[QStringLiteral("Causale")] = QStringLiteral("Saldo e primo acconto IRPEF ").repeated(6);
        tasse.fields[QStringLiteral("Numero")] = QStringLiteral("IRPEF");
        const Report tasseLong = prepareCard(tasse);
        const Report list
            = prepareList(QStringLiteral("Riepilogo bollette luce in archivio"), samples::resultLines(100));
        QCOMPARE(list.pages().size(), 2);

        const struct {
            const Report* report;
            int page;
            const char* file;
        } shots[] = {{&luce, 0, "card_luce.png"}, {&acquisti, 0, "card_acquisti.png"},
            {&tasseLong, 0, "card_tasse_long_values.png"}, {&list, 0, "list_page1.png"}, {&list, 1, "list_page2.png"}};
        for (const auto& shot : shots) {
            const QImage img = renderPage(*shot.report, shot.page, 144);
            QVERIFY(!img.isNull());
            const QSizeF paper = shot.report->pages().at(shot.page).paperSize();
            QCOMPARE(img.width(), qCeil(paper.width() * 144 / 96));
            QVERIFY2(inked(img) > 0.01, shot.file);
            QVERIFY(img.save(dir + QLatin1Char('/') + QLatin1String(shot.file)));
        }
    }

    void pdfOfACardHoldsItsTexts()
    {
        if (!hasPdfToText())
            QSKIP("pdftotext is not installed; the PDF text cannot be read back");
        const QString path = QStringLiteral(REPORT_PICTURES_DIR "/card_tasse.pdf");
        QVERIFY(writePdf(prepareCard(samples::billCard(QStringLiteral("Tasse"))), path));
        const QString text = pdfText(path);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        for (const char* expected : {"8201234567", "Importo:", "123,45", "DATA DECORRENZA:", "ENTE BENEFICIARIO:",
                 "CODICI:", "DATA SCADENZA:", "CONTO CORRENTE / IBAN:", "IT60 X054 2811 1010 0000 0123 456",
                 "CODICE CLIENTE:", "0098765", "NOTE:", "Pagata in anticipo, conservare la ricevuta.",
                 "Stampa eseguita in data 05/03/2024 alle ore 09:07:03"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains(QStringLiteral("Tipologia tassa")));
        QVERIFY(!text.contains(QStringLiteral("Data e ora stampa")));
    }

    void pdfOfAListHoldsItsLinesInOrder()
    {
        if (!hasPdfToText())
            QSKIP("pdftotext is not installed; the PDF text cannot be read back");
        const QString path = QStringLiteral(REPORT_PICTURES_DIR "/list_100.pdf");
        const QStringList lines = samples::resultLines(100);
        const Report r = prepareList(QStringLiteral("Riepilogo bollette luce in archivio"), lines);
        QVERIFY(writePdf(r, path));
        const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(0).contains(QStringLiteral("Riepilogo bollette luce in archivio")));
        QVERIFY(!pages.at(1).contains(QStringLiteral("Riepilogo bollette luce in archivio")));
        QVERIFY(!pages.at(0).contains(QStringLiteral("Stampa eseguita in data")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));

        // Every line whole and in list order, the first page's lines before
        // the second's (runs of blanks compared as one: the text extraction
        // does not keep column widths).
        const int onFirst = int(r.pages().at(0).find(QStringLiteral("txtRiepilogo"))->lines.size());
        const QStringList text = {pages.at(0).simplified(), pages.at(1).simplified()};
        qsizetype at = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QString& page = text.at(i < onFirst ? 0 : 1);
            if (i == onFirst)
                at = 0;
            const qsizetype found = page.indexOf(lines.at(i).simplified(), at);
            QVERIFY2(found >= 0, qPrintable(lines.at(i)));
            at = found + 1;
        }
    }

    void printGoesThroughTheDialog_data()
    {
        QTest::addColumn<bool>("card");
        QTest::addColumn<bool>("accept");
        QTest::newRow("card printed") << true << true;
        QTest::newRow("card cancelled") << true << false;
        QTest::newRow("list printed") << false << true;
        QTest::newRow("list cancelled") << false << false;
    }

    void printGoesThroughTheDialog()
    {
        QFETCH(bool, card);
        QFETCH(bool, accept);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        QPageLayout offered;
        testDialogs().expectPrint(accept, [&](QPrinter* printer) {
            offered = printer->pageLayout();
            printer->setOutputFileName(path);
        });
        const bool printed = card
            ? printCard(nullptr, samples::billCard())
            : printList(nullptr, QStringLiteral("Riepilogo tasse in archivio"), samples::resultLines(60));
        QCOMPARE(printed, accept);
        QCOMPARE(QFile::exists(path), accept);
        // The dialog already offers the report's paper and orientation.
        QCOMPARE(offered.pageSize().id(), QPageSize::A4);
        QCOMPARE(offered.orientation(), card ? QPageLayout::Portrait : QPageLayout::Landscape);
        if (accept && hasPdfToText()) {
            const QString text = pdfText(path);
            QCOMPARE(text.count(QLatin1Char('\f')), card ? 1 : 2);
        }
    }
};

TESSARIA_TEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
