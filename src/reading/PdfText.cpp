#include "reading/PdfText.h"

#include "capture/PdfPage.h"
#include "reading/BillText.h"

#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfSelection>

namespace reading::PdfText {

QString firstPageText(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > PdfPage::MaxFileBytes)
        return {};
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None)
        return {};
    const int pages = document.pageCount();
    if (pages < 1 || pages > PdfPage::MaxPages || PdfPage::pictureSize(document.pagePointSize(0)).isEmpty())
        return {};
    return document.getAllText(0).text().left(BillText::MaxChars);
}

} // namespace reading::PdfText
