#include "app/TextRules.h"

#include "archive/FieldText.h"

QString trimmedText(const QString& text)
{
    return FieldText::trimmed(text).toString();
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
