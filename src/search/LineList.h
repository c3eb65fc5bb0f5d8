#pragma once

#include "search/ResultLines.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The order of the result lists and the "Trova" walk through them.
namespace LineList {

// Negative, zero or positive as a sorts before, with or after b: UTF-16 code
// units compared one by one, a to z taken as A to Z; when one text begins
// the other, the shorter comes first.
int compareLines(QStringView a, QStringView b);

// "Trova": which line to select, or -1 when no line contains the text.
//  - lines: the list as shown (not empty); selected: the selected line;
//  - needle: the find box's text folded to lower case, not trimmed;
//  - last: the text of the previous "Trova" in this window.
// A new text starts at the first line and tests it first; the same text as
// last time starts after the selected line and wraps round to end on it, so
// that pressing again walks through the matches.
int findLine(const ResultLines& lines, int selected, const QString& needle, const QString& last);

} // namespace LineList
