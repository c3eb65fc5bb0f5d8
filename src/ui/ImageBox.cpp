#include "ui/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent)
    : QWidget(parent)
{ }

void ImageBox::setImage(const QImage& image)
{
    image_ = image;
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
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(drawnRect(), image_);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
