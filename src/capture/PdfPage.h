#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

// Page 1 of a PDF document as a picture for a card, without widgets: drawn at
// 150 dpi onto white, proportions kept. A page larger than A3 is drawn
// smaller, so that the picture stays within 25 megapixels.
//
// A document that cannot be read (damaged, not a PDF, protected by a
// password) gives nothing, and so does a hostile one: a file beyond a sane
// size, more pages than any bill has, a page side beyond the 14,400 units a
// PDF page may have. The page count is the pages the document really holds,
// not the count it claims. Time and memory stay bounded whatever the file
// claims.
namespace PdfPage {

constexpr double Dpi = 150.0;
constexpr qint64 MaxPixels = 25'000'000;
// The largest page side a PDF may declare, in points (200 inches).
constexpr double MaxSide = 14400.0;
// Beyond these the document is not worth opening for its first page.
constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
constexpr int MaxPages = 10'000;

struct Picture {
    QImage image; // opaque, RGB32
    int pages = 0; // the document's page count
};

// The picture's pixel size for a page of `points` (1/72 inch); an empty size
// when the page is hostile or meaningless (no area, a side beyond MaxSide).
QSize pictureSize(const QSizeF& points);

// Page 1 of the document at `path`; nothing when it cannot be read.
std::optional<Picture> firstPage(const QString& path);

// The one sentence the user reads for any document firstPage refuses.
inline QString unreadable()
{
    return QStringLiteral("Attenzione: il documento PDF indicato non può essere letto.");
}

// What the status bar says when page 1 of a longer document was used.
inline QString firstOfPages(int pages)
{
    return QStringLiteral("Documento di %1 pagine: è stata usata la prima.").arg(pages);
}

} // namespace PdfPage
