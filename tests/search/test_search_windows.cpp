// The search window and the unpaid summary driven through an archive screen's
// own buttons, with real record files in a temporary program folder.

#include "Faults.h"
#include "SearchFixtures.h"
#include "TestSupport.h"
#include "archive/PhotoFiles.h"
#include "editor/TfrmArchivio.h"
#include "search/Filters.h"
#include "search/LineModel.h"
#include "search/ResultLine.h"
#include "search/ResultPanel.h"
#include "search/TfrmSospesi.h"
#include "search/TfrmTrova.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>

using Kind = Dialogs::Kind;

namespace {

const QString AccessMessage = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                             "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                             "installazione del programma.");
const QString EmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString Saved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// The archive screen the user has in front of them.
// An archive screen whose magnifier and hand-and-coin open this room's
// windows, as the application connects them.
struct Screen {
    explicit Screen(const Categoria& c)
        : w(c)
    {
        QObject::connect(&w, &TfrmArchivio::searchRequested, &w, [this] { TfrmTrova::Mostra(w); });
        QObject::connect(&w, &TfrmArchivio::unpaidSummaryRequested, &w, [this] { TfrmSospesi::Mostra(w); });
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    QPushButton* command(const char* name) { return w.findChild<QPushButton*>(QLatin1String(name)); }
    QString position() { return w.Posizione(); }
    TfrmArchivio w;
};

// Presses an archive-screen command that opens a modal window of type W, runs
// fn on it while it is open, and closes it if fn left it open.
template <typename W> bool drive(Screen& s, const char* command, const std::function<void(W&)>& fn)
{
    bool seen = false;
    onNextModal([&](QWidget* modal) {
        auto* w = qobject_cast<W*>(modal);
        if (!w) {
            modal->close();
            return;
        }
        seen = true;
        QApplication::setActiveWindow(w);
        (void)QTest::qWaitForWindowActive(w);
        fn(*w);
        if (w->isVisible())
            w->reject();
    });
    s.command(command)->click();
    return seen;
}

QString text(QWidget* w, const char* name)
{
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QLineEdit* edit(QWidget* w, const QString& name)
{
    return w->findChild<QLineEdit*>(name);
}

QWidget* widget(QWidget* w, const char* name)
{
    return w->findChild<QWidget*>(QLatin1String(name));
}

void click(QWidget* w, const char* name)
{
    auto* b = w->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(b, name);
    b->click();
}

// Fills the filters of an open search window and presses "Cerca".
void search(TfrmTrova& t, const QList<std::pair<QString, QString>>& filters = {})
{
    for (const auto& [name, value] : filters)
        edit(&t, name)->setText(value);
    click(&t, "btnCerca");
}

// As a user double-clicks: the first press selects, the second is the
// double-click.
void doubleClickAt(QListView* list, const QPoint& where)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

void doubleClickRow(ResultPanel* panel, int row)
{
    QListView* list = panel->list();
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    doubleClickAt(list, list->visualRect(index).center());
}

QString bills(const Categoria& c, const Campi& campi, ListKind kind = ListKind::Search)
{
    return ResultLine(c, kind)(card(c, campi).vista());
}

Campi luce(const char* numero, const char* pagatore, const char* prezzo, const char* segnala = "No")
{
    return {{"Numero", numero}, {"Pagatore", pagatore}, {"Prezzo", prezzo}, {"DataSca", "31/03/2024"},
        {"Beneficiario", "Enel"}, {"Causale", "Bimestre"}, {"Segnala", segnala}, {"Note", "nota"}};
}

} // namespace

class TestSearchWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // The magnifier opens the category's search window on its filter panel.
    void filterPanel_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("second"); // the second filter in Enter order
        QTest::addColumn<QString>("firstLabel");
        QTest::newRow("Luce") << "Luce"
                              << " Trova bollette luce in archivio"
                              << "txtBeneficiario"
                              << "Bolletta / Fattura n.";
        QTest::newRow("Tasse") << "Tasse"
                               << " Trova tasse in archivio"
                               << "txtBeneficiario"
                               << "Tipologia tassa:";
        QTest::newRow("Acquisti") << "Acquisti"
                                  << " Trova acquisti in archivio"
                                  << "txtAttivita"
                                  << "Scontrino / Fattura n.";
    }

    void filterPanel()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, caption);
        QFETCH(QString, second);
        QFETCH(QString, firstLabel);
        TempProgramFolder folder;
        Screen s(cat(chiave));
        const bool opened = drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            QCOMPARE(t.objectName(), QStringLiteral("frmTrova") + chiave);
            QCOMPARE(t.windowTitle(), caption);
            QCOMPARE(t.size(), QSize(862, 560));
            QVERIFY(widget(&t, "panAvvio")->isVisible());
            QVERIFY(!widget(&t, "panContainer")->isVisible());
            QVERIFY(!widget(&t, "lblAttendere")->isVisible());
            QCOMPARE(text(&t, "lblMemory"), cat(chiave).Sigla);
            QCOMPARE(text(&t, "lblConta"), QStringLiteral("0"));
            QCOMPARE(text(&t, "lblCampo01"), firstLabel);
            QCOMPARE(text(&t, "lblRigo05"), QStringLiteral("Lasciare in bianco tutti gli altri campi."));

            // Enter walks the ten filters and comes back to the first; only
            // the focused one shows its highlight.
            const QList<FilterField> fields = filtersFor(cat(chiave));
            QCOMPARE(fields.at(1).edit, second);
            QCOMPARE(QApplication::focusWidget(), edit(&t, fields.at(0).edit));
            for (int i = 0; i <= fields.size(); ++i) {
                const FilterField& f = fields.at(i % fields.size());
                QLineEdit* e = edit(&t, f.edit);
                QVERIFY2(e, qPrintable(f.edit));
                QCOMPARE(QApplication::focusWidget(), e);
                QVERIFY(widget(&t, qPrintable(f.highlight))->isVisible());
                QVERIFY(!widget(&t, qPrintable(fields.at((i + 1) % fields.size()).highlight))->isVisible());
                QTest::keyClick(e, Qt::Key_Return);
            }
            QVERIFY(widget(&t, "panAvvio")->isVisible()); // Enter never searched
        });
        QVERIFY(opened);
    }

    // "Cerca" lists the matching cards sorted, counts them, swaps the panels
    // and leaves the focus in the empty find box.
    void searchLists_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QList<int>>("cards"); // 1-based, in the expected order
        QTest::newRow("every filter blank") << "txtNote"
                                            << "" << QList<int> {4, 2, 1, 3};
        QTest::newRow("ROSSI finds Rossi") << "txtPagatore"
                                           << "ROSSI" << QList<int> {2, 1};
        QTest::newRow("amount 12 finds 112,50") << "txtPrezzo"
                                                << "12" << QList<int> {2};
        QTest::newRow("blanks only count as blank") << "txtCausale"
                                                    << "   " << QList<int> {4, 2, 1, 3};
        QTest::newRow("no card matches") << "txtNumero"
                                         << "zzz" << QList<int> {};
    }

    void searchLists()
    {
        QFETCH(QString, filter);
        QFETCH(QString, value);
        QFETCH(QList<int>, cards);
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Luce"));
        const QList<Campi> stored = {luce("F-10", "Mario Rossi", "20,00"), luce("F-02", "Anna Rossi", "112,50"),
            luce("f-3", "Luca Bianchi", "7,00"), luce("E-99", "Paolo Verdi", "1,00")};
        QList<Scheda> schede;
        for (const Campi& campi : stored)
            schede << card(c, campi);
        store(c, schede);

        Screen s(c);
        const bool opened = drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            search(t, {{filter, value}});
            QVERIFY(!widget(&t, "panAvvio")->isVisible());
            QVERIFY(widget(&t, "panContainer")->isVisible());
            QStringList expected;
            for (int n : cards)
                expected << bills(c, stored.at(n - 1));
            QCOMPARE(t.results()->lines().toStringList(), expected);
            QCOMPARE(
                text(&t, "lblTrovate"), QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(cards.size()));
            QCOMPARE(text(&t, "lblConta"), QString::number(value.trimmed().isEmpty() ? 0 : 1));
            QLineEdit* find = edit(&t, QStringLiteral("txtTrova"));
            QVERIFY(find->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), find);

            // Lines are drawn in a monospaced face, all of one size.
            auto* list = t.findChild<QListView*>(QStringLiteral("lstRecords"));
            QVERIFY(list->uniformItemSizes());
            if (!cards.isEmpty()) {
                const QModelIndex first = list->model()->index(0, 0);
                QCOMPARE(first.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
                QCOMPARE(first.data(Qt::SizeHintRole).toSize().width(), 1600);
            }
        });
        QVERIFY(opened);
    }

    // The wait label shows on the mouse-down, before the search itself.
    void waitLabelOnMouseDown()
    {
        TempProgramFolder folder;
        Screen s(cat(QStringLiteral("Gas")));
        drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            QWidget* cerca = widget(&t, "btnCerca");
            QTest::mousePress(cerca, Qt::LeftButton);
            QVERIFY(widget(&t, "lblAttendere")->isVisible());
            QVERIFY(widget(&t, "panAvvio")->isVisible());
            QVERIFY(!QFile::exists(folder.file(QStringLiteral("Archivio_Gas.pro"))));
            QTest::mouseRelease(cerca, Qt::LeftButton);
            // A missing record file is created empty, and the list is empty.
            QVERIFY(widget(&t, "panContainer")->isVisible());
            QCOMPARE(QFileInfo(folder.file(QStringLiteral("Archivio_Gas.pro"))).size(), 0);
            QCOMPARE(text(&t, "lblTrovate"), QStringLiteral("Il presente riepilogo contiene 0 schede."));
            testDialogs().expectPlain(EmptyList);
            click(&t, "btnTrova");
        });
    }

    // A record file that cannot be opened: the message, the filter panel
    // stays with the wait label, ready for another try, and nothing stored
    // beside it changes.
    void accessFailure()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Archivio_Varie.pro")));
        const Categoria& other = cat(QStringLiteral("Luce"));
        store(other, {card(other, luce("1", "Rossi", "1,00"))});
        const auto before = folderContents(folder.path());
        Screen s(cat(QStringLiteral("Varie")));
        drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            testDialogs().expectPlain(AccessMessage);
            QTest::mouseClick(widget(&t, "btnCerca"), Qt::LeftButton);
            QVERIFY(testDialogs().verify());
            QVERIFY(widget(&t, "panAvvio")->isVisible());
            QVERIFY(!widget(&t, "panContainer")->isVisible());
            QVERIFY(widget(&t, "lblAttendere")->isVisible());
            const auto after = folderContents(folder.path());
            QVERIFY2(after == before, qPrintable(contentsDifference(before, after)));

            QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Archivio_Varie.pro")));
            click(&t, "btnCerca");
            QVERIFY(widget(&t, "panContainer")->isVisible());
        });
    }

    // "Trova" from the keyboard: Enter in the find box moves to the button,
    // Enter on the button finds; repeated finds walk and wrap; a new text
    // starts again; the last find text is forgotten when a window opens.
    void findInList()
    {
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Rifiuti"));
        store(c,
            {card(c, luce("1", "Rossi", "1,00")), card(c, luce("2", "Bianchi", "2,00")),
                card(c, luce("3", "Rossi", "3,00")), card(c, luce("4", "Verdi", "4,00"))});
        Screen s(c);
        for (int opening = 0; opening < 2; ++opening) {
            drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
                search(t);
                ResultPanel* r = t.results();
                QLineEdit* find = edit(&t, QStringLiteral("txtTrova"));
                QWidget* trova = widget(&t, "btnTrova");
                QCOMPARE(r->selectedRow(), -1);
                QTest::keyClicks(find, QStringLiteral("ROSSI"));
                QTest::keyClick(find, Qt::Key_Return);
                QCOMPARE(QApplication::focusWidget(), trova);
                QCOMPARE(r->selectedRow(), -1); // Enter only moved the focus

                QList<int> walk;
                for (int press = 0; press < 3; ++press) {
                    QTest::keyClick(trova, Qt::Key_Return);
                    walk << r->selectedRow();
                }
                QCOMPARE(walk, (QList<int> {0, 2, 0}));

                find->setText(QStringLiteral("verdi"));
                click(&t, "btnTrova");
                QCOMPARE(r->selectedRow(), 3);
                click(&t, "btnTrova");
                QCOMPARE(r->selectedRow(), 3); // the only match stays selected
                find->setText(QStringLiteral("neri"));
                click(&t, "btnTrova");
                QCOMPARE(r->selectedRow(), 3); // nothing found, nothing moves
                find->setText(QStringLiteral("rossi"));
                click(&t, "btnTrova");
                QCOMPARE(r->selectedRow(), 0); // a changed text starts at the top
            });
        }
    }

    // A double-click shows the card in the archive screen, photo and position
    // included, and closes the window. Of two cards with the same line the
    // later one wins.
    void openCard()
    {
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Condominio"));
        QList<Scheda> schede;
        const char* const numeri[] = {"1", "2", "3", "2", "5"}; // cards 2 and 4 give one line
        for (int n = 1; n <= 5; ++n) {
            Campi campi = luce(numeri[n - 1], "Rossi", "9,00");
            campi << std::pair {"Consumi", n == 4 ? "quarta" : "altra"};
            schede << card(c, campi);
        }
        store(c, schede);
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(PhotoFiles::createFolder());
        QVERIFY(PhotoFiles::write(photo, PhotoFiles::path(c, QStringLiteral("4"))));

        Screen s(c);
        bool closed = false;
        drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            search(t, {{QStringLiteral("txtNumero"), QStringLiteral("2")}});
            QCOMPARE(t.results()->lines().size(), 2); // cards 2 and 4, the same line
            doubleClickRow(t.results(), 1);
            closed = !t.isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(s.position(), QStringLiteral("4"));
        QCOMPARE(s.w.Campo(QStringLiteral("Consumi"))->text(), QStringLiteral("quarta"));
        QVERIFY(!s.w.FotoSegnaposto());
        QCOMPARE(s.w.Foto().size(), QSize(64, 48));

        // With nothing selected the window just closes.
        s.w.PulisciScheda();
        closed = false;
        drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            search(t);
            QListView* list = t.results()->list();
            doubleClickAt(list, QPoint(10, list->viewport()->height() - 5));
            closed = !t.isVisible();
        });
        QVERIFY(closed);
        QVERIFY(s.position().isEmpty());
    }

    // A search window whose caller tag is not its category's shows nothing.
    void callerTag()
    {
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Luce"));
        store(c, {card(c, luce("1", "Rossi", "1,00"))});
        Screen s(c);
        TfrmTrova t(s.w);
        t.ImpostaTag(QStringLiteral("gas"));
        t.show();
        search(t);
        t.results()->selectRow(0);
        t.lstRecordsDblClick();
        QVERIFY(!t.isVisible());
        QVERIFY(s.position().isEmpty());
    }

    // "Stampa" hands the title and the lines, in list order, to the list
    // report, which asks for a printer first.
    void print()
    {
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Telefono"));
        store(c, {card(c, luce("2", "Rossi", "1,00")), card(c, luce("1", "Rossi", "1,00"))});
        QCOMPARE(TfrmTrova::printTitle(c), QStringLiteral("Riepilogo bollette telefono e Web in archivio"));
        QCOMPARE(TfrmSospesi::printTitle(c), QStringLiteral("Riepilogo bollette telefono e Web da pagare"));
        QCOMPARE(
            TfrmSospesi::printTitle(cat(QStringLiteral("Varie"))), QStringLiteral("Riepilogo pagamenti da saldare"));
        Screen s(c);
        const QString pdf = folder.file(QStringLiteral("lista.pdf"));
        drive<TfrmTrova>(s, "cmdTrova", [&](TfrmTrova& t) {
            search(t);
            QCOMPARE(t.results()->printTitle(), TfrmTrova::printTitle(c));
            const QStringList before = t.results()->lines().toStringList();
            testDialogs().expectPrint(false);
            click(&t, "btnStampa");
            testDialogs().expectPrint(true, [pdf](QPrinter* p) {
                p->setOutputFormat(QPrinter::PdfFormat);
                p->setOutputFileName(pdf);
            });
            click(&t, "btnStampa");
            QCOMPARE(t.results()->lines().toStringList(), before);
        });
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    // The summary lists only the cards marked exactly "Sì", opens one, and
    // once its mark is cleared and saved, leaves it out.
    void summary()
    {
        TempProgramFolder folder;
        const Categoria& c = cat(QStringLiteral("Condominio"));
        const QList<Campi> stored
            = {luce("DOC-2024-000000001", "Rossi", "1,00", "Sì"), luce("B", "Rossi", "2,00", "No"),
                luce("C", "Rossi", "3,00", "si"), luce("D", "Rossi", "4,00", "Sì"), luce("E", "Rossi", "5,00", "")};
        QList<Scheda> schede;
        for (const Campi& campi : stored)
            schede << card(c, campi);
        store(c, schede);

        Screen s(c);
        QVERIFY(drive<TfrmSospesi>(s, "cmdSegnalati", [&](TfrmSospesi& w) {
            QCOMPARE(w.objectName(), QStringLiteral("frmSospesi_Condominio"));
            QCOMPARE(w.windowTitle(), QStringLiteral(" Riepilogo spese condominiali da saldare"));
            QVERIFY(!w.findChild<QLabel*>(QStringLiteral("lblTrovate")));
            // "D " sorts before "DOC".
            QCOMPARE(w.results()->lines().toStringList(),
                (QStringList {bills(c, stored[3], ListKind::Unpaid), bills(c, stored[0], ListKind::Unpaid)}));
            QVERIFY(w.results()->lines().at(1).startsWith(QStringLiteral("Doc. n. DOC-2024-0000000  Scad.")));
            QCOMPARE(QApplication::focusWidget(), edit(&w, QStringLiteral("txtTrova")));
            doubleClickRow(w.results(), 0);
        }));
        QCOMPARE(s.position(), QStringLiteral("4"));
        QVERIFY(s.w.findChild<QCheckBox*>(QStringLiteral("chkSegnala"))->isChecked());

        s.w.findChild<QCheckBox*>(QStringLiteral("chkSegnala"))->setChecked(false);
        testDialogs().expectMessage(Kind::Information, Saved);
        s.command("cmdSalva")->click();
        QVERIFY(drive<TfrmSospesi>(s, "cmdSegnalati", [&](TfrmSospesi& w) {
            QCOMPARE(w.results()->lines().toStringList(), QStringList {bills(c, stored[0], ListKind::Unpaid)});
        }));
    }

    // No file: created empty, the list is empty and "Trova" says so.
    void summaryEmpty()
    {
        TempProgramFolder folder;
        Screen s(cat(QStringLiteral("Acquisti")));
        QVERIFY(drive<TfrmSospesi>(s, "cmdSegnalati", [&](TfrmSospesi& w) {
            QVERIFY(QFile::exists(folder.file(QStringLiteral("Archivio_Acquisti.pro"))));
            QVERIFY(w.results()->lines().isEmpty());
            testDialogs().expectPlain(EmptyList);
            click(&w, "btnTrova");
            click(&w, "btnChiudi");
            QVERIFY(!w.isVisible());
        }));
    }
};

TESSARIA_TEST_MAIN(TestSearchWindows)
#include "test_search_windows.moc"
