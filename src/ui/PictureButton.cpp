#include "ui/PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setPicture(picture);
}

PictureButton::PictureButton(const PicturePainter& paint, QWidget* parent)
    : PictureButton(QPixmap(), parent)
{
    ScaledPicture::show(this, paint);
}

void PictureButton::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    updateGeometry();
    update();
}

QSize PictureButton::sizeHint() const
{
    return picture_.isNull() ? QSize(16, 16) : picture_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = picture_.deviceIndependentSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QRectF(rect()).center());
    // A pressed picture sinks by one pixel: the only feedback a click gets.
    if (isDown())
        target.translate(1, 1);
    p.drawPixmap(target, picture_, QRectF(picture_.rect()));
}
