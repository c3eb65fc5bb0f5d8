#include "EditorFixtures.h"
#include "Faults.h"
#include "archive/PhotoFiles.h"
#include "editor/TfrmZoom.h"
#include "ui/ImageBox.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

using namespace fixtures;
using Kind = Dialogs::Kind;
using What = ScriptedDialogs::What;

namespace {

const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString FileIllegibile
    = QStringLiteral("Attenzione: il file indicato non è un'immagine Jpeg o Bitmap leggibile.");
const QString ScritturaFallita
    = QStringLiteral("Attenzione: non è stato possibile scrivere la foto nel file indicato.");

QByteArray codifica(const QImage& img, const char* formato)
{
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, formato);
    return bytes;
}

// A bitmap of a few hundred bytes that decodes to an 8-bit picture of
// side × side pixels: run-length encoded, with nothing but the end marker.
QByteArray bitmapBomba(int side)
{
    QByteArray b(54 + 1024, 0);
    auto put16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + 1024 + 2);
    put32(10, 54 + 1024);
    put32(14, 40);
    put32(18, quint32(side));
    put32(22, quint32(side));
    put16(26, 1);
    put16(28, 8);
    put32(30, 1); // run-length encoded, 8 bits
    put32(34, 2);
    put32(46, 256);
    b.append('\0');
    b.append('\1'); // end of bitmap
    return b;
}

// A small real JPEG whose frame header claims side × side pixels.
QByteArray jpegGigante(int side)
{
    QByteArray j = codifica(tinta(QSize(16, 16), Qt::green), "JPG");
    const int sof = j.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof >= 0) {
        qToBigEndian(quint16(side), j.data() + sof + 5);
        qToBigEndian(quint16(side), j.data() + sof + 7);
    }
    return j;
}

QSize dimensioniSu(const QString& path)
{
    return QImageReader(path).size();
}

// Card 1 of the waste-tax archive on screen, with a 40 x 30 photo file.
struct CartaConFoto {
    CartaConFoto()
    {
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 2));
        QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute")));
        PhotoFiles::write(tinta(QSize(40, 30), Qt::red), foto());
        s.premi("cmdPrimo");
    }
    QString foto() const { return cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg")); }

    TempProgramFolder cartella;
    Schermo s {cat("Rifiuti")};
};

} // namespace

class TestPhoto : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup()
    {
        QVERIFY(testDialogs().verify());
        ScreenSize::pin({});
    }

    // A 2000 x 1500 bitmap put on a card is drawn to fit, stored with the
    // card as a 2000 x 1500 JPEG, and saved elsewhere at that size too.
    void bitmapKeepsItsSize()
    {
        CartaConFoto f;
        const QString bmp = f.cartella.file(QStringLiteral("scansione.bmp"));
        QVERIFY(tinta(QSize(2000, 1500), QColor(0x20, 0x60, 0xA0)).save(bmp, "BMP"));

        testDialogs().expectOpenFile(bmp);
        f.s.premi("btnCaricaFoto");
        const FileDialogSpec apri = ultimoDialogo(What::OpenFile);
        QCOMPARE(apri.title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(
            apri.filter, QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"));
        QCOMPARE(f.s.w.Foto().size(), QSize(2000, 1500));
        QVERIFY(!f.s.w.FotoSegnaposto());
        QCOMPARE(figlio<ImageBox>(&f.s.w, "imgFoto")->drawnRect(), QRect(31, 0, 504, 378));

        testDialogs().expectMessage(Kind::Information, Modificata);
        f.s.premi("cmdSalva");
        QCOMPARE(QImageReader(f.foto()).format(), QByteArray("jpeg"));
        QCOMPARE(dimensioniSu(f.foto()), QSize(2000, 1500));

        const QString copia = f.cartella.file(QStringLiteral("copia.jpg"));
        testDialogs().expectSaveFile(copia);
        f.s.premi("btnSalvaFoto");
        const FileDialogSpec salva = ultimoDialogo(What::SaveFile);
        QCOMPARE(salva.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(salva.filter, QStringLiteral("File Jpeg (*.jpg)|*.jpg"));
        QCOMPARE(salva.proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(salva.defaultSuffix, QStringLiteral("jpg"));
        QVERIFY(salva.askOverwrite);
        QCOMPARE(QImageReader(copia).format(), QByteArray("jpeg"));
        QCOMPARE(dimensioniSu(copia), QSize(2000, 1500));
    }

    // A file that is no readable picture, however it fails, leaves the
    // card's picture where it was, says so, and a save after it keeps the
    // stored photo. A file that claims more pixels than any camera takes,
    // or far more than its size can hold, is refused from its header before
    // any memory is taken for it.
    void unreadableFileKeepsThePicture_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QSize>("dichiara");
        QTest::newRow("text") << QByteArray("Ricevuta n. 12, non una foto") << QSize();
        QTest::newRow("empty") << QByteArray() << QSize();
        QTest::newRow("jpeg header only") << jpegGigante(16).left(20) << QSize();
        QTest::newRow("bitmap bomb") << bitmapBomba(16000) << QSize(16000, 16000);
        QTest::newRow("jpeg claiming 12000 x 12000") << jpegGigante(12000) << QSize(12000, 12000);
        QTest::newRow("jpeg claiming 10000 x 10000") << jpegGigante(10000) << QSize(10000, 10000);
    }
    void unreadableFileKeepsThePicture()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QSize, dichiara);
        CartaConFoto f;
        const QString file = f.cartella.file(QStringLiteral("scelto.jpg"));
        QVERIFY(scrivi(file, contenuto));
        if (dichiara.isValid())
            QCOMPARE(dimensioniSu(file), dichiara);

        testDialogs().expectOpenFile(file);
        testDialogs().expectMessage(Kind::Warning, FileIllegibile);
        f.s.premi("btnCaricaFoto");
        QCOMPARE(f.s.w.Foto().size(), QSize(40, 30));
        QVERIFY(!f.s.w.FotoSegnaposto());

        testDialogs().expectMessage(Kind::Information, Modificata);
        f.s.premi("cmdSalva");
        // Still the card's own red picture, and the chosen file untouched.
        const QImage salvata(f.foto());
        QCOMPARE(salvata.size(), QSize(40, 30));
        QVERIFY(qAbs(salvata.pixelColor(20, 15).red() - 255) < 8 && salvata.pixelColor(20, 15).green() < 8);
        QCOMPARE(leggi(file), contenuto);
    }

    // The card's own photo file is no readable picture (damaged, or claiming
    // dimensions too large to decode): the placeholder is shown without a
    // word, saving the card leaves the file byte for byte as it was, and
    // only a picture the user puts there replaces it.
    void unreadableStoredPhotoIsNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("not a picture") << QByteArray("\xFF\xD8\xFF\xE0 not really a picture", 26);
        QTest::newRow("jpeg header only") << jpegGigante(16).left(20);
        QTest::newRow("jpeg claiming 12000 x 12000") << jpegGigante(12000);
        QTest::newRow("jpeg claiming 10000 x 10000") << jpegGigante(10000);
        QTest::newRow("bitmap bomb") << bitmapBomba(16000);
    }
    void unreadableStoredPhotoIsNeverOverwritten()
    {
        QFETCH(QByteArray, contenuto);
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 1));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute"))));
        const QString foto = cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"));
        QVERIFY(scrivi(foto, contenuto));

        Schermo s(c);
        s.premi("cmdPrimo");
        QVERIFY(s.w.FotoSegnaposto());
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi("cmdSalva");
        QCOMPARE(leggi(foto), contenuto);
        QCOMPARE(QDir(cartella.file(QStringLiteral("Foto_Ricevute"))).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("Rifiuti_1.jpg")});

        s.w.ImpostaFoto(tinta(QSize(40, 30), Qt::red));
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi("cmdSalva");
        QCOMPARE(dimensioniSu(foto), QSize(40, 30));
    }

    // Writing the picture to a file that cannot be written keeps it on
    // screen, says so, and the card's next save stores it.
    void failedWriteKeepsThePicture_data()
    {
        QTest::addColumn<QString>("destinazione");
        QTest::newRow("missing folder") << QStringLiteral("manca/Foto.jpg");
        QTest::newRow("a folder") << QStringLiteral("Foto_Ricevute");
    }
    void failedWriteKeepsThePicture()
    {
        QFETCH(QString, destinazione);
        CartaConFoto f;
        f.s.w.ImpostaFoto(tinta(QSize(64, 48), Qt::blue));
        testDialogs().expectSaveFile(f.cartella.file(destinazione));
        testDialogs().expectMessage(Kind::Warning, ScritturaFallita);
        f.s.premi("btnSalvaFoto");
        QCOMPARE(f.s.w.Foto().size(), QSize(64, 48));
        QVERIFY(!f.s.w.FotoSegnaposto());

        testDialogs().expectMessage(Kind::Information, Modificata);
        f.s.premi("cmdSalva");
        QCOMPARE(dimensioniSu(f.foto()), QSize(64, 48));
    }

    // The card's photo file is a symbolic link planted in the photo folder,
    // to a photo elsewhere or to nothing. Saving the card never writes
    // through it: the link becomes a regular photo file in the folder, with
    // the picture on screen, and nothing outside the folder changes or
    // appears.
    void linkedPhotoFileIsReplaced_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<bool>("caricata");
        QTest::addColumn<QSize>("salvata");
        QTest::newRow("link to an outside photo, saved as shown") << false << false << QSize(80, 60);
        QTest::newRow("link to an outside photo, a picture loaded") << false << true << QSize(64, 48);
        QTest::newRow("dangling link, saved as shown") << true << false << QSize(567, 378);
        QTest::newRow("dangling link, a picture loaded") << true << true << QSize(64, 48);
    }
    void linkedPhotoFileIsReplaced()
    {
        QFETCH(bool, dangling);
        QFETCH(bool, caricata);
        TempProgramFolder cartella;
        QTemporaryDir fuori;
        QVERIFY(fuori.isValid());
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 1));
        QVERIFY(QDir().mkpath(cartella.file(QStringLiteral("Foto_Ricevute"))));
        const QString bersaglio = fuori.filePath(QStringLiteral("vacanze.jpg"));
        if (!dangling)
            QVERIFY(PhotoFiles::write(tinta(QSize(80, 60), Qt::yellow), bersaglio));
        const QString foto = cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"));
        QVERIFY(QFile::link(bersaglio, foto));
        const QString scelta = cartella.file(QStringLiteral("scelta.bmp"));
        QVERIFY(tinta(QSize(64, 48), Qt::blue).save(scelta, "BMP"));
        const auto prima = folderContents(fuori.path());

        Schermo s(c);
        s.premi("cmdPrimo");
        if (caricata) {
            testDialogs().expectOpenFile(scelta);
            s.premi("btnCaricaFoto");
        }
        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi("cmdSalva");

        const auto dopo = folderContents(fuori.path());
        QVERIFY2(dopo == prima, qPrintable(contentsDifference(prima, dopo)));
        QVERIFY(!QFileInfo(foto).isSymLink());
        QVERIFY(QFileInfo(foto).isFile());
        QTEST(dimensioniSu(foto), "salvata");
        if (caricata) {
            const QImage salvata(foto);
            QVERIFY(salvata.pixelColor(32, 24).blue() > 240 && salvata.pixelColor(32, 24).red() < 16);
        }
        QCOMPARE(QDir(cartella.file(QStringLiteral("Foto_Ricevute"))).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("Rifiuti_1.jpg")});
    }

    // Cancelling either file dialog changes nothing and says nothing.
    void cancelledDialogsChangeNothing()
    {
        CartaConFoto f;
        testDialogs().expectOpenFile(QString());
        f.s.premi("btnCaricaFoto");
        testDialogs().expectSaveFile(QString());
        f.s.premi("btnSalvaFoto");
        QCOMPARE(f.s.w.Foto().size(), QSize(40, 30));
        QCOMPARE(QDir(f.cartella.path()).entryList(QDir::Files).size(), 1); // the record file only
    }

    // Clearing shows the placeholder; browsing away without saving keeps the
    // stored photo, and saving after clearing stores the placeholder.
    void clearingReachesTheFileOnlyBySaving()
    {
        CartaConFoto f;
        f.s.premi("btnCancFoto");
        QVERIFY(f.s.w.FotoSegnaposto());
        f.s.premi("cmdAvanti");
        f.s.premi("cmdIndietro");
        QCOMPARE(f.s.w.Posizione(), QStringLiteral("1"));
        QCOMPARE(f.s.w.Foto().size(), QSize(40, 30));

        f.s.premi("btnCancFoto");
        testDialogs().expectMessage(Kind::Information, Modificata);
        f.s.premi("cmdSalva");
        QCOMPARE(dimensioniSu(f.foto()), QSize(567, 378));
    }

    // The zoom window: maximised, panel and picture the screen's size less
    // 60 by 90, the picture fitted and centred in it; any click on it, or the
    // close button, closes it and changes nothing.
    void zoom_data()
    {
        QTest::addColumn<QString>("chiusura");
        QTest::newRow("click on the picture") << QStringLiteral("picture");
        QTest::newRow("click beside the picture") << QStringLiteral("beside");
        QTest::newRow("close button") << QStringLiteral("close");
    }
    void zoom()
    {
        QFETCH(QString, chiusura);
        TempProgramFolder cartella;
        ScreenSize::pin(QSize(1920, 1080));
        Schermo s(cat("Luce"));
        QImage foto = tinta(QSize(4000, 3000), Qt::darkCyan);
        s.w.ImpostaFoto(foto);

        bool visto = false;
        allApertura([&](QDialog* d) {
            visto = true;
            QCOMPARE(d->objectName(), QStringLiteral("frmZoom"));
            QCOMPARE(d->windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
            QVERIFY(d->windowState() & Qt::WindowMaximized);
            QVERIFY(d->windowFlags() & Qt::WindowCloseButtonHint);
            QWidget* pannello = figlio<QWidget>(d, "panContainer");
            auto* img = figlio<ImageBox>(d, "imgFoto");
            QCOMPARE(pannello->size(), QSize(1860, 990));
            QCOMPARE(img->geometry(), QRect(0, 0, 1860, 990));
            QCOMPARE(img->drawnRect(), QRect(270, 0, 1320, 990));
            QCOMPARE(img->image(), foto);
            QCOMPARE(pannello->geometry().center(), d->rect().center());
            if (chiusura == QLatin1String("picture"))
                QTest::mouseClick(img, Qt::LeftButton, {}, QPoint(930, 495));
            else if (chiusura == QLatin1String("beside"))
                QTest::mouseClick(img, Qt::LeftButton, {}, QPoint(100, 900));
            else
                d->close();
            QVERIFY(!d->isVisible());
        });
        s.premi("btnZoomFoto");
        QVERIFY(visto);
        QVERIFY(!s.w.findChild<TfrmZoom*>());
        QCOMPARE(s.w.Foto(), foto);
    }

    // The program writes its file filters as description and pattern pairs;
    // the file dialog gets them in its own form.
    void fileFilters_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("dialogo");
        QTest::newRow("two entries, two patterns")
            << "Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"
            << "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)";
        QTest::newRow("one entry") << "File Jpeg (*.jpg)|*.jpg"
                                   << "File Jpeg (*.jpg)";
        QTest::newRow("every file") << "Tutti i file (*.*)|*.*"
                                    << "Tutti i file (*)";
        QTest::newRow("already in the dialog's form") << "Immagini (*.png *.jpg);;Tutti (*)"
                                                      << "Immagini (*.png *.jpg);;Tutti (*)";
    }
    void fileFilters()
    {
        QFETCH(QString, filtro);
        QTEST(qtFileFilter(filtro), "dialogo");
    }
};

TESSARIA_TEST_MAIN(TestPhoto)
#include "test_photo.moc"
