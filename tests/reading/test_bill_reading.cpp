#include "SampleBill.h"
#include "platform/Platform.h"
#include "reading/BillReading.h"
#include "reading/Ocr.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

using reading::BillField;
using reading::BillReading;
using reading::Source;

Q_DECLARE_METATYPE(SampleBill::Damage)

namespace {

// The fields the sample bill holds, as the reading must give them.
QHash<BillField, QString> expectedFields()
{
    const SampleBill::Data d;
    return {
        {BillField::Amount, d.amount},
        {BillField::DueDate, d.dueDate},
        {BillField::IssueDate, d.issueDate},
        {BillField::Number, d.number},
        {BillField::Period, d.period},
        {BillField::CustomerCode, d.customerCode},
        {BillField::Iban, d.iban},
        {BillField::PayerCode, d.payerCode},
        {BillField::Payee, d.supplier},
        {BillField::NoticeCode, d.noticeCode},
        {BillField::CreditorCode, d.creditorCode},
    };
}

const QStringList& knownPayees()
{
    static const QStringList payees = {QStringLiteral("Acqua Serena"), QStringLiteral("Energia Chiara")};
    return payees;
}

BillReading readOf(const QImage& picture, const QString& pdfPath = QString())
{
    const std::atomic_bool cancel {false};
    return reading::readBill({picture, pdfPath, knownPayees()}, cancel);
}

// Each field at most once, and the source each one came from.
QHash<BillField, Source> sourcesOf(const BillReading& r)
{
    QHash<BillField, Source> sources;
    for (const reading::ReadValue& v : r.values) {
        if (sources.contains(v.field))
            qWarning("field %d given twice", int(v.field));
        sources.insert(v.field, v.source);
    }
    return sources;
}

void checkExact(const BillReading& r, Source textSource)
{
    const QHash<BillField, QString> expected = expectedFields();
    QVERIFY(!r.cancelled);
    QCOMPARE(r.values.size(), expected.size());
    const QHash<BillField, Source> sources = sourcesOf(r);
    QCOMPARE(sources.size(), expected.size());
    for (const reading::ReadValue& v : r.values) {
        QCOMPARE(v.value, expected.value(v.field));
        const bool fromCode
            = v.field == BillField::NoticeCode || v.field == BillField::CreditorCode || v.field == BillField::Amount;
        QCOMPARE(v.source, fromCode ? Source::PagoPa : textSource);
    }
}

} // namespace

// Reading whole bills: the clean page, its PDF, the page as a webcam or a
// poor scanner gives it, a page with no data, and cancelling.
class TestBillReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanPicture() { checkExact(readOf(SampleBill::page()), Source::Ocr); }

    // The PDF's own text is read, not the picture: no OCR. The picture is
    // page 1 drawn by the reading itself.
    void pdfBill()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bolletta.pdf"));
        QVERIFY(SampleBill::writePdf(path));
        QElapsedTimer timer;
        timer.start();
        checkExact(readOf(QImage(), path), Source::PdfText);
        // OCR would take seconds.
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }

    // A degraded picture may lose values, never give a wrong one.
    void damagedPicture_data()
    {
        QTest::addColumn<SampleBill::Damage>("damage");
        QTest::newRow("webcam, 640 px") << SampleBill::Damage::Webcam;
        QTest::newRow("blurred") << SampleBill::Damage::Blur;
        QTest::newRow("noisy") << SampleBill::Damage::Noise;
        QTest::newRow("turned 1.5 degrees") << SampleBill::Damage::Rotation;
    }
    void damagedPicture()
    {
        QFETCH(SampleBill::Damage, damage);
        const BillReading r = readOf(SampleBill::damaged(SampleBill::page(), damage));
        QVERIFY(!r.cancelled);
        const QHash<BillField, QString> expected = expectedFields();
        QStringList found;
        for (const reading::ReadValue& v : r.values) {
            QCOMPARE(v.value, expected.value(v.field));
            found.append(v.value);
        }
        QCOMPARE(sourcesOf(r).size(), r.values.size());
        qInfo("%lld of %lld fields: %s", qint64(r.values.size()), qint64(expected.size()),
            qPrintable(found.join(QStringLiteral("; "))));
    }

    // The program folder's own language data comes first, so that an
    // installed folder reads on a machine without the system's.
    void languageData()
    {
        const QString system = QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
        QTemporaryDir folder;
        ProgramFolder::set(folder.path());
        QCOMPARE(reading::Ocr::dataFolder(), system);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("tessdata")));
        QVERIFY(QFile::copy(
            system + QStringLiteral("/ita.traineddata"), folder.filePath(QStringLiteral("tessdata/ita.traineddata"))));
        QCOMPARE(reading::Ocr::dataFolder(), folder.filePath(QStringLiteral("tessdata")));
        ProgramFolder::set(QString());
    }

    void emptyPage()
    {
        const BillReading r = readOf(SampleBill::emptyPage());
        QVERIFY(!r.cancelled);
        QVERIFY(r.values.isEmpty());
        QVERIFY(readOf(QImage()).values.isEmpty());
    }

    // Cancelled while OCR reads, the reading stops at once and gives
    // nothing; the progress it reported before only grew.
    void cancelInsideOcr()
    {
        std::atomic_bool cancel {false};
        QList<int> seen;
        QElapsedTimer sinceCancel;
        const auto progress = [&](int percent) {
            seen.append(percent);
            if (percent > 35 && !cancel) {
                cancel = true;
                sinceCancel.start();
            }
        };
        const BillReading r = reading::readBill({SampleBill::page(), QString(), knownPayees()}, cancel, progress);
        QVERIFY(r.cancelled);
        QVERIFY(r.values.isEmpty());
        QVERIFY(sinceCancel.isValid());
        QVERIFY2(sinceCancel.elapsed() < 500, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY(seen.last() < 100);

        const std::atomic_bool before {true};
        const BillReading early = reading::readBill({SampleBill::page(), QString(), knownPayees()}, before);
        QVERIFY(early.cancelled);
        QVERIFY(early.values.isEmpty());
    }
};

QTEST_MAIN(TestBillReading)
#include "test_bill_reading.moc"
