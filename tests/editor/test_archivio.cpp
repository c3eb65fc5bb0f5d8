#include "Faults.h"
#include "SaveSoak.h"
#include "TestSupport.h"
#include "archive/Attachments.h"
#include "archive/Categoria.h"
#include "archive/PhotoFiles.h"
#include "archive/TArchivioSchede.h"
#include "editor/TfrmArchivio.h"
#include "editor/TfrmCalendario.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

using Kind = Dialogs::Kind;

namespace {

const QString Accesso = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString Inserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString Vuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");

const Categoria& cat(const char* chiave)
{
    return *Catalogo::PerChiave(QString::fromLatin1(chiave));
}

QByteArray leggi(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivi(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A card whose every text field says which card it is.
Scheda scheda(const Categoria& c, int n, const QString& segnala = QStringLiteral("No"))
{
    Scheda s(c.tipo);
    const Tracciato& t = s.tracciato();
    for (int i = 0; i < t.campi(); ++i)
        s.imposta(i, QStringLiteral("%1 %2").arg(QLatin1String(t.nome(i))).arg(n));
    s.imposta("Segnala", segnala);
    s.imposta("DataEmi", QStringLiteral("01/02/2024"));
    return s;
}

QByteArray archivioDi(const Categoria& c, int quante)
{
    QByteArray bytes;
    for (int n = 1; n <= quante; ++n)
        bytes += scheda(c, n).byte();
    return bytes;
}

// An archive screen shown and active, as the user has it.
struct Schermo {
    explicit Schermo(const Categoria& c)
        : w(c)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    QLineEdit* campo(const char* nome) { return w.findChild<QLineEdit*>(QString::fromLatin1(nome)); }
    QString posizione() { return w.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(); }
    QString info() { return w.findChild<QLabel*>(QStringLiteral("panInfo"))->text(); }
    QCheckBox* segnala() { return w.findChild<QCheckBox*>(QStringLiteral("chkSegnala")); }
    void premi(const QString& comando)
    {
        auto* b = w.findChild<QPushButton*>(comando);
        QVERIFY2(b, qPrintable(comando));
        b->click();
    }
    TfrmArchivio w;
};

void compila(Schermo& s, const QList<std::pair<const char*, const char*>>& valori)
{
    for (const auto& [nome, testo] : valori) {
        QLineEdit* e = s.campo(nome);
        QVERIFY2(e, nome);
        e->setText(QString::fromUtf8(testo));
    }
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(10, 30)));
    }
    void cleanup()
    {
        QVERIFY(testDialogs().verify());
        Clock::pin({});
    }

    // A new card saved into an empty folder: the record's exact bytes, the
    // position label and the placeholder written as its photo. Saving again
    // rewrites the same card.
    void saveNewCardThenRewrite()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Rifiuti"));
        QVERIFY(s.posizione().isEmpty());
        QCOMPARE(s.campo("txtPrezzo")->text(), QStringLiteral("0,00"));
        compila(s,
            {{"txtNumero", "  F-2024/77 "}, {"txtBeneficiario", "Comune di Ravenna"}, {"txtCausale", "Tassa rifiuti"},
                {"txtPagatore", "Maria Rossi"}, {"txtPrezzo", "187,4"}, {"txtNote", "Pagata in posta"}});
        QVERIFY(s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("31/03/2024")));
        s.segnala()->setChecked(true);
        s.w.ImpostaAllegato(2, QStringLiteral("fattura.pdf"), QStringLiteral("La fattura"));

        testDialogs().expectMessage(Kind::Information, Inserita);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(s.posizione(), QStringLiteral("1"));

        // The bytes, field by field, as the file keeps them.
        const QByteArray file = leggi(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        QCOMPARE(file.size(), 2826);
        auto campo
            = [&file](int offset, int larghezza) { return file.mid(offset + 1, quint8(file[offset])).left(larghezza); };
        QCOMPARE(campo(0, 50), QByteArray("F-2024/77"));
        QCOMPARE(campo(62, 120), QByteArray("Comune di Ravenna"));
        QCOMPARE(campo(234, 10), QByteArray("31/03/2024"));
        QCOMPARE(campo(1301, 15), QByteArray("187,40"));
        QCOMPARE(file.mid(1317, 3), QByteArray("\x02S\xEC", 3));
        QCOMPARE(campo(1571, 250), QByteArray("fattura.pdf"));
        QCOMPARE(campo(2324, 250), QByteArray("La fattura"));
        QCOMPARE(quint8(file[51]), 0); // DataEmi left empty

        QImageReader foto(cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg")));
        QCOMPARE(foto.format(), QByteArray("jpeg"));
        QCOMPARE(foto.size(), QSize(567, 378));

        s.campo("txtNote")->setText(QStringLiteral("Pagata online"));
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        const QByteArray dopo = leggi(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        QCOMPARE(dopo.size(), 2826);
        QCOMPARE(dopo.mid(1051, 13), QByteArray("Pagata online"));
    }

    // Saving card 2 of 4 rewrites only the bytes of card 2.
    void rewriteTouchesOnlyItsCard()
    {
        TempProgramFolder cartella;
        const QString path = cartella.file(QStringLiteral("Archivio_Luce.pro"));
        const QByteArray prima = archivioDi(cat("Luce"), 4);
        scrivi(path, prima);
        Schermo s(cat("Luce"));
        s.premi(QStringLiteral("cmdPrimo"));
        s.premi(QStringLiteral("cmdAvanti"));
        QCOMPARE(s.posizione(), QStringLiteral("2"));
        QCOMPARE(s.campo("txtCausale")->text(), QStringLiteral("Causale 2"));
        s.campo("txtCausale")->setText(QStringLiteral("Conguaglio"));
        s.campo("txtPrezzo")->setText(QStringLiteral("12,5"));

        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        const QByteArray dopo = leggi(path);
        QCOMPARE(dopo.size(), prima.size());
        QVERIFY(dopo.left(2826) == prima.left(2826));
        QVERIFY(dopo.mid(2 * 2826) == prima.mid(2 * 2826));
        Scheda riletta(Tipo::TSchedaBolletta, dopo.constData() + 2826);
        QCOMPARE(riletta.testo("Causale"), QStringLiteral("Conguaglio"));
        QCOMPARE(riletta.testo("Prezzo"), QStringLiteral("12,50")); // committed although never left
        QCOMPARE(riletta.testo("Numero"), QStringLiteral("Numero 2"));
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("vuoto");
        QTest::addColumn<QString>("avviso");
        auto row = [](const char* chiave, const char* vuoto, const char* avviso) {
            QTest::addRow("%s %s", chiave, vuoto) << QString::fromLatin1(chiave) << QString::fromLatin1(vuoto)
                                                  << QStringLiteral("Attenzione: per salvare la scheda è necessario "
                                                                    "indicare ")
                    + QString::fromUtf8(avviso);
        };
        row("Rifiuti", "txtNumero", "il numero della bolletta o fattura.");
        row("Rifiuti", "txtBeneficiario", "il nome del beneficiario del pagamento.");
        row("Rifiuti", "txtDataSca", "la data di scadenza del pagamento.");
        row("Rifiuti", "txtCausale", "la causale del pagamento.");
        row("Rifiuti", "txtPagatore", "il nome del pagatore.");
        row("Luce", "txtNumero", "il numero della bolletta o fattura.");
        row("Gas", "txtCausale", "la causale del pagamento.");
        row("Acqua", "txtPagatore", "il nome del pagatore.");
        row("Telefono", "txtDataSca", "la data di scadenza del pagamento.");
        row("Varie", "txtBeneficiario", "il nome del beneficiario del pagamento.");
        row("Automezzi", "txtPeriodo", "la targa del veicolo.");
        row("Automezzi", "txtCausale", "la causale del pagamento.");
        row("Condominio", "txtNumero", "il numero del documento o fattura.");
        row("Tasse", "txtNumero", "la tipologia di tassa.");
        row("Tasse", "txtBeneficiario", "l'Ente beneficiario del pagamento.");
        row("Acquisti", "txtNumero", "il numero dello scontrino o fattura.");
        row("Acquisti", "txtDataEmi", "la data di di emissione dello scontrino o fattura.");
        row("Acquisti", "txtAttivita", "la denominazione dell'attività commerciale.");
        row("Acquisti", "txtProdotti", "i prodotti acquistati.");
        row("Acquisti", "txtPagatore", "il nome del pagatore.");
    }

    // Every required field filled but one (blanks and control characters
    // count as blank): the save stops at that field, with its warning and the
    // focus, and the record file is not even created.
    void requiredFields()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, vuoto);
        QFETCH(QString, avviso);
        TempProgramFolder cartella;
        const Categoria& c = *Catalogo::PerChiave(chiave);
        Schermo s(c);
        for (const char* nome : {"txtNumero", "txtBeneficiario", "txtDataSca", "txtPeriodo", "txtCausale",
                 "txtPagatore", "txtDataEmi", "txtAttivita", "txtProdotti"}) {
            if (QLineEdit* e = s.campo(nome))
                e->setText(QString::fromLatin1(nome) == vuoto ? QStringLiteral(" \t ") : QStringLiteral("x"));
        }
        testDialogs().expectMessage(Kind::Warning, avviso);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(QApplication::focusWidget(), s.campo(qPrintable(vuoto)));
        QVERIFY(!QFile::exists(cartella.file(c.FileArchivio())));
        QVERIFY(s.posizione().isEmpty());
    }

    void blankCardStopsAtTheFirstCheck()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Rifiuti"));
        testDialogs().expectMessage(Kind::Warning,
            QStringLiteral("Attenzione: per salvare la scheda è necessario "
                           "indicare il numero della bolletta o fattura."));
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(QApplication::focusWidget(), s.campo("txtNumero"));
        QVERIFY(QDir(cartella.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // Browsing a fresh folder creates the empty file and says it is empty;
    // Previous on card 1 and Next on the last card do nothing.
    void navigationEnds()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Gas"));
        for (const char* cmd : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
            testDialogs().expectMessage(Kind::Information, Vuoto);
            s.premi(QString::fromLatin1(cmd));
        }
        QVERIFY(QFile::exists(cartella.file(QStringLiteral("Archivio_Gas.pro"))));

        scrivi(cartella.file(QStringLiteral("Archivio_Gas.pro")), archivioDi(cat("Gas"), 3));
        s.premi(QStringLiteral("cmdIndietro")); // from a new card: card 1
        QCOMPARE(s.posizione(), QStringLiteral("1"));
        s.premi(QStringLiteral("cmdIndietro"));
        QCOMPARE(s.posizione(), QStringLiteral("1"));
        s.premi(QStringLiteral("cmdUltimo"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
        QCOMPARE(s.campo("txtNumero")->text(), QStringLiteral("Numero 3"));
        s.premi(QStringLiteral("cmdAvanti"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
        s.premi(QStringLiteral("cmdNuovo"));
        s.premi(QStringLiteral("cmdAvanti"));
        QCOMPARE(s.posizione(), QStringLiteral("1"));
    }

    // A flag that is neither "Sì" nor "No" leaves the box as it was.
    void oddFlagKeepsTheBox()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Varie");
        scrivi(cartella.file(c.FileArchivio()),
            scheda(c, 1, QStringLiteral("Sì")).byte() + scheda(c, 2, QStringLiteral("?")).byte()
                + scheda(c, 3, QStringLiteral("No")).byte());
        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QVERIFY(s.segnala()->isChecked());
        s.premi(QStringLiteral("cmdAvanti"));
        QVERIFY(s.segnala()->isChecked());
        s.premi(QStringLiteral("cmdAvanti"));
        QVERIFY(!s.segnala()->isChecked());
    }

    // A program folder the program cannot use, or a record file it cannot
    // open: every file command shows the access message, the screen keeps
    // its card, and nothing stored beside it changes.
    void unusableProgramFolder_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("folder below a file") << "sotto un file";
        QTest::newRow("record file is a folder") << "cartella";
        QTest::newRow("read-only folder") << "sola lettura";
    }
    void unusableProgramFolder()
    {
        QFETCH(QString, caso);
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        // What a household keeps: cards of two archives, a photo, an
        // attachment, the password store.
        scrivi(cartella.file(cat("Luce").FileArchivio()), archivioDi(cat("Luce"), 2));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute"))));
        QImage foto(32, 24, QImage::Format_RGB32);
        foto.fill(Qt::red);
        QVERIFY(PhotoFiles::write(foto, cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"))));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Documenti_Allegati"))));
        scrivi(cartella.file(QStringLiteral("Documenti_Allegati/fattura.pdf")), "%PDF-1.4 fattura");
        scrivi(cartella.file(QStringLiteral("unins000.dll")), "[Accesso]\r\nValore=7DE0\r\n");

        std::unique_ptr<ReadOnlyFolder> solaLettura;
        if (caso == QLatin1String("sotto un file")) {
            scrivi(cartella.file(QStringLiteral("file")), "x");
            ProgramFolder::set(cartella.file(QStringLiteral("file/sotto")));
        } else if (caso == QLatin1String("cartella")) {
            QVERIFY(QDir().mkpath(cartella.file(c.FileArchivio())));
            scrivi(cartella.file(c.FileArchivio() + QStringLiteral("/dentro.txt")), "non toccare");
        } else {
            scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 2));
            solaLettura = std::make_unique<ReadOnlyFolder>(cartella.path());
            if (!solaLettura->holds())
                QSKIP("file permissions do not stop this user (root)");
        }
        const auto prima = folderContents(cartella.path());

        Schermo s(c);
        compila(s, {{"txtNumero", "1"}, {"txtBeneficiario", "b"}, {"txtCausale", "c"}, {"txtPagatore", "p"}});
        s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("01/01/2024"));
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdSalva"));
        for (const char* comando : {"cmdPrimo", "cmdUltimo", "cmdAvanti"}) {
            testDialogs().expectMessage(Kind::Error, Accesso);
            s.premi(QString::fromLatin1(comando));
        }
        QCOMPARE(s.campo("txtNumero")->text(), QStringLiteral("1"));
        QVERIFY(s.posizione().isEmpty());
        const auto dopo = folderContents(cartella.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
    }

    // Another workstation shortened the file under the card on display:
    // browsing and saving fail with the access message, the save neither
    // appends the card nor writes its photo, and the screen keeps the card.
    void shortenedFile()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Acqua");
        const QString path = cartella.file(c.FileArchivio());
        scrivi(path, archivioDi(c, 3));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute"))));
        for (int n = 1; n <= 3; ++n) {
            QImage foto(30 + n, 20, QImage::Format_RGB32);
            foto.fill(Qt::darkGreen);
            QVERIFY(PhotoFiles::write(foto, PhotoFiles::path(c, QString::number(n))));
        }
        Schermo s(c);
        s.premi(QStringLiteral("cmdUltimo"));
        QCOMPARE(s.w.Foto().size(), QSize(33, 20));
        scrivi(path, archivioDi(c, 1));
        const auto prima = folderContents(cartella.path());

        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdIndietro"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
        QCOMPARE(s.campo("txtNumero")->text(), QStringLiteral("Numero 3"));
        s.campo("txtNote")->setText(QStringLiteral("modificata altrove"));
        QImage nuova(50, 40, QImage::Format_RGB32);
        nuova.fill(Qt::yellow);
        s.w.ImpostaFoto(nuova);
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
        QCOMPARE(s.w.Foto().size(), QSize(50, 40));
        const auto dopo = folderContents(cartella.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
        QCOMPARE(leggi(path), archivioDi(c, 1));
    }

    // A photo that cannot be written: the card is saved, the user is told,
    // every photo already stored stays as it was, and the picture stays on
    // screen, so the next save, once the cause is gone, stores it.
    void failedPhotoWriteIsReported_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("nuova");
        QTest::newRow("photo file is a folder") << "file cartella" << false;
        QTest::newRow("photo folder is a file") << "cartella file" << false;
        QTest::newRow("photo folder is a file, new card") << "cartella file" << true;
#ifdef TESSARIA_HAS_DISK_FULL
        QTest::newRow("disk full") << "disco pieno" << false;
#endif
        QTest::newRow("read-only photo folder") << "sola lettura" << false;
    }
    void failedPhotoWriteIsReported()
    {
        QFETCH(QString, caso);
        QFETCH(bool, nuova);
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        const QString archivio = cartella.file(c.FileArchivio());
        scrivi(archivio, archivioDi(c, 2));
        const QString fotoFolder = cartella.file(QStringLiteral("Foto_Ricevute"));
        const QString foto1 = cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"));
        if (caso == QLatin1String("cartella file")) {
            scrivi(fotoFolder, "not a folder");
        } else {
            QVERIFY(QDir().mkpath(fotoFolder));
            QImage vecchia(40, 30, QImage::Format_RGB32);
            vecchia.fill(Qt::green);
            QVERIFY(PhotoFiles::write(vecchia, cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_2.jpg"))));
            if (caso == QLatin1String("file cartella"))
                QVERIFY(QDir().mkpath(foto1));
            else
                QVERIFY(PhotoFiles::write(vecchia, foto1));
        }

        Schermo s(c);
        if (!nuova)
            s.premi(QStringLiteral("cmdPrimo"));
        // Noise does not compress: this photo is larger than the room left
        // on the full disk below, the card's record is not.
        QImage immagine(96, 72, QImage::Format_RGB32);
        quint32 seme = 12345;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x) {
                seme = seme * 1103515245u + 12345u;
                immagine.setPixel(x, y, seme >> 8);
            }
        s.w.ImpostaFoto(immagine);
        compila(s,
            {{"txtNumero", "7"}, {"txtBeneficiario", "b"}, {"txtCausale", "c"}, {"txtPagatore", "p"},
                {"txtNote", "cambiata"}});
        s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("01/01/2024"));
        // Everything but the record file, which the save does change.
        auto resto = [&] {
            auto m = folderContents(cartella.path());
            m.remove(c.FileArchivio());
            return m;
        };
        const auto prima = resto();
        const QString esito = nuova ? Inserita : Modificata;
        testDialogs().expectMessage(Kind::Warning,
            esito
                + QStringLiteral("\r\n\r\nAttenzione: non è stato possibile salvare la foto "
                                 "della ricevuta nella cartella Foto_Ricevute."));
        {
            std::unique_ptr<ReadOnlyFolder> solaLettura;
            if (caso == QLatin1String("sola lettura")) {
                solaLettura = std::make_unique<ReadOnlyFolder>(fotoFolder);
                if (!solaLettura->holds()) {
                    testDialogs().reset();
                    QSKIP("file permissions do not stop this user (root)");
                }
            }
#ifdef TESSARIA_HAS_DISK_FULL
            std::unique_ptr<DiskFull> pieno;
            if (caso == QLatin1String("disco pieno")) {
                QByteArray jpeg;
                QBuffer b(&jpeg);
                QVERIFY(b.open(QIODevice::WriteOnly) && immagine.save(&b, "JPG"));
                QVERIFY(jpeg.size() > 2826);
                pieno = std::make_unique<DiskFull>(2826);
            }
#endif
            s.premi(QStringLiteral("cmdSalva"));
        }
        // The card is in the file, and only it changed.
        const int n = nuova ? 3 : 1;
        QCOMPARE(s.posizione(), QString::number(n));
        const QByteArray dopo = leggi(archivio);
        QCOMPARE(dopo.size(), (nuova ? 3 : 2) * 2826);
        QCOMPARE(
            Scheda(Tipo::TSchedaBolletta, dopo.constData() + (n - 1) * 2826).testo("Note"), QStringLiteral("cambiata"));
        const QByteArray altre = archivioDi(c, 2);
        if (nuova)
            QVERIFY(dopo.left(2 * 2826) == altre);
        else
            QVERIFY(dopo.mid(2826) == altre.mid(2826));
        // Every photo as it was, nothing half written beside them.
        const auto resta = resto();
        QVERIFY2(resta == prima, qPrintable(contentsDifference(prima, resta)));
        QVERIFY(!s.w.FotoSegnaposto());
        QCOMPARE(s.w.Foto(), immagine);

        // The cause gone, the next save stores the picture.
        if (caso == QLatin1String("file cartella"))
            QVERIFY(QDir(foto1).removeRecursively());
        else if (caso == QLatin1String("cartella file"))
            QVERIFY(QFile::remove(fotoFolder));
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(QImageReader(PhotoFiles::path(c, QString::number(n))).size(), QSize(96, 72));
    }

    void duplicate()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Telefono");
        testDialogs().expectMessage(Kind::Warning,
            QStringLiteral("Attenzione: la duplicazione di una scheda può "
                           "avvenire soltanto dopo che questa è stata "
                           "inserita in archivio."));
        Schermo s(c);
        s.premi(QStringLiteral("cmdDuplica"));

        scrivi(cartella.file(c.FileArchivio()), scheda(c, 1, QStringLiteral("Sì")).byte() + archivioDi(c, 2).mid(2826));
        s.premi(QStringLiteral("cmdPrimo"));
        QCOMPARE(s.w.Allegato(1), QStringLiteral("File01 1"));
        testDialogs().expectMessage(Kind::Information,
            QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                           "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda "
                           "in archivio."));
        s.premi(QStringLiteral("cmdDuplica"));
        QVERIFY(s.posizione().isEmpty());
        QCOMPARE(s.campo("txtCausale")->text(), QStringLiteral("Causale 1"));
        QVERIFY(s.segnala()->isChecked());
        QCOMPARE(s.w.Allegato(1), QString());
        QCOMPARE(s.w.DescrizioneAllegato(3), QString());
        QVERIFY(s.w.FotoSegnaposto());
        QCOMPARE(QApplication::focusWidget(), s.campo("txtNumero"));

        testDialogs().expectMessage(Kind::Information, Inserita);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
    }

    // Typing: the codice fiscale in capitals, the amount's key filter and its
    // normalisation on leaving, Enter moving along the fields.
    void fieldTyping()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Rifiuti"));
        QLineEdit* cf = s.campo("txtCodFisc");
        cf->setFocus();
        QTest::keyClicks(cf, QStringLiteral("rss mra"));
        QCOMPARE(cf->text(), QStringLiteral("RSSMRA"));
        QTest::keyClick(cf, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.campo("txtCodCliente"));

        QLineEdit* prezzo = s.campo("txtPrezzo");
        prezzo->setFocus();
        prezzo->clear();
        QTest::keyClicks(prezzo, QStringLiteral("12.50-a"));
        QCOMPARE(prezzo->text(), QStringLiteral("1250"));
        QTest::keyClick(prezzo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.campo("txtNote"));
        QCOMPARE(prezzo->text(), QStringLiteral("1250,00"));
        prezzo->setFocus();
        prezzo->setText(QStringLiteral("0,005"));
        s.campo("txtNote")->setFocus();
        QCOMPARE(prezzo->text(), QStringLiteral("0,01"));

        QTest::keyClick(s.campo("txtNote"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), s.campo("txtNumero"));
        QTest::keyClick(s.campo("txtNumero"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.campo("txtDataEmi"));
    }

    // Enter moves every field but the dates to the next field in tab order,
    // the last to the first, in both layouts.
    void enterOrder_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QStringList>("ordine"); // Enter goes from each to the next
        QTest::newRow("bills") << "Luce"
                               << QStringList {"txtNumero", "txtDataEmi", "-", "txtBeneficiario", "txtCC", "txtDataSca",
                                      "-", "txtPeriodo", "txtDataPag", "-", "txtCausale", "txtConsumi", "txtModalita",
                                      "txtEstremi", "txtPagatore", "txtCodFisc", "txtCodCliente", "txtPrezzo",
                                      "txtNote", "txtNumero"};
        QTest::newRow("purchases") << "Acquisti"
                                   << QStringList {"txtNumero", "txtDataEmi", "-", "txtAttivita", "txtEmail", "txtTel",
                                          "txtSito", "txtGaranzia", "txtProdotti", "txtDettagli", "txtModalita",
                                          "txtDocumenti", "txtPagatore", "txtCodFisc", "txtCodCliente", "txtPrezzo",
                                          "txtNote", "txtNumero"};
    }
    void enterOrder()
    {
        QFETCH(QString, chiave);
        QFETCH(QStringList, ordine);
        TempProgramFolder cartella;
        Schermo s(*Catalogo::PerChiave(chiave));
        // "-" ends a run at a date field, which opens the picker instead.
        for (qsizetype i = 0; i + 1 < ordine.size(); ++i) {
            if (ordine.at(i) == QLatin1String("-") || ordine.at(i + 1) == QLatin1String("-"))
                continue;
            QWidget* da = s.w.findChild<QWidget*>(ordine.at(i));
            QVERIFY2(da, qPrintable(ordine.at(i)));
            da->setFocus();
            QTest::keyClick(da, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), ordine.at(i + 1));
        }
    }

    // Only what the user changed in the amount field is normalised. A stored
    // amount in another form, as other programs and older files write it,
    // survives tabbing through the field, an unrelated edit and a duplicate,
    // byte for byte; an empty one is asked for, never turned into zero. What
    // the user types or pastes is normalised and always fits the field:
    // twelve digits before the comma at most.
    void amountNormalisedOnlyWhenChanged_data()
    {
        QTest::addColumn<QString>("letto"); // the stored amount
        QTest::addColumn<QString>("modifica"); // the unrelated change: "segnala", "nota", "duplica"
        QTest::addColumn<QString>("modo"); // how the user changes the amount: "", "tasti", "incolla"
        QTest::addColumn<QString>("inserito");
        QTest::addColumn<QString>("salvato"); // null: the stored bytes, unchanged
        auto row = [](const char* nome, const char* letto, const char* modifica, const char* modo, const char* inserito,
                       const char* salvato) {
            QTest::newRow(nome) << QString::fromUtf8(letto) << QString::fromLatin1(modifica)
                                << QString::fromLatin1(modo) << QString::fromLatin1(inserito)
                                << (salvato ? QString::fromLatin1(salvato) : QString());
        };
        row("point, Da pagare ticked", "12.50", "segnala", "", "", nullptr);
        row("thousands, note changed", "1.000,50", "nota", "", "", nullptr);
        row("currency, Da pagare ticked", "EUR 30", "segnala", "", "", nullptr);
        row("normal, note changed", "0,00", "nota", "", "", nullptr);
        row("point, duplicated", "12.50", "duplica", "", "", nullptr);
        row("typed over point", "12.50", "segnala", "tasti", "1250", "1250,00");
        row("pasted over thousands", "1.000,50", "nota", "incolla", "1000,5", "1000,50");
        row("twelve digits typed", "0,00", "nota", "tasti", "123456789012", "123456789012,00");
        row("thirteenth digit refused", "0,00", "nota", "tasti", "1234567890123", "123456789012,00");
        row("fifteen digits typed", "0,00", "nota", "tasti", "999999999999999", "999999999999,00");
        row("twelve digits and cents", "0,00", "nota", "tasti", "999999999999,99", "999999999999,99");
        row("carry to twelve digits", "0,00", "nota", "tasti", "99999999999,995", "100000000000,00");
        row("twelve digits pasted", "12.50", "nota", "incolla", "123456789012", "123456789012,00");
        row("thirteen digits pasted, refused", "12.50", "nota", "incolla", "1234567890123", nullptr);
    }
    void amountNormalisedOnlyWhenChanged()
    {
        QFETCH(QString, letto);
        QFETCH(QString, modifica);
        QFETCH(QString, modo);
        QFETCH(QString, inserito);
        QFETCH(QString, salvato);
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        const QString path = cartella.file(c.FileArchivio());
        Scheda registrata = scheda(c, 1);
        registrata.imposta("Prezzo", letto);
        scrivi(path, registrata.byte());
        const int offset = 1301; // the amount's length byte and its 15 bytes
        const QByteArray bytesLetti = registrata.byte().mid(offset, 16);

        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QLineEdit* prezzo = s.campo("txtPrezzo");
        QCOMPARE(prezzo->text(), letto);
        prezzo->setFocus();
        if (modo == QLatin1String("tasti")) {
            prezzo->selectAll();
            QTest::keyClicks(prezzo, inserito);
        } else if (modo == QLatin1String("incolla")) {
            QGuiApplication::clipboard()->setText(inserito);
            prezzo->selectAll();
            prezzo->paste();
        }
        s.campo("txtNote")->setFocus();
        if (salvato.isNull())
            QCOMPARE(prezzo->text(), letto);
        else
            QCOMPARE(prezzo->text(), salvato);

        int n = 1;
        if (modifica == QLatin1String("segnala")) {
            s.segnala()->click();
            QVERIFY(s.segnala()->isChecked());
        } else if (modifica == QLatin1String("nota")) {
            s.campo("txtNote")->setText(QStringLiteral("Pagata in posta"));
        } else {
            testDialogs().expectMessage(Kind::Information,
                QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                               "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                               "scheda in archivio."));
            s.premi(QStringLiteral("cmdDuplica"));
            n = 2;
        }
        testDialogs().expectMessage(Kind::Information, n == 1 ? Modificata : Inserita);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(s.posizione(), QString::number(n));

        const QByteArray file = leggi(path);
        QCOMPARE(file.size(), n * 2826);
        const Scheda riletta(c.tipo, file.constData() + (n - 1) * 2826);
        if (salvato.isNull()) {
            QCOMPARE(file.mid((n - 1) * 2826 + offset, 16), bytesLetti);
            QCOMPARE(prezzo->text(), letto);
        } else {
            QCOMPARE(riletta.testo("Prezzo"), salvato);
        }
        QCOMPARE(riletta.testo("Segnala"), modifica == QLatin1String("segnala") ? QStringLiteral("Sì") : "No");
    }

    // A stored card with no amount is not given one of zero by an unrelated
    // save: the save asks for the amount, as for a new card left blank.
    void emptyStoredAmountIsAskedFor()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        const QString path = cartella.file(c.FileArchivio());
        Scheda registrata = scheda(c, 1);
        registrata.imposta("Prezzo", QString());
        scrivi(path, registrata.byte());
        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QCOMPARE(s.campo("txtPrezzo")->text(), QString());
        s.segnala()->click();
        testDialogs().expectMessage(Kind::Warning,
            QStringLiteral("Attenzione: per salvare la scheda è necessario "
                           "indicare l'importo della bolletta o fattura."));
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(QApplication::focusWidget(), s.campo("txtPrezzo"));
        QCOMPARE(leggi(path), registrata.byte());

        // Typed, the amount is normalised and the card saved.
        QTest::keyClicks(s.campo("txtPrezzo"), QStringLiteral("42"));
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(Scheda(c.tipo, leggi(path).constData()).testo("Prezzo"), QStringLiteral("42,00"));

        // A new card's amount emptied by the user is a zero, as always.
        s.premi(QStringLiteral("cmdNuovo"));
        compila(s, {{"txtNumero", "2"}, {"txtBeneficiario", "b"}, {"txtCausale", "c"}, {"txtPagatore", "p"}});
        s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("01/01/2024"));
        QLineEdit* prezzo = s.campo("txtPrezzo");
        prezzo->setFocus();
        prezzo->selectAll();
        QTest::keyClick(prezzo, Qt::Key_Backspace);
        QCOMPARE(prezzo->text(), QString());
        testDialogs().expectMessage(Kind::Information, Inserita);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(Scheda(c.tipo, leggi(path).constData() + 2826).testo("Prezzo"), QStringLiteral("0,00"));
    }

    // Date fields are picked, never typed: Delete empties, any other key
    // opens the picker on today's date with the field's tag.
    void dateFields()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Rifiuti"));
        QLineEdit* sca = s.campo("txtDataSca");
        sca->setText(QStringLiteral("01/01/2020"));
        sca->setFocus();
        QTest::keyClick(sca, Qt::Key_Delete);
        QCOMPARE(sca->text(), QString());

        QString tag;
        onNextModal([&tag](QWidget* w) {
            tag = w->findChild<QLabel*>(QStringLiteral("lblMemory"))->text();
            QCOMPARE(
                w->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))->selectedDate(), QDate(2024, 3, 5));
            w->findChild<QPushButton*>(QStringLiteral("btnImportaData"))->click();
        });
        QTest::keyClick(sca, Qt::Key_A);
        QCOMPARE(tag, QStringLiteral("rifiuti_datasca"));
        QCOMPARE(sca->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(s.w.focusWidget(), sca);

        onNextModal([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("btnAnnulla"))->click(); });
        QTest::keyClick(sca, Qt::Key_Return);
        QCOMPARE(sca->text(), QStringLiteral("05/03/2024"));
    }

    // The picker writes into whichever screen its tag names; a tag that names
    // nothing writes nothing and leaves the picker open.
    void pickerTags()
    {
        TfrmArchivio acquisti(cat("Acquisti"));
        TfrmCalendario picker(nullptr);
        picker.calendario()->setSelectedDate(QDate(2023, 12, 25));
        picker.ImpostaTag(QStringLiteral("acquisti_datasca"));
        picker.btnImportaDataClick();
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QCOMPARE(acquisti.Campo(QStringLiteral("Tel"))->text(), QString());
        picker.ImpostaTag(QStringLiteral("acquisti_dataemi"));
        picker.btnImportaDataClick();
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(acquisti.Campo(QStringLiteral("DataEmi"))->text(), QStringLiteral("25/12/2023"));
    }

    // The status bar explains the command under the mouse; decorative parts
    // clear it; fields and labels leave it alone.
    void hints()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Condominio"));
        QCOMPARE(s.info(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        auto sposta = [](QWidget* w) {
            QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        sposta(s.w.findChild<QWidget*>(QStringLiteral("cmdSalva")));
        QCOMPARE(s.info(), QStringLiteral("Salva la scheda in archivio."));
        sposta(s.campo("txtNote"));
        QCOMPARE(s.info(), QStringLiteral("Salva la scheda in archivio."));
        sposta(s.w.findChild<QWidget*>(QStringLiteral("cmdSegnalati")));
        QCOMPARE(s.info(), QStringLiteral("Visualizza il riepilogo delle spese condominiali non saldate."));
        sposta(s.w.findChild<QWidget*>(QStringLiteral("imgFoto")));
        QCOMPARE(s.info(), QString());
    }

    // The status bar, its blue margins included, is not decorative: the mouse
    // moving over it leaves the hint as it is. The moves go through the window,
    // as the mouse's do, so whatever lies under the point receives them.
    void statusBarKeepsTheHint()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Luce"));
        QWidget* pannello = s.w.findChild<QLabel*>(QStringLiteral("panInfo"))->parentWidget();
        auto sposta = [&](const QPoint& p) { QTest::mouseMove(s.w.windowHandle(), pannello->mapTo(&s.w, p)); };
        const QPoint salva = s.w.findChild<QWidget*>(QStringLiteral("cmdSalva"))->geometry().center();

        // The panel beside the bar is decorative: it empties the hint.
        sposta(salva);
        QCOMPARE(s.info(), QStringLiteral("Salva la scheda in archivio."));
        sposta(QPoint(8, 658));
        QCOMPARE(s.info(), QString());

        // The bar at (16, 642), 962 x 32; its text at (22, 650), 950 x 18.
        const QPoint sulBarra[] = {
            {19, 658}, // left end
            {975, 658}, // right end
            {400, 645}, // above the text
            {400, 671}, // below the text
            {16, 642}, // top left corner
            {977, 673}, // bottom right corner
            {400, 658}, // the text
        };
        for (const QPoint& p : sulBarra) {
            sposta(salva);
            QCOMPARE(s.info(), QStringLiteral("Salva la scheda in archivio."));
            sposta(p);
            QVERIFY2(s.info() == QStringLiteral("Salva la scheda in archivio."),
                qPrintable(QStringLiteral("moved to %1, %2").arg(p.x()).arg(p.y())));
        }
    }

    // The purchases screen: its own fields in the shared slots, one date.
    void purchasesLayout()
    {
        TfrmArchivio w(cat("Acquisti"));
        QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("txtDataSca")));
        QLineEdit* tel = w.findChild<QLineEdit*>(QStringLiteral("txtTel"));
        QVERIFY(tel && !tel->isReadOnly());
        QCOMPARE(tel->geometry(), QRect(824, 260, 140, 22));
        QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txtProdotti"))->maxLength(), 250);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblCampo013"))->text(), QStringLiteral("Tel."));
        QCOMPARE(w.windowTitle(), QStringLiteral(" Tessaria 3.0 - Acquisti"));
        QCOMPARE(w.objectName(), QStringLiteral("frmArchivio_Acquisti"));
    }

    // Names read from a card or chosen by the user never lead out of the
    // attachments folder.
    void attachmentNames_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("nudo");
        QTest::newRow("plain") << "fattura.pdf"
                               << "fattura.pdf";
        QTest::newRow("folder") << "/home/maria/fattura.pdf"
                                << "fattura.pdf";
        QTest::newRow("windows folder") << "C:\\Documenti\\fattura.pdf"
                                        << "fattura.pdf";
        QTest::newRow("climbing") << "../../unins000.dll"
                                  << "unins000.dll";
        QTest::newRow("dot dot") << ".."
                                 << "";
        QTest::newRow("blanks") << "  nota.txt "
                                << "nota.txt";
    }
    void attachmentNames()
    {
        QFETCH(QString, nome);
        QTEST(Attachments::bareName(nome), "nudo");
    }

    // The same name copied in twice: the second copy replaces the first
    // (the attachments dialog asks first), a file copied onto itself stays
    // whole, and a name with a folder part opens the copy.
    void copyInUnderTheSameName()
    {
        TempProgramFolder cartella;
        scrivi(cartella.file(QStringLiteral("a.pdf")), "first");
        QDir().mkpath(cartella.file(QStringLiteral("altro")));
        scrivi(cartella.file(QStringLiteral("altro/a.pdf")), "second");

        QVERIFY(!Attachments::exists(QStringLiteral("a.pdf")));
        QVERIFY(Attachments::copy(cartella.file(QStringLiteral("a.pdf")), QStringLiteral("a.pdf")));
        QVERIFY(Attachments::exists(QStringLiteral("a.pdf")));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("first"));

        // A second copy replaces it; copying the stored file onto itself
        // keeps it whole.
        QVERIFY(Attachments::copy(cartella.file(QStringLiteral("altro/a.pdf")), QStringLiteral("a.pdf")));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("second"));
        QVERIFY(Attachments::copy(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf")), QStringLiteral("a.pdf")));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("second"));

        openedByShell().clear();
        Attachments::open(QStringLiteral("../a.pdf"));
        QCOMPARE(openedByShell(),
            QStringList {QLatin1Char('"')
                + QDir::toNativeSeparators(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf")))
                + QLatin1Char('"')});
    }

    // Two workstations saving into one archive at the same moment, each
    // through its own archive screen: new cards with their photos, and
    // rewrites of earlier cards with new photos. Afterwards every card is
    // there once, whole, as its writer last saved it, under its own number,
    // and every photo file is the one its card's writer last saved for it.
    void twoScreensSaveAtOnce()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        constexpr int perScrittore = 200; // new cards each; half as many rewrites
        const QStringList chi = {QStringLiteral("A"), QStringLiteral("B")};
        QElapsedTimer tempo;
        tempo.start();
        // Gone before the folder: a worker still running when a check fails
        // is stopped first.
        std::vector<std::unique_ptr<QProcess>> processi;
        for (const QString& w : chi) {
            auto& p = processi.emplace_back(std::make_unique<QProcess>());
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QStringLiteral(SAVE_WORKER), {cartella.path(), c.Chiave, w, QString::number(perScrittore)});
        }
        // Both screens built, then off together.
        for (const auto& p : processi) {
            QVERIFY(p->waitForStarted());
            while (!p->canReadLine())
                QVERIFY2(p->waitForReadyRead(60000), "a worker never got ready");
            QCOMPARE(p->readLine(), QByteArray("pronto\n"));
        }
        scrivi(cartella.file(QStringLiteral("via")), QByteArray());

        // What each writer reports saved, in order: the last word on a card
        // number is what the file and the photo must hold.
        QHash<int, soak::Firma> ultima;
        int aggiunte = 0, riscritture = 0;
        QStringList errori;
        for (int w = 0; w < int(processi.size()); ++w) {
            QProcess* p = processi[std::size_t(w)].get();
            QVERIFY2(p->waitForFinished(240000), "a worker did not finish");
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
            QSet<int> indici;
            const QList<QByteArray> righe = p->readAllStandardOutput().split('\n');
            for (const QByteArray& riga : righe) {
                const QList<QByteArray> parti = riga.split(' ');
                if (parti.size() != 4)
                    continue;
                const int n = parti[1].toInt();
                const soak::Firma firma {chi[w], parti[2].toInt(), parti[3].toInt()};
                if (parti[0] == "A") {
                    ++aggiunte;
                    if (ultima.contains(n))
                        errori << QStringLiteral("card %1 given to %2 %3 and to %4 %5")
                                      .arg(n)
                                      .arg(ultima[n].chi)
                                      .arg(ultima[n].i)
                                      .arg(firma.chi)
                                      .arg(firma.i);
                    indici.insert(firma.i);
                } else {
                    ++riscritture;
                    if (ultima.value(n).chi != firma.chi || ultima.value(n).i != firma.i)
                        errori << QStringLiteral("%1 rewrote card %2, not its own").arg(firma.chi).arg(n);
                }
                ultima.insert(n, firma);
            }
            QCOMPARE(indici.size(), perScrittore);
        }
        QVERIFY2(errori.isEmpty(), qPrintable(errori.join(QLatin1Char('\n'))));
        QCOMPARE(aggiunte, 2 * perScrittore);

        // The record file: exactly the cards saved, each whole and current.
        TArchivioSchede archivio(c);
        archivio.Apri();
        const int conta = archivio.Conta();
        QCOMPARE(conta, 2 * perScrittore);
        QCOMPARE(QFileInfo(cartella.file(c.FileArchivio())).size(), qint64(conta) * 2826);
        int perse = 0;
        int cambi = 0; // how often the next card is the other writer's: the saves did interleave
        for (int n = 1; n <= conta; ++n) {
            const soak::Firma f = ultima.value(n);
            if (n > 1 && f.chi != ultima.value(n - 1).chi)
                ++cambi;
            if (!ultima.contains(n) || archivio.Leggi(n) != soak::scheda(c, f.chi, f.i, f.versione)) {
                ++perse;
                errori << QStringLiteral("card %1 is not %2 %3 version %4").arg(n).arg(f.chi).arg(f.i).arg(f.versione);
            }
        }
        archivio.Chiudi();

        // The photos: one per card, nothing else beside them, each the one
        // its card's writer last saved.
        QStringList attese;
        for (int n = 1; n <= conta; ++n)
            attese << QStringLiteral("Rifiuti_%1.jpg").arg(n);
        QStringList presenti = QDir(cartella.file(QStringLiteral("Foto_Ricevute")))
                                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        std::sort(attese.begin(), attese.end());
        std::sort(presenti.begin(), presenti.end());
        QCOMPARE(presenti, attese);
        for (int n = 1; n <= conta; ++n) {
            const auto firma
                = soak::leggi(QImage(cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_%1.jpg").arg(n))));
            if (firma != ultima.value(n)) {
                ++perse;
                errori << QStringLiteral("the photo of card %1 is not its own").arg(n);
            }
        }
        qInfo("save soak: 2 archive screens at once saved %d new cards and rewrote %d in place, %d photos "
              "written, the two writers' cards alternating %d times; %d cards and %d photo files checked, "
              "%d lost or wrong, in %.1f s",
            aggiunte, riscritture, aggiunte + riscritture, cambi, conta, int(presenti.size()), perse,
            double(tempo.elapsed()) / 1000);
        QVERIFY2(errori.isEmpty(), qPrintable(errori.mid(0, 20).join(QLatin1Char('\n'))));
        QCOMPARE(riscritture, 2 * (perScrittore / 2));
        QVERIFY2(cambi > 0, "one writer finished before the other began: nothing ran at once");
    }
};

TESSARIA_TEST_MAIN(TestArchivio)
#include "test_archivio.moc"
