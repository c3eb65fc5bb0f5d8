#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// How much a window laid out at a design size must shrink to fit a screen.
// The content keeps its design size wherever it fits, and shrinks uniformly
// where it does not; below a readable minimum it keeps the minimum and the
// window scrolls instead.
namespace WindowScale {

// The smallest factor a window is drawn at.
constexpr qreal Minimum = 0.6;

struct Fit {
    qreal factor = 1.0;
    // The content at `factor` is larger than the room: the window scrolls.
    bool scrolls = false;
};

// The client area a window can have on a screen: the screen's available
// area (without the taskbar) less the window's frame.
QSize room(const QRect& available, const QMargins& frame);

// The factor that fits `design` into `room`, proportions kept: exactly 1
// when it fits as it is, never more.
Fit fit(const QSize& design, const QSize& room);

// A rectangle of the design at `factor`. Each edge is rounded on its own, so
// parts that touch at the design size still touch, and parts that do not
// overlap still do not.
QRect scaled(const QRect& design, qreal factor);
QSize scaled(const QSize& design, qreal factor);
int scaled(int design, qreal factor);

} // namespace WindowScale
