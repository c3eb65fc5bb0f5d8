#include "LineList.h"

#include "TextMatch.h"

#include <algorithm>
#include <array>
#include <vector>

namespace LineList {

int compareLines(QStringView a, QStringView b)
{
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t ca = TextMatch::upperAtoZ(pa[i]);
        const char16_t cb = TextMatch::upperAtoZ(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

// Twelve code units of a line, folded, from `from` on, packed so that
// comparing the numbers compares the texts; past the end counts as 0, below
// any character, so a shorter line comes first.
constexpr int KeyUnits = 12;
using SortKey = std::array<quint64, KeyUnits / 4>;

SortKey sortKey(QStringView line, qsizetype from)
{
    SortKey key {};
    for (int k = 0; k < KeyUnits; ++k) {
        const qsizetype i = from + k;
        const quint64 unit = i < line.size() ? TextMatch::upperAtoZ(line[i].unicode()) : 0;
        key[size_t(k / 4)] |= unit << (16 * (3 - k % 4));
    }
    return key;
}

} // namespace

void sortLines(QStringList& lines)
{
    // The lines of a list share a long beginning (the same fixed texts, often
    // the same year), so comparing them one character at a time walks that
    // beginning again at every step of the sort. Instead each line gets a key
    // from the twelve characters after the part they all share, and only
    // lines with the same key are compared further, from the end of the key.
    const qsizetype n = lines.size();
    if (n < 2)
        return;
    qsizetype shared = lines.first().size();
    for (qsizetype i = 1; i < n && shared > 0; ++i) {
        const QString& a = lines.first();
        const QString& b = lines.at(i);
        qsizetype j = 0;
        const qsizetype limit = std::min(shared, b.size());
        while (j < limit && TextMatch::upperAtoZ(a[j].unicode()) == TextMatch::upperAtoZ(b[j].unicode()))
            ++j;
        shared = j;
    }
    // Each line moves into its entry and back, in order: the sort moves
    // entries, never reaching into the lines' texts unless two keys tie.
    struct Entry {
        SortKey key;
        QString line;
    };
    std::vector<Entry> order;
    order.reserve(size_t(n));
    for (QString& line : lines) {
        const SortKey key = sortKey(line, shared);
        order.push_back({key, std::move(line)});
    }
    const qsizetype after = shared + KeyUnits;
    std::sort(order.begin(), order.end(), [after](const Entry& a, const Entry& b) {
        if (a.key != b.key)
            return a.key < b.key;
        // Equal keys: both agree up to the key's end, folded. A line that ends
        // inside the key needs the whole comparison (a NUL looks like its end).
        if (a.line.size() >= after && b.line.size() >= after)
            return compareLines(QStringView(a.line).mid(after), QStringView(b.line).mid(after)) < 0;
        return compareLines(a.line, b.line) < 0;
    });
    for (qsizetype i = 0; i < n; ++i)
        lines[i] = std::move(order[size_t(i)].line);
}

int findLine(const QStringList& lines, int selected, const QString& needle, const QString& last)
{
    const int n = int(lines.size());
    if (n == 0)
        return -1;
    const bool again = needle == last;
    const int start = again ? std::clamp(selected, 0, n - 1) : 0;
    // Again: from the line after the selected one round to the selected one.
    // New text: from the first line to the last.
    for (int k = 0; k < n; ++k) {
        const int i = again ? (start + 1 + k) % n : k;
        if (TextMatch::containsFolded(lines.at(i), needle))
            return i;
    }
    return -1;
}

} // namespace LineList
