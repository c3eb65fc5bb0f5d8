#include "archive/PhotoFiles.h"

#include "archive/Categoria.h"
#include "archive/FieldText.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace PhotoFiles {

QString folder()
{
    return ProgramFolder::file(QStringLiteral("Foto_Ricevute"));
}

bool createFolder()
{
    return QDir().mkpath(folder());
}

QString path(const Categoria& categoria, const QString& posizione)
{
    const QString n = FieldText::trimmed(posizione).toString();
    bool ok = false;
    const int numero = n.toInt(&ok);
    // Only a plain card number names a photo: nothing a label could hold may
    // lead the path out of the photo folder.
    if (!ok || numero < 1 || n != QString::number(numero))
        return {};
    return folder() + QLatin1Char('/') + categoria.PrefissoFoto() + n + QStringLiteral(".jpg");
}

namespace {

// What the image reader decodes without asking: Qt's own allocation limit.
constexpr qint64 MemoriaOrdinaria = qint64(128) << 20;
// The largest picture accepted: the biggest phone cameras take about 110
// megapixels (12,000 x 9,200). Beyond that a receipt gains nothing and the
// decoded picture alone would pass 480 MB.
constexpr qint64 MassimiPixel = 120'000'000;
// The fewest bytes a real picture spends per megapixel. Even one flat colour
// costs a JPEG a few bits for every 8 x 8 block, about 10 KB per megapixel
// (a few KB progressive); a bitmap holds at least one bit per pixel (125 KB),
// or, run-length encoded, two bytes per run of at most 255 pixels (8 KB).
// 1 KB is far below all of them and far above a decompression bomb: a few
// hundred bytes that claim tens of megapixels.
constexpr qint64 MinimiBytePerMegapixel = 1024;

// Raises the reader's allocation limit, which is one for the whole program,
// for one read.
class LimiteLettura {
public:
    explicit LimiteLettura(qint64 byte)
        : prima_(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(int((byte >> 20) + 1));
    }
    ~LimiteLettura() { QImageReader::setAllocationLimit(prima_); }
    LimiteLettura(const LimiteLettura&) = delete;
    LimiteLettura& operator=(const LimiteLettura&) = delete;

private:
    int prima_;
};

} // namespace

QImage read(const QString& percorso)
{
    if (percorso.isEmpty())
        return {};
    // The format is taken from the content, not the name: a bitmap saved
    // as .jpg still loads.
    QImageReader reader(percorso);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);

    // A picture is read only when it is no larger than a camera takes and
    // its file is big enough to hold that many pixels, judged from its
    // header: no memory is taken for one that is refused. One that decodes
    // past the reader's own limit gets a limit of its size for its read.
    const QSize dimensioni = reader.size();
    if (!dimensioni.isValid())
        return reader.read(); // no header to judge by: the read fails on its own
    const qint64 pixel = qint64(dimensioni.width()) * dimensioni.height();
    if (pixel > MassimiPixel || QFileInfo(percorso).size() * 1'000'000 < pixel * MinimiBytePerMegapixel)
        return {};
    const int bit = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    const qint64 memoria = pixel * (bit > 0 ? bit : 32) / 8;
    if (memoria <= MemoriaOrdinaria)
        return reader.read();
    const LimiteLettura limite(memoria);
    return reader.read();
}

bool write(const QImage& immagine, const QString& percorso)
{
    if (immagine.isNull() || percorso.isEmpty())
        return false;
    // Encoded in memory first: the JPEG writer does not notice a write that
    // the disk cuts short, and would hand a truncated photo to the rename.
    QByteArray jpeg;
    {
        QBuffer memoria(&jpeg);
        memoria.open(QIODevice::WriteOnly);
        QImageWriter writer(&memoria, "jpg");
        if (!writer.write(immagine))
            return false;
    }
    // Complete or not at all, and never through a symbolic link planted
    // under the photo's name: the link becomes a regular photo file.
    return SafeFile::write(percorso, jpeg);
}

} // namespace PhotoFiles
