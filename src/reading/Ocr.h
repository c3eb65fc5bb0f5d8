#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// Optical reading of a bill's picture with the Italian language data. The
// engine is loaded once per run, on first use, and serves one reading at a
// time.
namespace reading::Ocr {

// The language data the program reads with: the program folder's own
// "tessdata" folder, else the system's.
inline constexpr char Language[] = "ita";
QString dataFolder();

// The width a picture is read at: that of an A4 page at 300 dpi. A smaller
// picture is enlarged up to three times, a much larger one reduced.
inline constexpr int ReadingWidth = 2480;
inline constexpr double MaxEnlargement = 3.0;

// Words read with less confidence than this (0 to 100) are left out, so
// that a blurred figure gives no value rather than a wrong one.
inline constexpr float MinConfidence = 70.0F;

// The picture as the engine reads it: grey, at the reading width.
QImage prepared(const QImage& picture);

// The text of the picture, one line a line, each word left out replaced by
// a white square; none when the engine or its data is missing, or when
// `cancel` was set (it is polled while the engine reads). `progress` gets
// 0..100.
std::optional<QString> read(
    const QImage& picture, const std::atomic_bool& cancel, const std::function<void(int)>& progress = {});

} // namespace reading::Ocr
