#pragma once

#include "dialogs/Dialogs.h"

#include <QImage>
#include <QString>

class TfrmArchivio;

// Page 1 of a PDF document as the photo of the card on an archive screen:
// what "Carica da documento PDF..." and a dropped PDF lead to.
namespace PdfPhoto {

// The dialog that picks the document.
FileDialogSpec openSpec();

// Page 1 of the document at `path` as a picture for a card, or, when it
// cannot be read, a null picture once the user has been told over `parent`:
// what the archive screens' dialogs are given to offer a document's page
// as the card's photo.
QImage picture(QWidget* parent, const QString& path);

// Asks for a document and loads it as below; nothing when the user cancels.
// True when a document was loaded.
bool choose(TfrmArchivio& screen);

// Puts page 1 of the document at `path` on the screen's card. A longer
// document is told in the status bar; one that cannot be read is told in a
// message and leaves the picture as it was. The screen remembers the
// document as the one its picture came from. Once loaded, and when the card
// has a free attachment slot, offers to attach the document too. False when
// the document could not be read.
bool load(TfrmArchivio& screen, const QString& path);

} // namespace PdfPhoto
