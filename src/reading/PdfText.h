#pragma once

#include <QString>

namespace reading::PdfText {

// The text of page 1 of the PDF document at `path`, as its text layer holds
// it; empty when it has none or the document cannot be read. A hostile
// document is refused within the limits that bound drawing its page
// (capture/PdfPage), and the text is cut at BillText::MaxChars.
QString firstPageText(const QString& path);

} // namespace reading::PdfText
