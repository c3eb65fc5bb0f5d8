#pragma once

#include "dialogs/Dialogs.h"

// The file dialogs and messages of the photo panel, shared by the archive
// screen and the webcam window.
namespace PhotoDialogs {

// dlgFile: a JPEG or bitmap picture to put on the card.
inline FileDialogSpec apri()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
    spec.filter = QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp");
    spec.askOverwrite = false;
    return spec;
}

// dlgSalvaFile: where to write the picture as JPEG.
inline FileDialogSpec salva()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    spec.filter = QStringLiteral("File Jpeg (*.jpg)|*.jpg");
    spec.proposedName = QStringLiteral("Foto.jpg");
    spec.defaultSuffix = QStringLiteral("jpg");
    spec.askOverwrite = true;
    return spec;
}

// A chosen file that is no readable picture: the picture on screen stays.
inline QString fileIllegibile()
{
    return QStringLiteral("Attenzione: il file indicato non è un'immagine Jpeg o Bitmap leggibile.");
}

// The picture could not be written to the chosen file: it stays on screen.
inline QString scritturaFallita()
{
    return QStringLiteral("Attenzione: non è stato possibile scrivere la foto nel file indicato.");
}

} // namespace PhotoDialogs
