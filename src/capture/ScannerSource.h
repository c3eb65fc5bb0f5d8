#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// A scanner the computer can reach: the driver's name for it (what opening
// it takes) and the words a user recognises it by.
struct ScannerDevice {
    QString name;
    QString label;
};

// What one scan is asked for. The scan always covers the scanner's whole bed.
struct ScanRequest {
    QString device;
    int dpi = 200;
    bool colour = true;
};

// How a scan ended: the picture, or why there is none.
struct ScanResult {
    enum class Outcome { Done, Stopped, Failed };
    Outcome outcome = Outcome::Failed;
    QImage image; // Done only: opaque, RGB32
    QString error; // Failed only: the driver's own status text
};

// The scanner drivers as the scanner window's worker thread uses them: the
// system's SANE library in the program, a stand-in in tests and in the
// gallery. Every call, creation and destruction included, happens on that
// one worker thread, never on the user-interface thread.
class ScannerSource {
public:
    // Told the bytes read so far and the bytes the frame has (0 when the
    // driver cannot tell); returns false to stop the scan.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    virtual ~ScannerSource();

    // The scanners found; none when there are none or no drivers at all.
    virtual QList<ScannerDevice> devices() = 0;
    // Scans the whole bed of `request.device`; blocks until done, stopped
    // or failed. `progress` is called between reads.
    virtual ScanResult scan(const ScanRequest& request, const Progress& progress) = 0;

    // The source a scanner window's worker gets: the system's SANE drivers,
    // unless another factory was installed (tests, the gallery). Called on
    // the worker thread.
    using Factory = std::function<std::unique_ptr<ScannerSource>()>;
    static std::unique_ptr<ScannerSource> create();
    static void setFactory(Factory factory); // empty: back to SANE
};
