#include "EditorFixtures.h"
#include "Faults.h"
#include "archive/TArchivioSchede.h"
#include "editor/TfrmAllegaCartella.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

using namespace fixtures;
using Kind = Dialogs::Kind;
using What = ScriptedDialogs::What;

namespace {

const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString Domanda = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                       "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

const QString CopiaFallita
    = QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati.");

QLineEdit* file(QWidget* d, int n)
{
    return child<QLineEdit>(d, QStringLiteral("txtFile0%1").arg(n));
}
QLineEdit* desc(QWidget* d, int n)
{
    return child<QLineEdit>(d, QStringLiteral("txtDesc0%1").arg(n));
}
QPushButton* bottone(QWidget* d, const char* radice, int n)
{
    return child<QPushButton>(d, QString::fromLatin1(radice) + QStringLiteral("0%1").arg(n));
}

QString aperto(const QString& cartella, const QString& nome)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(cartella + QStringLiteral("/Documenti_Allegati/") + nome)
        + QLatin1Char('"');
}

} // namespace

class TestAttachments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        openedByShell().clear();
    }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // Opening: the card's six values, trimmed, in the six edits; "Apri" only
    // where there is a name; the caller's tag; the window as laid out.
    void openingFillsTheSlots()
    {
        TempProgramFolder cartella;
        Schermo s(cat("Telefono"));
        s.w.ImpostaAllegato(2, QStringLiteral("  bolletta.pdf "), QStringLiteral(" Bolletta di marzo  "));
        s.w.ImpostaAllegato(3, QString(), QStringLiteral("Solo una descrizione"));

        allApertura([](QDialog* d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmAllegaCartella"));
            QCOMPARE(d->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(d->size(), QSize(634, 534));
            QCOMPARE(d->windowFlags() & Qt::WindowCloseButtonHint, Qt::WindowFlags());
            QCOMPARE(figlio<QLabel>(d, "lblMemory")->text(), QStringLiteral("telefono"));
            QCOMPARE(file(d, 1)->text(), QString());
            QCOMPARE(file(d, 2)->text(), QStringLiteral("bolletta.pdf"));
            QCOMPARE(desc(d, 2)->text(), QStringLiteral("Bolletta di marzo"));
            QCOMPARE(desc(d, 3)->text(), QStringLiteral("Solo una descrizione"));
            QVERIFY(file(d, 2)->isReadOnly());
            QVERIFY(!desc(d, 2)->isReadOnly());
            for (int n = 1; n <= 3; ++n)
                QCOMPARE(bottone(d, "btnApri", n)->isEnabled(), n == 2);
            QCOMPARE(figlio<QLabel>(d, "lblFile03")->text(), QStringLiteral("Nome 3° file allegato:"));
            QCOMPARE(figlio<QLabel>(d, "lblDesc01")->text(), QStringLiteral("Descrizione 1° file allegato:"));

            // Tab order: per slot the name, "Sfoglia...", "Apri", the
            // description; then the two buttons.
            QStringList ordine;
            QWidget* w = file(d, 1);
            for (int i = 0; i < 14; ++i, w = w->nextInFocusChain()) {
                while (!(w->focusPolicy() & Qt::TabFocus))
                    w = w->nextInFocusChain();
                ordine << w->objectName();
            }
            QCOMPARE(ordine,
                QStringList({"txtFile01", "btnSfoglia01", "btnApri01", "txtDesc01", "txtFile02", "btnSfoglia02",
                    "btnApri02", "txtDesc02", "txtFile03", "btnSfoglia03", "btnApri03", "txtDesc03", "btnApplica",
                    "btnAnnulla"}));

            // Opening a slot hands its file, in quotes, to the desktop.
            bottone(d, "btnApri", 2)->click();
            figlio(d, "btnAnnulla")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(openedByShell(), QStringList {aperto(ProgramFolder::path(), QStringLiteral("bolletta.pdf"))});
    }

    // The same name attached to cards of two categories: the second attach
    // asks before replacing; after No both cards open the first file.
    void sameNameInTwoCategories()
    {
        TempProgramFolder cartella;
        QDir().mkpath(cartella.file(QStringLiteral("gennaio")));
        QDir().mkpath(cartella.file(QStringLiteral("febbraio")));
        scrivi(cartella.file(QStringLiteral("gennaio/fattura.pdf")), "prima");
        scrivi(cartella.file(QStringLiteral("febbraio/fattura.pdf")), "seconda");
        Schermo rifiuti(cat("Rifiuti"));
        Schermo luce(cat("Luce"));

        testDialogs().expectOpenFile(cartella.file(QStringLiteral("gennaio/fattura.pdf")));
        allApertura([](QDialog* d) {
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("fattura.pdf"));
            QVERIFY(bottone(d, "btnApri", 1)->isEnabled());
            figlio(d, "btnApplica")->click();
        });
        rifiuti.premi("cmdFile");
        const FileDialogSpec spec = ultimoDialogo(What::OpenFile);
        QCOMPARE(spec.title, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(spec.filter, QStringLiteral("Tutti i file (*.*)|*.*"));
        QCOMPARE(rifiuti.w.Allegato(1), QStringLiteral("fattura.pdf"));

        testDialogs().expectOpenFile(cartella.file(QStringLiteral("febbraio/fattura.pdf")));
        testDialogs().expectQuestion(Domanda, Dialogs::Answer::No);
        allApertura([](QDialog* d) {
            bottone(d, "btnSfoglia", 3)->click();
            QCOMPARE(file(d, 3)->text(), QStringLiteral("fattura.pdf"));
            bottone(d, "btnApri", 3)->click();
            figlio(d, "btnApplica")->click();
        });
        luce.premi("cmdFile");
        QCOMPARE(luce.w.Allegato(3), QStringLiteral("fattura.pdf"));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/fattura.pdf"))), QByteArray("prima"));

        allApertura([](QDialog* d) {
            bottone(d, "btnApri", 1)->click();
            figlio(d, "btnAnnulla")->click();
        });
        rifiuti.premi("cmdFile");
        const QString stesso = aperto(cartella.path(), QStringLiteral("fattura.pdf"));
        QCOMPARE(openedByShell(), QStringList({stesso, stesso}));
    }

    // "Annulla" writes nothing back, but what "Sfoglia..." copied stays; a
    // cancelled file dialog changes nothing and asks nothing.
    void cancelLeavesTheCardButNotTheCopy()
    {
        TempProgramFolder cartella;
        scrivi(cartella.file(QStringLiteral("contratto.pdf")), "contratto");
        Schermo s(cat("Acquisti"));
        s.w.ImpostaAllegato(1, QStringLiteral("garanzia.pdf"), QStringLiteral("Garanzia"));

        testDialogs().expectOpenFile(QString());
        testDialogs().expectOpenFile(cartella.file(QStringLiteral("contratto.pdf")));
        allApertura([](QDialog* d) {
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("garanzia.pdf"));
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("contratto.pdf"));
            desc(d, 1)->setText(QStringLiteral("Contratto"));
            figlio(d, "btnAnnulla")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(s.w.Allegato(1), QStringLiteral("garanzia.pdf"));
        QCOMPARE(s.w.DescrizioneAllegato(1), QStringLiteral("Garanzia"));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/contratto.pdf"))), QByteArray("contratto"));
    }

    // The eraser empties a name and keeps its description and the copy; the
    // record holds both once the card is saved.
    void eraserKeepsTheDescription()
    {
        TempProgramFolder cartella;
        const Categoria& c = cat("Gas");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 1));
        Schermo s(c);
        s.premi("cmdPrimo");
        QCOMPARE(s.w.Allegato(2), QStringLiteral("File02 1"));

        allApertura([](QDialog* d) {
            QTest::mouseClick(figlio<QWidget>(d, "imgCancella02"), Qt::LeftButton);
            QCOMPARE(file(d, 2)->text(), QString());
            QVERIFY(!bottone(d, "btnApri", 2)->isEnabled());
            QCOMPARE(desc(d, 2)->text(), QStringLiteral("Desc02 1"));
            figlio(d, "btnApplica")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(s.w.Allegato(2), QString());
        QCOMPARE(s.w.DescrizioneAllegato(2), QStringLiteral("Desc02 1"));

        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi("cmdSalva");
        TArchivioSchede archivio(c);
        archivio.Apri();
        const Scheda scheda = archivio.Leggi(1);
        archivio.Chiudi();
        QCOMPARE(scheda.testo("File02"), QString());
        QCOMPARE(scheda.testo("Desc02"), QStringLiteral("Desc02 1"));
        QCOMPARE(scheda.testo("File01"), QStringLiteral("File01 1"));
    }

    // A copy that cannot be made is told to the user and leaves the slot as
    // it was, so the card never names a file that is not there; the attached
    // file already stored under that name stays whole: a short copy never
    // takes its place.
    void failedCopyKeepsTheStoredFile_data()
    {
        QTest::addColumn<QString>("caso");
#ifdef TESSARIA_HAS_DISK_FULL
        QTest::newRow("disk full") << "disco pieno";
#endif
        QTest::newRow("attachments folder is a file") << "cartella file";
        QTest::newRow("read-only attachments folder") << "sola lettura";
        QTest::newRow("source gone") << "sorgente assente";
    }
    void failedCopyKeepsTheStoredFile()
    {
        QFETCH(QString, caso);
        TempProgramFolder cartella;
        const QString allegati = cartella.file(QStringLiteral("Documenti_Allegati"));
        if (caso == QLatin1String("cartella file")) {
            QVERIFY(scrivi(allegati, "not a folder"));
        } else {
            QVERIFY(QDir().mkpath(allegati));
            QVERIFY(scrivi(allegati + QStringLiteral("/fattura.pdf"), "%PDF-1.4 la fattura di gennaio"));
        }
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("nuovi"))));
        QVERIFY(scrivi(cartella.file(QStringLiteral("nuovi/fattura.pdf")), "%PDF-1.4 un'altra fattura"));
        std::unique_ptr<ReadOnlyFolder> solaLettura;
        if (caso == QLatin1String("sola lettura")) {
            solaLettura = std::make_unique<ReadOnlyFolder>(allegati);
            if (!solaLettura->holds())
                QSKIP("file permissions do not stop this user (root)");
        }
        const auto prima = folderContents(cartella.path());
        Schermo s(cat("Luce"));

        testDialogs().expectOpenFile(cartella.file(QStringLiteral("nuovi/fattura.pdf")));
        if (caso != QLatin1String("cartella file"))
            testDialogs().expectQuestion(Domanda, Dialogs::Answer::Yes);
        testDialogs().expectMessage(Kind::Warning, CopiaFallita);
        s.w.ImpostaAllegato(1, QStringLiteral("contratto.pdf"), QStringLiteral("Contratto"));
        allApertura([&](QDialog* d) {
#ifdef TESSARIA_HAS_DISK_FULL
            std::unique_ptr<DiskFull> pieno;
            if (caso == QLatin1String("disco pieno"))
                pieno = std::make_unique<DiskFull>();
#endif
            if (caso == QLatin1String("sorgente assente"))
                QVERIFY(QFile::remove(cartella.file(QStringLiteral("nuovi/fattura.pdf"))));
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("contratto.pdf"));
            figlio(d, "btnApplica")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(s.w.Allegato(1), QStringLiteral("contratto.pdf"));
        if (caso == QLatin1String("sorgente assente"))
            QVERIFY(scrivi(cartella.file(QStringLiteral("nuovi/fattura.pdf")), "%PDF-1.4 un'altra fattura"));
        const auto dopo = folderContents(cartella.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
    }

    // The name the card keeps is the name of the copy: trimmed, characters a
    // record cannot hold made "_", shortened to the field's 250 bytes with
    // the extension kept. "Apri" opens that very copy, and the record holds
    // the name exactly.
    void theCardKeepsTheNameOfTheCopy_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("tenuto");
        QTest::newRow("leading blank") << QStringLiteral(" ricevuta.pdf") << QStringLiteral("ricevuta.pdf");
        QTest::newRow("trailing blank") << QStringLiteral("ricevuta.pdf ") << QStringLiteral("ricevuta.pdf");
        QTest::newRow("Windows-1252 kept")
            << QStringLiteral("Fattura €  è ok.pdf") << QStringLiteral("Fattura €  è ok.pdf");
        QTest::newRow("Cyrillic") << QStringLiteral("Счёт.pdf") << QStringLiteral("____.pdf");
        QTest::newRow("Chinese") << QStringLiteral("账单 3.pdf") << QStringLiteral("__ 3.pdf");
        QTest::newRow("Greek") << QStringLiteral("λογαριασμός.pdf") << QStringLiteral("___________.pdf");
        QTest::newRow("outside the BMP") << QStringLiteral("bolletta \U0001F4A1.pdf")
                                         << QStringLiteral("bolletta _.pdf");
        QTest::newRow("254 bytes") << QString(250, QLatin1Char('a')) + QStringLiteral(".pdf")
                                   << QString(246, QLatin1Char('a')) + QStringLiteral(".pdf");
        QTest::newRow("long, no extension") << QString(254, QLatin1Char('b')) << QString(250, QLatin1Char('b'));
    }
    void theCardKeepsTheNameOfTheCopy()
    {
        QFETCH(QString, scelto);
        QFETCH(QString, tenuto);
        TempProgramFolder cartella;
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("scaricati"))));
        const QString sorgente = cartella.file(QStringLiteral("scaricati/") + scelto);
        QVERIFY2(scrivi(sorgente, "%PDF-1.4 la bolletta"), qPrintable(sorgente));
        Schermo s(cat("Telefono"));

        testDialogs().expectOpenFile(sorgente);
        allApertura([&](QDialog* d) {
            bottone(d, "btnSfoglia", 2)->click();
            QCOMPARE(file(d, 2)->text(), tenuto);
            bottone(d, "btnApri", 2)->click();
            figlio(d, "btnApplica")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(s.w.Allegato(2), tenuto);
        QCOMPARE(openedByShell(), QStringList {aperto(cartella.path(), tenuto)});
        QCOMPARE(
            leggi(cartella.file(QStringLiteral("Documenti_Allegati/") + tenuto)), QByteArray("%PDF-1.4 la bolletta"));
        QCOMPARE(
            QDir(cartella.file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files), QStringList {tenuto});
        Scheda scheda(Tipo::TSchedaBolletta);
        scheda.imposta("File02", s.w.Allegato(2));
        QCOMPARE(scheda.testo("File02"), tenuto);
    }

    // A name with a blank in front is the same name as the one without: the
    // user is asked before another card's attachment is replaced.
    void leadingBlankAsksBeforeReplacing()
    {
        TempProgramFolder cartella;
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Documenti_Allegati"))));
        QVERIFY(scrivi(cartella.file(QStringLiteral("Documenti_Allegati/ricevuta.pdf")), "della scheda 1"));
        QVERIFY(scrivi(cartella.file(QStringLiteral(" ricevuta.pdf")), "della scheda 2"));
        Schermo s(cat("Acqua"));

        testDialogs().expectOpenFile(cartella.file(QStringLiteral(" ricevuta.pdf")));
        testDialogs().expectQuestion(Domanda, Dialogs::Answer::No);
        allApertura([](QDialog* d) {
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("ricevuta.pdf"));
            figlio(d, "btnApplica")->click();
        });
        s.premi("cmdFile");
        QCOMPARE(leggi(cartella.file(QStringLiteral("Documenti_Allegati/ricevuta.pdf"))), QByteArray("della scheda 1"));
        QVERIFY(!QFileInfo::exists(cartella.file(QStringLiteral("Documenti_Allegati/ ricevuta.pdf"))));
    }

#ifdef Q_OS_UNIX
    // A link planted in the attachments folder, pointing at a file elsewhere
    // or at nothing, is never written through: the user is asked as for any
    // file of that name, and Yes puts a regular file in its place. Nothing
    // outside the program folder changes or appears.
    void plantedLinkIsReplaced_data()
    {
        QTest::addColumn<bool>("pendente");
        QTest::newRow("link to an outside file") << false;
        QTest::newRow("dangling link") << true;
    }
    void plantedLinkIsReplaced()
    {
        QFETCH(bool, pendente);
        TempProgramFolder cartella;
        QTemporaryDir fuori;
        QVERIFY(fuori.isValid());
        const QString bersaglio = fuori.filePath(QStringLiteral("notes.txt"));
        if (!pendente)
            QVERIFY(scrivi(bersaglio, "someone else's notes"));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Documenti_Allegati"))));
        const QString collegamento = cartella.file(QStringLiteral("Documenti_Allegati/notes.txt"));
        QVERIFY(QFile::link(bersaglio, collegamento));
        QVERIFY(scrivi(cartella.file(QStringLiteral("notes.txt")), "the attachment"));
        const auto prima = folderContents(fuori.path());
        Schermo s(cat("Varie"));

        testDialogs().expectOpenFile(cartella.file(QStringLiteral("notes.txt")));
        testDialogs().expectQuestion(Domanda, Dialogs::Answer::Yes);
        allApertura([](QDialog* d) {
            bottone(d, "btnSfoglia", 1)->click();
            QCOMPARE(file(d, 1)->text(), QStringLiteral("notes.txt"));
            figlio(d, "btnApplica")->click();
        });
        s.premi("cmdFile");
        const auto dopo = folderContents(fuori.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
        QVERIFY(!QFileInfo(collegamento).isSymLink());
        QCOMPARE(leggi(collegamento), QByteArray("the attachment"));
        QCOMPARE(s.w.Allegato(1), QStringLiteral("notes.txt"));
    }
#endif

    // "Applica e chiudi" writes into the screen its tag names, which need
    // not be the opener; a tag that names none writes nothing and the dialog
    // stays open.
    void applyFindsTheScreenByItsTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("scritto");
        QTest::newRow("own tag, blanks around") << QStringLiteral(" tasse ") << true;
        QTest::newRow("another category") << QStringLiteral("varie") << false;
        QTest::newRow("wrong case") << QStringLiteral("Tasse") << false;
        QTest::newRow("no tag") << QString() << false;
    }
    void applyFindsTheScreenByItsTag()
    {
        QFETCH(QString, tag);
        QFETCH(bool, scritto);
        TempProgramFolder cartella;
        Schermo tasse(cat("Tasse"));
        std::unique_ptr<Schermo> varie;
        if (tag == QLatin1String("varie"))
            varie = std::make_unique<Schermo>(cat("Varie"));
        QApplication::setActiveWindow(&tasse.w);

        bool apertoDopo = false;
        allApertura([&](QDialog* d) {
            static_cast<TfrmAllegaCartella*>(d)->ImpostaTag(tag);
            desc(d, 3)->setText(QStringLiteral("Ricevuta F24"));
            figlio(d, "btnApplica")->click();
            apertoDopo = d->isVisible();
        });
        tasse.premi("cmdFile");
        QCOMPARE(tasse.w.DescrizioneAllegato(3), scritto ? QStringLiteral("Ricevuta F24") : QString());
        if (varie)
            QCOMPARE(varie->w.DescrizioneAllegato(3), QStringLiteral("Ricevuta F24"));
        QCOMPARE(apertoDopo, !scritto && !varie);
    }
};

TESSARIA_TEST_MAIN(TestAttachments)
#include "test_attachments.moc"
