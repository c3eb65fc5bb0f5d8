#include "TestSupport.h"
#include "archive/Categoria.h"
#include "help/HelpTopics.h"
#include "help/LinkLabel.h"
#include "help/TfrmGuida.h"
#include "help/TfrmInfo.h"
#include "help/TfrmSplash.h"
#include "ui/Maker.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>

namespace {

const Categoria& cat(const char* chiave)
{
    return *Catalogo::PerChiave(QString::fromLatin1(chiave));
}

template <typename Finestra> struct Aperta {
    Aperta()
    {
        w.show();
        QApplication::setActiveWindow(&w);
        (void)QTest::qWaitForWindowActive(&w);
    }
    LinkLabel* link() { return child<LinkLabel>(&w, QStringLiteral("lnkWeb")); }
    Finestra w;
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        testDialogs().reset();
        openedByShell().clear();
    }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // ---- Topics ------------------------------------------------------------

    void argomentoMenu()
    {
        const HelpTopic a = HelpTopics::menu();
        QCOMPARE(a.titolo, QStringLiteral("Uno sguardo ad Tessaria 3.0."));
        QCOMPARE(a.paragrafi.size(), 23);
        // One empty line between paragraphs, and no other line break.
        QCOMPARE(a.testo().split(QStringLiteral("\r\n\r\n")), a.paragrafi);
        for (const QString& p : a.paragrafi) {
            QVERIFY(!p.isEmpty());
            QVERIFY2(!p.contains(QLatin1Char('\n')) && !p.contains(QLatin1Char('\r')), qPrintable(p));
        }
        QVERIFY(a.paragrafi.at(21).contains(QStringLiteral("girasolemarino")));
    }

    // The archive screens' topic: its own first paragraph, then the main
    // menu's fourth to nineteenth, unchanged and in order.
    void argomentoArchivio()
    {
        const HelpTopic a = HelpTopics::archive();
        QCOMPARE(a.titolo, QStringLiteral("App per registrazione bollette e altri pagamenti."));
        QCOMPARE(a.paragrafi.value(0),
            QStringLiteral("Tessaria 3.0 mette a disposizione dieci app in cui archiviare le ricevute delle "
                           "bollette di luce, gas, acqua, rifiuti solidi urbani, telefono e Internet, tasse "
                           "automobilistiche e altri costi sostenuti per la propria auto, spese condominiali "
                           "ordinarie e straordinarie, acquisti effettuati, tasse versate e pagamenti vari."));
        QCOMPARE(a.paragrafi.mid(1), HelpTopics::menu().paragrafi.mid(3, 16));
    }

    void argomentoEsportazione_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("articolata");
        QTest::newRow("Rifiuti") << "Rifiuti"
                                 << "Esportazione archivio bollette rifiuti in Microsoft Excel."
                                 << "delle bollette rifiuti";
        QTest::newRow("Automezzi") << "Automezzi"
                                   << "Esportazione archivio pagamenti auto in Microsoft Excel."
                                   << "dei pagamenti per l'auto";
        QTest::newRow("Acquisti") << "Acquisti"
                                  << "Esportazione archivio acquisti in Microsoft Excel."
                                  << "degli acquisti";
    }
    void argomentoEsportazione()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, titolo);
        QFETCH(QString, articolata);
        const HelpTopic a = HelpTopics::exportTopic(*Catalogo::PerChiave(chiave));
        QCOMPARE(a.titolo, titolo);
        const QString atteso = QStringLiteral("Il pulsante Esporta archivio consente di esportare l'archivio ")
            + articolata
            + QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                             "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre "
                             "Office o Microsoft Office).\r\n\r\n"
                             "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                             "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                             "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
                             "affermativamente al messaggio di domanda che appare.\r\n\r\n"
                             "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                             "nome qualsiasi.");
        QCOMPARE(a.testo(), atteso);
    }

    // ---- The help window ---------------------------------------------------

    void guidaMostraArgomento()
    {
        TfrmGuida g;
        QCOMPARE(g.objectName(), QStringLiteral("frmGuida"));
        QCOMPARE(g.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        QCOMPARE(g.size(), TfrmGuida::ClientSize);
        const HelpTopic a = HelpTopics::exportTopic(cat("Telefono"));
        g.MostraArgomento(a);
        QCOMPARE(child<QLabel>(&g, QStringLiteral("lblTitolo"))->text(), a.titolo);
        auto* testo = child<QPlainTextEdit>(&g, QStringLiteral("txtGuida"));
        QVERIFY(testo->isReadOnly());
        QCOMPARE(testo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        // Three paragraphs, an empty line between each two.
        QCOMPARE(testo->toPlainText(), a.paragrafi.join(QStringLiteral("\n\n")));
        QCOMPARE(testo->document()->blockCount(), 5);
    }

    // The link and its icon open the guide in the program folder, its path in
    // double quotes; the link is orange only while the button is held down.
    void guidaPdf()
    {
        TempProgramFolder cartella;
        Aperta<TfrmGuida> g;
        const QString atteso = QLatin1Char('"') + QDir::toNativeSeparators(cartella.file(QStringLiteral("Guida.pdf")))
            + QLatin1Char('"');
        LinkLabel* link = g.link();
        auto* icona = child<QLabel>(&g.w, QStringLiteral("imgPDF"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(icona->cursor().shape(), Qt::PointingHandCursor);
        for (QWidget* parte : {static_cast<QWidget*>(link), static_cast<QWidget*>(icona)}) {
            QCOMPARE(link->colore(), LinkLabel::Normal);
            QTest::mousePress(parte, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(link->colore(), LinkLabel::Pressed);
            QVERIFY(openedByShell().isEmpty());
            QTest::mouseRelease(parte, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(link->colore(), LinkLabel::Normal);
            QCOMPARE(openedByShell(), QStringList {atteso});
            openedByShell().clear();
        }
        // Released away from the link: no click, and blue again.
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-40, 5));
        QCOMPARE(link->colore(), LinkLabel::Normal);
        QVERIFY(openedByShell().isEmpty());
        QVERIFY(g.w.isVisible());
        child<QPushButton>(&g.w, QStringLiteral("btnChiudi"))->click();
        QVERIFY(!g.w.isVisible());
    }

    // ---- Information and presentation --------------------------------------

    // The e-mail goes out as a proper URL: subject and body arrive whole,
    // blanks included, whatever hands the text on.
    void infoEmail()
    {
        Aperta<TfrmInfo> f;
        QCOMPARE(f.w.objectName(), QStringLiteral("frmInfo"));
        QCOMPARE(f.w.windowTitle(), QStringLiteral(" Informazioni su Tessaria 3.0"));
        QCOMPARE(f.w.size(), TfrmInfo::ClientSize);
        QCOMPARE(f.link()->text(), QString(Maker::Email));
        QTest::mouseClick(child<QLabel>(&f.w, QStringLiteral("imgEmail")), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(openedByShell().size(), 1);
        const QString dato = openedByShell().constFirst();
        QVERIFY2(!dato.contains(QLatin1Char(' ')), qPrintable(dato));
        const QUrl url = TMisc::urlFor(dato);
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QString(Maker::Email));
        const QUrlQuery q(url);
        QCOMPARE(
            q.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("Software Tessaria 3.0"));
        QCOMPARE(q.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
            QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
        child<QPushButton>(&f.w, QStringLiteral("btnChiudi"))->click();
        QVERIFY(!f.w.isVisible());
    }

    void splashSito()
    {
        Aperta<TfrmSplash> f;
        QCOMPARE(f.w.objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(f.w.windowTitle(), QStringLiteral(" Tessaria 3.0 - ") + QString(Maker::Name));
        QCOMPARE(f.w.size(), TfrmSplash::ClientSize);
        QCOMPARE(f.link()->text(), QString(Maker::WebAddress));
        QTest::mouseClick(f.link(), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(openedByShell().size(), 1);
        QCOMPARE(TMisc::urlFor(openedByShell().constFirst()), QUrl(QString(Maker::WebSite)));
        child<QPushButton>(&f.w, QStringLiteral("btnChiudi"))->click();
        QVERIFY(!f.w.isVisible());
    }
};

TESSARIA_TEST_MAIN(TestHelp)
#include "test_help.moc"
