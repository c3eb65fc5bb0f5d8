#include "app/TextRules.h"

#include "archive/Testo.h"

QString trimmedText(const QString& text)
{
    return Testo::pulito(text).toString();
}

QString upperAtoZ(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}
