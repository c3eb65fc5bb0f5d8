// Gallery shots of the photo panel's windows: the attachments dialog, the
// webcam window (as it opens, and showing a synthetic camera frame with that
// frame captured) and the zoom window.

#include "Gallery.h"
#include "archive/Categoria.h"
#include "editor/CameraSource.h"
#include "editor/TfrmAllegaCartella.h"
#include "editor/TfrmArchivio.h"
#include "editor/TfrmWebCam.h"
#include "editor/TfrmZoom.h"
#include "platform/Platform.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

// What a webcam sees when a receipt is held up to it: a paper slip, slightly
// turned, on a wooden desk, with a little sensor noise.
QImage scattoRicevuta(const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(size.width() / 640.0, size.height() / 480.0);
    QLinearGradient legno(0, 0, 640, 480);
    legno.setColorAt(0, QColor(0x8A, 0x5A, 0x34));
    legno.setColorAt(1, QColor(0x5E, 0x3B, 0x22));
    p.fillRect(QRectF(0, 0, 640, 480), legno);
    p.setPen(QPen(QColor(0, 0, 0, 30), 2));
    for (int y = 12; y < 480; y += 23)
        p.drawLine(QPointF(0, y), QPointF(640, y + 18));

    p.translate(320, 245);
    p.rotate(-4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(QRectF(-168, -206, 344, 420));
    QPainterPath carta;
    carta.moveTo(-175, -215);
    for (int x = -175; x <= 165; x += 10)
        carta.lineTo(x + 5, (x / 10) % 2 ? -211 : -215);
    carta.lineTo(165, 205);
    carta.lineTo(-175, 205);
    carta.closeSubpath();
    p.setBrush(QColor(0xFA, 0xF8, 0xF0));
    p.drawPath(carta);

    QFont f(QStringLiteral("Courier New"));
    f.setBold(true);
    f.setPixelSize(19);
    p.setFont(f);
    p.setPen(QColor(0x25, 0x25, 0x25));
    p.drawText(QRectF(-165, -195, 320, 26), Qt::AlignCenter, QStringLiteral("ACQUEDOTTO DEL LAMONE"));
    f.setBold(false);
    f.setPixelSize(14);
    p.setFont(f);
    const char* righe[]
        = {"Bolletta n. 2024/33871", "Periodo: gen - feb 2024", "Consumo: 24 mc", "Scadenza: 15/03/2024",
            "------------------------", "Quota fissa      12,40", "Consumi          31,66", "IVA 10%           4,41"};
    qreal y = -145;
    for (const char* r : righe) {
        p.drawText(QPointF(-150, y), QString::fromLatin1(r));
        y += 26;
    }
    f.setBold(true);
    f.setPixelSize(18);
    p.setFont(f);
    p.drawText(QPointF(-150, y + 24), QStringLiteral("TOTALE EUR 48,47"));
    p.setPen(QPen(QColor(0xB0, 0x20, 0x30, 200), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(40, 120, 110, 50), 8, 8);
    f.setPixelSize(20);
    p.setFont(f);
    p.drawText(QRectF(40, 120, 110, 50), Qt::AlignCenter, QStringLiteral("PAGATO"));
    p.end();

    // A camera's grain.
    QRandomGenerator rng(7);
    for (int yy = 0; yy < img.height(); ++yy) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(yy));
        for (int xx = 0; xx < img.width(); ++xx) {
            const int d = int(rng.bounded(13)) - 6;
            const QRgb c = riga[xx];
            riga[xx] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
        }
    }
    return img;
}

// A camera that shows one synthetic frame as soon as it is switched on.
class CameraSintetica : public CameraSource {
public:
    using CameraSource::CameraSource;
    bool available() const override { return true; }
    void start() override
    {
        attiva_ = true;
        announce();
    }
    void stop() override { attiva_ = false; }
    bool isActive() const override { return attiva_; }
    bool copyLatest(QImage& picture) override
    {
        if (!attiva_)
            return false;
        picture = scattoRicevuta(QSize(640, 480));
        return true;
    }

private:
    bool attiva_ = false;
};

void photoShots(GalleryCamera& camera)
{
    const Categoria& acqua = *Catalogo::PerChiave(QStringLiteral("Acqua"));
    TfrmArchivio schermo(acqua);
    schermo.setAttribute(Qt::WA_DontShowOnScreen);

    {
        TfrmAllegaCartella allegati(&schermo);
        allegati.ImpostaTag(acqua.Sigla);
        allegati.ImpostaSlot(1, QStringLiteral("Bolletta_2024_033871.pdf"),
            QStringLiteral("Bolletta del primo bimestre, copia scaricata dal sito"));
        allegati.ImpostaSlot(2, QString(), QStringLiteral("Ricevuta del bonifico (da allegare)"));
        camera.shoot(QStringLiteral("allega_cartella"), allegati);
    }

    CameraSource::setFactory([](QObject* parent) { return new CameraSintetica(parent); });
    {
        TfrmWebCam webcam(&schermo);
        webcam.ImpostaTag(acqua.Sigla);
        camera.shoot(QStringLiteral("webcam_spenta"), webcam);
        webcam.btnAccendiClick();
        webcam.btnCatturaClick();
        camera.shoot(QStringLiteral("webcam"), webcam);
        webcam.btnSpegniClick();
    }
    CameraSource::setFactory({});

    // The zoom window as on a 1280 x 800 screen, maximised under a title bar.
    ScreenSize::pin(QSize(1280, 800));
    TfrmZoom zoom(&schermo);
    zoom.ImpostaFoto(scattoRicevuta(QSize(1600, 1200)));
    zoom.setWindowState(Qt::WindowNoState);
    camera.shoot(QStringLiteral("zoom"), zoom, QSize(1280, 770));
    ScreenSize::pin({});
}

const GalleryGroup group("photo", &photoShots);

} // namespace
