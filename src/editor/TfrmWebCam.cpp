#include "editor/TfrmWebCam.h"

#include "archive/FieldText.h"
#include "archive/PhotoFiles.h"
#include "dialogs/Dialogs.h"
#include "editor/CameraSource.h"
#include "editor/DialogPictures.h"
#include "editor/PhotoDialogs.h"
#include "editor/TfrmArchivio.h"
#include "ui/ImageBox.h"
#include "ui/ShapeBox.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QSize PanelSize(382, 290);
} // namespace

TfrmWebCam::TfrmWebCam(QWidget* owner)
    : GradientDialog(owner, QColor(0x4F, 0x73, 0x97), Qt::white, ClientSize, ClientSize)
    , camCamera(CameraSource::create(this))
    , consegna_(this, [this] { copiaFotogramma(); })
{
    setObjectName(QStringLiteral("frmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));

    auto immagine = [this](const char* pannello, const char* nome, int x, QImage (*figura)(const QSize&)) {
        ShapeBox* pan = Widgets::box(panel(), QString::fromLatin1(pannello), QRect(QPoint(x, 14), PanelSize),
            QColor(0xF4, 0xF7, 0xFA), QColor(0x2E, 0x4A, 0x66), 4);
        auto* img = new ImageBox(pan);
        img->setObjectName(QString::fromLatin1(nome));
        img->setGeometry(QRect(QPoint(8, 8), DialogPictures::WebcamSize));
        img->setImage(figura(DialogPictures::WebcamSize),
            [figura] { return QPixmap::fromImage(figura(DialogPictures::WebcamSize)); });
        return img;
    };
    imgCamera = immagine("panCamera", "imgCamera", 14, &DialogPictures::webcam);
    imgTarget = immagine("panTarget", "imgTarget", 411, &DialogPictures::photoCamera);

    QPushButton* accendi = pulsante(QStringLiteral("btnAccendi"), QStringLiteral("Accendi webcam"),
        QRect(14, 312, 382, 34), &TfrmWebCam::btnAccendiClick);
    QPushButton* spegni = pulsante(QStringLiteral("btnSpegni"), QStringLiteral("Spegni webcam"),
        QRect(14, 352, 382, 34), &TfrmWebCam::btnSpegniClick);
    QPushButton* cattura = pulsante(QStringLiteral("btnCattura"), QStringLiteral("Cattura foto"),
        QRect(411, 312, 188, 34), &TfrmWebCam::btnCatturaClick);
    QPushButton* salva = pulsante(QStringLiteral("btnSalvaFotogramma"), QStringLiteral("Salva foto su disco"),
        QRect(605, 312, 188, 34), &TfrmWebCam::btnSalvaFotogrammaClick);
    QPushButton* importa = pulsante(QStringLiteral("btnImportaFoto"), QStringLiteral("Importa foto in scheda"),
        QRect(411, 352, 188, 34), &TfrmWebCam::btnImportaFotoClick);
    QPushButton* chiudi = pulsante(
        QStringLiteral("btnClose"), QStringLiteral("Annulla"), QRect(605, 352, 188, 34), &TfrmWebCam::btnCloseClick);
    setTabOrder(accendi, cattura);
    setTabOrder(cattura, salva);
    setTabOrder(salva, spegni);
    setTabOrder(spegni, importa);
    setTabOrder(importa, chiudi);
    accendi->setFocus();

    lblMemory = Widgets::memory(panel());

    camCamera->setObjectName(QStringLiteral("camCamera"));
    camCamera->setListener(consegna_.notifier());
}

TfrmWebCam::~TfrmWebCam()
{
    spegni();
}

QPushButton* TfrmWebCam::pulsante(
    const QString& nome, const QString& testo, const QRect& geometria, void (TfrmWebCam::*handler)())
{
    QPushButton* b = Widgets::plainButton(panel(), nome, testo, geometria);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void TfrmWebCam::ImpostaTag(const QString& tag)
{
    lblMemory->setText(tag);
}

bool TfrmWebCam::Acceso() const
{
    return consegna_.isOpen();
}

// Runs on the user-interface thread, once per frame, while the camera is on.
void TfrmWebCam::copiaFotogramma()
{
    QImage fotogramma;
    if (camCamera->copyLatest(fotogramma))
        imgCamera->setImage(fotogramma);
}

void TfrmWebCam::btnAccendiClick()
{
    // No camera: nothing happens and nothing is said.
    if (consegna_.isOpen() || !camCamera->available())
        return;
    consegna_.open();
    camCamera->start();
}

// The hand-over is closed before the camera is stopped: a capture thread
// waiting for its copy is let go, so a camera whose stop waits for that
// thread cannot hang the window.
void TfrmWebCam::spegni()
{
    consegna_.close();
    camCamera->stop();
}

void TfrmWebCam::btnSpegniClick()
{
    spegni();
}

void TfrmWebCam::btnCatturaClick()
{
    imgTarget->setImage(imgCamera->image());
}

void TfrmWebCam::btnSalvaFotogrammaClick()
{
    const QString percorso = Dialogs::current().saveFile(this, PhotoDialogs::salva());
    if (percorso.isEmpty())
        return;
    // The captured picture stays whatever happens: it may be all the user has.
    if (!PhotoFiles::write(imgTarget->image(), percorso))
        Dialogs::current().message(this, Dialogs::Kind::Warning, PhotoDialogs::scritturaFallita());
}

void TfrmWebCam::btnImportaFotoClick()
{
    spegni();
    TfrmArchivio* schermo = TfrmArchivio::PerSigla(FieldText::trimmed(lblMemory->text()).toString());
    if (!schermo)
        return;
    schermo->ImpostaFoto(imgTarget->image());
    accept();
}

void TfrmWebCam::btnCloseClick()
{
    spegni();
    reject();
}

void TfrmWebCam::done(int result)
{
    spegni();
    GradientDialog::done(result);
}
