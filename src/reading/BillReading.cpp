#include "reading/BillReading.h"

#include "capture/PdfPage.h"
#include "household/Money.h"
#include "reading/BillText.h"
#include "reading/Ocr.h"
#include "reading/PagoPa.h"
#include "reading/PdfText.h"
#include "reading/QrCodes.h"

#include <algorithm>

namespace reading {

namespace {

// A PDF's text layer counts when it holds this many letters and digits: a
// scanned bill's PDF may carry no more than a page number.
constexpr int MinTextCharacters = 20;

bool hasText(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); }) >= MinTextCharacters;
}

// Progress of the steps, in percent of the whole reading.
constexpr int AfterCode = 20;
constexpr int AfterPdfText = 30;
constexpr int AfterOcr = 95;

} // namespace

BillReading readBill(const BillInput& input, const std::atomic_bool& cancel, const Progress& progress)
{
    BillReading reading;
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    const auto stopped = [&] {
        if (!cancel)
            return false;
        reading.values.clear();
        reading.cancelled = true;
        return true;
    };
    // The most trusted source comes first: a field already given keeps its
    // value.
    const auto add = [&](BillField field, const QString& value, Source source) {
        const bool given = std::any_of(
            reading.values.begin(), reading.values.end(), [&](const ReadValue& v) { return v.field == field; });
        if (!given)
            reading.values.append({field, value, source});
    };

    report(0);
    QImage picture = input.picture;
    if (picture.isNull() && !input.pdfPath.isEmpty()) {
        if (const auto page = PdfPage::firstPage(input.pdfPath))
            picture = page->image;
    }
    if (stopped())
        return reading;

    QString creditor;
    if (const auto notice = QrCodes::findPagoPa(picture, cancel)) {
        add(BillField::NoticeCode, notice->noticeCode, Source::PagoPa);
        add(BillField::CreditorCode, notice->creditorCode, Source::PagoPa);
        add(BillField::Amount, Money::formatPlainCents(notice->cents), Source::PagoPa);
        creditor = notice->creditorCode;
    }
    report(AfterCode);
    if (stopped())
        return reading;

    const QString pdfText = PdfText::firstPageText(input.pdfPath);
    report(AfterPdfText);
    if (stopped())
        return reading;

    if (hasText(pdfText)) {
        for (const BillText::Found& f : BillText::read(pdfText, input.knownPayees, creditor))
            add(f.field, f.value, Source::PdfText);
    } else if (!picture.isNull()) {
        const auto ocrProgress = [&](int percent) { report(AfterPdfText + percent * (AfterOcr - AfterPdfText) / 100); };
        const std::optional<QString> text = Ocr::read(picture, cancel, ocrProgress);
        if (stopped())
            return reading;
        if (text)
            for (const BillText::Found& f : BillText::read(*text, input.knownPayees, creditor))
                add(f.field, f.value, Source::Ocr);
    }
    report(100);
    return reading;
}

} // namespace reading
