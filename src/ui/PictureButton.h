#pragma once

#include "ui/ScaledPicture.h"

#include <QAbstractButton>
#include <QPixmap>

// A clickable picture with the hand cursor: the tiles, strips and icons.
// The picture is drawn scaled to fit, proportions kept, centred. It takes no
// keyboard focus: the windows that use it have no keyboard commands of their own.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(const QPixmap& picture = {}, QWidget* parent = nullptr);
    // A picture the program draws, drawn again where the panel is drawn
    // smaller (see ScaledPicture).
    PictureButton(const PicturePainter& paint, QWidget* parent);

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
