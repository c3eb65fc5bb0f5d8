// Gallery shots of the help window on its three kinds of topic, the link
// held down, and the information and presentation windows.

#include "Gallery.h"
#include "archive/Categoria.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "help/TfrmInfo.h"
#include "help/TfrmSplash.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

void helpShots(GalleryCamera& camera)
{
    {
        TfrmGuida w;
        w.MostraArgomento(HelpTopics::menu());
        camera.shoot(QStringLiteral("guida_menu"), w);
        // The link while the mouse button is held down on it.
        QWidget* link = w.findChild<QWidget*>(QStringLiteral("lnkWeb"));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(link, &press);
        camera.shoot(QStringLiteral("guida_link_premuto"), w);
    }
    {
        TfrmGuida w;
        w.MostraArgomento(HelpTopics::archive());
        camera.shoot(QStringLiteral("guida_archivio"), w);
    }
    {
        TfrmGuida w;
        w.MostraArgomento(HelpTopics::exportTopic(*Catalogo::PerChiave(QStringLiteral("Telefono"))));
        camera.shoot(QStringLiteral("guida_esportazione_telefono"), w);
    }
    {
        TfrmInfo w;
        camera.shoot(QStringLiteral("informazioni"), w);
    }
    {
        TfrmSplash w;
        camera.shoot(QStringLiteral("presentazione"), w);
    }
}

const GalleryGroup group("help", &helpShots);

} // namespace
