// Page 1 of a PDF document as a card's photo on the archive screen, through
// the photo's context menu and through a drop on the photo, as the
// application wires them; drops of pictures and of what is refused; the
// offer to attach the document too.

#include "../editor/EditorFixtures.h"
#include "PdfSamples.h"
#include "app/AppWindows.h"
#include "archive/PhotoFiles.h"
#include "capture/PdfPage.h"
#include "capture/PdfPhoto.h"
#include "editor/TfrmAllegaCartella.h"
#include "ui/ImageBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QImageReader>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <memory>

using namespace fixtures;
using Kind = Dialogs::Kind;
using Answer = Dialogs::Answer;
using What = ScriptedDialogs::What;

namespace {

const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString Allegare = QStringLiteral("Allegare anche il documento PDF alla scheda?");
// Asked after every document loaded; reading it is tested with the reading.
const QString Leggere = QStringLiteral("Leggere i dati dalla bolletta?");
const QString UsePage = QStringLiteral("Usare la prima pagina del documento come foto della scheda?");
const QString Sovrascrivere = QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file "
                                             "con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// Whether the photo accepts a drag of these files, and, when it does, drops
// them and lets the screen take them.
bool trascina(QWidget* foto, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls.append(QUrl::fromLocalFile(f));
    data.setUrls(urls);
    const QPoint centro = foto->rect().center();
    QDragEnterEvent enter(centro, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(foto, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centro), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(foto, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

// Card 1 of the waste-tax archive on the application's own screen, with a
// small red photo file.
struct Scheda1 {
    Scheda1()
    {
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 2));
        QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute")));
        PhotoFiles::write(tinta(QSize(40, 30), Qt::red), foto());
        w = app.archive(c);
        w->show();
        QApplication::setActiveWindow(w);
        (void)QTest::qWaitForWindowActive(w);
        figlio(w, "cmdPrimo")->click();
        // The made-up record names attachments in every slot; the card starts
        // with none.
        for (int n = 1; n <= 3; ++n)
            w->ImpostaAllegato(n, QString(), QString());
    }
    ~Scheda1() { w->hide(); }
    QString foto() const { return cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg")); }
    QString file(const char* nome) const { return cartella.file(QString::fromLatin1(nome)); }
    QWidget* imgFoto() const { return figlio<QWidget>(w, "imgFoto"); }
    QString stato() const { return figlio<QLabel>(w, "panInfo")->text(); }
    void caricaDaMenu() { w->findChild<QAction*>(QStringLiteral("actCaricaPdf"))->trigger(); }

    TempProgramFolder cartella;
    AppWindows app;
    TfrmArchivio* w = nullptr;
};

} // namespace

class TestPdfPhoto : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // The menu of the photo: its items and their hints while it is open;
    // the photo takes the focus on a click and never by Tab, and the menu
    // key opens the menu there.
    void contextMenu()
    {
        Scheda1 s;
        QWidget* foto = s.imgFoto();
        QCOMPARE(foto->focusPolicy(), Qt::ClickFocus);
        auto* menu = figlio<QMenu>(s.w, "mnuFoto");
        const QList<QAction*> voci = menu->actions();
        QCOMPARE(voci.size(), 4);
        QCOMPARE(voci.at(0)->objectName(), QStringLiteral("actCaricaPdf"));
        QCOMPARE(voci.at(0)->text(), QStringLiteral("Carica da documento PDF..."));
        QCOMPARE(voci.at(1)->objectName(), QStringLiteral("actScanner"));
        QCOMPARE(voci.at(1)->text(), QStringLiteral("Acquisisci da scanner..."));
        QVERIFY(voci.at(2)->isSeparator());
        QCOMPARE(voci.at(3)->objectName(), QStringLiteral("actLeggiDati"));
        QCOMPARE(voci.at(3)->text(), QStringLiteral("Leggi i dati dalla bolletta..."));

        QTest::mouseClick(foto, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), foto);
        // The menu key reaches the focused widget as a keyboard context-menu
        // event.
        QContextMenuEvent tasto(
            QContextMenuEvent::Keyboard, foto->rect().center(), foto->mapToGlobal(foto->rect().center()));
        QCoreApplication::sendEvent(foto, &tasto);
        QTRY_VERIFY(menu->isVisible());
        voci.at(0)->hover();
        QCOMPARE(s.stato(), QStringLiteral("Carica come foto la prima pagina di un documento PDF."));
        voci.at(1)->hover();
        QCOMPARE(s.stato(), QStringLiteral("Acquisisci la foto della ricevuta con lo scanner."));
        voci.at(3)->hover();
        QCOMPARE(s.stato(), QStringLiteral("Legge dalla foto della bolletta i dati della scheda."));
        menu->hide();
        QCOMPARE(s.stato(), QString());
    }

    // A bill from the menu or dropped on the photo: the card's photo file is
    // then a JPEG of the page at 150 dpi, white with dark text rows.
    void billBecomesThePhoto_data()
    {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("context menu") << false;
        QTest::newRow("drop") << true;
    }
    void billBecomesThePhoto()
    {
        QFETCH(bool, dropped);
        Scheda1 s;
        const QString pdf = s.file("bolletta.pdf");
        QVERIFY(samples::writeBill(pdf));
        if (dropped) {
            testDialogs().expectQuestion(Allegare, Answer::No);
            testDialogs().expectQuestion(Leggere, Answer::No);
            QVERIFY(trascina(s.imgFoto(), {pdf}));
        } else {
            testDialogs().expectOpenFile(pdf);
            testDialogs().expectQuestion(Allegare, Answer::No);
            testDialogs().expectQuestion(Leggere, Answer::No);
            s.caricaDaMenu();
            const FileDialogSpec spec = ultimoDialogo(What::OpenFile);
            QCOMPARE(spec.filter, QStringLiteral("Documento PDF (*.pdf)|*.pdf"));
        }
        QCOMPARE(s.w->Foto().size(), QSize(1240, 1754));
        QCOMPARE(s.w->Allegato(1), QString());

        testDialogs().expectMessage(Kind::Information, Modificata);
        figlio(s.w, "cmdSalva")->click();
        QCOMPARE(QImageReader(s.foto()).format(), QByteArray("jpeg"));
        const QImage salvata(s.foto());
        QCOMPARE(salvata.size(), QSize(1240, 1754));
        qint64 bianchi = 0;
        int righeScure = 0;
        for (int y = 0; y < salvata.height(); ++y) {
            bool scura = false;
            for (int x = 0; x < salvata.width(); ++x) {
                const int g = qGray(salvata.pixel(x, y));
                bianchi += g > 230;
                scura = scura || g < 100;
            }
            righeScure += scura;
        }
        QVERIFY(bianchi > qint64(salvata.width()) * salvata.height() * 9 / 10);
        QVERIFY(righeScure > 200);
    }

    void longerDocumentIsTold()
    {
        Scheda1 s;
        const QString pdf = s.file("tre.pdf");
        QVERIFY(samples::writeBill(pdf, 3));
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(Allegare, Answer::No);
        testDialogs().expectQuestion(Leggere, Answer::No);
        s.caricaDaMenu();
        QCOMPARE(s.stato(), QStringLiteral("Documento di 3 pagine: è stata usata la prima."));
    }

    // A document that cannot be read is told, and the card's picture stays.
    void unreadableLeavesThePicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("damaged, dropped") << QByteArray("%PDF-1.4\n1 0 obj\n<< /Type") << true;
        QTest::newRow("password, from the menu") << samples::passwordProtected() << false;
        QTest::newRow("hostile page side, dropped") << samples::onePage("[0 0 595 90000]") << true;
    }
    void unreadableLeavesThePicture()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, dropped);
        Scheda1 s;
        const QImage prima = s.w->Foto();
        const QString pdf = s.file("illeggibile.pdf");
        QVERIFY(samples::save(pdf, bytes));
        if (dropped) {
            testDialogs().expectMessage(Kind::Warning, PdfPage::unreadable());
            QVERIFY(trascina(s.imgFoto(), {pdf}));
        } else {
            testDialogs().expectOpenFile(pdf);
            testDialogs().expectMessage(Kind::Warning, PdfPage::unreadable());
            s.caricaDaMenu();
        }
        QCOMPARE(s.w->Foto(), prima);
    }

    // Only pictures and PDF documents may be dropped; of several files the
    // first is taken, and the status bar says so.
    void drops()
    {
        Scheda1 s;
        const QString png = s.file("ricevuta.png");
        QVERIFY(tinta(QSize(300, 200), Qt::blue).save(png, "PNG"));
        const QString testo = s.file("nota.txt");
        QVERIFY(scrivi(testo, "niente"));

        QVERIFY(!trascina(s.imgFoto(), {testo}));
        QVERIFY(!trascina(s.imgFoto(), {testo, png}));
        QCOMPARE(s.w->Foto().size(), QSize(40, 30));

        QVERIFY(trascina(s.imgFoto(), {png, testo, s.file("altro.jpg")}));
        QCOMPARE(s.w->Foto().size(), QSize(300, 200));
        QCOMPARE(s.stato(), QStringLiteral("È stato usato il primo dei 3 file trascinati."));

        // A picture that is not one is told as "Carica foto" tells it.
        const QString finta = s.file("finta.jpg");
        QVERIFY(scrivi(finta, "non un'immagine"));
        testDialogs().expectMessage(
            Kind::Warning, QStringLiteral("Attenzione: il file indicato non è un'immagine Jpeg o Bitmap leggibile."));
        QVERIFY(trascina(s.imgFoto(), {finta}));
        QCOMPARE(s.w->Foto().size(), QSize(300, 200));
    }

    // Yes copies the document into the attachments folder and fills the
    // first free slot, which the card keeps when saved; with no free slot
    // nothing is asked; a name already there asks before overwriting.
    void attachTheDocumentToo()
    {
        Scheda1 s;
        const QString pdf = s.file("bolletta.pdf");
        QVERIFY(samples::writeBill(pdf));
        s.w->ImpostaAllegato(1, QStringLiteral("contratto.pdf"), QStringLiteral("Contratto"));
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(Allegare, Answer::Yes);
        testDialogs().expectQuestion(Leggere, Answer::No);
        s.caricaDaMenu();
        QCOMPARE(s.w->Allegato(1), QStringLiteral("contratto.pdf"));
        QCOMPARE(s.w->Allegato(2), QStringLiteral("bolletta.pdf"));
        QCOMPARE(leggi(s.file("Documenti_Allegati/bolletta.pdf")), leggi(pdf));

        testDialogs().expectMessage(Kind::Information, Modificata);
        figlio(s.w, "cmdSalva")->click();
        figlio(s.w, "cmdUltimo")->click();
        figlio(s.w, "cmdPrimo")->click();
        QCOMPARE(s.w->Allegato(2), QStringLiteral("bolletta.pdf"));

        // Again: the name is there now; No keeps the copy already there.
        s.w->ImpostaAllegato(2, QString(), QString());
        QVERIFY(scrivi(s.file("Documenti_Allegati/bolletta.pdf"), "precedente"));
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(Allegare, Answer::Yes);
        testDialogs().expectQuestion(Sovrascrivere, Answer::No);
        testDialogs().expectQuestion(Leggere, Answer::No);
        s.caricaDaMenu();
        QCOMPARE(s.w->Allegato(2), QStringLiteral("bolletta.pdf"));
        QCOMPARE(leggi(s.file("Documenti_Allegati/bolletta.pdf")), QByteArray("precedente"));

        // Every slot taken: attaching is not offered.
        s.w->ImpostaAllegato(3, QStringLiteral("terzo.pdf"), QString());
        testDialogs().expectOpenFile(pdf);
        testDialogs().expectQuestion(Leggere, Answer::No);
        s.caricaDaMenu();
        QCOMPARE(s.w->Foto().size(), QSize(1240, 1754));
    }

    // A PDF document chosen as an attachment of a card without a photo: Yes
    // puts its page 1 on the card on "Applica e chiudi", unless the slot was
    // cleared or filled again before; "Annulla" and No leave the picture. A
    // card with a photo, a file that is not a PDF, a document that cannot be
    // read: nothing is taken.
    void photoFromAnAttachment_data()
    {
        QTest::addColumn<bool>("noPhoto");
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("answer"); // -1: nothing asked
        QTest::addColumn<QString>("then"); // "", "clear", "other", "same"
        QTest::addColumn<bool>("apply");
        QTest::addColumn<bool>("page");
        QTest::newRow("yes, applied") << true << "bolletta.pdf" << 1 << "" << true << true;
        QTest::newRow("upper-case name") << true << "BOLLETTA.PDF" << 1 << "" << true << true;
        QTest::newRow("yes, cancelled") << true << "bolletta.pdf" << 1 << "" << false << false;
        QTest::newRow("no") << true << "bolletta.pdf" << 0 << "" << true << false;
        QTest::newRow("yes, slot cleared") << true << "bolletta.pdf" << 1 << "clear" << true << false;
        QTest::newRow("yes, slot filled again") << true << "bolletta.pdf" << 1 << "other" << true << false;
        QTest::newRow("yes, same document again") << true << "bolletta.pdf" << 1 << "same" << true << true;
        QTest::newRow("card with a photo") << false << "bolletta.pdf" << -1 << "" << true << false;
        QTest::newRow("not a PDF") << true << "nota.txt" << -1 << "" << true << false;
        QTest::newRow("unreadable") << true << "rotto.pdf" << 1 << "" << true << false;
    }
    void photoFromAnAttachment()
    {
        QFETCH(bool, noPhoto);
        QFETCH(QString, document);
        QFETCH(int, answer);
        QFETCH(QString, then);
        QFETCH(bool, apply);
        QFETCH(bool, page);
        Scheda1 s;
        if (noPhoto)
            s.w->CancellaFoto();
        const QImage before = s.w->Foto();
        const QString file = s.cartella.file(document);
        if (document == QLatin1String("rotto.pdf"))
            QVERIFY(samples::save(file, "%PDF-1.4\n1 0 obj\n<< /Type"));
        else if (document.endsWith(QLatin1String(".txt")))
            QVERIFY(scrivi(file, "niente"));
        else
            QVERIFY(samples::writeBill(file));

        TfrmAllegaCartella d(s.w);
        d.ImpostaTag(s.w->categoria().Sigla);
        testDialogs().expectOpenFile(file);
        if (answer >= 0)
            testDialogs().expectQuestion(UsePage, answer ? Answer::Yes : Answer::No);
        if (document == QLatin1String("rotto.pdf"))
            testDialogs().expectMessage(Kind::Warning, PdfPage::unreadable());
        d.btnSfogliaClick(1);
        QCOMPARE(figlio<QLineEdit>(&d, "txtFile01")->text(), document);
        if (then == QLatin1String("clear")) {
            d.imgCancellaClick(1);
        } else if (then == QLatin1String("other")) {
            const QString other = s.file("other.txt");
            QVERIFY(scrivi(other, "other"));
            testDialogs().expectOpenFile(other);
            d.btnSfogliaClick(1);
        } else if (then == QLatin1String("same")) {
            // Chosen again: the copy is already there.
            testDialogs().expectOpenFile(file);
            testDialogs().expectQuestion(Sovrascrivere, Answer::Yes);
            testDialogs().expectQuestion(UsePage, Answer::Yes);
            d.btnSfogliaClick(1);
        }
        // Nothing reaches the card before "Applica e chiudi".
        QCOMPARE(s.w->Foto(), before);
        if (apply)
            d.btnApplicaClick();
        else
            d.btnAnnullaClick();
        if (page) {
            QCOMPARE(s.w->Foto().size(), QSize(1240, 1754));
            QVERIFY(!s.w->FotoSegnaposto());
            QCOMPARE(s.w->DocumentoFoto(), file);
        } else {
            QCOMPARE(s.w->Foto(), before);
            QCOMPARE(s.w->DocumentoFoto(), QString());
        }
    }
    // Taken through the archive screen's "Allega file", the page is offered
    // for reading, as a PDF loaded from the photo's menu is.
    void pageOfAnAttachmentOfferedForReading()
    {
        Scheda1 s;
        s.w->CancellaFoto();
        const QString file = s.file("bolletta.pdf");
        QVERIFY(samples::writeBill(file));
        testDialogs().expectOpenFile(file);
        testDialogs().expectQuestion(UsePage, Answer::Yes);
        testDialogs().expectQuestion(Leggere, Answer::No);
        allApertura([](QDialog* d) {
            QCOMPARE(d->objectName(), QStringLiteral("frmAllegaCartella"));
            figlio(d, "btnSfoglia01")->click();
            figlio(d, "btnApplica")->click();
        });
        figlio(s.w, "cmdFile")->click();
        QVERIFY(!s.w->FotoSegnaposto());
        QCOMPARE(s.w->DocumentoFoto(), file);
    }
};

TESSARIA_TEST_MAIN(TestPdfPhoto)
#include "test_pdf_photo.moc"
