#pragma once

#include <QString>

class QWidget;

// Attached files: copies kept in "Documenti_Allegati" of the program folder,
// one folder for every card of every category, each under its own bare name.
// Cards keep only the bare names.
namespace Allegati {

// "<program folder>/Documenti_Allegati"
QString Cartella();

// The bare file name of a name read from a card or chosen by the user: no
// folder part (either kind of slash), and nothing for "." or "..". Whatever a
// record holds, a path built from it stays inside the attachments folder.
QString NomeNudo(const QString& nome);

// The attachments folder path of a bare name; empty when `nome` names no file.
QString Percorso(const QString& nome);

// Copies the chosen file into the attachments folder under its bare name and
// returns that name. When a file of that name is already there, the user is
// asked whether to replace it; on No nothing is copied and the name still
// refers to the file already there. Failures are silent: the name is
// returned all the same. The copy replaces an earlier file only once it is
// complete.
QString Allega(QWidget* parent, const QString& sorgente);

// Hands the attached file to the desktop, which opens it with the program
// associated with its type. Nothing is reported.
void Apri(const QString& nome);

} // namespace Allegati
