#include "Faults.h"
#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "output/CardGrid.h"
#include "output/ExportColumns.h"
#include "output/Spreadsheet.h"
#include "output/TfrmExp.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

using Answer = Dialogs::Answer;

namespace {

const QString DomandaEsporta
    = QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
                     "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString DomandaApri = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString ErroreLettura = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                             "Non è stato possibile leggere tutte le schede dell'archivio.");
const QString Errore = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                      "Accertarsi che il file di Excel non sia già aperto.");

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

void aggiungi(const Categoria& c, const QList<std::pair<const char*, const char*>>& campi)
{
    TArchivioSchede a(c);
    a.Apri();
    Scheda s = a.nuovaScheda();
    for (const auto& [campo, testo] : campi)
        s.imposta(QString::fromLatin1(campo), QString::fromUtf8(testo));
    a.Aggiungi(s);
    a.Chiudi();
}

// Three cards of the waste tax: a full one, one with accents and the euro
// sign and blanks to trim, one with markup characters.
void treSchedeRifiuti()
{
    const Categoria& r = cat("Rifiuti");
    aggiungi(r,
        {{"Numero", "2024/0001873"}, {"DataEmi", "12/02/2024"}, {"Beneficiario", "Comune di Forlì - TARI"},
            {"CC", "IT60X0542811101000000123456"}, {"DataSca", "31/03/2024"}, {"Periodo", "Primo semestre 2024"},
            {"DataPag", "12/03/2024"}, {"Causale", "Tassa rifiuti, prima rata"}, {"Consumi", "Abitazione, 95 mq"},
            {"Modalita", "Bonifico bancario"}, {"Estremi", "CRO 0045"}, {"Pagatore", "Maria Rossi"},
            {"CodFisc", "RSSMRA80A41H199Z"}, {"CodCliente", "0045871"}, {"Note", "Seconda rata a settembre"},
            {"Prezzo", "187,40"}, {"Segnala", "No"}});
    aggiungi(r,
        {{"Numero", "F-2"}, {"Beneficiario", "Società Ecologia € Ambiente"}, {"Note", "  già pagata  "},
            {"Prezzo", "0,00"}, {"Segnala", "Sì"}});
    aggiungi(r,
        {{"Numero", "A&B"}, {"Causale", "<b>grassetto</b>"}, {"Note", "1 < 2 > 0"}, {"Prezzo", "12,00"},
            {"Segnala", "No"}});
}

QByteArray intestazione(int larghezza, const QByteArray& testo)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(larghezza) + ">" + testo
        + "</td>";
}

QByteArray riga(const QList<QByteArray>& celle)
{
    QByteArray r = "<tr>";
    for (const QByteArray& c : celle)
        r += "<td style=\"text-align: left;\">" + c + "</td>";
    return r + "</tr>";
}

QByteArray inizio(const QByteArray& foglio)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>"
        + foglio
        + "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
          "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
          "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
          "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
          "</head><body><table x:str><tr>";
}

const QByteArray Fine = "</table></body></html>";

QByteArray intestazioniBollette()
{
    return intestazione(180, "Bolletta n.") + intestazione(180, "Data emissione") + intestazione(250, "Beneficiario")
        + intestazione(250, "Conto corrente o IBAN") + intestazione(180, "Data scadenza")
        + intestazione(250, "Periodo di riferimento") + intestazione(180, "Data pagamento")
        + intestazione(300, "Causale") + intestazione(300, "Consumi") + intestazione(250, "Modalit\xE0 di pagamento")
        + intestazione(250, "Estremi ricevuta") + intestazione(250, "Pagatore") + intestazione(200, "Codice fiscale")
        + intestazione(200, "Codice cliente") + intestazione(180, "Importo") + intestazione(350, "Note")
        + intestazione(150, "Da pagare") + "</tr>";
}

// The three cards' file, byte for byte, as the program must write it.
QByteArray fileTreSchede()
{
    return inizio("Database Rifiuti") + intestazioniBollette()
        + riga({"2024/0001873", "12/02/2024", "Comune di Forl\xEC - TARI", "IT60X0542811101000000123456", "31/03/2024",
            "Primo semestre 2024", "12/03/2024", "Tassa rifiuti, prima rata", "Abitazione, 95 mq", "Bonifico bancario",
            "CRO 0045", "Maria Rossi", "RSSMRA80A41H199Z", "0045871", "187,40", "Seconda rata a settembre", "No"})
        + riga({"F-2", "", "Societ\xE0 Ecologia \x80 Ambiente", "", "", "", "", "", "", "", "", "", "", "", "0,00",
            "gi\xE0 pagata", "S\xEC"})
        + riga({"A&amp;B", "", "", "", "", "", "", "&lt;b&gt;grassetto&lt;/b&gt;", "", "", "", "", "", "", "12,00",
            "1 &lt; 2 &gt; 0", "No"})
        + Fine;
}

// An export window shown, as the archive screen's button leaves it.
struct Finestra {
    explicit Finestra(const Categoria& c)
        : w(c)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    QTableView* griglia() { return child<QTableView>(&w, QStringLiteral("grdRecords")); }
    QString info() { return child<QLabel>(&w, QStringLiteral("panInfo"))->text(); }
    void esporta() { child<PictureButton>(&w, QStringLiteral("cmdEsporta"))->click(); }
    TfrmExp w;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        openedByShell().clear();
    }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // ---- The file ----------------------------------------------------------

    // Three cards through the window: the grid as loaded, then the file byte
    // for byte, opened through the shell once written.
    void treSchede()
    {
        TempProgramFolder cartella;
        treSchedeRifiuti();
        Finestra f(cat("Rifiuti"));
        QCOMPARE(f.w.objectName(), QStringLiteral("frmExpRifiuti"));
        QCOMPARE(f.w.windowTitle(), QStringLiteral(" Esporta archivio bollette rifiuti in Microsoft Excel"));
        QAbstractItemModel* m = f.griglia()->model();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->columnCount(), 18);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(m->index(r, 0).data().toString(), QString::number(r + 1));
        QCOMPARE(m->index(1, 16).data().toString(), QString::fromUtf8("già pagata"));
        QCOMPARE(m->index(1, 17).data().toString(), QString::fromUtf8("Sì"));

        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectQuestion(DomandaApri, Answer::Yes);
        f.esporta();
        const QString file = cartella.file(QStringLiteral("Database_Rifiuti.xls"));
        const QByteArray scritto = leggi(file);
        QCOMPARE(scritto, fileTreSchede());
        QVERIFY(!scritto.contains('\r') && !scritto.contains('\n'));
        QVERIFY(scritto.contains("<td style=\"text-align: left; font-weight: bold;\" width=180>Bolletta n.</td>"));
        QCOMPARE(openedByShell(), QStringList {QLatin1Char('"') + QDir::toNativeSeparators(file) + QLatin1Char('"')});
        // The window stays open for another export.
        QVERIFY(f.w.isVisible());
    }

    // An empty archive gives the header row and no data row.
    void archivioVuoto()
    {
        TempProgramFolder cartella;
        Finestra f(cat("Rifiuti"));
        QCOMPARE(f.griglia()->model()->rowCount(), 0);
        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectQuestion(DomandaApri, Answer::No);
        f.esporta();
        QCOMPARE(leggi(cartella.file(QStringLiteral("Database_Rifiuti.xls"))),
            inizio("Database Rifiuti") + intestazioniBollette() + Fine);
        QVERIFY(openedByShell().isEmpty());
    }

    // How a cell's text reaches the file.
    void testoCella_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("trimmed") << " \t a b \r\n" << QByteArray("a b");
        QTest::newRow("markup shows as written") << "<b>" << QByteArray("&lt;b&gt;");
        QTest::newRow("ampersand") << "A&B" << QByteArray("A&amp;B");
        QTest::newRow("reference-looking text") << "&amp;" << QByteArray("&amp;amp;");
        QTest::newRow("accents and euro")
            << QString::fromUtf8("àèìòù € Œ") << QByteArray("\xE0\xE8\xEC\xF2\xF9 \x80 \x8C");
        QTest::newRow("quotes stay") << "\"x\" 'y'" << QByteArray("\"x\" 'y'");
        QTest::newRow("question mark") << "?" << QByteArray("?");
        QTest::newRow("not in Windows-1252") << QString::fromUtf8("Ω≠") << QByteArray("&#937;&#8800;");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("a😀b") << QByteArray("a&#128512;b");
        QTest::newRow("half a pair") << QString(QChar(0xD800)) + QStringLiteral("x") << QByteArray("&#65533;x");
        QTest::newRow("inner line break") << "riga 1\r\nriga 2" << QByteArray("riga 1&#13;&#10;riga 2");
        QTest::newRow("inner tab") << "a\tb" << QByteArray("a&#9;b");
        // No reference may name a character that XML forbids: the
        // replacement character shows the reader that something was there.
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << QByteArray("a&#65533;b");
        QTest::newRow("C0 controls other than tab and line breaks") << [] {
            QString t = QStringLiteral("<");
            for (char16_t c = 1; c < 0x20; ++c) {
                if (c != u'\t' && c != u'\n' && c != u'\r')
                    t += QChar(c);
            }
            return t + QStringLiteral(">");
        }() << "&lt;" + QByteArray("&#65533;").repeated(28) + "&gt;";
        QTest::newRow("noncharacters FFFE and FFFF") << QStringLiteral("a") + QChar(0xFFFE) + QChar(0xFFFF)
                + QStringLiteral("b") << QByteArray("a&#65533;&#65533;b");
        // A record file may hold the bytes that Windows-1252 leaves undefined;
        // they read as C1 controls and must not go back into the file raw.
        QTest::newRow("DEL and C1 controls") << QStringLiteral("a") + QChar(0x7F) + QChar(0x81) + QChar(0x8D)
                + QChar(0x8F) + QChar(0x90) + QChar(0x9D) + QChar(0x80)
                + QStringLiteral("b") << QByteArray("a&#127;&#129;&#141;&#143;&#144;&#157;&#128;b");
    }
    void testoCella()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, byte);
        QByteArray out;
        Spreadsheet::appendText(out, testo);
        QCOMPARE(out, byte);
    }

    // ---- Columns -----------------------------------------------------------

    void colonneAcquisti()
    {
        TempProgramFolder cartella;
        const Categoria& acquisti = cat("Acquisti");
        aggiungi(acquisti,
            {{"Numero", "SC 1"}, {"Attivita", "Bianchi"}, {"Email", "a@b.example"}, {"Tel", "0544"},
                {"Sito", "www.b.example"}, {"Garanzia", "24 mesi"}, {"Prodotti", "Lavatrice"}, {"Dettagli", "Consegna"},
                {"Modalita", "Carta"}, {"Documenti", "Fattura 118"}, {"Pagatore", "Luca"},
                {"CodFisc", "VRDLCU75C12D612K"}, {"CodCliente", "77"}, {"Note", "Nota"}, {"Prezzo", "529,00"},
                {"Segnala", "Sì"}});
        Finestra f(acquisti);
        const QStringList griglia = {"N.", "Scontrino n.", "Data emissione", "Attività commerciale", "E-mail", "Tel.",
            "Sito Web", "Garanzia", "Prodotti acquistati", "Dettagli", "Modalità di pagamento", "Documenti acquisto",
            "Pagatore", "Codice fiscale", "Codice cliente", "Importo", "Note", "Da pagare"};
        const QList<int> larghezze
            = {60, 150, 150, 250, 180, 150, 250, 250, 350, 350, 200, 300, 200, 180, 180, 150, 300, 120};
        QAbstractItemModel* m = f.griglia()->model();
        for (int c = 0; c < 18; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), griglia.at(c));
            QCOMPARE(f.griglia()->columnWidth(c), larghezze.at(c));
        }
        QCOMPARE(m->index(0, 15).data().toString(), QStringLiteral("529,00"));
        QCOMPARE(m->index(0, 16).data().toString(), QStringLiteral("Nota"));

        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectQuestion(DomandaApri, Answer::No);
        f.esporta();
        const QByteArray file = leggi(cartella.file(QStringLiteral("Database_Acquisti.xls")));
        const QByteArray intestazioni = intestazione(180, "Scontrino n.") + intestazione(180, "Data emissione")
            + intestazione(280, "Attivit\xE0 commerciale") + intestazione(250, "E-mail") + intestazione(200, "Tel.")
            + intestazione(250, "Sito Web") + intestazione(250, "Garanzia") + intestazione(350, "Prodotti acquistati")
            + intestazione(350, "Dettagli") + intestazione(250, "Modalit\xE0 di pagamento")
            + intestazione(300, "Documenti di acquisto") + intestazione(250, "Pagatore")
            + intestazione(200, "Codice fiscale") + intestazione(200, "Codice cliente") + intestazione(180, "Importo")
            + intestazione(350, "Note") + intestazione(150, "Da pagare") + "</tr>";
        QCOMPARE(file,
            inizio("Database Acquisti") + intestazioni
                + riga({"SC 1", "", "Bianchi", "a@b.example", "0544", "www.b.example", "24 mesi", "Lavatrice",
                    "Consegna", "Carta", "Fattura 118", "Luca", "VRDLCU75C12D612K", "77", "529,00", "Nota", "S\xEC"})
                + Fine);
    }

    // The columns that three bill categories name differently.
    void colonneVarianti_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("griglia");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("larghezzaFile");
        QTest::newRow("Tasse 1") << "Tasse" << 1 << "Tipologia tassa" << 200 << "Tipologia tassa" << 250;
        QTest::newRow("Tasse 9") << "Tasse" << 9 << "Codici" << 200 << "Codici" << 300;
        QTest::newRow("Automezzi 6") << "Automezzi" << 6 << "Targa veicolo" << 150 << "Targa veicolo" << 200;
        QTest::newRow("Condominio 9") << "Condominio" << 9 << "Immobile" << 300 << "Immobile" << 300;
        QTest::newRow("Luce 4") << "Luce" << 4 << "Conto corrente / IBAN" << 200 << "Conto corrente o IBAN" << 250;
    }
    void colonneVarianti()
    {
        QFETCH(QString, chiave);
        QFETCH(int, colonna);
        QFETCH(QString, griglia);
        QFETCH(int, larghezza);
        QFETCH(QString, file);
        QFETCH(int, larghezzaFile);
        const ExportColumn c = ExportColumns::of(*Catalogo::PerChiave(chiave)).at(colonna - 1);
        QCOMPARE(c.intestazione, griglia);
        QCOMPARE(c.larghezza, larghezza);
        QCOMPARE(c.intestazioneFile, file);
        QCOMPARE(c.larghezzaFile, larghezzaFile);
    }

    // Six columns take the user's changes, the same six in every category;
    // a change reaches the file and never the record file.
    void modifica()
    {
        TempProgramFolder cartella;
        treSchedeRifiuti();
        const QByteArray archivio = leggi(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        Finestra f(cat("Rifiuti"));
        QAbstractItemModel* m = f.griglia()->model();
        for (int c = 0; c < 18; ++c) {
            const bool modificabile = QList<int> {7, 11, 12, 13, 14, 16}.contains(c);
            QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), modificabile);
        }
        QVERIFY(!m->setData(m->index(0, 1), QStringLiteral("X")));

        // Typed into the notes cell of the first card and still being edited
        // when the export starts.
        f.griglia()->setFocus();
        f.griglia()->setCurrentIndex(m->index(0, 16));
        f.griglia()->edit(m->index(0, 16));
        auto* editor = qobject_cast<QLineEdit*>(f.griglia()->indexWidget(m->index(0, 16)));
        QVERIFY(editor);
        editor->setText(QString::fromUtf8("Ω <b>"));
        m->setData(m->index(2, 12), QStringLiteral("Luca"));

        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectQuestion(DomandaApri, Answer::No);
        f.esporta();
        const QByteArray file = leggi(cartella.file(QStringLiteral("Database_Rifiuti.xls")));
        QVERIFY(file.contains("<td style=\"text-align: left;\">187,40</td><td style=\"text-align: left;\">"
                              "&#937; &lt;b&gt;</td>"));
        QVERIFY(file.contains("<td style=\"text-align: left;\">Luca</td>"));
        QCOMPARE(leggi(cartella.file(QStringLiteral("Archivio_Rifiuti.pro"))), archivio);
    }

    // ---- Questions and failures --------------------------------------------

    // "No" to the first question writes nothing: an earlier export stays.
    void noAllaPrimaDomanda()
    {
        TempProgramFolder cartella;
        treSchedeRifiuti();
        const QString file = cartella.file(QStringLiteral("Database_Rifiuti.xls"));
        scrivi(file, "export precedente");
        Finestra f(cat("Rifiuti"));
        testDialogs().expectQuestion(DomandaEsporta, Answer::No);
        f.esporta();
        QCOMPARE(leggi(file), QByteArray("export precedente"));
        QVERIFY(openedByShell().isEmpty());
    }

    // A target that cannot be replaced gives the error and no second
    // question, and everything stored stays as it was: the record file, an
    // earlier export, no file left half written beside it.
    void destinazioneNonScrivibile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("a folder of that name") << "cartella";
#ifdef TESSARIA_HAS_DISK_FULL
        QTest::newRow("disk full, an earlier export") << "disco pieno";
#endif
        QTest::newRow("read-only folder, an earlier export") << "sola lettura";
    }
    void destinazioneNonScrivibile()
    {
        QFETCH(QString, caso);
        TempProgramFolder cartella;
        treSchedeRifiuti();
        const QString file = cartella.file(QStringLiteral("Database_Rifiuti.xls"));
        if (caso == QLatin1String("cartella")) {
            QVERIFY(QDir(cartella.path()).mkdir(QStringLiteral("Database_Rifiuti.xls")));
            scrivi(file + QStringLiteral("/dentro.txt"), "resta");
        } else {
            scrivi(file, "export precedente");
        }
        std::unique_ptr<ReadOnlyFolder> solaLettura;
        if (caso == QLatin1String("sola lettura")) {
            solaLettura = std::make_unique<ReadOnlyFolder>(cartella.path());
            if (!solaLettura->holds())
                QSKIP("file permissions do not stop this user (root)");
        }
        const auto prima = folderContents(cartella.path());

        Finestra f(cat("Rifiuti"));
        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectPlain(Errore);
        {
#ifdef TESSARIA_HAS_DISK_FULL
            std::unique_ptr<DiskFull> pieno;
            if (caso == QLatin1String("disco pieno"))
                pieno = std::make_unique<DiskFull>();
#endif
            f.esporta();
        }
        QVERIFY(openedByShell().isEmpty());
        const auto dopo = folderContents(cartella.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
    }

    // The spreadsheet's name is a symbolic link planted in the program
    // folder, to another document or to nothing: the export never writes
    // through it. The link becomes the exported sheet, a regular file in the
    // folder, and nothing outside the folder changes or appears.
    void destinazioneCollegamento_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("link to an outside document") << false;
        QTest::newRow("dangling link") << true;
    }
    void destinazioneCollegamento()
    {
        QFETCH(bool, dangling);
        TempProgramFolder cartella;
        QTemporaryDir fuori;
        QVERIFY(fuori.isValid());
        treSchedeRifiuti();
        const QString bersaglio = fuori.filePath(QStringLiteral("bilancio.ods"));
        if (!dangling)
            scrivi(bersaglio, "il bilancio di famiglia");
        const QString file = cartella.file(QStringLiteral("Database_Rifiuti.xls"));
        QVERIFY(QFile::link(bersaglio, file));
        const auto prima = folderContents(fuori.path());

        Finestra f(cat("Rifiuti"));
        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectQuestion(DomandaApri, Answer::No);
        f.esporta();
        const auto dopo = folderContents(fuori.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
        QVERIFY(!QFileInfo(file).isSymLink());
        QVERIFY(QFileInfo(file).isFile());
        QCOMPARE(leggi(file), fileTreSchede());
    }

    // A write that fails half way leaves the earlier file as it was and no
    // temporary file behind.
    void scritturaInterrotta()
    {
        TempProgramFolder cartella;
        const QString file = cartella.file(QStringLiteral("Database_Rifiuti.xls"));
        scrivi(file, "export precedente");
        const bool ok = Spreadsheet::save(file, [](QIODevice& out) {
            out.write("<html><head>");
            return false;
        });
        QVERIFY(!ok);
        QCOMPARE(leggi(file), QByteArray("export precedente"));
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("Database_Rifiuti.xls")});
        // And a complete one takes the name.
        QVERIFY(Spreadsheet::save(file, [](QIODevice& out) { return out.write("nuovo") == 5; }));
        QCOMPARE(leggi(file), QByteArray("nuovo"));
    }

    // A record file that ends in a damaged card: the cards before it are
    // exported, the window says nothing.
    void caricamentoParziale()
    {
        TempProgramFolder cartella;
        treSchedeRifiuti();
        QFile pro(cartella.file(QStringLiteral("Archivio_Rifiuti.pro")));
        QVERIFY(pro.open(QIODevice::Append));
        pro.write(QByteArray(100, 'x'));
        pro.close();
        const CardGrid g = CardGrid::load(cat("Rifiuti"), ExportColumns::of(cat("Rifiuti")));
        QCOMPARE(g.righe(), 3);
        QCOMPARE(g.testo(2, 0).toString(), QStringLiteral("A&B"));
    }

    // A record file that cannot be read (here a folder of that name): the
    // window opens with an empty grid and says nothing, but the export
    // refuses, so an earlier export is not replaced by an empty sheet that
    // looks complete.
    void archivioIlleggibile()
    {
        TempProgramFolder cartella;
        QVERIFY(QDir(cartella.path()).mkdir(QStringLiteral("Archivio_Rifiuti.pro")));
        scrivi(cartella.file(QStringLiteral("Database_Rifiuti.xls")), "export precedente");
        const auto prima = folderContents(cartella.path());

        Finestra f(cat("Rifiuti"));
        QCOMPARE(f.griglia()->model()->rowCount(), 0);
        testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
        testDialogs().expectPlain(ErroreLettura);
        f.esporta();
        QVERIFY(openedByShell().isEmpty());
        const auto dopo = folderContents(cartella.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
    }

    // ---- The window --------------------------------------------------------

    void suggerimenti()
    {
        TempProgramFolder cartella;
        treSchedeRifiuti();
        Finestra f(cat("Rifiuti"));
        QCOMPARE(f.info(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        const std::pair<const char*, const char*> pulsanti[] = {
            {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
            {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
            {"cmdEsci", "Esci da questo ambiente di lavoro."},
        };
        for (const auto& [nome, testo] : pulsanti) {
            QTest::mouseMove(child<QWidget>(&f.w, QString::fromLatin1(nome)), QPoint(10, 10));
            QTRY_COMPARE(f.info(), QString::fromUtf8(testo));
            QTest::mouseMove(f.griglia()->viewport(), QPoint(30, 30));
            QTRY_COMPARE(f.info(), QString());
        }
        QTest::mouseMove(child<QWidget>(&f.w, QStringLiteral("cmdEsci")), QPoint(10, 10));
        QTRY_VERIFY(!f.info().isEmpty());
        QTest::mouseMove(&f.w, QPoint(400, 30));
        QTRY_COMPARE(f.info(), QString());
    }

    // "?" asks for the help and leaves the window open (the help window it
    // gets is the application's wiring, tested with it); "Esci" closes it.
    void guidaEdEsci()
    {
        TempProgramFolder cartella;
        Finestra f(cat("Rifiuti"));
        QSignalSpy guida(&f.w, &TfrmExp::helpRequested);
        child<PictureButton>(&f.w, QStringLiteral("cmdGuida"))->click();
        QCOMPARE(guida.count(), 1);
        QVERIFY(f.w.isVisible());
        child<PictureButton>(&f.w, QStringLiteral("cmdEsci"))->click();
        QVERIFY(!f.w.isVisible());
    }

    // ---- What a spreadsheet program makes of the file ----------------------

    // LibreOffice Calc reads the file back: header and every cell as written,
    // accents, euro sign and markup characters included.
    void libreOffice()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: the round trip through Calc cannot run here");
        TempProgramFolder cartella;
        treSchedeRifiuti();
        {
            Finestra f(cat("Rifiuti"));
            testDialogs().expectQuestion(DomandaEsporta, Answer::Yes);
            testDialogs().expectQuestion(DomandaApri, Answer::No);
            f.esporta();
        }
        const QString uscita = cartella.file(QStringLiteral("csv"));
        QProcess p;
        // Calc's HTML import; the CSV as UTF-8, cells as shown.
        p.start(soffice,
            {QStringLiteral("-env:UserInstallation=file://") + cartella.path() + QStringLiteral("/profilo"),
                QStringLiteral("--headless"), QStringLiteral("--infilter=HTML (StarCalc)"),
                QStringLiteral("--convert-to"),
                QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true"),
                QStringLiteral("--outdir"), uscita, cartella.file(QStringLiteral("Database_Rifiuti.xls"))});
        QVERIFY(p.waitForFinished(180000));
        QCOMPARE(p.exitCode(), 0);
        const QString csv = QString::fromUtf8(leggi(uscita + QStringLiteral("/Database_Rifiuti.csv")));
        QVERIFY2(!csv.isEmpty(), p.readAllStandardError().constData());

        const QList<QStringList> attese = {
            {"Bolletta n.", "Data emissione", "Beneficiario", "Conto corrente o IBAN", "Data scadenza",
                "Periodo di riferimento", "Data pagamento", "Causale", "Consumi", "Modalità di pagamento",
                "Estremi ricevuta", "Pagatore", "Codice fiscale", "Codice cliente", "Importo", "Note", "Da pagare"},
            {"2024/0001873", "12/02/2024", "Comune di Forlì - TARI", "IT60X0542811101000000123456", "31/03/2024",
                "Primo semestre 2024", "12/03/2024", "Tassa rifiuti, prima rata", "Abitazione, 95 mq",
                "Bonifico bancario", "CRO 0045", "Maria Rossi", "RSSMRA80A41H199Z", "0045871", "187,40",
                "Seconda rata a settembre", "No"},
            {"F-2", "", "Società Ecologia € Ambiente", "", "", "", "", "", "", "", "", "", "", "", "0,00", "già pagata",
                "Sì"},
            {"A&B", "", "", "", "", "", "", "<b>grassetto</b>", "", "", "", "", "", "", "12,00", "1 < 2 > 0", "No"},
        };
        QList<QStringList> lette;
        for (const QString& linea : csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            // Quoted fields may hold commas; none holds a quote or a line break.
            QStringList celle;
            QString cella;
            bool virgolette = false;
            for (QChar c : linea.trimmed()) {
                if (c == QLatin1Char('"'))
                    virgolette = !virgolette;
                else if (c == QLatin1Char(',') && !virgolette)
                    celle << std::exchange(cella, QString());
                else
                    cella += c;
            }
            celle << cella;
            while (celle.size() < 17)
                celle << QString();
            lette << celle;
        }
        QCOMPARE(lette.size(), attese.size());
        for (int r = 0; r < attese.size(); ++r) {
            for (int c = 0; c < 17; ++c) {
                const QString atteso = attese.at(r).at(c);
                const QString letto = lette.at(r).value(c);
                // Calc takes a text of digits (an amount, a customer code) for
                // a number, whatever the table says: its value must be the same.
                static const QRegularExpression cifre(QStringLiteral("^[0-9]+(,[0-9]+)?$"));
                if (letto != atteso && cifre.match(atteso).hasMatch()) {
                    QCOMPARE(QString(letto).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(),
                        QString(atteso).replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
                    continue;
                }
                QCOMPARE(letto, atteso);
            }
        }
    }
};

TESSARIA_TEST_MAIN(TestExport)
#include "test_export.moc"
