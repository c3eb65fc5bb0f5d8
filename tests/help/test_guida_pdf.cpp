#include "TestSupport.h"
#include "archive/Categoria.h"
#include "help/HelpTopics.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

class TestGuidaPdf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every paragraph of the help topics is in the printed guide, word for
    // word: the guide is written from them at build time.
    void argomentiNellaGuida()
    {
        QFile pdf(QStringLiteral(GUIDA_PDF));
        QVERIFY2(pdf.open(QIODevice::ReadOnly), GUIDA_PDF);
        QVERIFY(pdf.read(5) == "%PDF-");
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the guide's text cannot be read here");
        QProcess p;
        // The text of the pages without their running header and footer (A4
        // in points: from 25 mm below the top to 22 mm above the bottom).
        p.start(pdftotext,
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-r"), QStringLiteral("72"),
                QStringLiteral("-x"), QStringLiteral("0"), QStringLiteral("-y"), QStringLiteral("71"),
                QStringLiteral("-W"), QStringLiteral("595"), QStringLiteral("-H"), QStringLiteral("709"),
                QStringLiteral(GUIDA_PDF), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        // Lines break where the page does; ligatures come back as one sign.
        QString testo = QString::fromUtf8(p.readAllStandardOutput());
        testo.replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl"));
        testo = testo.simplified();

        QStringList attesi = HelpTopics::menu().paragrafi;
        const HelpTopic archivio = HelpTopics::archive();
        const HelpTopic esportazione = HelpTopics::exportTopic(*Catalogo::PerChiave(QStringLiteral("Rifiuti")));
        attesi << archivio.titolo << archivio.paragrafi << esportazione.titolo << esportazione.paragrafi;
        for (const QString& a : std::as_const(attesi))
            QVERIFY2(testo.contains(a.simplified()), qPrintable(a.left(80)));
    }
};

TESSARIA_TEST_MAIN(TestGuidaPdf)
#include "test_guida_pdf.moc"
