#include "capture/PdfPage.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>

#include <cmath>

namespace PdfPage {

QSize pictureSize(const QSizeF& points)
{
    const double w = points.width();
    const double h = points.height();
    // NaN fails every comparison, so it is refused here too.
    if (!(w > 0 && h > 0 && w <= MaxSide && h <= MaxSide))
        return {};
    const double scale = Dpi / 72.0;
    const double pixels = w * scale * h * scale;
    if (pixels <= double(MaxPixels))
        return QSize(std::max(1, int(std::lround(w * scale))), std::max(1, int(std::lround(h * scale))));
    // Shrunk to the ceiling and rounded down, so that it holds; a sliver of
    // a page still gets one row.
    const double shrunk = scale * std::sqrt(double(MaxPixels) / pixels);
    return QSize(std::max(1, int(std::floor(w * shrunk))), std::max(1, int(std::floor(h * shrunk))));
}

std::optional<Picture> firstPage(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes)
        return std::nullopt;

    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None)
        return std::nullopt;
    const int pages = document.pageCount();
    if (pages < 1 || pages > MaxPages)
        return std::nullopt;
    const QSize size = pictureSize(document.pagePointSize(0));
    if (size.isEmpty())
        return std::nullopt;

    const QImage page = document.render(0, size);
    if (page.isNull())
        return std::nullopt;
    // The page comes transparent where nothing is drawn; a JPEG would make
    // that black.
    Picture picture;
    picture.pages = pages;
    picture.image = QImage(page.size(), QImage::Format_RGB32);
    picture.image.fill(Qt::white);
    QPainter painter(&picture.image);
    painter.drawImage(0, 0, page);
    painter.end();
    return picture;
}

} // namespace PdfPage
