// The list of what is due across the ten archives, the menu's strip and the
// reminder after login, through the real windows.

#include "HouseholdFixtures.h"
#include "TestSupport.h"
#include "app/AppWindows.h"
#include "app/PasswordStore.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "editor/TfrmArchivio.h"
#include "household/DuePayments.h"
#include "household/TfrmScadenze.h"
#include "ui/Palette.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace fixtures;
using Kind = Dialogs::Kind;

namespace {

const QString Modificata = QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione.");

// The window opened and shown as the menu opens it.
struct Window {
    Window()
    {
        w.show();
        QApplication::processEvents();
    }
    QTableView* table() { return child<QTableView>(&w, QStringLiteral("grdScadenze")); }
    QString label(const char* name) { return child<QLabel>(&w, QString::fromLatin1(name))->text(); }
    TfrmScadenze w {nullptr};
};

} // namespace

class TestScadenze : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;

private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        folder_ = std::make_unique<TempProgramFolder>();
        ProgramFolder::set(folder_->path());
        Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    }
    void cleanup()
    {
        Clock::pin({});
        ProgramFolder::set(QString());
        folder_.reset();
        QVERIFY(testDialogs().verify());
    }

    // Dated cards first, oldest first (equal dates by archive, then
    // position), then the undated ones by archive and position; paid cards
    // and marks other than "Sì" left out; colours by how late.
    void orderStatesAndColours()
    {
        append(cat("Luce"),
            {bill(cat("Luce"), "L1", "20/03/2024"), bill(cat("Luce"), "L2", "04/03/2024"),
                card(cat("Luce"), {{"Numero", "paid"}, {"DataSca", "01/01/2024"}, {"Segnala", "No"}}),
                card(cat("Luce"), {{"Numero", "lower"}, {"DataSca", "01/01/2024"}, {"Segnala", "s\u00EC"}}),
                bill(cat("Luce"), "L5", "31/02/2024"), bill(cat("Luce"), "L6", "21/03/2024")});
        append(cat("Gas"), {bill(cat("Gas"), "G1", "04/03/2024"), bill(cat("Gas"), "G2", "")});
        append(cat("Acquisti"),
            {card(cat("Acquisti"),
                {{"Numero", "A1"}, {"DataEmi", "01/03/2024"}, {"Attivita", "Negozio"}, {"Prodotti", "Forno"},
                    {"Prezzo", "99,00"}, {"Segnala", "S\u00EC"}})});
        append(cat("Varie"), {bill(cat("Varie"), "V1", "2024-03-01"), bill(cat("Varie"), "V2", "05/03/2024")});

        Window s;
        QCOMPARE(cells(s.table()->model()),
            (QStringList {
                "Luce | 04/03/2024 | Scaduta da 1 giorno |  |  | 10,00 | 2",
                "Gas | 04/03/2024 | Scaduta da 1 giorno |  |  | 10,00 | 1",
                "Varie | 05/03/2024 | Scade oggi |  |  | 10,00 | 2",
                "Luce | 20/03/2024 | Scade tra 15 giorni |  |  | 10,00 | 1",
                "Luce | 21/03/2024 | Scade tra 16 giorni |  |  | 10,00 | 6",
                "Luce | 31/02/2024 | Senza scadenza |  |  | 10,00 | 5",
                "Gas |  | Senza scadenza |  |  | 10,00 | 2",
                "Acquisti |  | Senza scadenza | Negozio | Forno | 99,00 | 1",
                "Varie | 2024-03-01 | Senza scadenza |  |  | 10,00 | 1",
            }));
        const QAbstractItemModel* m = s.table()->model();
        auto colour = [m](int row) { return m->index(row, 2).data(Qt::ForegroundRole).value<QColor>(); };
        QCOMPARE(colour(0), Palette::Crimson);
        QCOMPARE(colour(2), Palette::DarkOrange);
        QCOMPARE(colour(3), Palette::DarkOrange);
        QCOMPARE(colour(4), QColor(Qt::black));
        QCOMPARE(colour(5), QColor(Qt::black));
        QCOMPARE(s.label("lblTotale"), QStringLiteral("Totale da pagare: € 179,00"));
        QCOMPARE(s.label("lblAvvisi"), QString());
    }

    void total_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("text");
        QTest::newRow("thousands") << QStringList {"4.000,00", "193,54"} << "Totale da pagare: € 4.193,54";
        QTest::newRow("one unreadable") << QStringList {"12.50", "circa 30"}
                                        << "Totale da pagare: € 12,50 (1 importo non leggibile)";
        QTest::newRow("two unreadable") << QStringList {"", "1,2,3", "-2,50", "EUR 5"}
                                        << "Totale da pagare: € 2,50 (2 importi non leggibili)";
        QTest::newRow("nothing due") << QStringList {} << "Totale da pagare: € 0,00";
    }
    void total()
    {
        QFETCH(QStringList, amounts);
        TArchivioSchede a(cat("Tasse"));
        a.Apri(TArchivioSchede::Accesso::Scrittura);
        for (const QString& amount : std::as_const(amounts))
            a.Aggiungi(bill(cat("Tasse"), "T", "01/06/2024", amount.toUtf8().constData()));
        a.Chiudi();
        Window s;
        QTEST(s.label("lblTotale"), "text");
    }

    void stripText_data()
    {
        QTest::addColumn<int>("late");
        QTest::addColumn<int>("near");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0 << 0 << "Nessun pagamento in scadenza";
        QTest::newRow("one late") << 1 << 0 << "1 pagamento scaduto";
        QTest::newRow("late and near") << 3 << 1 << "3 pagamenti scaduti, 1 in scadenza nei prossimi 15 giorni";
        QTest::newRow("near only") << 0 << 2 << "2 in scadenza nei prossimi 15 giorni";
    }
    void stripText()
    {
        QFETCH(int, late);
        QFETCH(int, near);
        QTEST(DuePayments::stripText({late, near}), "text");
    }

    // The strip's cheap count agrees with the list's states: the 15th day
    // is near, the 16th is not, undated and paid cards count nothing.
    void countsAgreeWithTheList()
    {
        append(cat("Acqua"),
            {bill(cat("Acqua"), "1", "04/03/2024"), bill(cat("Acqua"), "2", "20/03/2024"),
                bill(cat("Acqua"), "3", "21/03/2024"), bill(cat("Acqua"), "4", "30/02/2024"),
                bill(cat("Acqua"), "5", " 05/03/2024 "),
                card(cat("Acqua"), {{"DataSca", "01/01/2020"}, {"Segnala", "No"}})});
        const DuePayments::Counts c = DuePayments::counts(Clock::today());
        QCOMPARE(c.late, 1);
        QCOMPARE(c.near, 2);
    }

    // A folder where an archive's file should be: that archive is named and
    // left out, the others are listed, and no missing archive is created.
    void unreadableArchiveIsNamed()
    {
        append(cat("Luce"), {bill(cat("Luce"), "L1", "01/03/2024")});
        QVERIFY(QDir(folder_->path()).mkdir(cat("Telefono").FileArchivio()));
        const QStringList before = QDir(folder_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        Window s;
        QCOMPARE(s.label("lblAvvisi"), QStringLiteral("Non è stato possibile leggere l'archivio Telefono e Web."));
        QCOMPARE(s.table()->model()->rowCount(), 1);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    // A card changed by someone else after it was listed: the warning, no
    // card chosen, and the list read again.
    void modifiedCardIsNotOpened()
    {
        append(cat("Gas"), {bill(cat("Gas"), "G1", "01/03/2024"), bill(cat("Gas"), "G2", "02/03/2024")});
        Window s;
        rewrite(cat("Gas"), 1, bill(cat("Gas"), "G1 bis", "03/03/2024"));
        testDialogs().expectMessage(Kind::Warning, Modificata);
        doubleClickRow(s.table(), 0);
        QVERIFY(testDialogs().verify());
        QVERIFY(!s.w.chosen());
        QVERIFY(s.w.isVisible());
        QCOMPARE(s.table()->model()->index(1, 1).data().toString(), QStringLiteral("03/03/2024"));
    }

    void printsTheList()
    {
        append(cat("Luce"), {bill(cat("Luce"), "L1", "01/03/2024")});
        Window s;
        testDialogs().expectPrint(false);
        child<QPushButton>(&s.w, QStringLiteral("btnStampa"))->click();
        QCOMPARE(DuePayments::printTitle(Clock::today()), QStringLiteral("Scadenze dei pagamenti al 05/03/2024"));
    }
};

// Login, the reminder, opening a card and coming back to the menu, as the
// program runs them.
class TestScadenzeFlow : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<AppWindows> app_;

    QLabel* strip() { return child<QLabel>(app_->menu(), QStringLiteral("lblScadenze")); }
    void login()
    {
        app_->start();
        child<QLineEdit>(app_->login(), QStringLiteral("txtPassword"))->setText(QStringLiteral("sole"));
        child<QPushButton>(app_->login(), QStringLiteral("cmdOK"))->click();
    }

private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        folder_ = std::make_unique<TempProgramFolder>();
        ProgramFolder::set(folder_->path());
        QVERIFY(PasswordStore::storePassword(QStringLiteral("SOLE")));
        Clock::pin(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
        app_ = std::make_unique<AppWindows>();
    }
    void cleanup()
    {
        app_.reset();
        Clock::pin({});
        ProgramFolder::set(QString());
        folder_.reset();
        QVERIFY(testDialogs().verify());
    }

    // A late card: the list opens by itself over the menu; a double-click
    // shows that card at its position in its archive screen; saving it paid
    // and closing the screen brings the menu back with the strip counted
    // again, and the list does not open a second time.
    void reminderOpensTheCardOnce()
    {
        const Categoria& rifiuti = cat("Rifiuti");
        append(rifiuti,
            {bill(rifiuti, "R1", "10/06/2024"),
                card(rifiuti,
                    {{"Numero", "R2"}, {"Beneficiario", "Comune"}, {"DataSca", "01/03/2024"}, {"Causale", "TARI"},
                        {"Pagatore", "Maria Rossi"}, {"Prezzo", "96,00"}, {"Segnala", "S\u00EC"}})});
        append(cat("Gas"), {bill(cat("Gas"), "G1", "10/03/2024")});

        bool reminded = false;
        onNextModal([&](QWidget* w) {
            reminded = true;
            QCOMPARE(w->objectName(), QStringLiteral("frmScadenze"));
            QCOMPARE(w->parentWidget(), app_->menu());
            QVERIFY(app_->menu()->isVisible());
            auto* table = child<QTableView>(w, QStringLiteral("grdScadenze"));
            QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("Rifiuti"));
            doubleClickRow(table, 0);
        });
        login();
        QTRY_VERIFY(reminded);
        TfrmArchivio* a = app_->archive(rifiuti);
        QTRY_VERIFY(a->isVisible());
        QVERIFY(!app_->menu()->isVisible());
        QCOMPARE(child<QLineEdit>(a, QStringLiteral("txtNumero"))->text(), QStringLiteral("R2"));
        QCOMPARE(child<QLabel>(a, QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
        QCOMPARE(strip()->text(), QStringLiteral("1 pagamento scaduto, 1 in scadenza nei prossimi 15 giorni"));
        QVERIFY(strip()->styleSheet().contains(Palette::Crimson.name()));

        child<QCheckBox>(a, QStringLiteral("chkSegnala"))->setChecked(false);
        testDialogs().expectMessage(Kind::Information,
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        child<QPushButton>(a, QStringLiteral("cmdSalva"))->click();
        child<QPushButton>(a, QStringLiteral("cmdEsci"))->click();
        QTRY_VERIFY(app_->menu()->isVisible());
        QCOMPARE(strip()->text(), QStringLiteral("1 in scadenza nei prossimi 15 giorni"));
        QVERIFY(!strip()->styleSheet().contains(Palette::Crimson.name()));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // Clicking the strip opens the list again.
        bool opened = false;
        onNextModal([&](QWidget* w) {
            opened = w->objectName() == QLatin1String("frmScadenze");
            child<QPushButton>(w, QStringLiteral("btnChiudi"))->click();
        });
        QTest::mouseClick(strip(), Qt::LeftButton);
        QVERIFY(opened);
        QVERIFY(app_->menu()->isVisible());
    }

    // Nothing late or near (only a far and an undated bill): no list
    // opens, and the strip says so.
    void nothingDueOpensNothing()
    {
        append(cat("Luce"), {bill(cat("Luce"), "L1", "30/06/2024"), bill(cat("Luce"), "L2", "")});
        login();
        QTRY_VERIFY(app_->menu()->isVisible());
        QTRY_COMPARE(strip()->text(), QStringLiteral("Nessun pagamento in scadenza"));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

int main(int argc, char** argv)
{
    useOffscreenScreens(DesktopScreen);
    QApplication app(argc, argv);
    TestScadenze windows;
    TestScadenzeFlow flow;
    const int failed = runTessariaTest(argc, argv, &windows);
    return failed + runTessariaTest(argc, argv, &flow);
}

#include "test_scadenze.moc"
