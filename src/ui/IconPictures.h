#pragma once

#include <QPixmap>
#include <QSize>

// The small pictures of the archive screen's commands and of the dialogs it
// opens, drawn with QPainter when asked for.
enum class Icon {
    Nuovo, // blank page
    Duplica, // two pages
    Salva, // floppy disk
    Trova, // magnifying glass
    Primo, // |<
    Indietro, // <
    Avanti, // >
    Ultimo, // >|
    Esporta, // spreadsheet
    Segnalati, // hand holding a coin
    Guida, // question mark
    Esci, // door
    CaricaFoto, // folder with a photo
    SalvaFoto, // floppy disk, small
    CancFoto, // eraser
    Webcam, // webcam
    Zoom, // magnifying glass with a plus
    Euro, // euro sign
    DaPagare, // alarm clock
    Spunta, // green tick
    Allega, // paper clip
    Stampa, // printer
};

namespace IconPictures {
QPixmap draw(Icon icona, const QSize& size);
}
