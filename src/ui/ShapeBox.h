#pragma once

#include <QColor>
#include <QWidget>

// A plain decorative rectangle: a fill and an optional border, square or
// rounded. The boxes that group the controls of a window are made of these.
class ShapeBox : public QWidget {
    Q_OBJECT
public:
    ShapeBox(
        QWidget* parent, const QColor& fill, const QColor& border = QColor(), int borderWidth = 1, qreal radius = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
    int borderWidth_;
    qreal radius_;
};
