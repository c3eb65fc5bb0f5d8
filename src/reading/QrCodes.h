#pragma once

#include "reading/PagoPa.h"

#include <QImage>

#include <atomic>
#include <optional>

namespace reading::QrCodes {

// The pagoPA notice of the first QR code on the picture whose text is one,
// wherever it is printed. A quick look first; then a harder one (turned,
// smaller, larger) when the quick one finds none, unless `cancel` is set.
std::optional<PagoPa::Notice> findPagoPa(const QImage& picture, const std::atomic_bool& cancel);

} // namespace reading::QrCodes
