// The record store: where cards go in the file, what fails, and appends from
// two processes at once.

#include "SchedeDiProva.h"
#include "TestSupport.h"
#include "archive/FileLock.h"
#include "archive/TArchivioSchede.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>

#include <atomic>
#include <climits>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// What QCOMPARE shows when two cards differ: every non-empty field.
char* toString(const Scheda& s)
{
    QStringList campi;
    for (int i = 0; i < s.tracciato().campi(); ++i) {
        if (!s.testo(i).isEmpty())
            campi << QLatin1StringView(s.tracciato().nome(i)) + QLatin1Char('=') + s.testo(i);
    }
    return QTest::toString(campi.join(QLatin1Char(' ')));
}

namespace {

const Categoria& categoria(const QString& chiave)
{
    const Categoria* c = Catalogo::PerChiave(chiave);
    Q_ASSERT(c);
    return *c;
}

const Categoria& rifiuti()
{
    return categoria(QStringLiteral("Rifiuti"));
}

QString fileDi(const Categoria& c)
{
    return ProgramFolder::file(c.FileArchivio());
}

QByteArray leggiFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void scriviFile(const QString& path, const QByteArray& dati)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(dati), dati.size());
}

// n distinct cards, as the file holds them.
QByteArray schede(Tipo tipo, int n, const QString& chi = QStringLiteral("F"))
{
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += schedaDiProva(tipo, chi, i).byte();
    return b;
}

// Bytes that are no card: what a damaged file might end with.
QByteArray rumore(int n)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(i * 7 + 3);
    return b;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsCreatedEmpty()
    {
        // Built before the program folder is chosen: the path is the one in
        // force at Apri.
        TArchivioSchede archivio(rifiuti());
        TempProgramFolder cartella;
        archivio.Apri();
        QVERIFY(archivio.aperto());
        QCOMPARE(archivio.Conta(), 0);
        const QFileInfo info(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        QVERIFY(info.isFile());
        QCOMPARE(info.size(), 0);
        archivio.Chiudi();
        QVERIFY(!archivio.aperto());
    }

    // Two workstations opening a missing record file at the same moment (the
    // first save of a new archive on both): one creates it, the other opens
    // the one just created, and neither fails. The moments at which the two
    // meet are many and short, so the opening is tried again and again, the
    // second opener starting a little later each time.
    void missingFileOpenedByTwoAtOnce()
    {
        TempProgramFolder cartella;
        const QString path = fileDi(rifiuti());
        QStringList errori;
        for (int giro = 0; giro < 3000 && errori.isEmpty(); ++giro) {
            QFile::remove(path);
            std::atomic<int> pronti {0};
            auto apri = [&](int ritardo) {
                TArchivioSchede archivio(rifiuti());
                ++pronti;
                while (pronti.load() < 2)
                    std::this_thread::yield();
                for (volatile int attesa = 0; attesa < ritardo; ++attesa) { }
                try {
                    archivio.Apri();
                    archivio.Chiudi();
                    return QString();
                } catch (const ErroreArchivio& e) {
                    return QString::fromLocal8Bit(e.what());
                }
            };
            QString altro;
            std::thread secondo([&] { altro = apri(giro % 200 * 10); });
            const QString primo = apri(0);
            secondo.join();
            for (const QString& e : {primo, altro})
                if (!e.isEmpty())
                    errori << QStringLiteral("try %1: %2").arg(giro).arg(e);
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori.join(QLatin1Char('\n'))));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    // What a file already holds, how many cards it counts, and where the next
    // card goes.
    void appendGoesAfterTheLastWholeCard_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("schedeIniziali");
        QTest::addColumn<int>("coda"); // bytes of a damaged, partial record at the end

        QTest::newRow("empty") << "Rifiuti" << 0 << 0;
        QTest::newRow("2825 bytes count 0") << "Rifiuti" << 0 << 2825;
        QTest::newRow("seven cards") << "Luce" << 7 << 0;
        QTest::newRow("seven cards and a tail") << "Luce" << 7 << 100;
        QTest::newRow("purchases") << "Acquisti" << 2 << 3365;
    }

    void appendGoesAfterTheLastWholeCard()
    {
        QFETCH(QString, chiave);
        QFETCH(int, schedeIniziali);
        QFETCH(int, coda);
        TempProgramFolder cartella;
        const Categoria& c = categoria(chiave);
        const Tipo tipo = c.tipo;
        const QByteArray prima = schede(tipo, schedeIniziali) + rumore(coda);
        scriviFile(fileDi(c), prima);

        TArchivioSchede archivio(c);
        archivio.Apri();
        QCOMPARE(archivio.Conta(), schedeIniziali);
        const Scheda nuova = schedaDiProva(tipo, QStringLiteral("N"), 1);
        QCOMPARE(archivio.Aggiungi(nuova), schedeIniziali + 1);
        QCOMPARE(archivio.Conta(), schedeIniziali + 1);
        QCOMPARE(archivio.Leggi(schedeIniziali + 1), nuova);
        archivio.Chiudi();

        // The earlier cards as they were, the tail overwritten, nothing after.
        const int dimensione = archivio.tracciato().dimensione();
        const QByteArray dopo = leggiFile(fileDi(c));
        QCOMPARE(dopo.size(), (schedeIniziali + 1) * dimensione);
        QVERIFY(dopo.left(schedeIniziali * dimensione) == prima.left(schedeIniziali * dimensione));
        QVERIFY(dopo.mid(schedeIniziali * dimensione) == nuova.byte());
    }

    void readAndRewriteInPlace()
    {
        TempProgramFolder cartella;
        const QByteArray prima = schede(Tipo::TSchedaBolletta, 4);
        scriviFile(fileDi(rifiuti()), prima);

        TArchivioSchede archivio(rifiuti());
        archivio.Apri();
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(archivio.Leggi(n), schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("F"), n));

        Scheda modificata = archivio.Leggi(2);
        modificata.imposta("Segnala", QStringLiteral("Sì"));
        modificata.imposta("Note", QStringLiteral("pagata in ritardo"));
        archivio.Riscrivi(2, modificata);
        QCOMPARE(archivio.Conta(), 4);
        QCOMPARE(archivio.Leggi(2), modificata);
        archivio.Chiudi();

        QByteArray attesi = prima;
        attesi.replace(2826, 2826, modificata.byte());
        QVERIFY(leggiFile(fileDi(rifiuti())) == attesi);
    }

    // A card number outside 1..Conta is a failure that closes the file and
    // leaves it as it was.
    void cardNumberOutOfRange_data()
    {
        QTest::addColumn<bool>("riscrivi");
        QTest::addColumn<int>("n");
        QTest::newRow("Leggi 0") << false << 0;
        QTest::newRow("Leggi -1") << false << -1;
        QTest::newRow("Leggi Conta+1") << false << 5;
        QTest::newRow("Leggi INT_MAX") << false << INT_MAX;
        QTest::newRow("Riscrivi 0") << true << 0;
        QTest::newRow("Riscrivi Conta+1") << true << 5;
    }

    void cardNumberOutOfRange()
    {
        QFETCH(bool, riscrivi);
        QFETCH(int, n);
        TempProgramFolder cartella;
        // Four cards and the start of a fifth: a tail is no card.
        const QByteArray prima = schede(Tipo::TSchedaBolletta, 4) + rumore(2000);
        scriviFile(fileDi(rifiuti()), prima);

        TArchivioSchede archivio(rifiuti());
        archivio.Apri();
        if (riscrivi)
            QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Riscrivi(n, archivio.nuovaScheda()));
        else
            QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Leggi(n));
        QVERIFY(!archivio.aperto());
        QVERIFY(leggiFile(fileDi(rifiuti())) == prima);
    }

    void misuseFails()
    {
        TempProgramFolder cartella;
        TArchivioSchede archivio(rifiuti());
        // Never opened.
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Conta());
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Aggiungi(archivio.nuovaScheda()));
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Scorri([](int, const VistaScheda&) { return true; }));
        QVERIFY(!QFile::exists(fileDi(rifiuti())));

        // A purchase record in a bill file.
        archivio.Apri();
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Aggiungi(Scheda(Tipo::TSchedaAcquisto)));
        QVERIFY(!archivio.aperto());
        QCOMPARE(QFileInfo(fileDi(rifiuti())).size(), 0);

        // Closed again after a good open.
        archivio.Apri();
        archivio.Chiudi();
        archivio.Chiudi();
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Leggi(1));
    }

    // An existing file that cannot be opened for reading and writing is a
    // failure, and is never replaced by a new empty one.
    void existingFileThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("a folder in its place") << "cartella";
        QTest::newRow("no rights") << "0000";
        QTest::newRow("read-only") << "0444";
    }

    void existingFileThatCannotBeOpened()
    {
        QFETCH(QString, caso);
        TempProgramFolder cartella;
        const QString path = fileDi(rifiuti());
        const QByteArray prima = schede(Tipo::TSchedaBolletta, 2);
        if (caso == QLatin1StringView("cartella")) {
            QVERIFY(QDir().mkdir(path));
        } else {
#ifdef Q_OS_UNIX
            if (geteuid() == 0)
                QSKIP("running as root, which file permissions do not stop");
            scriviFile(path, prima);
            QVERIFY(chmod(QFile::encodeName(path).constData(), mode_t(caso.toInt(nullptr, 8))) == 0);
#else
            QSKIP("POSIX permissions only");
#endif
        }

        TArchivioSchede archivio(rifiuti());
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Apri());
        QVERIFY(!archivio.aperto());
        QVERIFY_THROWS_EXCEPTION(ErroreArchivio, archivio.Apri(TArchivioSchede::Accesso::Scrittura));

        if (caso == QLatin1StringView("cartella")) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QVERIFY(leggiFile(path) == prima);
        }
    }

    void scanVisitsEveryCardInOrder_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("conta");
        QTest::newRow("empty") << "Rifiuti" << 0;
        QTest::newRow("one card") << "Acquisti" << 1;
        // More than one block of the scan, the last one partly filled.
        QTest::newRow("many blocks") << "Rifiuti" << 1700;
    }

    void scanVisitsEveryCardInOrder()
    {
        QFETCH(QString, chiave);
        QFETCH(int, conta);
        TempProgramFolder cartella;
        const Categoria& c = categoria(chiave);
        scriviFile(fileDi(c), schede(c.tipo, conta) + rumore(1000));

        TArchivioSchede archivio(c);
        archivio.Apri();
        const int numero = archivio.tracciato().indice("Numero");
        int visitate = 0;
        archivio.Scorri([&](int n, const VistaScheda& scheda) {
            ++visitate;
            if (n != visitate
                || scheda.testo(numero) != testoDiProva(scheda.tracciato(), numero, QStringLiteral("F"), n)
                || Scheda(scheda) != schedaDiProva(c.tipo, QStringLiteral("F"), n))
                return false;
            return true;
        });
        QCOMPARE(visitate, conta);

        // Stopping early, and the store still works after a scan.
        if (conta > 1) {
            visitate = 0;
            archivio.Scorri([&](int n, const VistaScheda&) {
                ++visitate;
                return n < 2;
            });
            QCOMPARE(visitate, 2);
            QCOMPARE(archivio.Leggi(conta), schedaDiProva(c.tipo, QStringLiteral("F"), conta));
        }
        QCOMPARE(archivio.Aggiungi(archivio.nuovaScheda()), conta + 1);
    }

#ifdef Q_OS_LINUX
    // A write that the system cuts short (here: the file size limit) fails,
    // leaves the earlier cards alone, and the partial record it left is
    // overwritten by the next append.
    void failedWriteTouchesNoOtherCard()
    {
        TempProgramFolder cartella;
        const QByteArray prima = schede(Tipo::TSchedaBolletta, 3);
        scriviFile(fileDi(rifiuti()), prima);

        TArchivioSchede archivio(rifiuti());
        archivio.Apri();
        rlimit limite {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limite) == 0);
        const rlimit ridotto {rlim_t(prima.size() + 100), limite.rlim_max};
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &ridotto) == 0);
        bool fallito = false;
        try {
            archivio.Aggiungi(schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("N"), 1));
        } catch (const ErroreArchivio&) {
            fallito = true;
        }
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, segnale);
        QVERIFY(fallito);
        QVERIFY(!archivio.aperto());
        const QByteArray dopo = leggiFile(fileDi(rifiuti()));
        QCOMPARE(dopo.size(), prima.size() + 100);
        QVERIFY(dopo.left(prima.size()) == prima);

        archivio.Apri();
        QCOMPARE(archivio.Conta(), 3);
        QCOMPARE(archivio.Aggiungi(schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("N"), 2)), 4);
        archivio.Chiudi();
        QCOMPARE(
            leggiFile(fileDi(rifiuti())), prima + schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("N"), 2).byte());
    }
#endif

    // The lock belongs to one open file: a second descriptor of the same file,
    // even in this process, waits for it and gets it once it is let go.
    void lockExcludesOtherDescriptors()
    {
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
        TempProgramFolder cartella;
        const QString path = cartella.file(QStringLiteral("f"));
        scriviFile(path, "x");
        QFile primo(path), secondo(path), terzo(path);
        QVERIFY(primo.open(QIODevice::ReadWrite));
        QVERIFY(secondo.open(QIODevice::ReadWrite));

        FileLock a, b;
        QCOMPARE(a.acquire(int(primo.handle()), 0), FileLock::Result::Taken);
        QVERIFY(a.held());
        QElapsedTimer attesa;
        attesa.start();
        QCOMPARE(b.acquire(int(secondo.handle()), 150), FileLock::Result::TimedOut);
        QVERIFY(attesa.elapsed() >= 150);
        QVERIFY(!b.held());

        // Opening and closing the file elsewhere does not drop the lock.
        QVERIFY(terzo.open(QIODevice::ReadWrite));
        terzo.close();
        QCOMPARE(b.acquire(int(secondo.handle()), 0), FileLock::Result::TimedOut);

        a.release();
        QCOMPARE(b.acquire(int(secondo.handle()), 0), FileLock::Result::Taken);
        b.release();
#else
        QSKIP("classic POSIX locks belong to the process, not to the descriptor");
#endif
    }

    // Which lock another descriptor can take while one is held: readers
    // share, a writer has the file to itself.
    void sharedAndExclusive_data()
    {
        QTest::addColumn<bool>("primoEsclusivo");
        QTest::addColumn<bool>("secondoEsclusivo");
        QTest::addColumn<bool>("preso");
        QTest::newRow("reader, reader") << false << false << true;
        QTest::newRow("reader, writer") << false << true << false;
        QTest::newRow("writer, reader") << true << false << false;
        QTest::newRow("writer, writer") << true << true << false;
    }

    void sharedAndExclusive()
    {
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
        QFETCH(bool, primoEsclusivo);
        QFETCH(bool, secondoEsclusivo);
        QFETCH(bool, preso);
        TempProgramFolder cartella;
        const QString path = cartella.file(QStringLiteral("f"));
        scriviFile(path, "x");
        QFile primo(path), secondo(path);
        QVERIFY(primo.open(QIODevice::ReadWrite));
        QVERIFY(secondo.open(QIODevice::ReadWrite));
        auto tipo = [](bool esclusivo) { return esclusivo ? FileLock::Kind::Exclusive : FileLock::Kind::Shared; };
        FileLock a, b;
        QCOMPARE(a.acquire(int(primo.handle()), 0, tipo(primoEsclusivo)), FileLock::Result::Taken);
        QCOMPARE(b.acquire(int(secondo.handle()), 0, tipo(secondoEsclusivo)),
            preso ? FileLock::Result::Taken : FileLock::Result::TimedOut);
        b.release();
        a.release();
        QCOMPARE(b.acquire(int(secondo.handle()), 0, tipo(secondoEsclusivo)), FileLock::Result::Taken);
#else
        QSKIP("classic POSIX locks belong to the process, not to the descriptor");
#endif
    }

    // Stores on one file: readers never hold each other up; a store opened
    // for writing keeps the others out until it closes, its own reads
    // included; a scan keeps writers out from its first card to its last.
    void readersShareWritersExclude()
    {
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
        TempProgramFolder cartella;
        const QString path = fileDi(rifiuti());
        scriviFile(path, schede(Tipo::TSchedaBolletta, 3));
        QFile altro(path);
        QVERIFY(altro.open(QIODevice::ReadWrite));
        FileLock prova;
        auto libero = [&](FileLock::Kind tipo) {
            const bool preso = prova.acquire(int(altro.handle()), 0, tipo) == FileLock::Result::Taken;
            prova.release();
            return preso;
        };
        QElapsedTimer tempo;
        tempo.start();

        TArchivioSchede primo(rifiuti()), secondo(rifiuti());
        primo.Apri();
        secondo.Apri();
        bool scrittoreFuori = true;
        int visitate = 0;
        Scheda letta = secondo.nuovaScheda();
        primo.Scorri([&](int n, const VistaScheda&) {
            if (n == 2) {
                letta = secondo.Leggi(3);
                secondo.Scorri([&](int, const VistaScheda&) { return ++visitate < 3; });
            }
            scrittoreFuori = scrittoreFuori && !libero(FileLock::Kind::Exclusive);
            return true;
        });
        QCOMPARE(letta, schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("F"), 3));
        QCOMPARE(visitate, 3);
        QVERIFY(scrittoreFuori);
        // Between reads no lock is held.
        QVERIFY(libero(FileLock::Kind::Exclusive));
        primo.Chiudi();
        secondo.Chiudi();

        {
            TArchivioSchede scrittore(rifiuti());
            scrittore.Apri(TArchivioSchede::Accesso::Scrittura);
            QVERIFY(!libero(FileLock::Kind::Shared));
            // Reading under its own lock neither waits nor gives it up.
            QCOMPARE(scrittore.Leggi(1), schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("F"), 1));
            scrittore.Scorri([&](int, const VistaScheda&) { return !libero(FileLock::Kind::Shared); });
            QVERIFY(!libero(FileLock::Kind::Shared));
            scrittore.Riscrivi(1, scrittore.Leggi(1));
            QCOMPARE(scrittore.Aggiungi(scrittore.nuovaScheda()), 4);
            QVERIFY(!libero(FileLock::Kind::Shared));
        }
        // Destroying it let the lock go.
        TArchivioSchede prossimo(rifiuti());
        prossimo.Apri(TArchivioSchede::Accesso::Scrittura);
        QCOMPARE(prossimo.Aggiungi(prossimo.nuovaScheda()), 5);
        prossimo.Chiudi();
        QVERIFY(libero(FileLock::Kind::Exclusive));
        QVERIFY2(tempo.elapsed() < 2000, "nobody should have waited for the lock");
#else
        QSKIP("classic POSIX locks belong to the process, not to the descriptor");
#endif
    }

    // A reader waits for a writer and goes on once it lets go; one that waits
    // too long fails and closes the file, as any other failure does.
    void readerWaitsForTheWriter_data()
    {
        QTest::addColumn<int>("rilascioMs"); // -1: never
        QTest::addColumn<bool>("scansione");
        QTest::newRow("Leggi, writer done in 300 ms") << 300 << false;
        QTest::newRow("Scorri, writer done in 300 ms") << 300 << true;
        QTest::newRow("Leggi, writer never done") << -1 << false;
    }

    void readerWaitsForTheWriter()
    {
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
        QFETCH(int, rilascioMs);
        QFETCH(bool, scansione);
        TempProgramFolder cartella;
        const QString path = fileDi(rifiuti());
        scriviFile(path, schede(Tipo::TSchedaBolletta, 3));
        QFile altro(path);
        QVERIFY(altro.open(QIODevice::ReadWrite));
        FileLock scrittore;
        QCOMPARE(scrittore.acquire(int(altro.handle()), 0), FileLock::Result::Taken);
        std::thread rilascio;
        if (rilascioMs >= 0)
            rilascio = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(rilascioMs));
                scrittore.release();
            });

        TArchivioSchede lettore(rifiuti());
        lettore.Apri();
        QElapsedTimer tempo;
        tempo.start();
        bool fallito = false;
        int visitate = 0;
        try {
            if (scansione)
                lettore.Scorri([&](int, const VistaScheda&) { return ++visitate > 0; });
            else
                visitate = lettore.Leggi(3) == schedaDiProva(Tipo::TSchedaBolletta, QStringLiteral("F"), 3) ? 3 : 0;
        } catch (const ErroreArchivio&) {
            fallito = true;
        }
        const qint64 atteso = tempo.elapsed();
        if (rilascio.joinable())
            rilascio.join();
        if (rilascioMs >= 0) {
            QVERIFY(!fallito);
            QCOMPARE(visitate, 3);
            QVERIFY2(atteso >= rilascioMs - 20 && atteso < rilascioMs + 2000, qPrintable(QString::number(atteso)));
            lettore.Chiudi();
        } else {
            QVERIFY(fallito);
            QVERIFY(!lettore.aperto());
            QVERIFY2(atteso >= 9000 && atteso < 20000, qPrintable(QString::number(atteso)));
            scrittore.release();
        }
        QCOMPARE(leggiFile(path), schede(Tipo::TSchedaBolletta, 3));
#else
        QSKIP("classic POSIX locks belong to the process, not to the descriptor");
#endif
    }

    // Two processes saving cards into one file at the same time: every card
    // gets its own position.
    void twoProcessesAppendAtOnce()
    {
        TempProgramFolder cartella;
        constexpr int perProcesso = 500;
        const QStringList chi = {QStringLiteral("A"), QStringLiteral("B")};
        QList<QProcess*> processi;
        for (const QString& c : chi) {
            auto* p = new QProcess(this);
            p->setProcessChannelMode(QProcess::ForwardedChannels);
            p->start(QStringLiteral(APPEND_WORKER),
                {cartella.path(), QStringLiteral("Rifiuti"), c, QString::number(perProcesso)});
            processi << p;
        }
        // Both are running: let them go together.
        for (QProcess* p : processi)
            QVERIFY(p->waitForStarted());
        scriviFile(cartella.file(QStringLiteral("via")), QByteArray());
        for (QProcess* p : processi) {
            QVERIFY2(p->waitForFinished(240000), "the worker did not finish");
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
            delete p;
        }

        QHash<QByteArray, QString> attese;
        for (const QString& c : chi)
            for (int i = 1; i <= perProcesso; ++i)
                attese.insert(schedaDiProva(Tipo::TSchedaBolletta, c, i).byte(), c + QString::number(i));

        TArchivioSchede archivio(rifiuti());
        archivio.Apri();
        QCOMPARE(archivio.Conta(), 2 * perProcesso);
        QCOMPARE(QFileInfo(fileDi(rifiuti())).size(), qint64(2 * perProcesso) * 2826);
        QSet<QString> trovate;
        QString errore;
        archivio.Scorri([&](int n, const VistaScheda& scheda) {
            const QString quale = attese.value(QByteArray(scheda.dati(), scheda.tracciato().dimensione()));
            if (quale.isEmpty())
                errore = QStringLiteral("card %1 is damaged: %2").arg(n).arg(scheda.testo("Numero"));
            else if (trovate.contains(quale))
                errore = QStringLiteral("card %1 repeats %2").arg(n).arg(quale);
            trovate.insert(quale);
            return errore.isEmpty();
        });
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QCOMPARE(trovate.size(), 2 * perProcesso);
    }
};

TESSARIA_TEST_MAIN(TestStore)
#include "test_store.moc"
