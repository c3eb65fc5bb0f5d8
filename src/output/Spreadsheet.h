#pragma once

#include "output/ExportColumns.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

class CardGrid;
class QIODevice;
struct Categoria;

// The spreadsheet file of the export: an HTML table with the Office
// spreadsheet markup, in Windows-1252, with no byte-order mark and no line
// break anywhere.
namespace Spreadsheet {

// Appends one cell's text, trimmed, as the file holds it: "&", "<" and ">"
// as character references, so the spreadsheet shows them rather than taking
// them for markup; a character that Windows-1252 cannot hold, and a control
// character, as a numeric character reference, so nothing is lost and no
// line break gets in. A character that XML allows in no form (a C0 control
// other than tab and the line breaks, U+FFFE, U+FFFF) as the reference of
// the replacement character, U+FFFD.
void appendText(QByteArray& out, QStringView testo);

// Writes the whole file onto `out`: the header row from `colonne`, then one
// row per row of `righe`. False when the device refused a write.
bool write(QIODevice& out, const Categoria& categoria, const QList<ExportColumn>& colonne, const CardGrid& righe);
// The same, as bytes.
QByteArray content(const Categoria& categoria, const QList<ExportColumn>& colonne, const CardGrid& righe);

// Makes `percorso` hold what `scrivi` writes, or leaves it as it was: the
// bytes go to a temporary file beside it, which takes the name only when
// everything was written. False on any failure, `scrivi` returning false
// included; no temporary file is left behind. A symbolic link of that name
// is replaced by the file, never written through.
bool save(const QString& percorso, const std::function<bool(QIODevice&)>& scrivi);

} // namespace Spreadsheet
