#pragma once

#include "report/Report.h"

#include <QString>
#include <QStringList>

class QWidget;

// The list report "Riepilogo dati": A4 landscape, a title bar, the list's
// lines in a monospaced font, and a closing bar with the date of printing.
// The search screen and the unpaid summary print their result lists with it.
namespace Reports {

// Height of one list line, in report units.
constexpr double kListLineHeight = 12.822;
// What the master-data band adds below the lines.
constexpr double kListBandExtra = 10;

Report listTemplate();

// Fills a list template (a fresh one or one printed before): the title, the
// lines in the order given, and the heights of the text block and its band
// worked out again from the number of lines.
void fillList(Report& r, const QString& title, const QStringList& lines);

// listTemplate + fillList + prepare.
Report prepareList(const QString& title, const QStringList& lines);

// prepareList, then the print dialog and the printer; false when cancelled.
bool printList(QWidget* parent, const QString& title, const QStringList& lines);

} // namespace Reports
