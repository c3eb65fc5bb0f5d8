#pragma once

#include "ui/IconPictures.h"
#include "ui/Palette.h"
#include "ui/ScaledPicture.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class ShapeBox;

// The one maker of the controls every window is built of: each comes named,
// placed, and dressed in the program's fonts and colours.
namespace Widgets {

// A decorative box behind a group of controls.
ShapeBox* box(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill, const QColor& border,
    qreal radius);
// A picture that does not react to the mouse: a stored bitmap, or one the
// program draws, which a panel drawn smaller draws again at its new size.
QLabel* picture(QWidget* parent, const QString& name, const QPixmap& pixmap, const QRect& geometry);
QLabel* picture(QWidget* parent, const QString& name, const PicturePainter& paint, const QRect& geometry);

// One line of Verdana at `pixels` on a transparent background.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels, bool bold,
    const QColor& colour = Palette::DeepBlue);
// The same, wrapped at the label's width.
QLabel* paragraph(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels,
    bool bold, const QColor& colour = Palette::DeepBlue);
// The hidden label a window keeps a value in for whoever opened it.
QLabel* memory(QWidget* parent);

// A drop-down list in Verdana 12, with the hand cursor of things to click.
QComboBox* comboBox(QWidget* parent, const QString& name, const QRect& geometry);

// The edit box of the search windows: pale blue, white with a gold edge
// while it has the focus.
QLineEdit* searchEdit(QWidget* parent, const QString& name, const QRect& geometry);

// A command button in bold Verdana at `pixels`, with the pointing hand.
QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels = 12);
// The same, never pressed by Enter while another control has the focus.
QPushButton* plainButton(
    QWidget* parent, const QString& name, const QString& text, const QRect& geometry, int pixels = 12);
// "Chiudi" of the help windows.
QPushButton* closeButton(QWidget* parent, const QRect& geometry);
// The command buttons of the search windows: 13 px, a 24-pixel icon, never
// the dialog's default; Enter presses one only while it has the focus.
QPushButton* iconButton(QWidget* parent, const QString& name, const QString& text, Icon icon, const QRect& geometry);

// Makes Enter in `edit` move the focus to `next` and nothing else.
void enterMovesTo(QLineEdit* edit, QWidget* next);

} // namespace Widgets
