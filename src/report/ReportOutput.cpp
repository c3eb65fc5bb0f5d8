#include "report/ReportOutput.h"

#include "dialogs/Dialogs.h"
#include "report/Fonts.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace Reports {

namespace {

void drawBox(QPainter& p, const QRectF& box, const BoxStyle& style)
{
    if (style.fill.isValid())
        p.fillRect(box, style.fill);
    if (style.border.isValid() && style.borderWidth > 0) {
        QPen pen(style.border, style.borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const double h = style.borderWidth / 2;
        p.drawRect(box.adjusted(h, h, -h, -h));
    }
}

void drawText(QPainter& p, const PlacedItem& item)
{
    if (item.lines.isEmpty())
        return;
    // Drawn in device pixels at the exact size; see fontFor().
    const QTransform t = p.transform();
    const double dpi = p.device() ? p.device()->logicalDpiY() : kUnitsPerInch;
    const double pixels = item.textStyle.pointSize * kUnitsPerInch / 72.0 * qAbs(t.m22());
    p.resetTransform();
    p.setClipRect(t.mapRect(item.box), Qt::IntersectClip);
    p.setFont(fontFor(item.textStyle, pixels, dpi));
    p.setPen(item.textStyle.color);
    Qt::Alignment h = item.textStyle.alignment & Qt::AlignHorizontal_Mask;
    if (!h)
        h = Qt::AlignLeft;
    const double lh = item.textStyle.lineHeightUnits();
    for (int i = 0; i < item.lines.size(); ++i) {
        const QRectF line(item.box.left(), item.box.top() + item.firstLine + i * lh, item.box.width(), lh);
        p.drawText(t.mapRect(line), int(h | Qt::AlignVCenter | Qt::TextSingleLine), item.lines.at(i));
    }
}

// The sheet of a page on a printer or PDF writer: the report draws its own
// margins, so the device has none and its origin is the paper's corner.
void applySheet(QPagedPaintDevice* device, const PreparedPage& page)
{
    if (auto* printer = dynamic_cast<QPrinter*>(device))
        printer->setFullPage(true);
    device->setPageSize(page.layout.pageSize());
    device->setPageOrientation(page.layout.orientation());
    device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

void paintPage(QPainter& p, const PreparedPage& page)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(page.printableRect().topLeft());
    for (const PlacedItem& item : page.items) {
        p.save();
        drawBox(p, item.box, item.boxStyle);
        if (item.kind == ObjectKind::Text)
            drawText(p, item);
        else if (item.kind == ObjectKind::Picture && !item.picture.isNull())
            p.drawImage(item.pictureBox, item.picture);
        p.restore();
    }
    p.restore();
}

bool paintPages(const Report& r, QPaintDevice* device)
{
    const QList<PreparedPage>& pages = r.pages();
    if (!device || pages.isEmpty())
        return false;

    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
        applySheet(paged, pages.first());
        QPainter p;
        if (!p.begin(device))
            return false;
        for (int i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                applySheet(paged, pages.at(i));
                if (!paged->newPage())
                    return false;
            }
            p.save();
            const double scale = device->logicalDpiX() / kUnitsPerInch;
            p.scale(scale, scale);
            paintPage(p, pages.at(i));
            p.restore();
        }
        return p.end();
    }

    const QSizeF paper = pages.first().paperSize();
    QPainter p;
    if (!p.begin(device))
        return false;
    const double scale = std::min(device->width() / paper.width(), device->height() / paper.height());
    p.scale(scale, scale);
    paintPage(p, pages.first());
    return p.end();
}

QImage renderPage(const Report& r, int index, int dpi)
{
    if (index < 0 || index >= r.pages().size() || dpi <= 0)
        return QImage();
    const PreparedPage& page = r.pages().at(index);
    const double scale = dpi / kUnitsPerInch;
    const QSizeF paper = page.paperSize() * scale;
    QImage img(int(std::ceil(paper.width())), int(std::ceil(paper.height())), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    paintPage(p, page);
    p.end();
    return img;
}

bool writePdf(const Report& r, const QString& path)
{
    if (r.pages().isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setTitle(r.name);
    writer.setCreator(QStringLiteral("Tessaria 3.0"));
    return paintPages(r, &writer);
}

bool printReport(QWidget* parent, Report& r)
{
    if (!r.isPrepared())
        r.prepare();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(r.name);
    if (!r.pages().isEmpty())
        applySheet(&printer, r.pages().first());
    if (!Dialogs::current().print(parent, &printer))
        return false;
    return paintPages(r, &printer);
}

} // namespace Reports
