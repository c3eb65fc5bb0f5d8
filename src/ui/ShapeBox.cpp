#include "ui/ShapeBox.h"

#include "ui/PanelScaler.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget* parent, const QColor& fill, const QColor& border, int borderWidth, qreal radius)
    : QWidget(parent)
    , fill_(fill)
    , border_(border)
    , borderWidth_(borderWidth)
    , radius_(radius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*)
{
    // The border and the corners keep their proportion in a smaller window.
    const qreal factor = PanelScaler::factorOf(this);
    const qreal width = borderWidth_ * factor;
    const qreal radius = radius_ * factor;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, radius_ > 0);
    const bool bordered = border_.isValid() && borderWidth_ > 0;
    const qreal inset = bordered ? width / 2.0 : 0;
    p.setPen(bordered ? QPen(border_, width) : QPen(Qt::NoPen));
    p.setBrush(fill_);
    p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
}
