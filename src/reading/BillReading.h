#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

// What can be read off a bill: its picture (photo, scan or page 1 of a PDF),
// the PDF's own text when the picture came from one, and the payees already
// known to the archive. Widget-free; the reading runs on a worker thread.
namespace reading {

// The bill's data the reading looks for, whatever the archive it goes to.
enum class BillField {
    Amount, // the amount to pay, in the program's form ("158,30")
    DueDate, // dd/mm/yyyy
    IssueDate, // dd/mm/yyyy
    Number, // bill or invoice number
    Period, // "01/01/2025 - 28/02/2025"
    CustomerCode, // the supplier's customer code
    Iban, // upper case, no blanks, mod-97 checked
    PayerCode, // the payer's codice fiscale or partita IVA, checked
    Payee, // a payee already known to the archive, found in the text
    NoticeCode, // the 18-digit pagoPA notice code
    CreditorCode, // the creditor's 11-digit tax code (goes into no field)
};

// Where a value was read, in the order of trust.
enum class Source { PagoPa, PdfText, Ocr };

struct ReadValue {
    BillField field;
    QString value;
    Source source;
};

struct BillInput {
    QImage picture; // may be null when only a PDF is given
    QString pdfPath; // the document the picture came from, or empty
    QStringList knownPayees; // payees (or shops) of this archive's cards
};

struct BillReading {
    // At most one value per field: the most trusted source wins.
    QVector<ReadValue> values;
    bool cancelled = false;
};

// Reads the bill. `cancel` is polled between the steps and inside OCR;
// `progress` (0..100) may be called from the worker thread. Safe to call from
// any thread; the OCR engine is loaded once per run, on first use.
using Progress = std::function<void(int percent)>;
BillReading readBill(const BillInput& input, const std::atomic_bool& cancel, const Progress& progress = {});

// The reader the confirmation window uses; tests put a fake one in its place.
using Reader = std::function<BillReading(const BillInput&, const std::atomic_bool&, const Progress&)>;

} // namespace reading
