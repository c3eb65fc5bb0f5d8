#include "TestSupport.h"
#include "archive/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>

// A process whose file-size limit (ulimit -f) is lower than the photo it
// writes: the write must fail like any other, reported, with the earlier
// photo whole, and the process must go on rather than die of SIGXFSZ. The
// write happens in a child process, which starts with the signal's default
// action as the program does.
class TestFileSizeLimit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void photoPastTheLimit_data()
    {
        QTest::addColumn<QString>("limite");
        QTest::addColumn<QString>("esito");
        QTest::addColumn<QSize>("dopo");
        QTest::addColumn<bool>("intatta");
        QTest::newRow("no limit: the photo is written") << "0"
                                                        << "scritta" << QSize(600, 400) << false;
        QTest::newRow("16 KB limit: refused, the earlier photo kept") << "16384"
                                                                      << "rifiutata" << QSize(40, 30) << true;
    }
    void photoPastTheLimit()
    {
        QFETCH(QString, limite);
        TempProgramFolder cartella;
        const QString foto = cartella.file(QStringLiteral("Rifiuti_1.jpg"));
        QImage prima(40, 30, QImage::Format_RGB32);
        prima.fill(Qt::red);
        QVERIFY(PhotoFiles::write(prima, foto));
        QFile f(foto);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray primaByte = f.readAll();
        f.close();

        QProcess p;
        p.start(QStringLiteral(FSIZE_WORKER), {foto, limite});
        QVERIFY(p.waitForStarted());
        QVERIFY(p.waitForFinished(60000));
        const QByteArray errori = p.readAllStandardError();
        QVERIFY2(p.exitStatus() == QProcess::NormalExit,
            qPrintable(QStringLiteral("killed by signal %1 %2").arg(p.exitCode()).arg(QString::fromUtf8(errori))));
        QCOMPARE(p.exitCode(), 0);
        QTEST(QString::fromLatin1(p.readAllStandardOutput().trimmed()), "esito");
        QTEST(QImageReader(foto).size(), "dopo");
        QFETCH(bool, intatta);
        if (intatta) {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), primaByte);
        }
        QCOMPARE(
            QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("Rifiuti_1.jpg")});
    }
};

TESSARIA_TEST_MAIN(TestFileSizeLimit)
#include "test_file_size_limit.moc"
