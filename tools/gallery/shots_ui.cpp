// Gallery shots of the look kit's fitting to small screens: the main menu and
// an archive screen showing a card, maximised on a laptop that leaves them
// 1280 x 660 and on a 1024 x 600 netbook.

#include "Gallery.h"
#include "SampleCards.h"
#include "WindowCamera.h"
#include "app/TfrmAvvio.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "platform/Platform.h"

#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>

namespace {

struct SmallScreen {
    const char* screen;
    const char* suffix;
};
const SmallScreen SmallScreens[] = {{"laptop", "_1280x660"}, {"netbook", "_1024x600"}};

void showMaximisedOn(QWidget& window, const char* screen)
{
    QScreen* s = GalleryScreens::screen(screen);
    window.setScreen(s);
    window.move(s->availableGeometry().topLeft());
    window.showMaximized();
    WindowCamera::settle();
}

void uiShots(GalleryCamera& camera)
{
    const QString previous = ProgramFolder::path();
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    SampleCards::writeRifiuti();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));

    for (const SmallScreen& small : SmallScreens) {
        const QString suffix = QString::fromLatin1(small.suffix);
        {
            TfrmAvvio menu;
            showMaximisedOn(menu, small.screen);
            camera.shoot(QStringLiteral("menu") + suffix, menu);
        }
        {
            TfrmArchivio schermo(rifiuti);
            showMaximisedOn(schermo, small.screen);
            schermo.cmdPrimoClick();
            schermo.Campo(QStringLiteral("Causale"))->setFocus();
            camera.shoot(QStringLiteral("archivio_") + rifiuti.Sigla + suffix, schermo);
            schermo.close();
        }
    }
    ProgramFolder::set(previous);
}

const GalleryGroup group("ui", &uiShots);

} // namespace
