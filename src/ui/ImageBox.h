#pragma once

#include "ui/ScaledPicture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture drawn scaled to fit the box, proportions kept, centred: the photo
// of a card, the zoom window, the webcam view.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    // A stored bitmap (a photo, a camera's frame): scaled smoothly to the box.
    void setImage(const QImage& image);
    // A picture of the program's, `image` as `paint` draws it at its design
    // size: in a panel drawn smaller it is drawn again at the box's size.
    void setImage(const QImage& image, const PicturePainter& paint);
    QImage image() const { return image_; }

    // Where a picture of `picture` size lands inside a box of `box` size.
    static QRect fitted(const QSize& picture, const QSize& box);
    QRect drawnRect() const { return fitted(image_.size(), size()); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    PicturePainter paint_;
    // The picture last drawn again, for the size and the device pixels it
    // was drawn for.
    QPixmap redrawn_;
    qreal redrawnDpr_ = 0;
};
