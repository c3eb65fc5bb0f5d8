// The card print window as the archive screen opens it: what it prints is
// the card on display, saved or not, and it closes after the print dialog
// either way.

#include "TestSupport.h"
#include "archive/Categoria.h"
#include "archive/TArchivioSchede.h"
#include "editor/TfrmArchivio.h"
#include "output/TfrmStampa.h"
#include "report/CardReport.h"

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const Categoria& cat(const QString& chiave)
{
    return *Catalogo::PerChiave(chiave);
}

// One stored card with every text field naming itself.
void archivia(const Categoria& c, const QList<std::pair<const char*, const char*>>& campi)
{
    TArchivioSchede a(c);
    a.Apri();
    Scheda s = a.nuovaScheda();
    for (const auto& [campo, testo] : campi)
        s.imposta(QString::fromLatin1(campo), QString::fromUtf8(testo));
    a.Aggiungi(s);
}

// An archive screen shown and active, as the user has it, whose "Stampa"
// opens the card print as the application connects it.
struct Schermo {
    explicit Schermo(const Categoria& c)
        : w(c)
    {
        QObject::connect(&w, &TfrmArchivio::printRequested, &w, [this] { TfrmStampa::Mostra(w); });
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    void scrivi(const char* campo, const QString& testo)
    {
        QLineEdit* e = w.Campo(QString::fromLatin1(campo));
        QVERIFY2(e, campo);
        e->setText(testo);
    }
    QString posizione() const { return w.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(); }
    TfrmArchivio w;
};

struct Finestra {
    QString nome;
    QString titolo;
    QSize dimensione;
    QWidget* proprietario = nullptr;
    QImage logo;
    Reports::CardData dati; // what the window puts on the page
};

// Clicks cmdStampa on the screen, notes the print window, then presses one of
// its buttons; returns when the window has gone.
Finestra stampa(Schermo& s, const char* pulsante)
{
    Finestra f;
    onNextModal([&](QWidget* w) {
        f.nome = w->objectName();
        f.titolo = w->windowTitle();
        f.dimensione = w->size();
        f.proprietario = w->parentWidget();
        if (auto* t = qobject_cast<TfrmStampa*>(w)) {
            f.logo = t->Logo();
            f.dati = t->Dati();
        }
        child<QPushButton>(w, QString::fromLatin1(pulsante))->click();
    });
    child<QPushButton>(&s.w, QStringLiteral("cmdStampa"))->click();
    return f;
}

} // namespace

class TestStampa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    }
    void cleanup()
    {
        QVERIFY(testDialogs().verify());
        Clock::pin({});
    }

    // The window of each category, owned by the screen; "Annulla" closes it
    // without the print dialog, "Stampa" with the dialog cancelled prints
    // nothing. Either way the window is gone afterwards.
    void closesEitherWay_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("pulsante");
        for (const Categoria& c : Catalogo::Tutte()) {
            QTest::addRow("%s annulla", qPrintable(c.Chiave)) << c.Chiave << QStringLiteral("btnAnnulla");
            QTest::addRow("%s stampa annullata", qPrintable(c.Chiave)) << c.Chiave << QStringLiteral("btnStampa");
        }
    }
    void closesEitherWay()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, pulsante);
        TempProgramFolder cartella;
        QTemporaryDir uscita;
        const QString pdf = uscita.filePath(QStringLiteral("scheda.pdf"));
        Schermo s(cat(chiave));
        s.scrivi("Numero", QStringLiteral("N-1"));
        const bool conDialogo = pulsante == QLatin1String("btnStampa");
        if (conDialogo)
            testDialogs().expectPrint(false, [&pdf](QPrinter* p) { p->setOutputFileName(pdf); });

        const Finestra f = stampa(s, pulsante.toLatin1().constData());
        QCOMPARE(f.nome, QStringLiteral("frmStampa") + chiave);
        QCOMPARE(f.titolo, QStringLiteral(" Stampa scheda"));
        QCOMPARE(f.dimensione, TfrmStampa::ClientSize);
        QCOMPARE(f.proprietario, &s.w);
        QCOMPARE(testDialogs().calls.size(), conDialogo ? 1 : 0);
        QVERIFY(!QFileInfo::exists(pdf));
        QCOMPARE(s.w.findChildren<QDialog*>().size(), 0);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The picture that goes on the page is the one on display, not the stored
    // photo: the placeholder on a new card, a picture put on but not saved.
    void printsThePictureOnDisplay()
    {
        TempProgramFolder cartella;
        Schermo s(cat(QStringLiteral("Luce")));
        QVERIFY(s.w.FotoSegnaposto());
        QCOMPARE(stampa(s, "btnAnnulla").logo, s.w.Foto());

        QImage rossa(320, 200, QImage::Format_RGB32);
        rossa.fill(Qt::red);
        s.w.ImpostaFoto(rossa);
        const QImage logo = stampa(s, "btnAnnulla").logo;
        QCOMPARE(logo.size(), rossa.size());
        QCOMPARE(logo.pixel(160, 100), QColor(Qt::red).rgb());
    }

    // A stored card changed on screen and printed: the page holds the texts of
    // the edit boxes as they are now, trimmed, with the category's captions.
    void printsTheCardOnDisplay_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QString>("didascalia");
        auto row = [](const char* chiave, const char* campo, const char* valore, const char* didascalia) {
            QTest::addRow("%s", chiave) << QString::fromLatin1(chiave) << QString::fromLatin1(campo)
                                        << QString::fromLatin1(valore) << QString::fromLatin1(didascalia);
        };
        row("Rifiuti", "Causale", "Valore non salvato 42", "CAUSALE:");
        row("Tasse", "DataEmi", "15/01/2024", "DATA DECORRENZA:");
        row("Automezzi", "Periodo", "AB 123 CD", "TARGA VEICOLO:");
        row("Acquisti", "Prodotti", "Valore non salvato 42", "PRODOTTI ACQUISTATI:");
    }
    void printsTheCardOnDisplay()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, campo);
        QFETCH(QString, valore);
        QFETCH(QString, didascalia);
        TempProgramFolder cartella;
        archivia(cat(chiave), {{"Numero", "ARCH-0001"}, {"Pagatore", "Maria Rossi"}, {"Prezzo", "10,00"}});
        Schermo s(cat(chiave));
        child<QPushButton>(&s.w, QStringLiteral("cmdPrimo"))->click();
        QCOMPARE(s.posizione(), QStringLiteral("1"));
        QCOMPARE(s.w.Campo(QStringLiteral("Numero"))->text(), QStringLiteral("ARCH-0001"));

        // Typed, never saved.
        s.scrivi("Numero", QStringLiteral("  FT-7731/B  "));
        s.scrivi(campo.toLatin1().constData(), valore);
        s.scrivi("Prezzo", QStringLiteral("187,40"));

        QTemporaryDir uscita;
        const QString pdf = uscita.filePath(QStringLiteral("scheda.pdf"));
        testDialogs().expectPrint(true, [&pdf](QPrinter* p) { p->setOutputFileName(pdf); });
        const Finestra f = stampa(s, "btnStampa");
        QCOMPARE(f.nome, QStringLiteral("frmStampa") + chiave);
        QCOMPARE(s.w.findChildren<QDialog*>().size(), 0);
        QVERIFY(QFileInfo(pdf).size() > 0);

        if (!hasPdfToText())
            QSKIP("pdftotext is not installed; the PDF text cannot be read back");
        const QString testo = pdfText(pdf);
        QCOMPARE(testo.count(QLatin1Char('\f')), 1);
        for (const QString& atteso :
            {QStringLiteral("FT-7731/B"), valore, QStringLiteral("187,40"), QStringLiteral("Maria Rossi"), didascalia,
                QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore ")})
            QVERIFY2(testo.contains(atteso), qPrintable(atteso));
        QVERIFY(!testo.contains(QStringLiteral("ARCH-0001")));
        QVERIFY(!testo.contains(QStringLiteral("10,00")));
    }

    // The texts go on the page trimmed as everywhere in the program: only the
    // characters of code 32 or less go, so a no-break space at either end
    // stays and control characters at the ends do not print.
    void printTrimsAsTheProgramDoes_data()
    {
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QString>("stampato");
        QTest::newRow("leading no-break space")
            << QStringLiteral("\u00A0Conguaglio 2024") << QStringLiteral("\u00A0Conguaglio 2024");
        QTest::newRow("trailing no-break spaces")
            << QStringLiteral("Conguaglio 2024\u00A0\u00A0 ") << QStringLiteral("Conguaglio 2024\u00A0\u00A0");
        QTest::newRow("control characters at the ends")
            << QStringLiteral("\u0002 Conguaglio 2024\u0001\t\u001F") << QStringLiteral("Conguaglio 2024");
        QTest::newRow("control character before a no-break space")
            << QStringLiteral("Conguaglio 2024\u0001\u00A0") << QStringLiteral("Conguaglio 2024\u0001\u00A0");
    }
    void printTrimsAsTheProgramDoes()
    {
        QFETCH(QString, valore);
        QFETCH(QString, stampato);
        TempProgramFolder cartella;
        Schermo s(cat(QStringLiteral("Rifiuti")));
        s.scrivi("Causale", valore);
        const Finestra f = stampa(s, "btnAnnulla");
        QCOMPARE(f.dati.fields.value(QStringLiteral("Causale")), stampato);
        // The page is made of those texts as they are.
        const Reports::Report r = Reports::prepareCard(f.dati);
        QCOMPARE(r.findObject(QStringLiteral("txtCausale"))->text(), stampato);
    }
};

TESSARIA_TEST_MAIN(TestStampa)
#include "test_stampa.moc"
