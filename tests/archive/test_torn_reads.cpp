// Reads against another process that rewrites the card being read: every card
// read is one whole version of it, never half of one and half of the other.

#include "SchedeDiProva.h"
#include "TestSupport.h"
#include "archive/TArchivioSchede.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>

namespace {

const Categoria& rifiuti()
{
    return *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
}

} // namespace

class TestTornReads : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsNeverMixTwoWrites_data()
    {
        QTest::addColumn<bool>("scansione");
        // Opening a card and navigating read it alone; search, the summary
        // and the export scan the whole file.
        QTest::newRow("Leggi") << false;
        QTest::newRow("Scorri") << true;
    }

    void readsNeverMixTwoWrites()
    {
        QFETCH(bool, scansione);
        TempProgramFolder cartella;
        const Tipo tipo = rifiuti().tipo;
        constexpr int conta = 8;
        // Nothing orders the system's copy of a read and that of a write of
        // the same bytes: unguarded, the two meet anywhere in the record, at
        // a page boundary most often (card 5 crosses one).
        constexpr int riscritta = 5;
        const int dimensione = Tracciato::di(tipo).dimensione();

        const QByteArray versioneA = versione(tipo, 'A').byte();
        const QByteArray versioneB = versione(tipo, 'B').byte();
        QList<QByteArray> attese;
        QByteArray file;
        for (int n = 1; n <= conta; ++n) {
            attese << (n == riscritta ? versioneA : schedaDiProva(tipo, QStringLiteral("F"), n).byte());
            file += attese.last();
        }
        {
            QFile f(ProgramFolder::file(rifiuti().FileArchivio()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(file), file.size());
        }

        QProcess scrittore;
        scrittore.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        scrittore.start(
            QStringLiteral(REWRITE_LOOP), {cartella.path(), QStringLiteral("Rifiuti"), QString::number(riscritta)});
        QVERIFY(scrittore.waitForStarted());
        QVERIFY2(scrittore.waitForReadyRead(30000) && scrittore.readLine().trimmed() == "pronto",
            "the rewriting process did not start rewriting");

        // Reads for a fixed time, thousands of them even on a slow machine;
        // the rewriting goes on all along.
        constexpr int letture = 1'000'000;
        constexpr qint64 tempoMassimoMs = 1500;
        int fatte = 0, mescolate = 0, viste[2] = {0, 0};
        qint64 attesaMassima = 0;
        QString primaMescolata, errore;
        auto controlla = [&](int n, const char* dati) {
            const QByteArray letta = QByteArray::fromRawData(dati, dimensione);
            if (n != riscritta) {
                if (letta != attese.at(n - 1) && errore.isEmpty())
                    errore = QStringLiteral("card %1 changed, though nobody rewrote it").arg(n);
            } else if (letta == versioneA) {
                ++viste[0];
            } else if (letta == versioneB) {
                ++viste[1];
            } else {
                if (mescolate++ == 0) {
                    // Where the record stops being the version it starts as.
                    const QByteArray& inizio = letta.startsWith(versioneA.left(2)) ? versioneA : versioneB;
                    int k = 0;
                    while (k < dimensione && letta.at(k) == inizio.at(k))
                        ++k;
                    primaMescolata = QStringLiteral("version %1 up to byte %2 of %3, then another")
                                         .arg(QLatin1Char(&inizio == &versioneA ? 'A' : 'B'))
                                         .arg(k)
                                         .arg(dimensione);
                }
            }
        };
        QElapsedTimer tempo;
        tempo.start();
        try {
            for (; fatte < letture && tempo.elapsed() < tempoMassimoMs && errore.isEmpty(); ++fatte) {
                const qint64 inizio = tempo.nsecsElapsed();
                TArchivioSchede archivio(rifiuti());
                archivio.Apri();
                if (scansione) {
                    archivio.Scorri([&](int n, const VistaScheda& scheda) {
                        controlla(n, scheda.dati());
                        return true;
                    });
                } else {
                    const Scheda s = archivio.Leggi(riscritta);
                    controlla(riscritta, s.byte().constData());
                }
                archivio.Chiudi();
                attesaMassima = std::max(attesaMassima, tempo.nsecsElapsed() - inizio);
            }
        } catch (const ErroreArchivio& e) {
            errore = QStringLiteral("read %1 failed: %2").arg(fatte + 1).arg(QString::fromLocal8Bit(e.what()));
        }
        QFile(cartella.file(QStringLiteral("basta"))).open(QIODevice::WriteOnly);
        QVERIFY2(scrittore.waitForFinished(60000), "the rewriting process did not stop");
        QCOMPARE(scrittore.exitStatus(), QProcess::NormalExit);
        QCOMPARE(scrittore.exitCode(), 0);
        const QByteArray riscritture = scrittore.readAll().trimmed();

        qInfo("%d reads in %lld ms against %s rewrites, the longest %.1f ms: %d of version A, %d of version B, %d "
              "mixed",
            fatte, tempo.elapsed(), riscritture.constData(), double(attesaMassima) / 1e6, viste[0], viste[1],
            mescolate);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QVERIFY2(mescolate == 0,
            qPrintable(QStringLiteral("%1 of %2 reads mixed two writes of the card; the first one: %3")
                           .arg(mescolate)
                           .arg(fatte)
                           .arg(primaMescolata)));
        // Both versions were read: the reads did meet the rewrites.
        QVERIFY(viste[0] > 0);
        QVERIFY(viste[1] > 0);
    }
};

TESSARIA_TEST_MAIN(TestTornReads)
#include "test_torn_reads.moc"
