#include "household/AllCardsSearch.h"

#include "archive/FieldText.h"
#include "archive/Tracciato.h"
#include "household/AllArchives.h"
#include "search/LineList.h"
#include "search/ResultLine.h"
#include "search/TextMatch.h"

#include <algorithm>
#include <cstring>

namespace AllCardsSearch {

namespace {

// Whether the folded needle occurs in the field, both as record bytes. Looks
// for the needle's first byte in either case with memchr, which is where a
// whole-archive scan spends its time.
bool fieldContains(const FieldText::FieldBytes& field, const QByteArray& needle, char firstUpper)
{
    const char* at = field.data;
    const char* const end = field.data + field.size;
    const auto length = needle.size();
    const char first = needle.front();
    while (end - at >= length) {
        const auto left = size_t(end - at - length + 1);
        const char* a = static_cast<const char*>(std::memchr(at, first, left));
        const char* b = firstUpper != first ? static_cast<const char*>(std::memchr(at, firstUpper, left)) : nullptr;
        const char* hit = !a ? b : (!b ? a : std::min(a, b));
        if (!hit)
            return false;
        qsizetype j = 1;
        while (j < length && TextMatch::lowerAtoZ(hit[j]) == needle[j])
            ++j;
        if (j == length)
            return true;
        at = hit + 1;
    }
    return false;
}

} // namespace

bool hasWords(QStringView text)
{
    return !FieldText::trimmed(text).isEmpty();
}

Result find(QStringView text)
{
    Result out;
    if (!hasWords(text))
        return out;
    const QString folded = TextMatch::lowerAtoZ(text);
    // A record holds only what Windows-1252 has a byte for; a text with any
    // other character is in no card.
    for (const QChar c : folded) {
        if (!FieldText::encodable(c.unicode()))
            return out;
    }
    const QByteArray needle = FieldText::encode(folded);
    const char first = needle.front();
    const char firstUpper = (first >= 'a' && first <= 'z') ? char(first - 32) : first;

    for (const Categoria& c : Catalogo::Tutte()) {
        const ResultLine line(c, ListKind::Search);
        const int fields = line.tracciato().campi();
        std::vector<Found> cards;
        const bool read = AllArchives::scan(c, [&](int n, const VistaScheda& card) {
            for (int i = 0; i < fields; ++i) {
                if (fieldContains(card.bytes(i), needle, firstUpper)) {
                    cards.push_back({&c, n, AllArchives::fingerprint(card), line(card)});
                    break;
                }
            }
            return true;
        });
        if (!read) {
            out.unreadable.push_back(&c);
            continue;
        }
        if (cards.empty())
            continue;
        std::stable_sort(cards.begin(), cards.end(),
            [](const Found& a, const Found& b) { return LineList::compareLines(a.line, b.line) < 0; });
        ++out.archives;
        std::move(cards.begin(), cards.end(), std::back_inserter(out.cards));
    }
    return out;
}

QString countText(const Result& result)
{
    const auto cards = result.cards.size();
    if (cards == 0)
        return QStringLiteral("Nessuna scheda trovata.");
    const QString found
        = cards == 1 ? QStringLiteral("Trovata 1 scheda") : QStringLiteral("Trovate %1 schede").arg(cards);
    const QString in = result.archives == 1 ? QStringLiteral(" in 1 archivio.")
                                            : QStringLiteral(" in %1 archivi.").arg(result.archives);
    return found + in;
}

} // namespace AllCardsSearch
