#include "search/SearchLook.h"

#include "ui/ShapeBox.h"

namespace SearchLook {

ShapeBox* box(QWidget* parent, const QRect& geometry, const QColor& fill, bool border)
{
    ShapeBox* b = Widgets::box(parent, QString(), geometry, fill, border ? Palette::BoxBorder : QColor(), 4);
    b->lower();
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, const QColor& colour,
    int pixelSize)
{
    return Widgets::label(parent, name, text, geometry, pixelSize, true, colour);
}

} // namespace SearchLook
