#pragma once

#include <QChar>
#include <QLatin1String>

// The program-wide formatting settings: dates as "dd/MM/yyyy" and amounts
// with a decimal comma. Every screen applies them again when it is created.
namespace Formats {
inline constexpr QLatin1String ShortDate("dd/MM/yyyy");
inline constexpr QChar DateSeparator {u'/'};
inline constexpr QChar DecimalSeparator {u','};

// Makes the Italian conventions the default locale of the process.
void apply();
} // namespace Formats
