#include "Allegati.h"
#include "Categoria.h"
#include "Foto.h"
#include "TArchivioSchede.h"
#include "TestSupport.h"
#include "TfrmArchivio.h"
#include "TfrmCalendario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using Kind = Dialogs::Kind;

namespace {

const QString Accesso = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString Inserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString Modificata = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString Vuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");

const Categoria& cat(const char* chiave) { return *Catalogo::PerChiave(QString::fromLatin1(chiave)); }

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
    explicit Schermo(const Categoria& c) : w(c)
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
        compila(s, {{"txtNumero", "  F-2024/77 "}, {"txtBeneficiario", "Comune di Ravenna"},
                    {"txtCausale", "Tassa rifiuti"}, {"txtPagatore", "Maria Rossi"}, {"txtPrezzo", "187,4"},
                    {"txtNote", "Pagata in posta"}});
        QVERIFY(s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("31/03/2024")));
        s.segnala()->setChecked(true);
        s.w.ImpostaAllegato(2, QStringLiteral("fattura.pdf"), QStringLiteral("La fattura"));

        testDialogs().expectMessage(Kind::Information, Inserita);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(s.posizione(), QStringLiteral("1"));

        // The bytes, field by field, as the file keeps them.
        const QByteArray file = leggi(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        QCOMPARE(file.size(), 2826);
        auto campo = [&file](int offset, int larghezza) {
            return file.mid(offset + 1, quint8(file[offset])).left(larghezza);
        };
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
                                                                    "indicare ") + QString::fromUtf8(avviso);
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
        testDialogs().expectMessage(Kind::Warning, QStringLiteral("Attenzione: per salvare la scheda è necessario "
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
        scrivi(cartella.file(c.FileArchivio()), scheda(c, 1, QStringLiteral("Sì")).byte() +
                                                    scheda(c, 2, QStringLiteral("?")).byte() +
                                                    scheda(c, 3, QStringLiteral("No")).byte());
        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QVERIFY(s.segnala()->isChecked());
        s.premi(QStringLiteral("cmdAvanti"));
        QVERIFY(s.segnala()->isChecked());
        s.premi(QStringLiteral("cmdAvanti"));
        QVERIFY(!s.segnala()->isChecked());
    }

    // A program folder where nothing can be created: every file command
    // shows the access message and the screen keeps its card.
    void unusableFolderGivesTheAccessMessage()
    {
        TempProgramFolder cartella;
        scrivi(cartella.file(QStringLiteral("file")), "x");
        ProgramFolder::set(cartella.file(QStringLiteral("file/sotto")));
        Schermo s(cat("Rifiuti"));
        compila(s, {{"txtNumero", "1"}, {"txtBeneficiario", "b"}, {"txtCausale", "c"}, {"txtPagatore", "p"}});
        s.w.ScriviData(QStringLiteral("DataSca"), QStringLiteral("01/01/2024"));
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdSalva"));
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdPrimo"));
        QCOMPARE(s.campo("txtNumero")->text(), QStringLiteral("1"));
        QVERIFY(s.posizione().isEmpty());
    }

    // Another workstation shortened the file under the card on display.
    void shortenedFile()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Acqua");
        const QString path = cartella.file(c.FileArchivio());
        scrivi(path, archivioDi(c, 3));
        Schermo s(c);
        s.premi(QStringLiteral("cmdUltimo"));
        scrivi(path, archivioDi(c, 1));
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdIndietro"));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
        QCOMPARE(s.campo("txtNumero")->text(), QStringLiteral("Numero 3"));
        testDialogs().expectMessage(Kind::Error, Accesso);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(leggi(path), archivioDi(c, 1));
        QCOMPARE(s.posizione(), QStringLiteral("3"));
    }

    // A stored photo that cannot be read shows the placeholder, and a save
    // leaves the file alone unless the user replaced the picture.
    void unreadablePhotoIsNeverOverwritten()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 1));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute"))));
        const QString foto = cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"));
        const QByteArray danneggiata("\xFF\xD8\xFF\xE0 not really a picture", 26);
        scrivi(foto, danneggiata);

        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QVERIFY(s.w.FotoSegnaposto());
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(leggi(foto), danneggiata);

        QImage nuova(40, 30, QImage::Format_RGB32);
        nuova.fill(Qt::red);
        s.w.ImpostaFoto(nuova);
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi(QStringLiteral("cmdSalva"));
        QCOMPARE(QImageReader(foto).size(), QSize(40, 30));
    }

    // A photo that cannot be written: the card is saved, the user is told,
    // and the picture stays on screen for the next try.
    void failedPhotoWriteIsReported()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 1));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"))));
        Schermo s(c);
        s.premi(QStringLiteral("cmdPrimo"));
        QImage nuova(40, 30, QImage::Format_RGB32);
        nuova.fill(Qt::blue);
        s.w.ImpostaFoto(nuova);
        s.campo("txtNote")->setText(QStringLiteral("cambiata"));
        testDialogs().expectMessage(
            Kind::Warning, Modificata + QStringLiteral("\r\n\r\nAttenzione: non è stato possibile salvare la foto "
                                                       "della ricevuta nella cartella Foto_Ricevute."));
        s.premi(QStringLiteral("cmdSalva"));
        QVERIFY(!s.w.FotoSegnaposto());
        QCOMPARE(s.w.Foto().size(), QSize(40, 30));
        TArchivioSchede archivio(c);
        archivio.Apri();
        QCOMPARE(archivio.Leggi(1).testo("Note"), QStringLiteral("cambiata"));
    }

    void duplicate()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Telefono");
        testDialogs().expectMessage(Kind::Warning, QStringLiteral("Attenzione: la duplicazione di una scheda può "
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
            QCOMPARE(w->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))->selectedDate(),
                     QDate(2024, 3, 5));
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
            QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
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
        QTEST(Allegati::NomeNudo(nome), "nudo");
    }

    // The same name attached twice: asked before replacing; on No the first
    // file stays and both names open it.
    void attachSameNameTwice()
    {
        TempProgramFolder cartella;
        scrivi(cartella.file(QStringLiteral("a.pdf")), "first");
        QDir().mkpath(cartella.file(QStringLiteral("altro")));
        scrivi(cartella.file(QStringLiteral("altro/a.pdf")), "second");

        QCOMPARE(Allegati::Allega(nullptr, cartella.file(QStringLiteral("a.pdf"))), QStringLiteral("a.pdf"));
        const QString domanda = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                                               "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
        testDialogs().expectQuestion(domanda, Dialogs::Answer::No);
        QCOMPARE(Allegati::Allega(nullptr, cartella.file(QStringLiteral("altro/a.pdf"))), QStringLiteral("a.pdf"));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("first"));

        // Yes replaces it; choosing the stored file itself keeps it whole.
        testDialogs().expectQuestion(domanda, Dialogs::Answer::Yes);
        Allegati::Allega(nullptr, cartella.file(QStringLiteral("altro/a.pdf")));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("second"));
        testDialogs().expectQuestion(domanda, Dialogs::Answer::Yes);
        Allegati::Allega(nullptr, cartella.file(QStringLiteral("Documenti_Allegati/a.pdf")));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/a.pdf"))), QByteArray("second"));

        openedByShell().clear();
        Allegati::Apri(QStringLiteral("../a.pdf"));
        QCOMPARE(openedByShell(),
                 QStringList{QLatin1Char('"') + QDir::toNativeSeparators(cartella.file(QStringLiteral(
                                                    "Documenti_Allegati/a.pdf"))) +
                             QLatin1Char('"')});
    }
};

TESSARIA_TEST_MAIN(TestArchivio)
#include "test_archivio.moc"
