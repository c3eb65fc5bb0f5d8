#pragma once

#include <QImage>
#include <QWidget>

// A picture drawn scaled to fit the box, proportions kept, centred: the photo
// of a card, the zoom window, the webcam view.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setImage(const QImage& image);
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
};
