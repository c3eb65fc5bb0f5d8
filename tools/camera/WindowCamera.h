#pragma once

#include <QImage>
#include <QSize>

class QWidget;

// Pictures of the real windows, offscreen: the window gallery and the guide
// take theirs the same way.
namespace WindowCamera {

// The screens the pictures are taken on: a 1920 x 1080 desktop, where every
// window has its design size. Call before the application object exists.
inline constexpr const char* DesktopScreen
    = R"({"name":"desktop","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1})";
// Selects the offscreen platform with these screens (a JSON array's items),
// the first one primary.
void useScreens(const char* screens);

// Lets queued events (focus, layout, painting) happen.
void settle();

// Shows window offscreen (at size, or as it is when size is empty), lets it
// settle and returns what it shows. Windows already shown keep their size
// and focus, so a caller can set a state first.
QImage take(QWidget& window, const QSize& size = {});

} // namespace WindowCamera
