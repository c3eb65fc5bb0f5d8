#pragma once

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QSize>

// What every drawn picture of the program starts from.
namespace Drawing {

// While one is alive, the pictures drawn are for a panel drawn at another
// size: a canvas of `design` size gets `pixels` device pixels, any other the
// same number of device pixels per design pixel, and every canvas that device
// pixel ratio, so the picture's own code paints it in its design coordinates
// and it comes out sharp at the new size. On the thread that paints only.
class Resolution {
public:
    Resolution(const QSize& design, const QSize& pixels);
    ~Resolution();
    Resolution(const Resolution&) = delete;
    Resolution& operator=(const Resolution&) = delete;

private:
    QSize previousDesign_;
    QSize previousPixels_;
    qreal previousScale_;
};

// Device pixels per design pixel of the canvases drawn now: 1 but while a
// Resolution is alive.
qreal resolution();
// The device pixels of a canvas of `design` size drawn now.
QSize pixelsFor(const QSize& design);
// A painter never draws at fewer device pixels than logical ones, whatever
// its canvas says: on a canvas drawn smaller than its design this scales the
// painter by hand. Every picture calls it on the painter of its canvas.
void scaleToResolution(QPainter& p);

// A transparent picture of `size` to paint on.
inline QPixmap canvas(const QSize& size)
{
    QPixmap pm(pixelsFor(size));
    pm.setDevicePixelRatio(resolution());
    pm.fill(Qt::transparent);
    return pm;
}

// Anti-aliased shapes, text and scaled pictures.
inline void smooth(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

// The inside of a one-pixel outline around `r`: the line falls on whole pixels.
inline QRectF inside(const QRect& r)
{
    return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

// A rounded plate: `top` fading to `bottom`, outlined in `edge`.
inline void plate(
    QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, const QColor& edge, qreal radius)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// Fills `r` with `top` fading to `bottom` towards its lower edge.
inline void fillVertical(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.left(), r.top(), r.left(), r.top() + r.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// A transparent picture of `size` being painted on, anti-aliased: draw with
// `painter()`; turning it into a QPixmap ends the painting.
class Canvas {
public:
    explicit Canvas(const QSize& size)
        : pixmap_(canvas(size))
        , size_(size)
        , painter_(&pixmap_)
    {
        scaleToResolution(painter_);
        smooth(painter_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return painter_; }
    // In the picture's own coordinates, whatever its device pixels.
    QRect rect() const { return QRect(QPoint(0, 0), size_); }

    operator QPixmap()
    {
        if (painter_.isActive())
            painter_.end();
        return pixmap_;
    }

private:
    QPixmap pixmap_;
    QSize size_;
    QPainter painter_;
};

} // namespace Drawing
