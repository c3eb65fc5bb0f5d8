#pragma once

#include <QString>
#include <QStringView>

// Case folding for the search screens: only the letters A to Z change case;
// accented and other letters are compared as they are.
namespace TextMatch {

constexpr char16_t lowerAtoZ(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

constexpr char lowerAtoZ(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

constexpr char16_t upperAtoZ(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

QString lowerAtoZ(QStringView text);

// Whether `needle`, which is already folded to lower case, occurs in `hay`
// folded to lower case (A to Z only). An empty needle occurs nowhere: a blank
// filter or find text finds nothing. Works on record bytes as well as on
// text, since A to Z are the same in Windows-1252 and in UTF-16.
template <typename Ch> bool containsFolded(const Ch* hay, qsizetype hayLength, const Ch* needle, qsizetype needleLength)
{
    if (needleLength <= 0 || needleLength > hayLength)
        return false;
    const Ch first = needle[0];
    const qsizetype last = hayLength - needleLength;
    for (qsizetype i = 0; i <= last; ++i) {
        if (lowerAtoZ(hay[i]) != first)
            continue;
        qsizetype j = 1;
        while (j < needleLength && lowerAtoZ(hay[i + j]) == needle[j])
            ++j;
        if (j == needleLength)
            return true;
    }
    return false;
}

inline bool containsFolded(QStringView hay, QStringView loweredNeedle)
{
    return containsFolded(hay.utf16(), hay.size(), loweredNeedle.utf16(), loweredNeedle.size());
}

} // namespace TextMatch
