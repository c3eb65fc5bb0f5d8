#include "reading/QrCodes.h"

#include <ZXing/ReadBarcode.h>

namespace reading::QrCodes {

namespace {

std::optional<PagoPa::Notice> firstNotice(const QImage& gray, const ZXing::DecodeHints& hints)
{
    const ZXing::ImageView view(
        gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid())
            continue;
        if (auto notice = PagoPa::parse(QString::fromStdString(result.text())))
            return notice;
    }
    return std::nullopt;
}

} // namespace

std::optional<PagoPa::Notice> findPagoPa(const QImage& picture, const std::atomic_bool& cancel)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);

    ZXing::DecodeHints quick;
    quick.setFormats(ZXing::BarcodeFormat::QRCode);
    quick.setTryHarder(false);
    quick.setTryRotate(false);
    quick.setTryDownscale(false);
    if (auto notice = firstNotice(gray, quick))
        return notice;
    if (cancel)
        return std::nullopt;

    ZXing::DecodeHints hard;
    hard.setFormats(ZXing::BarcodeFormat::QRCode);
    hard.setTryHarder(true);
    hard.setTryRotate(true);
    hard.setTryDownscale(true);
    if (auto notice = firstNotice(gray, hard))
        return notice;
    if (cancel)
        return std::nullopt;

    // A small photo's modules may be too few pixels wide to tell apart.
    if (gray.width() < 1600) {
        const QImage larger = gray.scaledToWidth(gray.width() * 2, Qt::SmoothTransformation);
        return firstNotice(larger, hard);
    }
    return std::nullopt;
}

} // namespace reading::QrCodes
