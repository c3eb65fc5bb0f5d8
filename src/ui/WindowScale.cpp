#include "ui/WindowScale.h"

#include <QtMath>

#include <algorithm>

namespace WindowScale {

QSize room(const QRect& available, const QMargins& frame)
{
    return QSize(qMax(0, available.width() - frame.left() - frame.right()),
        qMax(0, available.height() - frame.top() - frame.bottom()));
}

Fit fit(const QSize& design, const QSize& room)
{
    if (design.isEmpty() || room.isEmpty())
        return {};
    if (design.width() <= room.width() && design.height() <= room.height())
        return {};
    const qreal factor = std::min(qreal(room.width()) / design.width(), qreal(room.height()) / design.height());
    if (factor < Minimum)
        return {Minimum, true};
    return {factor, false};
}

int scaled(int design, qreal factor)
{
    // A design edge exactly on the room's edge lands on it, never one beyond.
    return qFloor(design * factor + 0.5 - 1e-9);
}

QRect scaled(const QRect& design, qreal factor)
{
    if (factor == 1.0)
        return design;
    const int left = scaled(design.x(), factor);
    const int top = scaled(design.y(), factor);
    const int right = scaled(design.x() + design.width(), factor);
    const int bottom = scaled(design.y() + design.height(), factor);
    return QRect(left, top, right - left, bottom - top);
}

QSize scaled(const QSize& design, qreal factor)
{
    if (factor == 1.0)
        return design;
    return QSize(scaled(design.width(), factor), scaled(design.height(), factor));
}

} // namespace WindowScale
