#pragma once

#include <QFont>
#include <QString>

// The program's typeface, and the one way of making a text fit its box.
namespace Fonts {

// Verdana at the size the widget inherits.
QFont verdana();
// Verdana at a height in pixels (rounded to whole pixels, at least 1): the
// windows are laid out in pixels, and so are the pictures.
QFont verdana(qreal pixels, bool bold = false);
// Verdana at a size in points: the login windows and the help text.
QFont verdanaPoints(int points, bool bold = false);

// `font` at the largest whole pixel size from maxPixels down to just above
// minPixels at which `text` is at most `width` wide; at minPixels when none
// is. Bold, italic and letter spacing come from `font`.
QFont largestFitting(const QFont& font, const QString& text, int maxPixels, qreal width, int minPixels);

} // namespace Fonts
