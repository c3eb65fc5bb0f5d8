#pragma once

#include "capture/ScannerSource.h"

#include <QByteArray>

// The system's SANE library, looked up when the first scanner window opens
// (libsane.so.1, loaded at run time): where it is missing the program still
// runs, and simply finds no scanner. Initialised when created and closed when
// destroyed, on the thread that uses it.
class SaneScanner : public ScannerSource {
public:
    SaneScanner();
    ~SaneScanner() override;

    QList<ScannerDevice> devices() override;
    ScanResult scan(const ScanRequest& request, const Progress& progress) override;

private:
    bool ready_ = false;
};

// One frame as the driver sent it, turned into a picture: grey or colour,
// 1, 8 or 16 bits a sample, lines of `bytesPerLine` bytes, a line that the
// driver cut short left out. A null picture for any other layout.
namespace SaneFrame {

enum class Kind { Gray, Rgb };

struct Layout {
    Kind kind = Kind::Gray;
    int depth = 8;
    int pixelsPerLine = 0;
    int bytesPerLine = 0;
};

QImage picture(const Layout& layout, const QByteArray& bytes);

} // namespace SaneFrame
