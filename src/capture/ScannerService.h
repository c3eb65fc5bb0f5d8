#pragma once

#include "capture/ScannerSource.h"

#include <QObject>
#include <QSize>

#include <memory>

class QThread;

// The scanner window's link to the scanner drivers: one worker thread of its
// own, on which every driver call happens, from starting the drivers up to
// closing them down. The user-interface thread only asks, and is told by
// the signals below, each emitted on its own thread: the progress of a scan
// and its picture, ready made, scaled for the preview too.
class ScannerService : public QObject {
    Q_OBJECT
public:
    explicit ScannerService(QObject* parent = nullptr);
    // Stops a scan in progress and closes the drivers down: see shutdown().
    ~ScannerService() override;

    // Looks for scanners; told by scannersFound.
    void findScanners();
    // Scans as asked; told by progressed, then by one of scanned, stopped and
    // failed. The preview fits `previewBox`. Ignored while a scan runs.
    void scan(const ScanRequest& request, const QSize& previewBox);
    // Asks the scan in progress to stop; told by stopped once it has.
    void stop();
    bool scanning() const { return scanning_; }

    // Stops a scan in progress, closes the drivers and ends the worker
    // thread; returns once all of that is done. Nothing is told afterwards.
    void shutdown();

Q_SIGNALS:
    void scannersFound(const QList<ScannerDevice>& devices);
    void progressed(int percent); // -1: the driver cannot tell
    void scanned(const QImage& picture, const QImage& preview);
    void stopped();
    void failed(const QString& status);

public:
    // What the worker thread keeps (its drivers, the flag that stops a scan).
    struct Worker;

private:
    std::shared_ptr<Worker> worker_;
    QThread* thread_ = nullptr;
    QObject* context_ = nullptr; // lives on the worker thread; jobs are posted to it
    bool scanning_ = false;
};
