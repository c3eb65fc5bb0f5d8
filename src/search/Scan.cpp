#include "search/Scan.h"

#include "archive/FieldText.h"
#include "archive/TArchivioSchede.h"
#include "search/Filters.h"

#include <algorithm>
#include <cstring>

namespace Scan {

namespace {

// Room for every card's line, so that the block never moves during a scan.
// Memory is only taken where lines are written, so a list that keeps few
// cards costs no more. Past a million cards the block grows as it goes.
void reserveForAll(ResultLines& lines, TArchivioSchede& archivio, const ResultLine& line)
{
    const qsizetype cards = std::min<qsizetype>(archivio.Conta(), 1'000'000);
    lines.reserve(cards, cards * line.maxLength());
}

// One pass over the archive, appending the line of every card `keep`
// accepts. False when the record file failed; `lines` then holds what was
// read before it did.
template <typename Keep> bool collect(const Categoria& categoria, const ResultLine& line, ResultLines& lines, Keep keep)
{
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        reserveForAll(lines, archivio, line);
        archivio.Scorri([&](int, const VistaScheda& card) {
            if (keep(card))
                line.append(card, lines);
            return true;
        });
        archivio.Chiudi();
    } catch (const ErroreArchivio&) {
        return false;
    }
    return true;
}

} // namespace

std::optional<ResultLines> searchLines(const Categoria& categoria, const FilterSet& filters, int required)
{
    const ResultLine line(categoria, ListKind::Search);
    ResultLines lines;
    if (!collect(categoria, line, lines, [&](const VistaScheda& card) { return filters.passes(card, required); }))
        return std::nullopt;
    return lines;
}

UnpaidTest::UnpaidTest(const Tracciato& tracciato)
    : field_(tracciato.indice("Segnala"))
    , yes_(FieldText::encode(Flag::Yes)) // compared as record bytes, so the scan decodes nothing
{
    Q_ASSERT(field_ >= 0);
}

bool UnpaidTest::operator()(const VistaScheda& card) const
{
    const FieldText::FieldBytes mark = card.bytes(field_);
    return mark.size == yes_.size() && std::memcmp(mark.data, yes_.constData(), size_t(mark.size)) == 0;
}

ResultLines unpaidLines(const Categoria& categoria)
{
    const ResultLine line(categoria, ListKind::Unpaid);
    const UnpaidTest unpaid(line.tracciato());
    ResultLines lines;
    // The summary says nothing of a failure; it shows what it could read.
    collect(categoria, line, lines, unpaid);
    return lines;
}

FoundCard cardOfLine(const Categoria& categoria, ListKind kind, QStringView chosen)
{
    const ResultLine line(categoria, kind);
    const QStringView wanted = FieldText::trimmed(chosen);
    FoundCard found;
    QString candidate; // one buffer for every card's line
    try {
        TArchivioSchede archivio(categoria);
        archivio.Apri();
        archivio.Scorri([&](int n, const VistaScheda& card) {
            line.build(card, candidate);
            if (FieldText::trimmed(candidate) == wanted) {
                found.card = Scheda(card);
                found.n = n;
            }
            return true;
        });
        archivio.Chiudi();
    } catch (const ErroreArchivio&) {
        found.failed = true;
    }
    return found;
}

} // namespace Scan
