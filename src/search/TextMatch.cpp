#include "search/TextMatch.h"

namespace TextMatch {

QString lowerAtoZ(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const char16_t* in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        o[i] = lowerAtoZ(in[i]);
    return out;
}

} // namespace TextMatch
