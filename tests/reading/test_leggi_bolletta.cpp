// The confirmation window of a bill's reading and its way in: which card
// field takes what in each category, what is offered ticked, what "Applica"
// and "Annulla" write, a reading cancelled while it runs, a reading that
// found nothing, and the whole path through the program's own windows, from
// the photo's context menu to a saved card. The readers are fakes: what a
// bill really holds is the reading's own business.

#include "../capture/PdfSamples.h"
#include "../editor/EditorFixtures.h"
#include "SampleBill.h"
#include "app/AppWindows.h"
#include "archive/TArchivioSchede.h"
#include "reading/CardMapping.h"
#include "reading/TfrmLeggiBolletta.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QMutex>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QThread>

#include <memory>

Q_DECLARE_METATYPE(reading::BillField)
Q_DECLARE_METATYPE(reading::ReadValue)

using namespace fixtures;
using namespace reading;
using Kind = Dialogs::Kind;
using Answer = Dialogs::Answer;

namespace {

const QString NothingRead = QStringLiteral("Non è stato possibile leggere dati utili dalla bolletta.");

// A reader that finds `values` at once.
Reader finds(const QVector<ReadValue>& values)
{
    return [values](const BillInput&, const std::atomic_bool&, const Progress&) {
        BillReading r;
        r.values = values;
        return r;
    };
}

// What a bill of the light archive usually gives.
const QVector<ReadValue> LightBill = {
    {BillField::NoticeCode, "301000000012345678", Source::PagoPa},
    {BillField::Amount, "158,30", Source::PagoPa},
    {BillField::CreditorCode, "06655971007", Source::PagoPa},
    {BillField::DueDate, "31/03/2025", Source::PdfText},
    {BillField::Number, "2025/0001234", Source::PdfText},
    {BillField::Iban, "it60 x054 2811 1010 0000 0123 456", Source::Ocr},
};

// Card 1 of the light archive, stored with a number and a payee, shown on
// its screen; the bill's picture on it.
struct StoredCard {
    StoredCard()
        : screen(cat("Luce"))
    {
        Scheda s(Tipo::TSchedaBolletta);
        s.imposta("Numero", QStringLiteral("A-77"));
        s.imposta("Beneficiario", QStringLiteral("Enel Energia"));
        s.imposta("Prezzo", QStringLiteral("0,00"));
        s.imposta("Segnala", QStringLiteral("No"));
        scrivi(file(), s.byte());
        screen.premi("cmdPrimo");
        screen.w.ImpostaFoto(tinta(QSize(620, 877), Qt::white));
    }
    QString file() const { return folder.file(cat("Luce").FileArchivio()); }
    QString text(const char* control) { return figlio<QLineEdit>(&screen.w, control)->text(); }
    QString status() { return figlio<QLabel>(&screen.w, "panInfo")->text(); }

    TempProgramFolder folder;
    Schermo screen;
};

// The window over the screen, shown, once its reading has ended.
struct Window {
    Window(TfrmArchivio& screen, const Reader& reader)
        : w(screen, reader)
    {
        w.show();
    }
    bool waitForRows()
    {
        return QTest::qWaitFor([this] { return grid()->isVisible(); });
    }
    QTableWidget* grid() { return figlio<QTableWidget>(&w, "grdDati"); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    bool ticked(int row) { return grid()->item(row, 0)->checkState() == Qt::Checked; }
    TfrmLeggiBolletta w;
};

} // namespace

class TestLeggiBolletta : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // The field and the "Campo" text each kind of data gets per category;
    // none where the card has no place for it or its slot holds something
    // else there.
    void targets_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<BillField>("field");
        QTest::addColumn<QString>("control"); // empty: none
        QTest::addColumn<QString>("label");
        const auto row = [](const char* a, BillField f, const char* control, const char* label) {
            QTest::addRow("%s, field %d", a, int(f))
                << QString::fromLatin1(a) << f << QString::fromLatin1(control) << QString::fromUtf8(label);
        };
        row("Luce", BillField::Amount, "txtPrezzo", "Importo:");
        row("Luce", BillField::DueDate, "txtDataSca", "Data scadenza:");
        row("Luce", BillField::IssueDate, "txtDataEmi", "Data emissione:");
        row("Luce", BillField::Number, "txtNumero", "Bolletta / Fattura n.");
        row("Luce", BillField::Period, "txtPeriodo", "Periodo di riferimento:");
        row("Luce", BillField::CustomerCode, "txtCodCliente", "Codice cliente:");
        row("Luce", BillField::Iban, "txtCC", "Conto corrente / IBAN:");
        row("Luce", BillField::PayerCode, "txtCodFisc", "Codice fiscale:");
        row("Luce", BillField::Payee, "txtBeneficiario", "Beneficiario:");
        row("Luce", BillField::NoticeCode, "txtEstremi", "Estremi ricevuta:");
        row("Luce", BillField::CreditorCode, "", "");
        row("Condominio", BillField::Number, "txtNumero", "Doc. / Fattura n.");
        // The period's slot holds the vehicle's plate, the number's the type
        // of tax.
        row("Automezzi", BillField::Period, "", "");
        row("Tasse", BillField::Number, "", "");
        row("Tasse", BillField::IssueDate, "", "");
        row("Tasse", BillField::Payee, "txtBeneficiario", "Ente beneficiario:");
        row("Acquisti", BillField::Number, "txtNumero", "Scontrino / Fattura n.");
        row("Acquisti", BillField::IssueDate, "txtDataEmi", "Data emissione:");
        row("Acquisti", BillField::Amount, "txtPrezzo", "Importo:");
        row("Acquisti", BillField::PayerCode, "txtCodFisc", "Codice fiscale:");
        row("Acquisti", BillField::Payee, "txtAttivita", "Attività commerciale:");
        row("Acquisti", BillField::DueDate, "", "");
        row("Acquisti", BillField::Iban, "", "");
        row("Acquisti", BillField::Period, "", "");
        row("Acquisti", BillField::NoticeCode, "", "");
    }
    void targets()
    {
        QFETCH(QString, archive);
        QFETCH(BillField, field);
        QFETCH(QString, control);
        QFETCH(QString, label);
        const std::optional<CardTarget> t = targetOf(*Catalogo::PerChiave(archive), field);
        QCOMPARE(t.has_value(), !control.isEmpty());
        if (t) {
            QCOMPARE(t->control, control);
            QCOMPARE(t->label, label);
        }
    }

    // Every target of every category is an edit of that category's screen,
    // the screen's own for the record field, and its "Campo" is the label
    // the screen shows.
    void targetsAreOnTheScreens()
    {
        for (const Categoria& c : Catalogo::Tutte()) {
            TfrmArchivio screen(c);
            QStringList labels;
            for (const QLabel* l : screen.findChildren<QLabel*>())
                labels << l->text();
            for (int f = 0; f <= int(BillField::CreditorCode); ++f) {
                const std::optional<CardTarget> t = targetOf(c, BillField(f));
                if (!t)
                    continue;
                QLineEdit* edit = screen.Campo(t->field);
                QVERIFY2(edit, qPrintable(c.Chiave + QLatin1Char(' ') + t->field));
                QCOMPARE(edit->objectName(), t->control);
                if (t->field != QLatin1String("Prezzo"))
                    QVERIFY2(labels.contains(t->label), qPrintable(c.Chiave + QLatin1Char(' ') + t->label));
            }
        }
    }

    // What the card already holds decides what is offered ticked.
    void ticking_data()
    {
        QTest::addColumn<BillField>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("same");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("amount, blank card") << BillField::Amount << "158,30"
                                            << "0,00"
                                            << "158,30" << true << false << true;
        QTest::newRow("amount, another one") << BillField::Amount << "158,30"
                                             << "12,00"
                                             << "158,30" << true << false << false;
        QTest::newRow("amount, the same written otherwise") << BillField::Amount << "158,30"
                                                            << "158,3"
                                                            << "158,30" << true << true << false;
        QTest::newRow("amount, not in the field's form") << BillField::Amount << "1.240,00"
                                                         << "0,00"
                                                         << "1.240,00" << false << false << false;
        QTest::newRow("due date, empty") << BillField::DueDate << "31/03/2025"
                                         << ""
                                         << "31/03/2025" << true << false << true;
        QTest::newRow("due date, no such day") << BillField::DueDate << "31/02/2025"
                                               << ""
                                               << "31/02/2025" << false << false << false;
        QTest::newRow("number, blanks only") << BillField::Number << "2025/1"
                                             << "   "
                                             << "2025/1" << true << false << true;
        QTest::newRow("number, the same with blanks") << BillField::Number << "2025/1"
                                                      << " 2025/1 "
                                                      << "2025/1" << true << true << false;
        QTest::newRow("number, another one") << BillField::Number << "2025/1"
                                             << "A-77"
                                             << "2025/1" << true << false << false;
        QTest::newRow("number, longer than the field") << BillField::Number << QString(51, QLatin1Char('7')) << ""
                                                       << QString(51, QLatin1Char('7')) << false << false << false;
        QTest::newRow("IBAN, written with blanks") << BillField::Iban << "it60 x054 2811 1010 0000 0123 456"
                                                   << ""
                                                   << "IT60X0542811101000000123456" << true << false << true;
        QTest::newRow("IBAN, the same with blanks on the card")
            << BillField::Iban << "IT60X0542811101000000123456"
            << "IT60 X054 2811 1010 0000 0123 456"
            << "IT60X0542811101000000123456" << true << true << false;
        QTest::newRow("payer's code") << BillField::PayerCode << "rssmra80a01h501u"
                                      << ""
                                      << "RSSMRA80A01H501U" << true << false << true;
        QTest::newRow("notice code") << BillField::NoticeCode << "301000000012345678"
                                     << ""
                                     << "Avviso pagoPA 301000000012345678" << true << false << true;
    }
    void ticking()
    {
        QFETCH(BillField, field);
        QFETCH(QString, value);
        QFETCH(QString, current);
        QFETCH(QString, text);
        QFETCH(bool, usable);
        QFETCH(bool, same);
        QFETCH(bool, ticked);
        const Categoria& luce = cat("Luce");
        BillReading reading;
        reading.values = {{field, value, Source::PdfText}};
        FieldTexts card;
        card.insert(targetOf(luce, field)->field, current);
        const QVector<Row> rows = rowsFor(luce, reading, card);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].text, text);
        QCOMPARE(rows[0].usable, usable);
        QCOMPARE(rows[0].same, same);
        QCOMPARE(rows[0].ticked, ticked);
    }

    // The table as it opens over a stored card: one row per field the card
    // keeps, in a fixed order; the creditor's code nowhere; the number the
    // card already has shown but not ticked.
    void theTable()
    {
        StoredCard card;
        Window win(card.screen.w, finds(LightBill));
        QCOMPARE(win.w.windowTitle(), QStringLiteral(" Dati letti dalla bolletta"));
        QVERIFY(win.waitForRows());
        QTableWidget* grid = win.grid();
        QStringList headers;
        for (int c = 0; c < grid->columnCount(); ++c)
            headers << grid->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, QStringList({"Usa", "Campo", "Valore letto", "Fonte"}));

        struct Expected {
            const char* campo;
            const char* valore;
            const char* fonte;
            bool ticked;
        };
        const Expected expected[] = {
            {"Importo:", "158,30", "Codice pagoPA", true},
            {"Data scadenza:", "31/03/2025", "Testo del PDF", true},
            {"Bolletta / Fattura n.", "2025/0001234", "Testo del PDF", false},
            {"Conto corrente / IBAN:", "IT60X0542811101000000123456", "Lettura ottica", true},
            {"Estremi ricevuta:", "Avviso pagoPA 301000000012345678", "Codice pagoPA", true},
        };
        QCOMPARE(grid->rowCount(), int(std::size(expected)));
        for (int r = 0; r < grid->rowCount(); ++r) {
            QCOMPARE(win.cell(r, 1), QString::fromUtf8(expected[r].campo));
            QCOMPARE(win.cell(r, 2), QString::fromUtf8(expected[r].valore));
            QCOMPARE(win.cell(r, 3), QString::fromUtf8(expected[r].fonte));
            QCOMPARE(win.ticked(r), expected[r].ticked);
        }
        QVERIFY(figlio(&win.w, "btnApplica")->isEnabled());
        win.w.reject();
    }

    // "Applica" writes what is ticked, as typed: the read-only due date too,
    // the number the user ticked over the card's own; the status bar says
    // how many, and the stored card is as it was until the user saves.
    void applyWritesTheTicked_data()
    {
        QTest::addColumn<QList<int>>("untick"); // rows the user unticks
        QTest::addColumn<QList<int>>("tick"); // rows the user ticks
        QTest::addColumn<QString>("status");
        QTest::newRow("as offered") << QList<int>() << QList<int>()
                                    << "Sono stati compilati 4 campi dalla bolletta: controllarli prima di salvare.";
        QTest::newRow("the number too")
            << QList<int>() << QList<int> {2}
            << "Sono stati compilati 5 campi dalla bolletta: controllarli prima di salvare.";
        QTest::newRow("only the due date") << QList<int> {
            0, 3, 4} << QList<int>() << "È stato compilato 1 campo dalla bolletta: controllarlo prima di salvare.";
    }
    void applyWritesTheTicked()
    {
        QFETCH(QList<int>, untick);
        QFETCH(QList<int>, tick);
        QFETCH(QString, status);
        StoredCard card;
        const QByteArray stored = leggi(card.file());
        {
            Window win(card.screen.w, finds(LightBill));
            QVERIFY(win.waitForRows());
            for (int r : untick)
                win.grid()->item(r, 0)->setCheckState(Qt::Unchecked);
            for (int r : tick)
                win.grid()->item(r, 0)->setCheckState(Qt::Checked);
            figlio(&win.w, "btnApplica")->click();
            QCOMPARE(win.w.result(), int(QDialog::Accepted));
        }
        const bool all = untick.isEmpty();
        QCOMPARE(card.text("txtDataSca"), QStringLiteral("31/03/2025"));
        QCOMPARE(card.text("txtPrezzo"), all ? QStringLiteral("158,30") : QStringLiteral("0,00"));
        QCOMPARE(card.text("txtCC"), all ? QStringLiteral("IT60X0542811101000000123456") : QString());
        QCOMPARE(card.text("txtEstremi"), all ? QStringLiteral("Avviso pagoPA 301000000012345678") : QString());
        QCOMPARE(card.text("txtNumero"), tick.isEmpty() ? QStringLiteral("A-77") : QStringLiteral("2025/0001234"));
        QCOMPARE(card.text("txtBeneficiario"), QStringLiteral("Enel Energia"));
        QCOMPARE(card.status(), status);
        QVERIFY(figlio<QLineEdit>(&card.screen.w, "txtDataSca")->isModified());
        QCOMPARE(card.screen.w.Posizione(), QStringLiteral("1"));
        QCOMPARE(leggi(card.file()), stored);
    }

    // "Annulla" on the table writes nothing; with nothing ticked there is
    // nothing to apply.
    void cancelWritesNothing()
    {
        StoredCard card;
        const QString before = card.status();
        Window win(card.screen.w, finds(LightBill));
        QVERIFY(win.waitForRows());
        for (int r = 0; r < win.grid()->rowCount(); ++r)
            win.grid()->item(r, 0)->setCheckState(Qt::Unchecked);
        QVERIFY(!figlio(&win.w, "btnApplica")->isEnabled());
        win.grid()->item(0, 0)->setCheckState(Qt::Checked);
        QVERIFY(figlio(&win.w, "btnApplica")->isEnabled());
        figlio(&win.w, "btnAnnulla")->click();
        QCOMPARE(win.w.result(), int(QDialog::Rejected));
        QCOMPARE(card.text("txtPrezzo"), QStringLiteral("0,00"));
        QCOMPARE(card.text("txtDataSca"), QString());
        QCOMPARE(card.text("txtNumero"), QStringLiteral("A-77"));
        QCOMPARE(card.status(), before);
    }

    // A slow reading: the window is up at once, shows its progress only
    // after a while, stays responsive, and "Annulla" closes it at once
    // though the reading has not stopped yet; the worker then ends by
    // itself, after the window has gone, and is cleaned up.
    void cancelWhileReading()
    {
        struct Slow {
            std::atomic_bool started {false};
            std::atomic_bool release {false};
            std::atomic_bool sawCancel {false};
            std::atomic_bool done {false};
            std::atomic<QThread*> thread {nullptr};
        };
        auto slow = std::make_shared<Slow>();
        const Reader reader = [slow](const BillInput&, const std::atomic_bool& cancel, const Progress& progress) {
            slow->thread = QThread::currentThread();
            slow->started = true;
            progress(40);
            // Deaf to the cancel until the test lets it go: the window
            // must not wait for it.
            while (!slow->release)
                QThread::msleep(5);
            slow->sawCancel = bool(cancel);
            slow->done = true;
            return BillReading {{{BillField::Amount, "10,00", Source::Ocr}}, false};
        };
        StoredCard card;
        QPointer<QThread> worker;
        {
            QElapsedTimer clock;
            clock.start();
            Window win(card.screen.w, reader);
            QVERIFY(win.w.isVisible());
            auto* progress = figlio<QProgressBar>(&win.w, "prgLettura");
            QVERIFY(!progress->isVisible() || clock.elapsed() >= TfrmLeggiBolletta::ProgressDelayMs);
            QTRY_VERIFY(slow->started);
            worker = slow->thread.load();
            QVERIFY(worker);
            QTRY_VERIFY(progress->isVisible());
            QVERIFY(clock.elapsed() >= TfrmLeggiBolletta::ProgressDelayMs);
            QTRY_COMPARE(progress->value(), 40);
            QVERIFY(!win.grid()->isVisible());
            QVERIFY(!figlio(&win.w, "btnApplica")->isEnabled());

            // The user's clicks still arrive.
            QElapsedTimer click;
            click.start();
            figlio(&win.w, "btnAnnulla")->click();
            QVERIFY(click.elapsed() < 1000);
            QVERIFY(!win.w.isVisible());
            QVERIFY(!slow->done);
        }
        slow->release = true;
        QTRY_VERIFY(slow->done);
        QVERIFY(slow->sawCancel);
        QTRY_VERIFY(worker.isNull());
        QCOMPARE(card.text("txtPrezzo"), QStringLiteral("0,00"));
    }

    // Nothing the card could take: a message, and the window goes without
    // showing a table.
    void nothingRead_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QVector<ReadValue>>("values");
        QTest::newRow("nothing at all") << "Luce" << QVector<ReadValue>();
        QTest::newRow("only the creditor's code")
            << "Gas" << QVector<ReadValue> {{BillField::CreditorCode, "06655971007", Source::PagoPa}};
        QTest::newRow("a purchase, only bill data")
            << "Acquisti"
            << QVector<ReadValue> {{BillField::Iban, "IT60X0542811101000000123456", Source::PdfText},
                   {BillField::DueDate, "31/03/2025", Source::PdfText}};
    }
    void nothingRead()
    {
        QFETCH(QString, archive);
        QFETCH(QVector<ReadValue>, values);
        TempProgramFolder folder;
        Schermo screen(*Catalogo::PerChiave(archive));
        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::white));
        testDialogs().expectMessage(Kind::Information, NothingRead);
        Window win(screen.w, finds(values));
        QTRY_VERIFY(!win.w.isVisible());
        QCOMPARE(win.w.result(), int(QDialog::Rejected));
        QVERIFY(!win.grid()->isVisible());
        QCOMPARE(win.grid()->rowCount(), 0);
    }

    // The menu item is there for a picture only, never for the placeholder,
    // and asks for the reading.
    void menuItemFollowsThePhoto()
    {
        TempProgramFolder folder;
        Schermo screen(cat("Acqua"));
        auto* menu = figlio<QMenu>(&screen.w, "mnuFoto");
        auto* item = screen.w.findChild<QAction*>(QStringLiteral("actLeggiDati"));
        QVERIFY(item);
        QVERIFY(screen.w.FotoSegnaposto());
        menu->popup(QPoint(200, 200));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!item->isEnabled());
        menu->hide();

        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::white));
        menu->popup(QPoint(200, 200));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(item->isEnabled());
        menu->hide();
        QSignalSpy asked(&screen.w, &TfrmArchivio::readBillRequested);
        item->trigger();
        QCOMPARE(asked.count(), 1);

        screen.w.CancellaFoto();
        menu->popup(QPoint(200, 200));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!item->isEnabled());
        menu->hide();
    }

    // Through the program's own windows: a PDF bill loaded as the photo
    // offers the reading (declined here, "Annulla"); then the photo's
    // context menu reads it, "Applica" fills the card, and "Salva" stores
    // what was read. The reader is given the document and the payees of
    // the archive's cards.
    void fromTheMenuToTheArchive()
    {
        struct Seen {
            QMutex lock;
            QString pdf;
            QStringList payees;
            QSize picture;
        };
        auto seen = std::make_shared<Seen>();
        const Reader reader = [seen](const BillInput& in, const std::atomic_bool&, const Progress&) {
            {
                QMutexLocker hold(&seen->lock);
                seen->pdf = in.pdfPath;
                seen->payees = in.knownPayees;
                seen->picture = in.picture.size();
            }
            BillReading r;
            r.values = {
                {BillField::Number, "2025/0001234", Source::PdfText},
                {BillField::IssueDate, "01/03/2025", Source::PdfText},
                {BillField::DueDate, "31/03/2025", Source::PdfText},
                {BillField::Amount, "158,30", Source::PagoPa},
                {BillField::Payee, "Enel Energia", Source::PdfText},
                {BillField::NoticeCode, "301000000012345678", Source::PagoPa},
            };
            return r;
        };

        TempProgramFolder folder;
        const Categoria& luce = cat("Luce");
        {
            TArchivioSchede store(luce);
            store.Apri(TArchivioSchede::Accesso::Scrittura);
            for (const char* payee : {"Enel Energia", "A2A Energia", "Enel Energia"}) {
                Scheda s = store.nuovaScheda();
                s.imposta("Beneficiario", QString::fromLatin1(payee));
                store.Aggiungi(s);
            }
            store.Chiudi();
        }
        AppWindows app;
        app.setBillReader(reader);
        TfrmArchivio* w = app.archive(luce);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));

        const QString pdf = folder.file(QStringLiteral("bolletta.pdf"));
        QVERIFY(samples::writeBill(pdf));
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(QStringLiteral("Allegare anche il documento PDF alla scheda?"), Answer::No);
        testDialogs().expectQuestion(QStringLiteral("Leggere i dati dalla bolletta?"), Answer::Yes);
        bool offered = false;
        allApertura([&offered](QDialog* d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmLeggiBolletta"));
            QTRY_VERIFY(figlio<QTableWidget>(d, "grdDati")->isVisible());
            offered = true;
            figlio(d, "btnAnnulla")->click();
        });
        w->findChild<QAction*>(QStringLiteral("actCaricaPdf"))->trigger();
        QVERIFY(offered);
        QCOMPARE(figlio<QLineEdit>(w, "txtNumero")->text(), QString());
        {
            QMutexLocker hold(&seen->lock);
            QCOMPARE(seen->pdf, pdf);
            QCOMPARE(seen->payees, QStringList({"Enel Energia", "A2A Energia"}));
            QCOMPARE(seen->picture, QSize(1240, 1754));
        }

        bool applied = false;
        allApertura([&applied](QDialog* d) {
            QTRY_VERIFY(figlio<QTableWidget>(d, "grdDati")->isVisible());
            QCOMPARE(figlio<QTableWidget>(d, "grdDati")->rowCount(), 6);
            figlio(d, "btnApplica")->click();
            applied = true;
        });
        w->findChild<QAction*>(QStringLiteral("actLeggiDati"))->trigger();
        QVERIFY(applied);
        QCOMPARE(figlio<QLabel>(w, "panInfo")->text(),
            QStringLiteral("Sono stati compilati 6 campi dalla bolletta: controllarli prima di salvare."));
        QCOMPARE(w->Posizione(), QString());

        // What the user still types; the rest came from the bill.
        figlio<QLineEdit>(w, "txtCausale")->setText(QStringLiteral("Bimestre gennaio-febbraio"));
        figlio<QLineEdit>(w, "txtPagatore")->setText(QStringLiteral("Maria Rossi"));
        testDialogs().expectMessage(
            Kind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        figlio(w, "cmdSalva")->click();
        QCOMPARE(w->Posizione(), QStringLiteral("4"));

        TArchivioSchede store(luce);
        store.Apri(TArchivioSchede::Accesso::SoloLettura);
        QCOMPARE(store.Conta(), 4);
        const Scheda s = store.Leggi(4);
        store.Chiudi();
        QCOMPARE(s.testo("Numero"), QStringLiteral("2025/0001234"));
        QCOMPARE(s.testo("DataEmi"), QStringLiteral("01/03/2025"));
        QCOMPARE(s.testo("DataSca"), QStringLiteral("31/03/2025"));
        QCOMPARE(s.testo("Prezzo"), QStringLiteral("158,30"));
        QCOMPARE(s.testo("Beneficiario"), QStringLiteral("Enel Energia"));
        QCOMPARE(s.testo("Estremi"), QStringLiteral("Avviso pagoPA 301000000012345678"));
        w->hide();
    }

    // The whole way with the program's own reading, as the user takes it: a
    // PDF bill loaded from the photo's menu, read at once, applied, saved.
    // Every field of the bill reaches the record.
    void aPdfBillReadIntoTheSavedCard()
    {
        TempProgramFolder folder;
        const Categoria& luce = cat("Luce");
        const SampleBill::Data bill;
        {
            TArchivioSchede store(luce);
            store.Apri(TArchivioSchede::Accesso::Scrittura);
            Scheda s = store.nuovaScheda();
            s.imposta("Beneficiario", bill.supplier);
            store.Aggiungi(s);
            store.Chiudi();
        }
        AppWindows app;
        TfrmArchivio* w = app.archive(luce);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));

        const QString pdf = folder.file(QStringLiteral("bolletta.pdf"));
        QVERIFY(SampleBill::writePdf(pdf));
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(QStringLiteral("Allegare anche il documento PDF alla scheda?"), Answer::No);
        testDialogs().expectQuestion(QStringLiteral("Leggere i dati dalla bolletta?"), Answer::Yes);
        int rows = 0;
        allApertura([&rows](QDialog* d) {
            auto* grid = figlio<QTableWidget>(d, "grdDati");
            QTRY_VERIFY_WITH_TIMEOUT(grid->isVisible(), 20000);
            rows = grid->rowCount();
            figlio(d, "btnApplica")->click();
        });
        w->findChild<QAction*>(QStringLiteral("actCaricaPdf"))->trigger();
        QCOMPARE(rows, 10);
        QCOMPARE(figlio<QLabel>(w, "panInfo")->text(),
            QStringLiteral("Sono stati compilati 10 campi dalla bolletta: controllarli prima di salvare."));

        // What the user still types; the rest came from the bill.
        figlio<QLineEdit>(w, "txtCausale")->setText(QStringLiteral("Bimestre gennaio-febbraio"));
        figlio<QLineEdit>(w, "txtPagatore")->setText(QStringLiteral("Maria Rossi"));
        testDialogs().expectMessage(
            Kind::Information, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        figlio(w, "cmdSalva")->click();
        QVERIFY(testDialogs().verify());

        TArchivioSchede store(luce);
        store.Apri(TArchivioSchede::Accesso::SoloLettura);
        const Scheda s = store.Leggi(2);
        store.Chiudi();
        const QList<QPair<const char*, QString>> expected = {
            {"Numero", bill.number},
            {"DataEmi", bill.issueDate},
            {"DataSca", bill.dueDate},
            {"Periodo", bill.period},
            {"CodCliente", bill.customerCode},
            {"CC", bill.iban},
            {"CodFisc", bill.payerCode},
            {"Prezzo", bill.amount},
            {"Beneficiario", bill.supplier},
            {"Estremi", QStringLiteral("Avviso pagoPA ") + bill.noticeCode},
        };
        for (const auto& [field, value] : expected)
            QCOMPARE(s.testo(field), value);
        w->hide();
    }

    // The document stays with the picture it gave, and goes with it.
    void theDocumentGoesWithThePicture()
    {
        TempProgramFolder folder;
        Schermo screen(cat("Gas"));
        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::white), QStringLiteral("/bollette/gas.pdf"));
        QCOMPARE(screen.w.DocumentoFoto(), QStringLiteral("/bollette/gas.pdf"));
        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::gray));
        QCOMPARE(screen.w.DocumentoFoto(), QString());
        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::white), QStringLiteral("/bollette/gas.pdf"));
        screen.w.PulisciScheda();
        QCOMPARE(screen.w.DocumentoFoto(), QString());
        screen.w.ImpostaFoto(tinta(QSize(300, 400), Qt::white), QStringLiteral("/bollette/gas.pdf"));
        screen.w.CancellaFoto();
        QCOMPARE(screen.w.DocumentoFoto(), QString());
    }
};

TESSARIA_TEST_MAIN(TestLeggiBolletta)
#include "test_leggi_bolletta.moc"
