// Gallery shots of the record editor: the archive screen of a bills category
// and of purchases, each showing a stored card with its photo, a blank card,
// and the date picker.

#include "Gallery.h"
#include "SampleCards.h"
#include "WindowCamera.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "editor/TfrmCalendario.h"
#include "platform/Platform.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

void editorShots(GalleryCamera& camera)
{
    // A program folder of the group's own, holding the sample cards.
    const QString previous = ProgramFolder::path();
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    SampleCards::writeRifiuti();
    SampleCards::writeAcquisti();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
    const Categoria& acquisti = *Catalogo::PerChiave(QStringLiteral("Acquisti"));

    for (const Categoria* c : {&rifiuti, &acquisti}) {
        TfrmArchivio schermo(*c);
        schermo.setAttribute(Qt::WA_DontShowOnScreen);
        schermo.resize(TfrmArchivio::DesignSize);
        schermo.show();
        WindowCamera::settle();
        const QString nome = QStringLiteral("archivio_") + c->Sigla;
        camera.shoot(nome + QStringLiteral("_nuova"), schermo, TfrmArchivio::DesignSize);
        schermo.cmdPrimoClick();
        QLineEdit* inFocus = schermo.Campo(QStringLiteral("Causale"));
        (inFocus ? inFocus : schermo.Campo(QStringLiteral("Prodotti")))->setFocus();
        camera.shoot(nome, schermo, TfrmArchivio::DesignSize);
        schermo.close();
    }

    TfrmArchivio schermo(rifiuti);
    TfrmCalendario calendario(&schermo);
    calendario.ImpostaTag(QStringLiteral("rifiuti_datasca"));
    calendario.calendario()->setSelectedDate(QDate(2024, 3, 5));
    camera.shoot(QStringLiteral("calendario"), calendario);
    ProgramFolder::set(previous);
}

const GalleryGroup group("editor", &editorShots);

} // namespace
