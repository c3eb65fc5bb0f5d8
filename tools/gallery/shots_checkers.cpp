// Gallery shots of the two code checks, each with a code typed in.

#include "Gallery.h"
#include "checkers/TfrmCodFisc.h"
#include "checkers/TfrmPartitaIva.h"

#include <QLineEdit>

namespace {

void checkersShots(GalleryCamera& camera)
{
    {
        TfrmCodFisc w;
        camera.shoot(QStringLiteral("controllo_codice_fiscale_vuoto"), w);
        w.setText(QStringLiteral("RSSMRA80A01H501U"));
        camera.shoot(QStringLiteral("controllo_codice_fiscale"), w);
    }
    {
        TfrmPartitaIva w;
        w.setText(QStringLiteral("00000000588"));
        camera.shoot(QStringLiteral("controllo_partita_iva"), w);
    }
}

const GalleryGroup group("checkers", &checkersShots);

} // namespace
