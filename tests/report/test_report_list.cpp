#include "ReportSamples.h"
#include "TestSupport.h"
#include "report/ListReport.h"

using namespace Reports;

namespace {

bool near(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

#define QCOMPARE_NEAR(actual, expected)                                                                                \
    QVERIFY2(near((actual), (expected)),                                                                               \
        qPrintable(QStringLiteral("%1 is %2, expected %3").arg(QStringLiteral(#actual)).arg(actual).arg(expected)))

const QString kTitle = QStringLiteral("Riepilogo bollette rifiuti in archivio");

} // namespace

class TestReportList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Clock::pin(samples::printMoment()); }
    void cleanup() { Clock::pin(QDateTime()); }

    // The printable area of landscape A4 is 190 mm = 718.11 units high. The
    // title takes 30.24 of the first page; a full later page holds 56 lines.
    void linesRunOverPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("perPage"); // lines of the block on each page
        QTest::addColumn<int>("footerPage");
        QTest::addColumn<double>("footerTop"); // txtPagina, on its page

        QTest::newRow("empty list") << 0 << QList<int> {0} << 1 << 30.24 + 10 + 7.56;
        QTest::newRow("one line") << 1 << QList<int> {1} << 1 << 30.24 + 12.822 + 10 + 7.56;
        QTest::newRow("50 lines and the footer fit") << 50 << QList<int> {50} << 1 << 30.24 + 641.1 + 10 + 7.56;
        QTest::newRow("52 lines push the footer over") << 52 << QList<int> {52} << 2 << 7.56;
        // 53 lines fill the first page; the band's last 1.70 units go on.
        QTest::newRow("53 lines fill the first page") << 53 << QList<int> {53} << 2 << 689.566 - 687.870 + 7.56;
        QTest::newRow("54 lines") << 54 << QList<int> {53, 1} << 2 << 12.822 + 10 + 7.56;
        QTest::newRow("100 lines") << 100 << QList<int> {53, 47} << 2 << 602.634 + 10 + 7.56;
        QTest::newRow("200 lines") << 200 << QList<int> {53, 56, 56, 35} << 4 << 448.77 + 10 + 7.56;
    }

    void linesRunOverPages()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, perPage);
        QFETCH(int, footerPage);
        QFETCH(double, footerTop);
        const QStringList lines = samples::resultLines(count);
        const Report r = prepareList(kTitle, lines);

        const ReportObject* block = r.findObject(QStringLiteral("txtRiepilogo"));
        QCOMPARE_NEAR(block->box.height(), count * 12.822);
        const Band* band = r.findBand(QStringLiteral("MasterData"));
        QCOMPARE_NEAR(band->height, count * 12.822 + 10);

        QCOMPARE(r.pages().size(), qMax(perPage.size(), qsizetype(footerPage)));
        for (const PreparedPage& p : r.pages()) {
            QCOMPARE(p.layout.orientation(), QPageLayout::Landscape);
            QCOMPARE(p.layout.pageSize().id(), QPageSize::A4);
        }

        const QList<PlacedItem> titles = r.placed(QStringLiteral("txtTitolo"));
        QCOMPARE(titles.size(), 1);
        QCOMPARE(titles.at(0).page, 1);
        QCOMPARE(titles.at(0).box, QRectF(7.56, 3.78, 1031.81, 18.90));
        QCOMPARE(titles.at(0).lines, QStringList {kTitle});

        // The block: its lines in list order, cut between lines only.
        const QList<PlacedItem> parts = r.placed(QStringLiteral("txtRiepilogo"));
        QCOMPARE(parts.size(), perPage.size());
        QStringList printed;
        for (int i = 0; i < parts.size(); ++i) {
            const PlacedItem& part = parts.at(i);
            QCOMPARE(part.page, i + 1);
            QCOMPARE(part.lines.size(), perPage.at(i));
            QCOMPARE_NEAR(part.box.left(), 11.34);
            QCOMPARE_NEAR(part.box.width(), 1031.81);
            QCOMPARE_NEAR(part.box.top(), i == 0 ? 30.24 : 0.0);
            QCOMPARE_NEAR(part.box.height(), perPage.at(i) * 12.822);
            QCOMPARE(part.firstLine, 0.0);
            printed += part.lines;
        }
        QCOMPARE(printed, lines);

        const QList<PlacedItem> footers = r.placed(QStringLiteral("txtPagina"));
        QCOMPARE(footers.size(), 1);
        QCOMPARE(footers.at(0).page, footerPage);
        QCOMPARE(footers.at(0).page, r.pages().size());
        QCOMPARE_NEAR(footers.at(0).box.top(), footerTop);
        QCOMPARE(footers.at(0).lines, QStringList {QStringLiteral("Stampa eseguita in data 05/03/2024")});
        QVERIFY(footers.at(0).box.bottom() <= r.pages().last().printableRect().height());
    }

    // The window keeps one template and fills it at every print: what it
    // printed before must leave no trace.
    void refillingGivesTheSamePagesAsAFreshTemplate()
    {
        const QStringList many = samples::resultLines(100);
        const QStringList few = samples::resultLines(3);
        const Report freshMany = prepareList(kTitle, many);
        const Report freshFew = prepareList(QStringLiteral("Riepilogo tasse da pagare"), few);

        Report repRiepilogo = listTemplate();
        for (int round = 0; round < 2; ++round) {
            fillList(repRiepilogo, kTitle, many);
            repRiepilogo.prepare();
            QCOMPARE(describe(repRiepilogo), describe(freshMany));
            QVERIFY(repRiepilogo.pages() == freshMany.pages());

            fillList(repRiepilogo, QStringLiteral("Riepilogo tasse da pagare"), few);
            repRiepilogo.prepare();
            QCOMPARE(describe(repRiepilogo), describe(freshFew));
            QVERIFY(repRiepilogo.pages() == freshFew.pages());
        }
    }

    // [DATE] is read when preparing; the template keeps the variable.
    void dateIsTakenWhenPreparing()
    {
        Report r = listTemplate();
        fillList(r, kTitle, samples::resultLines(2));
        r.prepare();
        QCOMPARE(r.placed(QStringLiteral("txtPagina")).at(0).lines.at(0),
            QStringLiteral("Stampa eseguita in data 05/03/2024"));
        Clock::pin(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
        r.prepare();
        QCOMPARE(r.placed(QStringLiteral("txtPagina")).at(0).lines.at(0),
            QStringLiteral("Stampa eseguita in data 31/12/2025"));
        QCOMPARE(r.findObject(QStringLiteral("txtPagina"))->text(), QStringLiteral("Stampa eseguita in data [DATE]"));
    }

    // A line taller than a whole page cannot be kept whole: it is printed
    // alone on its page (and clipped) and the rest carries on.
    void lineTallerThanAPageGetsAPageOfItsOwn()
    {
        Report r = listTemplate();
        fillList(r, kTitle, {QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")});
        ReportObject* block = r.findObject(QStringLiteral("txtRiepilogo"));
        block->textStyle.lineHeight = 800;
        block->setHeight(3 * 800);
        r.findBand(QStringLiteral("MasterData"))->setHeight(3 * 800 + 10);
        r.prepare();
        const QList<PlacedItem> parts = r.placed(QStringLiteral("txtRiepilogo"));
        QCOMPARE(parts.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(parts.at(i).page, i + 2); // the first page has only room for the title
            QCOMPARE(parts.at(i).lines.size(), 1);
        }
        QCOMPARE(r.placed(QStringLiteral("txtPagina")).at(0).page, 5);
    }

    // Courier New is monospaced: 161 characters fit in the 1031.81 units of
    // the block. A longer line is cut there, not wrapped and not shifted.
    void longLinesAreCutAtTheRightEdge_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("printed");
        QTest::newRow("result line") << int(samples::resultLines(1).at(0).size()) << -1;
        QTest::newRow("just fits") << 161 << 161;
        QTest::newRow("one too many") << 162 << 161;
        QTest::newRow("very long") << 400 << 161;
    }

    void longLinesAreCutAtTheRightEdge()
    {
        QFETCH(int, length);
        QFETCH(int, printed);
        if (printed < 0)
            printed = length;
        QString line;
        for (int i = 0; i < length; ++i)
            line += QChar(u'A' + i % 26);
        const Report r = prepareList(kTitle, {QStringLiteral("first"), line, QStringLiteral("last")});
        const PlacedItem block = r.placed(QStringLiteral("txtRiepilogo")).at(0);
        QCOMPARE(block.lines, (QStringList {QStringLiteral("first"), line.left(printed), QStringLiteral("last")}));
    }
};

TESSARIA_TEST_MAIN(TestReportList)
#include "test_report_list.moc"
