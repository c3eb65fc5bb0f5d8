#pragma once

#include <QImage>
#include <QString>

// A bill made for the tests and the benchmark of the reading of bills: an
// A4 page drawn at 300 dpi with the texts of an electricity bill and its
// pagoPA QR code; the same page as a webcam or a poor scanner gives it; the
// same bill as a PDF document with a text layer; and a page with no data.
namespace SampleBill {

inline constexpr int Dpi = 300;
inline constexpr int PageWidth = 2480; // A4 at 300 dpi
inline constexpr int PageHeight = 3508;

// What the bill says, in the forms the reading gives back.
struct Data {
    QString supplier = QStringLiteral("Energia Chiara");
    QString number = QStringLiteral("2025/004711");
    QString issueDate = QStringLiteral("15/03/2025");
    QString period = QStringLiteral("01/01/2025 - 28/02/2025");
    QString customerCode = QStringLiteral("88012345");
    QString iban = QStringLiteral("IT60X0542811101000000123456");
    QString payerCode = QStringLiteral("RSSMRA80A01H501U");
    QString amount = QStringLiteral("158,30");
    QString dueDate = QStringLiteral("31/03/2025");
    QString noticeCode = QStringLiteral("301000000012345678");
    QString creditorCode = QStringLiteral("01234567897");

    // The text of the bill's QR code.
    QString pagoPaText() const;
};

// The bill's page, opaque, PageWidth x PageHeight.
QImage page();

// The page as it may come from a camera or a scanner.
enum class Damage {
    Webcam, // scaled to 640 pixels wide
    Blur, // out of focus
    Noise, // grainy
    Rotation, // turned by 1.5 degrees
};
QImage damaged(const QImage& page, Damage damage);

// A page with a heading and a sentence, and no data of a bill.
QImage emptyPage();

// The bill as a one-page A4 PDF document whose texts are real text; false
// when it could not be written.
bool writePdf(const QString& path);

// A QR code of `text`, black on white, `side` pixels square (quiet zone
// included).
QImage qrCode(const QString& text, int side);

} // namespace SampleBill
