#pragma once

#include "archive/Categoria.h"
#include "archive/Tracciato.h"
#include "search/ResultLine.h"
#include "search/ResultLines.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class FilterSet;

// The whole-file scans of the search screen and the unpaid summary. Each one
// opens the category's record file (creating it empty when it is missing),
// reads every card in file order and closes it again.
namespace Scan {

// The lines of the cards that pass the filters, in file order. `required`
// is the filled-filter count. None when the file could not be opened or read
// to the end.
std::optional<ResultLines> searchLines(const Categoria& categoria, const FilterSet& filters, int required);

// Whether a card is still to be paid: its "Da pagare" mark, trimmed, is
// exactly Flag::Yes. Anything else, Flag::No included, is not.
class UnpaidTest {
public:
    explicit UnpaidTest(const Tracciato& tracciato);
    bool operator()(const VistaScheda& card) const;

private:
    int field_;
    QByteArray yes_;
};

// The unpaid summary's lines, in file order. A failure ends the list
// quietly: the lines read before it are kept.
ResultLines unpaidLines(const Categoria& categoria);

// The card behind a chosen line: the last card in file order whose line,
// trimmed, equals `line` trimmed. On a failure half way, the last match
// read before it (if any) and failed set.
struct FoundCard {
    std::optional<Scheda> card;
    int n = 0;
    bool failed = false;
};
FoundCard cardOfLine(const Categoria& categoria, ListKind kind, QStringView line);

} // namespace Scan
