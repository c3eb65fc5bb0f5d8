#pragma once

#include "report/Report.h"

#include <QFont>

namespace Reports {

// The font of a text style, `pixels` high (the em) on a device of `dpi` dots
// per inch. Text is drawn in device pixels: fonts come in whole pixel sizes,
// which at report units (10.67 for 8 pt) would be several percent off.
QFont fontFor(const TextStyle& style, double pixels, double dpi);

// The longest beginning of `line` that fits in `width` report units, whole
// characters only.
QString cutToWidth(const QString& line, const TextStyle& style, double width);

} // namespace Reports
