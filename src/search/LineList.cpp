#include "search/LineList.h"

#include "search/TextMatch.h"

#include <algorithm>

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

int findLine(const ResultLines& lines, int selected, const QString& needle, const QString& last)
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
