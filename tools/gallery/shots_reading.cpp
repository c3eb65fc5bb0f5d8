// Gallery shots of the reading of a bill: the confirmation window over a
// water bill's card, with values from the pagoPA code, the PDF's text and
// OCR, one of them differing from what the card holds and one that does not
// fit its field; and the same window while a slow reading runs.

#include "Gallery.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"
#include "reading/TfrmLeggiBolletta.h"

#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
namespace {

using namespace reading;

BillReading waterBill()
{
    BillReading r;
    const auto add = [&r](BillField f, const char* value, Source s) {
        r.values.append({f, QString::fromUtf8(value), s});
    };
    add(BillField::NoticeCode, "301000000012345678", Source::PagoPa);
    add(BillField::CreditorCode, "00347000721", Source::PagoPa);
    add(BillField::Amount, "78,01", Source::PagoPa);
    add(BillField::DueDate, "15/04/2024", Source::PdfText);
    add(BillField::IssueDate, "14/03/2024", Source::PdfText);
    add(BillField::Number, "2024/033871", Source::PdfText);
    add(BillField::Period, "01/01/2024 - 29/02/2024", Source::PdfText);
    add(BillField::CustomerCode, "AQ-0042117", Source::PdfText);
    add(BillField::Iban, "IT60X0542811101000000123456", Source::Ocr);
    add(BillField::PayerCode, "RSSMRA80A41A662F", Source::Ocr);
    add(BillField::Payee, "Acquedotto Pugliese", Source::PdfText);
    return r;
}

void readingShots(GalleryCamera& camera)
{
    const QString previous = ProgramFolder::path();
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    const Categoria& acqua = *Catalogo::PerChiave(QStringLiteral("Acqua"));

    TfrmArchivio screen(acqua);
    screen.setAttribute(Qt::WA_DontShowOnScreen);
    screen.resize(TfrmArchivio::DesignSize);
    screen.show();
    WindowCamera::settle();
    QImage bill(620, 877, QImage::Format_RGB32);
    bill.fill(Qt::white);
    screen.ImpostaFoto(bill);
    // What the user had typed before reading the bill: a number of their
    // own, left unticked.
    screen.Campo(QStringLiteral("Numero"))->setText(QStringLiteral("33871"));

    {
        const BillReading found = waterBill();
        TfrmLeggiBolletta window(
            screen, [found](const BillInput&, const std::atomic_bool&, const Progress&) { return found; });
        window.show();
        for (int i = 0; i < 200 && window.rows().isEmpty(); ++i) {
            WindowCamera::settle();
            QThread::msleep(5);
        }
        camera.shoot(QStringLiteral("leggi_bolletta"), window);
        window.reject();
    }
    {
        // A reading that goes on until the window is gone.
        const Reader slow = [](const BillInput&, const std::atomic_bool& cancel, const Progress& progress) {
            progress(35);
            while (!cancel)
                QThread::msleep(5);
            return BillReading {};
        };
        TfrmLeggiBolletta window(screen, slow);
        window.show();
        for (int i = 0; i < 20; ++i) {
            WindowCamera::settle();
            QThread::msleep(20);
        }
        camera.shoot(QStringLiteral("leggi_bolletta_lettura"), window);
        window.reject();
    }
    screen.close();
    ProgramFolder::set(previous);
}

const GalleryGroup group("reading", &readingShots);

} // namespace
