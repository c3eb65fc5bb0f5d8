#include "editor/AttachmentCopy.h"

#include "archive/Attachments.h"
#include "dialogs/Dialogs.h"

namespace AttachmentCopy {

QString copyChosen(QWidget* parent, const QString& scelto)
{
    const QString nome = Attachments::storableName(scelto);
    if (!nome.isEmpty() && Attachments::exists(nome)) {
        const auto risposta = Dialogs::current().question(parent,
            QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                           "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
        if (risposta == Dialogs::Answer::No)
            return nome;
    }
    if (nome.isEmpty() || !Attachments::copy(scelto, nome)) {
        Dialogs::current().message(parent, Dialogs::Kind::Warning,
            QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti allegati."));
        return QString();
    }
    return nome;
}

} // namespace AttachmentCopy
