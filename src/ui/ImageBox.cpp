#include "ui/ImageBox.h"

#include "ui/PanelScaler.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{ }

void ImageBox::setImage(const QImage& image)
{
    setImage(image, {});
}

void ImageBox::setImage(const QImage& image, const PicturePainter& paint)
{
    image_ = image;
    paint_ = paint;
    redrawn_ = QPixmap();
    update();
}

QRect ImageBox::fitted(const QSize& picture, const QSize& box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const QSize s = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - s.width()) / 2, (box.height() - s.height()) / 2), s);
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    const QRect target = drawnRect();
    if (paint_ && PanelScaler::factorOf(this) != 1.0) {
        const qreal dpr = devicePixelRatioF();
        if (redrawn_.isNull() || redrawn_.deviceIndependentSize().toSize() != target.size() || redrawnDpr_ != dpr) {
            redrawn_ = ScaledPicture::redrawn(paint_, image_.size(), target.size(), dpr);
            redrawnDpr_ = dpr;
        }
        p.drawPixmap(target, redrawn_);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image_);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
