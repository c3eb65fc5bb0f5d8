#include "ui/Formats.h"

#include <QLocale>

void Formats::apply()
{
    // The Italian locale brings the decimal comma; its own short date has a
    // two-digit year, so screens format dates with ShortDate instead.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}
