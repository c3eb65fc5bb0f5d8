#include "capture/PdfPhoto.h"

#include "capture/PdfPage.h"
#include "editor/AttachmentCopy.h"
#include "editor/TfrmArchivio.h"

namespace PdfPhoto {

FileDialogSpec openSpec()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Selezionare un documento in formato PDF.");
    spec.filter = QStringLiteral("Documento PDF (*.pdf)|*.pdf");
    spec.askOverwrite = false;
    return spec;
}

QImage picture(QWidget* parent, const QString& path)
{
    const auto page = PdfPage::firstPage(path);
    if (!page) {
        Dialogs::current().message(parent, Dialogs::Kind::Warning, PdfPage::unreadable());
        return QImage();
    }
    return page->image;
}

bool choose(TfrmArchivio& screen)
{
    const QString file = Dialogs::current().openFile(&screen, openSpec());
    return !file.isEmpty() && load(screen, file);
}

bool load(TfrmArchivio& screen, const QString& path)
{
    const auto picture = PdfPage::firstPage(path);
    if (!picture) {
        Dialogs::current().message(&screen, Dialogs::Kind::Warning, PdfPage::unreadable());
        return false;
    }
    screen.ImpostaFoto(picture->image, path);
    if (picture->pages > 1)
        screen.MostraStato(PdfPage::firstOfPages(picture->pages));

    // Loading never attaches the document by itself; the user is asked.
    int libero = 0;
    for (int n = 1; n <= 3 && libero == 0; ++n) {
        if (screen.Allegato(n).trimmed().isEmpty())
            libero = n;
    }
    if (libero == 0)
        return true;
    const auto risposta
        = Dialogs::current().question(&screen, QStringLiteral("Allegare anche il documento PDF alla scheda?"));
    if (risposta != Dialogs::Answer::Yes)
        return true;
    const QString nome = AttachmentCopy::copyChosen(&screen, path);
    if (!nome.isEmpty())
        screen.ImpostaAllegato(libero, nome, screen.DescrizioneAllegato(libero));
    return true;
}

} // namespace PdfPhoto
