#include "SampleBill.h"

#include <algorithm>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QStringList>
#include <QTransform>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

namespace SampleBill {

namespace {

constexpr int QrSide = 700;

QFont font(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The page in units of 1/300 inch.
void draw(QPainter& p, bool withQr)
{
    const Data d;
    p.setPen(Qt::black);
    p.setFont(font(110, true));
    p.drawText(QPointF(200, 330), d.supplier + QStringLiteral(" S.p.A."));
    p.setFont(font(50));
    p.drawText(QPointF(200, 430), QStringLiteral("Bolletta per la fornitura di energia elettrica"));
    p.setPen(QPen(Qt::black, 6));
    p.drawLine(QPointF(200, 500), QPointF(2280, 500));

    const QStringList rows = {
        QStringLiteral("Fattura n. ") + d.number,
        QStringLiteral("Data emissione ") + d.issueDate,
        QStringLiteral("Periodo dal 01/01/2025 al 28/02/2025"),
        QStringLiteral("Codice cliente ") + d.customerCode,
        QStringLiteral("Intestatario: Mario Rossi, Via Roma 1, Milano"),
        QStringLiteral("Codice fiscale ") + d.payerCode,
        QStringLiteral("IBAN IT60 X054 2811 1010 0000 0123 456"),
    };
    p.setFont(font(56));
    qreal y = 700;
    for (const QString& row : rows) {
        p.drawText(QPointF(200, y), row);
        y += 120;
    }
    y += 80;
    p.setFont(font(72, true));
    p.drawText(QPointF(200, y), QStringLiteral("Totale da pagare € ") + d.amount);
    y += 140;
    p.drawText(QPointF(200, y), QStringLiteral("Scadenza ") + d.dueDate);

    p.setFont(font(40));
    p.drawText(QPointF(200, 3300), QStringLiteral("Servizio clienti: numero verde gratuito"));
    if (withQr) {
        const QRectF where(1580, 2450, QrSide, QrSide);
        p.drawImage(where, qrCode(d.pagoPaText(), QrSide));
        p.setFont(font(40));
        p.drawText(QPointF(1580, 2420), QStringLiteral("Paga con pagoPA"));
    }
}

QImage whitePage()
{
    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A box blur of the given radius, a few times over: near enough a Gaussian.
QImage blurred(const QImage& source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    for (int pass = 0; pass < 2; ++pass) {
        for (int vertical = 0; vertical < 2; ++vertical) {
            QImage out(image.size(), QImage::Format_Grayscale8);
            const int w = image.width();
            const int h = image.height();
            const int lines = vertical ? w : h;
            const int length = vertical ? h : w;
            for (int line = 0; line < lines; ++line) {
                const auto at = [&](const QImage& img, int k) -> uchar {
                    k = std::clamp(k, 0, length - 1);
                    return vertical ? img.constScanLine(k)[line] : img.constScanLine(line)[k];
                };
                int sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += at(image, k);
                for (int k = 0; k < length; ++k) {
                    const uchar value = uchar(sum / (2 * radius + 1));
                    if (vertical)
                        out.scanLine(k)[line] = value;
                    else
                        out.scanLine(line)[k] = value;
                    sum += at(image, k + radius + 1) - at(image, k - radius);
                }
            }
            image = out;
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage noisy(const QImage& source)
{
    QImage image = source.convertToFormat(QImage::Format_Grayscale8);
    QRandomGenerator random(18);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int value = line[x] + int(random.bounded(121)) - 60;
            line[x] = uchar(std::clamp(value, 0, 255));
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QString Data::pagoPaText() const
{
    return QStringLiteral("PAGOPA|002|%1|%2|15830").arg(noticeCode, creditorCode);
}

QImage qrCode(const QString& text, int side)
{
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
    const ZXing::BitMatrix matrix = writer.setMargin(4).encode(text.toStdWString(), side, side);
    QImage image(matrix.width(), matrix.height(), QImage::Format_RGB32);
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            image.setPixel(x, y, matrix.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

QImage page()
{
    QImage image = whitePage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, true);
    p.end();
    return image;
}

QImage damaged(const QImage& page, Damage damage)
{
    switch (damage) {
    case Damage::Webcam:
        return page.scaledToWidth(640, Qt::SmoothTransformation);
    case Damage::Blur:
        return blurred(page, 3);
    case Damage::Noise:
        return noisy(page);
    case Damage::Rotation: {
        const QImage turned = page.transformed(QTransform().rotate(1.5), Qt::SmoothTransformation);
        // The corners the turn uncovers are white, as paper on a scanner.
        QImage image(turned.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.drawImage(0, 0, turned);
        p.end();
        return image;
    }
    }
    return page;
}

QImage emptyPage()
{
    QImage image = whitePage();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font(90, true));
    p.drawText(QPointF(200, 400), QStringLiteral("Comunicazione ai clienti"));
    p.setFont(font(56));
    p.drawText(QPointF(200, 600), QStringLiteral("Questa pagina è lasciata intenzionalmente bianca."));
    p.end();
    return image;
}

bool writePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(Dpi);
    QPainter p;
    if (!p.begin(&writer))
        return false;
    draw(p, true);
    return p.end();
}

} // namespace SampleBill
