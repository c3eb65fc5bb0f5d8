#pragma once

// Brings the palette, the icons and the declarations of the controls.
#include "ui/Widgets.h"

// The shared look and keyboard behaviour of the search screen and the unpaid
// summary.
namespace SearchLook {

// Client area of both windows and the panel centred in it.
inline constexpr QSize ClientSize {862, 560};
inline constexpr QSize PanelSize {846, 544};

// A rounded box behind a group of controls, below the controls over it.
ShapeBox* box(QWidget* parent, const QRect& geometry, const QColor& fill, bool border = true);
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
    const QColor& colour = Palette::DeepBlue, int pixelSize = 12);
inline QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry)
{
    return Widgets::searchEdit(parent, name, geometry);
}
// A command button. It is never the dialog's default button: Enter presses
// it only while it has the focus, and Enter in an edit box never does.
inline QPushButton* button(QWidget* parent, const QString& name, const QString& text, Icon icon, const QRect& geometry)
{
    return Widgets::iconButton(parent, name, text, icon, geometry);
}

using Widgets::enterMovesTo;

} // namespace SearchLook
