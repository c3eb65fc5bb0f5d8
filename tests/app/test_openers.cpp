// The windows that the main menu and the archive screens open from other
// libraries, as the application connects them: help, information, presentation,
// export and the code checks.

#include "TestSupport.h"
#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "help/HelpTopics.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace {

struct Visto {
    QString finestra;
    QWidget* proprietario = nullptr;
    QString titolo;
    QString testo;
};

// Runs `apri`, which opens a modal window, notes what the window shows and
// closes it with its own "Chiudi" or "Esci".
Visto apriEChiudi(const std::function<void()>& apri, const std::function<void(QWidget*)>& dentro = {})
{
    Visto v;
    onNextModal([&](QWidget* w) {
        v.finestra = w->objectName();
        v.proprietario = w->parentWidget();
        if (auto* t = w->findChild<QLabel*>(QStringLiteral("lblTitolo")))
            v.titolo = t->text();
        if (auto* t = w->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida")))
            v.testo = t->toPlainText();
        if (dentro)
            dentro(w);
        if (auto* chiudi = w->findChild<QAbstractButton*>(QStringLiteral("btnChiudi")))
            chiudi->click();
        else
            child<QAbstractButton>(w, QStringLiteral("cmdEsci"))->click();
    });
    apri();
    return v;
}

} // namespace

class TestOpeners : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<AppWindows> app_;

    void premi(QWidget* w, const char* nome) { child<QAbstractButton>(w, QString::fromLatin1(nome))->click(); }

private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        folder_ = std::make_unique<TempProgramFolder>();
        app_ = std::make_unique<AppWindows>();
    }
    void cleanup()
    {
        app_.reset();
        folder_.reset();
        QVERIFY(testDialogs().verify());
    }

    void menu()
    {
        TfrmAvvio* m = app_->menu();
        const Visto guida = apriEChiudi([&] { premi(m, "imgGuida"); });
        QCOMPARE(guida.finestra, QStringLiteral("frmGuida"));
        QCOMPARE(guida.proprietario, m);
        QCOMPARE(guida.titolo, HelpTopics::menu().titolo);
        QCOMPARE(guida.testo, HelpTopics::menu().paragrafi.join(QStringLiteral("\n\n")));
        const Visto info = apriEChiudi([&] { premi(m, "imgInfo"); });
        QCOMPARE(info.finestra, QStringLiteral("frmInfo"));
        QCOMPARE(info.proprietario, m);
        const Visto splash = apriEChiudi([&] { premi(m, "imgCopyright"); });
        QCOMPARE(splash.finestra, QStringLiteral("frmSplash"));
        QCOMPARE(splash.proprietario, m);
        QCOMPARE(m->findChildren<QDialog*>().size(), 0);
    }

    // Every archive screen's "?" shows the same topic; every export window's
    // "?" the export topic of its own category.
    void guidaArchivioEdEsportazione()
    {
        const HelpTopic archivio = HelpTopics::archive();
        for (const Categoria& c : Catalogo::Tutte()) {
            TfrmArchivio* a = app_->archive(c);
            const Visto guida = apriEChiudi([&] { premi(a, "cmdGuida"); });
            QCOMPARE(guida.finestra, QStringLiteral("frmGuida"));
            QCOMPARE(guida.proprietario, a);
            QCOMPARE(guida.titolo, archivio.titolo);
            QCOMPARE(guida.testo, archivio.paragrafi.join(QStringLiteral("\n\n")));

            Visto dallExport;
            const Visto esporta = apriEChiudi([&] { premi(a, "cmdEsporta"); },
                [&](QWidget* w) {
                    QCOMPARE(w->windowTitle(), c.CaptionExport());
                    dallExport = apriEChiudi([&] { premi(w, "cmdGuida"); });
                    QCOMPARE(dallExport.proprietario, w);
                });
            QCOMPARE(esporta.finestra, QStringLiteral("frmExp") + c.Chiave);
            QCOMPARE(esporta.proprietario, a);
            QCOMPARE(dallExport.finestra, QStringLiteral("frmGuida"));
            QCOMPARE(dallExport.titolo, HelpTopics::exportTopic(c).titolo);
            QVERIFY(dallExport.testo.contains(c.DescrizioneArticolata));
            QCOMPARE(a->findChildren<QDialog*>().size(), 0);
        }
    }

    // The check button beside the payer's code: digits only (trimmed, not
    // empty) open the partita IVA check, anything else the codice fiscale
    // check, each with the trimmed code.
    void controlloCodice_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::newRow("empty") << "Luce"
                               << ""
                               << "frmCodFisc"
                               << "txtCodFisc"
                               << "";
        QTest::newRow("partita IVA") << "Acquisti"
                                     << " 00000000588"
                                     << "frmPartitaIva"
                                     << "txtPartitaIva"
                                     << "00000000588";
        QTest::newRow("codice fiscale") << "Varie"
                                        << "RSSMRA80A01H501U"
                                        << "frmCodFisc"
                                        << "txtCodFisc"
                                        << "RSSMRA80A01H501U";
    }
    void controlloCodice()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, codice);
        QFETCH(QString, finestra);
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        TfrmArchivio* a = app_->archive(*Catalogo::PerChiave(chiave));
        a->Campo(QStringLiteral("CodFisc"))->setText(codice);
        QString visto;
        const Visto v = apriEChiudi(
            [&] { premi(a, "btnCodFisc"); }, [&](QWidget* w) { visto = child<QLineEdit>(w, campo)->text(); });
        QCOMPARE(v.finestra, finestra);
        QCOMPARE(v.proprietario, a);
        QCOMPARE(visto, testo);
        // The card is left as it was.
        QCOMPARE(a->Campo(QStringLiteral("CodFisc"))->text(), codice);
    }
};

TESSARIA_TEST_MAIN(TestOpeners)
#include "test_openers.moc"
