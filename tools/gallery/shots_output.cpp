// Gallery shots of the Excel export window: a bills archive with its grid
// filled, the hint of the export button, and purchases with a cell being
// edited. Then the card print window over a bills screen.

#include "Gallery.h"
#include "SampleCards.h"
#include "archive/Categoria.h"
#include "editor/TfrmArchivio.h"
#include "output/TfrmExp.h"
#include "output/TfrmStampa.h"
#include "platform/Platform.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// A program folder of the group's own, so other groups' cards do not mix in.
struct OwnFolder {
    OwnFolder()
        : previous(ProgramFolder::path())
    {
        ProgramFolder::set(dir.path());
    }
    ~OwnFolder() { ProgramFolder::set(previous); }
    QString previous;
    QTemporaryDir dir;
};

void hover(QWidget* w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(w, &e);
}

void outputShots(GalleryCamera& camera)
{
    OwnFolder folder;
    SampleCards::writeRifiuti();
    SampleCards::writeAcquisti();
    const Categoria& rifiuti = *Catalogo::PerChiave(QStringLiteral("Rifiuti"));
    const Categoria& acquisti = *Catalogo::PerChiave(QStringLiteral("Acquisti"));
    {
        TfrmExp w(rifiuti);
        camera.shoot(QStringLiteral("esporta_rifiuti"), w);
        hover(w.findChild<QWidget*>(QStringLiteral("cmdEsporta")));
        camera.shoot(QStringLiteral("esporta_rifiuti_suggerimento"), w);
    }
    {
        TfrmExp w(acquisti);
        camera.shoot(QStringLiteral("esporta_acquisti"), w);
        auto* grid = w.findChild<QTableView*>(QStringLiteral("grdRecords"));
        const QModelIndex notes = grid->model()->index(1, 16);
        grid->scrollTo(notes);
        grid->setCurrentIndex(notes);
        grid->edit(notes);
        if (auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(notes)))
            editor->setText(QStringLiteral("Ricevuta in cartella"));
        camera.shoot(QStringLiteral("esporta_acquisti_modifica"), w);
    }
    {
        TfrmArchivio schermo(rifiuti);
        schermo.resize(TfrmArchivio::DesignSize);
        schermo.cmdPrimoClick();
        TfrmStampa w(schermo);
        camera.shoot(QStringLiteral("stampa_rifiuti"), w);
    }
}

const GalleryGroup group("output", &outputShots);

} // namespace
