#pragma once

#include <QImage>
#include <QString>

struct Categoria;

// Photo storage: one JPEG per stored card in "Foto_Ricevute" of the program
// folder, named by the category's prefix and the card's number
// ("Rifiuti_3.jpg"). The number is the only link between a card and its photo.
namespace PhotoFiles {

// "<program folder>/Foto_Ricevute"
QString folder();
// Creates the photo folder with any missing parents; false when it cannot.
bool createFolder();
// The photo file of card `posizione` (the position label's text, trimmed
// here). Empty when the position is not a card number.
QString path(const Categoria& categoria, const QString& posizione);

// Reads and decodes a JPEG or bitmap picture of up to 120 megapixels. A null
// image when the file is missing, unreadable, not a picture, claims more
// pixels than that, or claims far more than its size can hold (a
// decompression bomb).
QImage read(const QString& percorso);

// Writes the picture as JPEG at the codec's default quality and its own pixel
// size. The new file replaces the old one only once it is completely written,
// so a failed write leaves any earlier photo as it was. A symbolic link of
// that name is replaced by the photo file, never written through.
bool write(const QImage& immagine, const QString& percorso);

} // namespace PhotoFiles
