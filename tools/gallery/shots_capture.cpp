// Gallery shots of the capture room: the archive screen with page 1 of a PDF
// bill as the card's photo and the photo's context menu open, its first item
// under the mouse and its hint in the status bar.

#include "Gallery.h"
#include "SampleCards.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "capture/PdfPage.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"

#include <QAction>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

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
    if (const auto pagina = PdfPage::firstPage(pdf))
        schermo.ImpostaFoto(pagina->image);

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
    schermo.close();
    ProgramFolder::set(previous);
}

const GalleryGroup group("capture", &captureShots);

} // namespace
