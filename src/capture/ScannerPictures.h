#pragma once

#include <QImage>
#include <QSize>

// The pictures of the scanner window, drawn with the program's palette.
namespace ScannerPictures {

constexpr QSize PreviewSize {294, 414};

// The preview before the first scan: a flatbed scanner, lid raised, with a
// receipt on its glass.
QImage flatbed(const QSize& size = PreviewSize);

} // namespace ScannerPictures
