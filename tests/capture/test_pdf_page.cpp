// Page 1 of a PDF document as a card's picture: the size it is drawn at, what
// a real bill looks like once drawn, and the documents that are refused.

#include "PdfSamples.h"
#include "TestSupport.h"
#include "capture/PdfPage.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

class TestPdfPage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void pictureSize_data()
    {
        QTest::addColumn<QSizeF>("points");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("A4 at 150 dpi") << QSizeF(595.276, 841.89) << QSize(1240, 1754);
        QTest::newRow("A3 landscape at 150 dpi") << QSizeF(1190.55, 841.89) << QSize(2480, 1754);
        QTest::newRow("a sliver keeps a row") << QSizeF(595, 0.1) << QSize(1240, 1);
        QTest::newRow("a sliver of the largest side") << QSizeF(14400, 0.1) << QSize(30000, 1);
        QTest::newRow("no area") << QSizeF(595, 0) << QSize();
        QTest::newRow("negative") << QSizeF(-595, 842) << QSize();
        QTest::newRow("beyond the largest page side") << QSizeF(14400.5, 842) << QSize();
        QTest::newRow("not a number") << QSizeF(std::numeric_limits<double>::quiet_NaN(), 842) << QSize();
        QTest::newRow("infinite") << QSizeF(std::numeric_limits<double>::infinity(), 842) << QSize();
    }
    void pictureSize()
    {
        QFETCH(QSizeF, points);
        QFETCH(QSize, expected);
        QCOMPARE(PdfPage::pictureSize(points), expected);
    }

    // Pages beyond A3 shrink to the ceiling, proportions kept.
    void largePagesStayWithinTheCeiling_data()
    {
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("A0") << QSizeF(2384, 3370);
        QTest::newRow("largest square page") << QSizeF(14400, 14400);
        QTest::newRow("largest long strip") << QSizeF(14400, 595);
    }
    void largePagesStayWithinTheCeiling()
    {
        QFETCH(QSizeF, points);
        const QSize s = PdfPage::pictureSize(points);
        QVERIFY(qint64(s.width()) * s.height() <= PdfPage::MaxPixels);
        QVERIFY(qint64(s.width()) * s.height() > PdfPage::MaxPixels * 99 / 100);
        QVERIFY(std::abs(double(s.width()) / s.height() - points.width() / points.height()) < 0.01);
    }

    // A bill drawn on paper: white where nothing is, dark rows where text is,
    // the frame where it was drawn.
    void drawsABillOntoWhite()
    {
        QVERIFY(samples::writeBill(file("bolletta.pdf")));
        QElapsedTimer t;
        t.start();
        const auto picture = PdfPage::firstPage(file("bolletta.pdf"));
        QVERIFY(picture);
        qInfo("page drawn in %lld ms", static_cast<long long>(t.elapsed()));
        QCOMPARE(picture->pages, 1);
        const QImage& img = picture->image;
        QCOMPARE(img.size(), QSize(1240, 1754));
        QVERIFY(!img.hasAlphaChannel());

        qint64 white = 0;
        int darkRows = 0;
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            int dark = 0;
            for (int x = 0; x < img.width(); ++x) {
                if (qGray(line[x]) > 240)
                    ++white;
                else if (qGray(line[x]) < 100)
                    ++dark;
            }
            if (dark > 0)
                ++darkRows;
        }
        QVERIFY(white > qint64(img.width()) * img.height() * 9 / 10);
        QVERIFY(darkRows > 200);
        // The frame's top edge at 40 points, the paper's corner white.
        QVERIFY(qGray(img.pixel(300, int(40 * 150 / 72.0))) < 100);
        QCOMPARE(img.pixel(5, 5), qRgb(255, 255, 255));
    }

    void longerDocumentGivesItsFirstPage()
    {
        QVERIFY(samples::writeBill(file("tre.pdf"), 3));
        const auto picture = PdfPage::firstPage(file("tre.pdf"));
        QVERIFY(picture);
        QCOMPARE(picture->pages, 3);
        QCOMPARE(PdfPage::firstOfPages(3), QStringLiteral("Documento di 3 pagine: è stata usata la prima."));
    }

    void refusesWhatCannotBeRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray bill;
        {
            QVERIFY(samples::writeBill(file("intera.pdf")));
            QFile f(file("intera.pdf"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            bill = f.readAll();
        }
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not a PDF") << QByteArray("Gentile cliente, la bolletta è allegata.\n");
        QTest::newRow("damaged: cut short") << bill.left(300);
        QTest::newRow("password protected") << samples::passwordProtected();
        QTest::newRow("page side beyond the limit") << samples::onePage("[0 0 20000 842]");
        QTest::newRow("more pages than any bill") << samples::manyPages(PdfPage::MaxPages + 1);
    }
    void refusesWhatCannotBeRead()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(samples::save(file("rifiutato.pdf"), bytes));
        QElapsedTimer t;
        t.start();
        QVERIFY(!PdfPage::firstPage(file("rifiutato.pdf")));
        QVERIFY2(t.elapsed() < 5000, "a refused document must not take long");
    }

    // What a document claims beyond its means is not believed: an absurd
    // media box stands for a default page, a page count for the pages there
    // are. Either way the picture stays small and comes quickly.
    void claimsAreNotBelieved_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("pages");
        QTest::newRow("absurd page side") << samples::onePage("[0 0 1e30 1e30]") << 1;
        QTest::newRow("huge claimed page count") << samples::onePage("[0 0 595 842]", "2000000000") << 1;
        QTest::newRow("as many pages as allowed") << samples::manyPages(PdfPage::MaxPages) << PdfPage::MaxPages;
    }
    void claimsAreNotBelieved()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, pages);
        QVERIFY(samples::save(file("vanta.pdf"), bytes));
        QElapsedTimer t;
        t.start();
        const auto picture = PdfPage::firstPage(file("vanta.pdf"));
        QVERIFY(picture);
        QCOMPARE(picture->pages, pages);
        QVERIFY(qint64(picture->image.width()) * picture->image.height() <= 2'500'000);
        QVERIFY2(t.elapsed() < 5000, "a document must not take long to refuse or read");
    }

    void refusesAMissingFileOrAFolder()
    {
        QVERIFY(!PdfPage::firstPage(file("manca.pdf")));
        QVERIFY(!PdfPage::firstPage(dir_.path()));
    }

    // A plain page of a hand-made document is read: the refusals above are
    // for what they claim, not for being hand-made.
    void readsAHandMadePage()
    {
        QVERIFY(samples::save(file("semplice.pdf"), samples::onePage("[0 0 595 842]")));
        const auto picture = PdfPage::firstPage(file("semplice.pdf"));
        QVERIFY(picture);
        QCOMPARE(picture->image.size(), QSize(1240, 1754));
        QCOMPARE(picture->image.pixel(600, 900), qRgb(255, 255, 255));
    }
};

TESSARIA_TEST_MAIN(TestPdfPage)
#include "test_pdf_page.moc"
