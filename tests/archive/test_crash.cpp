#include "SchedeDiProva.h"
#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

// A program killed while it saves cards must leave a file in which every
// card reported saved is intact, byte for byte, and nothing else but whole
// cards (a torn tail is not counted and the next save writes over it).
class TestCrash : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedWhileSaving_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::newRow("bills") << QStringLiteral("Luce");
        QTest::newRow("purchases") << QStringLiteral("Acquisti");
    }

    void killedWhileSaving()
    {
        QFETCH(QString, chiave);
        const Categoria& categoria = *Catalogo::PerChiave(chiave);
        TempProgramFolder cartella;
        QRandomGenerator caso(20241209);
        QHash<int, std::pair<QString, int>> riportate; // card number -> writer, i
        const int uccisioni = 30;
        int sopravvissute = 0;

        for (int k = 0; k < uccisioni; ++k) {
            const QString chi = QStringLiteral("k%1").arg(k);
            QProcess p;
            p.start(QStringLiteral(SAVE_LOOP), {cartella.path(), chiave, chi, QStringLiteral("100000")});
            QVERIFY(p.waitForStarted());
            // Start-up time varies a lot between machines and builds: wait for
            // the first reported save, let it save for a while longer, then
            // kill it without warning.
            QByteArray uscita;
            while (!uscita.contains('\n') && p.waitForReadyRead(30000))
                uscita += p.readAllStandardOutput();
            QVERIFY2(uscita.contains('\n'), "the saving process never reported a save");
            QTest::qWait(int(caso.bounded(20, 120)));
            p.kill();
            QVERIFY(p.waitForFinished(10000));
            uscita += p.readAllStandardOutput();
            const QList<QByteArray> righe = uscita.split('\n');
            for (const QByteArray& r : righe) {
                const QList<QByteArray> parti = r.split(' ');
                if (parti.size() != 2)
                    continue; // the last line may have been cut by the kill
                const int n = parti[0].toInt();
                QVERIFY2(!riportate.contains(n), "two saves reported the same card number");
                riportate.insert(n, {chi, parti[1].toInt()});
            }
            ++sopravvissute;
        }
        QCOMPARE(sopravvissute, uccisioni);
        QVERIFY(riportate.size() > uccisioni);

        const qint64 lunghezza = QFileInfo(cartella.file(categoria.FileArchivio())).size();
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        const int conta = archivio.Conta();
        QVERIFY(lunghezza - qint64(conta) * archivio.tracciato().dimensione() < archivio.tracciato().dimensione());

        // Every card reported saved is there, byte for byte.
        for (auto it = riportate.cbegin(); it != riportate.cend(); ++it) {
            QVERIFY(it.key() <= conta);
            QVERIFY2(archivio.Leggi(it.key()) == schedaDiProva(categoria.tipo, it->first, it->second),
                qPrintable(QStringLiteral("card %1 damaged").arg(it.key())));
        }
        // Every counted card is a whole card of one writer.
        archivio.Scorri([&](int n, const VistaScheda& v) {
            const QStringList nome = v.testo(0).split(QLatin1Char('.'));
            const Scheda attesa = schedaDiProva(categoria.tipo, nome.value(0), nome.value(1).toInt());
            if (Scheda(v) != attesa)
                QTest::qFail(qPrintable(QStringLiteral("card %1 is not a whole card").arg(n)), __FILE__, __LINE__);
            return true;
        });
        qInfo(
            "%d kills, %d cards reported saved, %d cards in the file, 0 lost", uccisioni, int(riportate.size()), conta);
    }
};

TESSARIA_TEST_MAIN(TestCrash)
#include "test_crash.moc"
