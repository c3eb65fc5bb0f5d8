// Photos as large as real cameras take them, through the photo panel.

#include "EditorFixtures.h"
#include "ui/ImageBox.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <QImageWriter>

using namespace fixtures;
using Kind = Dialogs::Kind;

namespace {

const QString Modificata
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// A JPEG of the given size that looks like a photographed page: a soft
// gradient with faint lines of print. Cheap to make and to encode, and sized
// on disk like a real photo of that many pixels.
QByteArray fotoJpeg(const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* riga = reinterpret_cast<quint32*>(img.scanLine(y));
        const int stampa = (y / 24) % 3 == 0 ? 40 : 0;
        for (int x = 0; x < size.width(); ++x) {
            const int chiaro = 200 + (x + y) % 48 - ((x / 8) % 5 == 0 ? stampa : 0);
            riga[x] = qRgb(chiaro, chiaro - 8, chiaro - 20);
        }
    }
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    QImageWriter(&b, "jpg").write(img);
    return bytes;
}

} // namespace

class TestPhotoSize : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testDialogs().reset(); }
    void cleanup() { QVERIFY(testDialogs().verify()); }

    // A 50-megapixel phone photo (8160 x 6120, 200 MB decoded) is loaded
    // with "Carica foto", drawn to fit, shown in the zoom window, and stored
    // with the card at its own size.
    void fiftyMegapixelPhoto()
    {
        QElapsedTimer tempo;
        tempo.start();
        TempProgramFolder cartella;
        const Categoria& c = cat("Rifiuti");
        scrivi(cartella.file(c.FileArchivio()), archivioDi(c, 2));
        const QSize grande(8160, 6120);
        const QString scelta = cartella.file(QStringLiteral("IMG_0042.jpg"));
        const QByteArray jpeg = fotoJpeg(grande);
        QVERIFY(scrivi(scelta, jpeg));
        const qint64 preparata = tempo.restart();

        Schermo s(c);
        s.premi("cmdPrimo");
        testDialogs().expectOpenFile(scelta);
        s.premi("btnCaricaFoto");
        QCOMPARE(s.w.Foto().size(), grande);
        QVERIFY(!s.w.FotoSegnaposto());
        auto* box = figlio<ImageBox>(&s.w, "imgFoto");
        QCOMPARE(box->drawnRect(), QRect(31, 0, 504, 378));
        QVERIFY(!box->grab().isNull());
        const qint64 caricata = tempo.restart();

        allApertura([&](QDialog* d) {
            auto* zoom = figlio<ImageBox>(d, "imgFoto");
            QCOMPARE(zoom->image().size(), grande);
            QVERIFY(!zoom->grab().isNull());
        });
        s.premi("btnZoomFoto");
        const qint64 zoom = tempo.restart();

        testDialogs().expectMessage(Kind::Information, Modificata);
        s.premi("cmdSalva");
        const QString foto = cartella.file(QStringLiteral("Foto_Ricevute/Rifiuti_1.jpg"));
        QCOMPARE(QImageReader(foto).format(), QByteArray("jpeg"));
        QCOMPARE(QImageReader(foto).size(), grande);
        const qint64 salvata = tempo.restart();

        // The stored photo is what comes back on the card.
        s.premi("cmdUltimo");
        QVERIFY(s.w.FotoSegnaposto());
        s.premi("cmdPrimo");
        QCOMPARE(s.w.Foto().size(), grande);
        QVERIFY(!s.w.FotoSegnaposto());
        qInfo("8160 x 6120, %.1f MB: made %lld ms, loaded and drawn %lld ms, zoom %lld ms, saved %lld ms, shown again "
              "%lld ms",
            jpeg.size() / 1e6, preparata, caricata, zoom, salvata, tempo.elapsed());
    }
};

TESSARIA_TEST_MAIN(TestPhotoSize)
#include "test_photo_size.moc"
