// Gallery shots of the capture room: the archive screen with page 1 of a PDF
// bill as the card's photo and the photo's context menu open, its first item
// under the mouse and its hint in the status bar; the scanner window with no
// scanner, during a scan and with the preview of a scanned bill.

#include "Gallery.h"
#include "SampleCards.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "capture/PdfPage.h"
#include "capture/ScannerSource.h"
#include "capture/TfrmScanner.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// The scanner the gallery pretends to have: none, one that stays at 45 %
// until it is stopped, or one that gives `page` at once.
struct FakeScanner : ScannerSource {
    enum class Mode { None, Halfway, Done };
    FakeScanner(Mode mode, QImage page)
        : mode_(mode)
        , page_(std::move(page))
    { }
    QList<ScannerDevice> devices() override
    {
        if (mode_ == Mode::None)
            return {};
        return {{QStringLiteral("usb:001:004"), QStringLiteral("Scanner piano A4 (USB)")}};
    }
    ScanResult scan(const ScanRequest&, const Progress& progress) override
    {
        ScanResult r;
        if (mode_ == Mode::Halfway) {
            while (progress(45, 100))
                QThread::msleep(2);
            r.outcome = ScanResult::Outcome::Stopped;
            return r;
        }
        progress(100, 100);
        r.outcome = ScanResult::Outcome::Done;
        r.image = page_;
        return r;
    }
    Mode mode_;
    QImage page_;
};

// Lets the window's worker answer (at most two seconds).
void waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
}

// A page as a flatbed gives it back: a little grey, the paper's edge slightly
// askew on a bed larger than the page.
QImage scannedLook(const QImage& page)
{
    QImage bed(qRound(page.width() * 1.04), qRound(page.height() * 1.02), QImage::Format_RGB32);
    bed.fill(QColor(0xF2, 0xF1, 0xEE));
    QPainter p(&bed);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(page.width() * 0.02, page.height() * 0.01);
    p.rotate(0.6);
    p.fillRect(QRectF(4, 4, page.width(), page.height()), QColor(0xD8, 0xD6, 0xD2));
    p.drawImage(0, 0, page);
    p.fillRect(QRectF(0, 0, page.width(), page.height()), QColor(0xE0, 0xDC, 0xD0, 40));
    return bed;
}

void scannerShots(GalleryCamera& camera, TfrmArchivio& screen, const QImage& bill)
{
    auto shoot = [&](const char* name, FakeScanner::Mode mode, const std::function<void(TfrmScanner&)>& state) {
        const QImage page = mode == FakeScanner::Mode::Done ? scannedLook(bill) : QImage();
        ScannerSource::setFactory([mode, page] { return std::make_unique<FakeScanner>(mode, page); });
        TfrmScanner window(&screen);
        window.ImpostaTag(screen.categoria().Sigla);
        auto* status = window.findChild<QLabel*>(QStringLiteral("lblStato"));
        waitUntil([status] { return status->text() != TfrmScanner::searchingText(); });
        state(window);
        camera.shoot(QString::fromLatin1(name), window);
        window.done(QDialog::Rejected);
        ScannerSource::setFactory({});
    };
    shoot("scanner_nessuno", FakeScanner::Mode::None, [](TfrmScanner&) {});
    shoot("scanner_in_corso", FakeScanner::Mode::Halfway, [](TfrmScanner& f) {
        f.btnAcquisisciClick();
        auto* bar = f.findChild<QProgressBar*>(QStringLiteral("prgScansione"));
        waitUntil([bar] { return bar->value() == 45; });
    });
    shoot("scanner_anteprima", FakeScanner::Mode::Done, [](TfrmScanner& f) {
        f.btnAcquisisciClick();
        waitUntil([&f] { return !f.Acquisendo(); });
    });
}

// A one-page water bill as a supplier sends it.
void writeBill(const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter p(&writer);
    p.fillRect(QRectF(0, 0, 595, 70), QColor(0x1F, 0x5F, 0x9F));
    QFont titolo(QStringLiteral("DejaVu Sans"));
    titolo.setPixelSize(26);
    titolo.setBold(true);
    p.setFont(titolo);
    p.setPen(Qt::white);
    p.drawText(QPointF(30, 46), QStringLiteral("Acquedotto Comunale"));
    QFont testo(QStringLiteral("DejaVu Sans"));
    testo.setPixelSize(13);
    p.setFont(testo);
    p.setPen(Qt::black);
    p.drawText(QPointF(30, 110), QStringLiteral("Bolletta n. 2024/033871 - primo bimestre 2024"));
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(QRectF(30, 130, 535, 200));
    const char* righe[] = {"Quota fissa", "Consumo 38 m\u00b3", "Depurazione", "Fognatura", "IVA 10%"};
    const char* importi[] = {"12,40", "41,80", "9,12", "7,60", "7,09"};
    for (int i = 0; i < 5; ++i) {
        p.drawText(QPointF(45, 165 + i * 30), QString::fromUtf8(righe[i]));
        p.drawText(QPointF(480, 165 + i * 30), QString::fromLatin1(importi[i]));
    }
    titolo.setPixelSize(18);
    p.setFont(titolo);
    p.drawText(QPointF(30, 380), QStringLiteral("Totale da pagare: euro 78,01"));
    p.setFont(testo);
    for (int i = 0; i < 14; ++i)
        p.drawText(QPointF(30, 430 + i * 22),
            QStringLiteral("Informazioni per il cliente, riga %1 del riepilogo.").arg(i + 1));
}

void captureShots(GalleryCamera& camera)
{
    const QString previous = ProgramFolder::path();
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    SampleCards::writeRifiuti();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));

    TfrmArchivio schermo(rifiuti);
    schermo.setAttribute(Qt::WA_DontShowOnScreen);
    schermo.resize(TfrmArchivio::DesignSize);
    schermo.show();
    WindowCamera::settle();
    schermo.cmdPrimoClick();
    const QString pdf = dir.filePath(QStringLiteral("bolletta.pdf"));
    writeBill(pdf);
    QImage bill;
    if (const auto pagina = PdfPage::firstPage(pdf)) {
        bill = pagina->image;
        schermo.ImpostaFoto(bill);
    }

    // The menu is a window of its own: drawn onto the screen's picture
    // where it opens, beside the click on the photo.
    auto* menu = schermo.findChild<QMenu*>(QStringLiteral("mnuFoto"));
    auto* foto = schermo.findChild<QWidget*>(QStringLiteral("imgFoto"));
    QImage picture;
    if (menu && foto) {
        const QPoint click = foto->mapTo(&schermo, QPoint(180, 140));
        menu->popup(schermo.mapToGlobal(click));
        WindowCamera::settle();
        QAction* prima = menu->actions().value(0);
        menu->setActiveAction(prima);
        prima->hover();
        WindowCamera::settle();
        picture = WindowCamera::take(schermo, TfrmArchivio::DesignSize);
        QPainter p(&picture);
        p.drawImage(click, menu->grab().toImage());
        p.end();
        menu->hide();
    }
    camera.save(QStringLiteral("archivio_menu_foto"), picture);
    scannerShots(camera, schermo, bill);
    schermo.close();
    ProgramFolder::set(previous);
}

const GalleryGroup group("capture", &captureShots);

} // namespace
