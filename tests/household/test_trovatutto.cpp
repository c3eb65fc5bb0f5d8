// The search in every archive: what it finds, how it counts, and opening a
// found card in its archive screen from the menu.

#include "HouseholdFixtures.h"
#include "TestSupport.h"
#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "editor/TfrmArchivio.h"
#include "household/TfrmTrovaTutto.h"
#include "search/ResultLine.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace fixtures;

class TestTrovaTutto : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<AppWindows> app_;

    // A note in Luce, an attachment's description in Acquisti, and a card
    // that has the word only split over two fields.
    void archives()
    {
        append(cat("Luce"),
            {card(cat("Luce"), {{"Numero", "L1"}, {"Note", "Ricevuta nel raccoglitore"}}),
                card(cat("Luce"),
                    {{"Numero", "L2"}, {"Causale", "ricev"}, {"Consumi", "uta"}, {"Periodo", "raccoglitore blu"}}),
                card(cat("Luce"), {{"Numero", "L3"}, {"File01", "C:\\Ricevute\\luce.pdf"}})});
        append(cat("Acquisti"),
            {card(cat("Acquisti"), {{"Numero", "A1"}}),
                card(cat("Acquisti"), {{"Numero", "A2"}, {"Desc01", "La RICEVUTA del forno"}})});
    }
    QString search(QWidget* w, const QString& text)
    {
        child<QLineEdit>(w, QStringLiteral("txtCerca"))->setText(text);
        child<QPushButton>(w, QStringLiteral("btnCerca"))->click();
        return child<QLabel>(w, QStringLiteral("lblTrovate"))->text();
    }

private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        folder_ = std::make_unique<TempProgramFolder>();
        ProgramFolder::set(folder_->path());
        app_ = std::make_unique<AppWindows>();
        app_->menu()->show();
    }
    void cleanup()
    {
        app_.reset();
        ProgramFolder::set(QString());
        folder_.reset();
        QVERIFY(testDialogs().verify());
    }

    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("two archives") << "ricevut"
                                      << "Trovate 3 schede in 2 archivi."
                                      << QStringList {"Luce L1", "Luce L3", "Acquisti A2"};
        QTest::newRow("one card") << "forno"
                                  << "Trovata 1 scheda in 1 archivio." << QStringList {"Acquisti A2"};
        QTest::newRow("capital typed") << "L"
                                       << "Trovate 4 schede in 2 archivi."
                                       << QStringList {"Luce L1", "Luce L2", "Luce L3", "Acquisti A2"};
        QTest::newRow("one archive") << "raccoglitore"
                                     << "Trovate 2 schede in 1 archivio." << QStringList {"Luce L1", "Luce L2"};
        QTest::newRow("across fields") << "ricevuta"
                                       << "Trovate 2 schede in 2 archivi." << QStringList {"Luce L1", "Acquisti A2"};
        QTest::newRow("nothing") << "bolletta del gas"
                                 << "Nessuna scheda trovata." << QStringList {};
        QTest::newRow("empty") << ""
                               << "Scrivere una o più parole da cercare." << QStringList {};
        QTest::newRow("blanks") << "   "
                                << "Scrivere una o più parole da cercare." << QStringList {};
        QTest::newRow("not in a record") << "ricevuta \u20AC\u4E2D"
                                         << "Nessuna scheda trovata." << QStringList {};
    }
    void counts()
    {
        archives();
        QFETCH(QString, text);
        TfrmTrovaTutto w(app_->menu());
        w.show();
        QTEST(search(&w, text), "found");
        QStringList rows;
        const QAbstractItemModel* m = child<QTableView>(&w, QStringLiteral("grdRisultati"))->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            const QString line = m->index(r, 1).data().toString();
            rows << m->index(r, 0).data().toString() + QLatin1Char(' ') + line.section(QLatin1Char(' '), 1, 1);
        }
        QTEST(rows, "rows");
    }

    // Within one archive the search screen's order of lines, not the file's.
    void linesInTheSearchOrder()
    {
        append(cat("Gas"),
            {card(cat("Gas"), {{"Numero", "b"}, {"Note", "x"}}), card(cat("Gas"), {{"Numero", "A"}, {"Note", "x"}})});
        TfrmTrovaTutto w(app_->menu());
        w.show();
        search(&w, QStringLiteral("x"));
        const QAbstractItemModel* m = child<QTableView>(&w, QStringLiteral("grdRisultati"))->model();
        const ResultLine line(cat("Gas"), ListKind::Search);
        QCOMPARE(m->index(0, 1).data().toString(), line(card(cat("Gas"), {{"Numero", "A"}, {"Note", "x"}}).vista()));
    }

    void unreadableArchiveIsNamed()
    {
        archives();
        QVERIFY(QDir(folder_->path()).mkdir(cat("Tasse").FileArchivio()));
        TfrmTrovaTutto w(app_->menu());
        w.show();
        QCOMPARE(search(&w, QStringLiteral("ricevuta")), QStringLiteral("Trovate 2 schede in 2 archivi."));
        QCOMPARE(child<QLabel>(&w, QStringLiteral("lblAvvisi"))->text(),
            QStringLiteral("Non è stato possibile leggere l'archivio Tasse."));
    }

    // From the menu's icon: each found card opens at its position in its
    // own archive screen, and the window closes.
    void opensEachFoundCard_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("position");
        QTest::newRow("a note in Luce") << 0 << "Luce"
                                        << "L1"
                                        << "1";
        QTest::newRow("an attachment in Acquisti") << 1 << "Acquisti"
                                                   << "A2"
                                                   << "2";
    }
    void opensEachFoundCard()
    {
        QFETCH(int, row);
        QFETCH(QString, archive);
        archives();
        bool seen = false;
        onNextModal([&](QWidget* w) {
            seen = w->objectName() == QLatin1String("frmTrovaTutto");
            QCOMPARE(w->parentWidget(), app_->menu());
            search(w, QStringLiteral("ricevuta"));
            doubleClickRow(child<QTableView>(w, QStringLiteral("grdRisultati")), row);
        });
        child<QWidget>(app_->menu(), QStringLiteral("imgTrovaTutto"))->setFocus();
        QTest::mouseClick(child<QWidget>(app_->menu(), QStringLiteral("imgTrovaTutto")), Qt::LeftButton);
        QVERIFY(seen);
        TfrmArchivio* a = app_->archive(*Catalogo::PerChiave(archive));
        QVERIFY(a->isVisible());
        QVERIFY(!app_->menu()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QTEST(child<QLineEdit>(a, QStringLiteral("txtNumero"))->text(), "numero");
        QTEST(child<QLabel>(a, QStringLiteral("lblPosizione"))->text(), "position");
    }

    void modifiedCardIsNotOpened()
    {
        archives();
        TfrmTrovaTutto w(app_->menu());
        w.show();
        search(&w, QStringLiteral("forno"));
        rewrite(cat("Acquisti"), 2, card(cat("Acquisti"), {{"Numero", "A2"}, {"Desc01", "Il forno nuovo"}}));
        testDialogs().expectMessage(
            Dialogs::Kind::Warning, QStringLiteral("Attenzione: la scheda è stata modificata da un'altra postazione."));
        doubleClickRow(child<QTableView>(&w, QStringLiteral("grdRisultati")), 0);
        QVERIFY(!w.chosen());
        QCOMPARE(
            child<QLabel>(&w, QStringLiteral("lblTrovate"))->text(), QStringLiteral("Trovata 1 scheda in 1 archivio."));
    }
};

TESSARIA_TEST_MAIN(TestTrovaTutto)
#include "test_trovatutto.moc"
