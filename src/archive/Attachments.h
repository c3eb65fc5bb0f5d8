#pragma once

#include <QString>

// Attached files: copies kept in "Documenti_Allegati" of the program folder,
// one folder for every card of every category, each under its own bare name.
// Cards keep only the bare names.
namespace Attachments {

// "<program folder>/Documenti_Allegati"
QString folder();

// The bare file name of a name read from a card or chosen by the user: no
// folder part (either kind of slash), and nothing for "." or "..". Whatever a
// record holds, a path built from it stays inside the attachments folder.
QString bareName(const QString& nome);

// The attachments folder path of a bare name; empty when `nome` names no file.
QString path(const QString& nome);

// The name a card keeps for the chosen file `sorgente`, which is also the
// name of its copy: the bare name, trimmed, every character a record cannot
// hold made "_" (a "?" is not a legal file name everywhere), shortened to
// the 250 bytes of the record's field with its extension kept. Empty when
// the choice names no file.
QString storableName(const QString& sorgente);

// Whether the attachments folder already holds something under the name `nome`
// (a file, a folder, a link, even one that points nowhere).
bool exists(const QString& nome);

// Copies the file `sorgente` into the attachments folder under `nome` (a name
// from NomeRegistrabile), making the folder when it is missing. False when
// nothing could be copied (the folder cannot be made, the source cannot be
// read, the disk is full). The copy replaces an earlier file only once it is
// complete, and replaces a link with a regular file rather than writing
// through it.
bool copy(const QString& sorgente, const QString& nome);

// Hands the attached file to the desktop, which opens it with the program
// associated with its type. Nothing is reported.
void open(const QString& nome);

} // namespace Attachments
