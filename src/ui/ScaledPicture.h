#pragma once

#include <QPixmap>
#include <QSize>

#include <functional>

class QWidget;

// What draws one of the program's pictures at its design size. Drawn again
// under a Drawing::Resolution, the same code paints it for a panel drawn
// smaller, sharp at the new size.
using PicturePainter = std::function<QPixmap()>;

namespace ScaledPicture {

// The picture `paint` draws at `design` size, drawn again for `size`
// device-independent pixels on a screen of `dpr` device pixels per pixel.
QPixmap redrawn(const PicturePainter& paint, const QSize& design, const QSize& size, qreal dpr);

// Shows the picture on a label or a picture button, or as another button's
// icon, and keeps its painter with the widget, so that a panel drawn at
// another factor draws it again (see PanelScaler) rather than shrinking the
// design's pixels.
void show(QWidget* w, const PicturePainter& paint);

// Whether w shows a picture it can draw again.
bool redraws(const QWidget* w);
// Draws w's picture again for the panel's `factor` on a screen of `dpr`:
// into the widget's size where the picture filled it at the design size
// (`designBox`), a button's icon at its icon size, otherwise at the picture's
// design size times the factor. At factor 1 the design picture comes back.
void refresh(QWidget* w, const QSize& designBox, qreal factor, qreal dpr);

} // namespace ScaledPicture
