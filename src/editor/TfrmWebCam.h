#pragma once

#include "editor/FrameHandOver.h"
#include "ui/GradientDialog.h"

class CameraSource;
class ImageBox;
class QLabel;
class QPushButton;

// The webcam window, one for every category: shows the live picture of the
// default camera, freezes a frame, saves it as JPEG anywhere, and imports it
// into the card of the archive screen named by the tag in lblMemory. The
// camera is off whenever the window closes.
//
// Frames are announced on the capture thread; the copying of each one into
// imgCamera is handed over to the user-interface thread (FrameHandOver), and
// switching off always closes that hand-over before it stops the camera.
class TfrmWebCam : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {807, 405};

    explicit TfrmWebCam(QWidget* owner);
    ~TfrmWebCam() override;

    void ImpostaTag(const QString& tag);
    // True between "Accendi webcam" and switching off.
    bool Acceso() const;
    CameraSource* camera() const { return camCamera; }

public Q_SLOTS:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();
    void done(int result) override;

private:
    void spegni();
    void copiaFotogramma();
    QPushButton* pulsante(
        const QString& nome, const QString& testo, const QRect& geometria, void (TfrmWebCam::*handler)());

    ImageBox* imgCamera;
    ImageBox* imgTarget;
    QLabel* lblMemory;
    CameraSource* camCamera;
    FrameHandOver consegna_;
};
