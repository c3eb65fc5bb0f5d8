#include "ui/ScaledPicture.h"

#include "ui/Drawing.h"
#include "ui/PanelScaler.h"
#include "ui/PictureButton.h"
#include "ui/WindowScale.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// The painter of a widget's picture, kept with the widget, and the picture
// at its design size.
class PictureSource : public QObject {
    Q_OBJECT
public:
    PictureSource(QWidget* w, const PicturePainter& painter)
        : QObject(w)
        , paint(painter)
        , design(painter())
    { }

    PicturePainter paint;
    QPixmap design;
    // What was last drawn again, not to draw it twice.
    QSize drawnSize;
    qreal drawnDpr = 0;
};

PictureSource* sourceOf(const QWidget* w)
{
    return w->findChild<PictureSource*>(QString(), Qt::FindDirectChildrenOnly);
}

void put(QWidget* w, const QPixmap& picture)
{
    if (auto* b = qobject_cast<PictureButton*>(w))
        b->setPicture(picture);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setPixmap(picture);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setIcon(QIcon(picture));
}

} // namespace

namespace ScaledPicture {

QPixmap redrawn(const PicturePainter& paint, const QSize& design, const QSize& size, qreal dpr)
{
    const QSize pixels(qMax(1, qRound(size.width() * dpr)), qMax(1, qRound(size.height() * dpr)));
    QPixmap picture;
    {
        const Drawing::Resolution resolution(design, pixels);
        picture = paint();
    }
    picture.setDevicePixelRatio(dpr);
    return picture;
}

void show(QWidget* w, const PicturePainter& paint)
{
    delete sourceOf(w);
    auto* source = new PictureSource(w, paint);
    put(w, source->design);
    // A panel already drawn smaller shows it at its factor.
    const qreal factor = PanelScaler::factorOf(w);
    if (factor != 1.0)
        refresh(w, QSize(), factor, w->devicePixelRatioF());
}

bool redraws(const QWidget* w)
{
    return sourceOf(w) != nullptr;
}

void refresh(QWidget* w, const QSize& designBox, qreal factor, qreal dpr)
{
    PictureSource* source = sourceOf(w);
    if (!source)
        return;
    if (factor == 1.0) {
        if (source->drawnDpr != 0) {
            source->drawnDpr = 0;
            source->drawnSize = QSize();
            put(w, source->design);
        }
        return;
    }
    const QSize design = source->design.size();
    QSize size;
    if (qobject_cast<PictureButton*>(w) || qobject_cast<QLabel*>(w))
        size = designBox == design ? w->size() : WindowScale::scaled(design, factor);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        size = b->iconSize();
    if (size.isEmpty() || (size == source->drawnSize && dpr == source->drawnDpr))
        return;
    source->drawnSize = size;
    source->drawnDpr = dpr;
    put(w, redrawn(source->paint, design, size, dpr));
}

} // namespace ScaledPicture

#include "ScaledPicture.moc"
