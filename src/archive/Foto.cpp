#include "Foto.h"

#include "Categoria.h"
#include "Platform.h"
#include "SafeFile.h"
#include "Testo.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>

namespace Foto {

QString Cartella() { return ProgramFolder::file(QStringLiteral("Foto_Ricevute")); }

bool CreaCartella() { return QDir().mkpath(Cartella()); }

QString Percorso(const Categoria& categoria, const QString& posizione)
{
    const QString n = Testo::pulito(posizione).toString();
    bool ok = false;
    const int numero = n.toInt(&ok);
    // Only a plain card number names a photo: nothing a label could hold may
    // lead the path out of the photo folder.
    if (!ok || numero < 1 || n != QString::number(numero))
        return {};
    return Cartella() + QLatin1Char('/') + categoria.PrefissoFoto() + n + QStringLiteral(".jpg");
}

QImage Leggi(const QString& percorso)
{
    if (percorso.isEmpty())
        return {};
    // The format is taken from the content, not the name: a bitmap saved
    // as .jpg still loads. The reader's allocation limit refuses pictures
    // that claim absurd dimensions before any memory is taken for them.
    QImageReader reader(percorso);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage img = reader.read();
    return img;
}

bool Scrivi(const QImage& immagine, const QString& percorso)
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

} // namespace Foto
