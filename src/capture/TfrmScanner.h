#pragma once

#include "capture/ScannerSource.h"
#include "ui/GradientDialog.h"

class ImageBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class ScannerService;

// The scanner window, one for every category: lists the scanners the
// drivers find, scans the whole bed at the resolution and in the mode
// chosen, shows the last scan, and imports it into the card of the archive
// screen named by the tag in lblMemory, as the webcam window does.
//
// Scanning runs on the worker thread of a ScannerService; the window only
// follows its progress, and stays responsive. Closing the window stops a
// scan in progress and closes the drivers before the window goes.
class TfrmScanner : public GradientDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {760, 458};

    explicit TfrmScanner(QWidget* owner);
    ~TfrmScanner() override;

    void ImpostaTag(const QString& tag);
    // The last scan at its own pixel size; null before the first one.
    QImage Scansione() const { return lastScan_; }
    // True from "Acquisisci" until the scan has ended.
    bool Acquisendo() const;

    // What the window says while it looks for scanners and when it finds none.
    static QString searchingText();
    static QString noScannerText();
    // The message of a scan the scanner ended with an error.
    static QString errorText(const QString& status);

    // Opens the window over an archive screen, modally, for its card. True
    // when a scan was put on the card.
    static bool Mostra(QWidget* owner, const QString& tag);

public Q_SLOTS:
    void btnAcquisisciClick();
    void btnImportaFotoClick();
    void btnAnnullaClick();
    void done(int result) override;

private:
    void scannersFound(const QList<ScannerDevice>& devices);
    void progressed(int percent);
    void scanned(const QImage& picture, const QImage& preview);
    void stopped();
    void failed(const QString& status);
    void showIdle(const QString& stato);

    ScannerService* service_;
    QComboBox* cmbScanner;
    QComboBox* cmbRisoluzione;
    QComboBox* cmbModo;
    ImageBox* imgAnteprima;
    QPushButton* btnAcquisisci;
    QPushButton* btnImportaFoto;
    QPushButton* btnAnnulla;
    QProgressBar* prgScansione;
    QLabel* lblStato;
    QLabel* lblMemory;
    QImage lastScan_;
    bool found_ = false;
};
