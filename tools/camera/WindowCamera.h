#pragma once

#include <QImage>
#include <QSize>

class QWidget;

// Pictures of the real windows, offscreen: the window gallery and the guide
// take theirs the same way.
namespace WindowCamera {

// Lets queued events (focus, layout, painting) happen.
void settle();

// Shows window offscreen (at size, or as it is when size is empty), lets it
// settle and returns what it shows. Windows already shown keep their size
// and focus, so a caller can set a state first.
QImage take(QWidget& window, const QSize& size = {});

} // namespace WindowCamera
