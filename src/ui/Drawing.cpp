#include "ui/Drawing.h"

#include <QtMath>

namespace {
// The Resolution alive now, if any.
QSize resolutionDesign;
QSize resolutionPixels;
qreal resolutionScale = 1.0;
} // namespace

namespace Drawing {

Resolution::Resolution(const QSize& design, const QSize& pixels)
    : previousDesign_(resolutionDesign)
    , previousPixels_(resolutionPixels)
    , previousScale_(resolutionScale)
{
    resolutionDesign = design;
    resolutionPixels = pixels;
    // One ratio for both directions, so that nothing is stretched; the
    // smaller, so that nothing drawn to the edge falls outside.
    resolutionScale = design.isEmpty()
        ? 1.0
        : qMin(qreal(pixels.width()) / design.width(), qreal(pixels.height()) / design.height());
}

Resolution::~Resolution()
{
    resolutionDesign = previousDesign_;
    resolutionPixels = previousPixels_;
    resolutionScale = previousScale_;
}

qreal resolution()
{
    return resolutionScale;
}

QSize pixelsFor(const QSize& design)
{
    if (!resolutionDesign.isEmpty() && design == resolutionDesign)
        return resolutionPixels;
    if (resolutionScale == 1.0)
        return design;
    return QSize(qMax(1, qRound(design.width() * resolutionScale)), qMax(1, qRound(design.height() * resolutionScale)));
}

void scaleToResolution(QPainter& p)
{
    if (resolutionScale < 1.0)
        p.scale(resolutionScale, resolutionScale);
}

} // namespace Drawing
