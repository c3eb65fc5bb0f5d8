#pragma once

#include "ui/Icone.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class ShapeBox;

// The shared look and keyboard behaviour of the search screen and the unpaid
// summary.
namespace SearchLook {

// Client area of both windows and the panel centred in it.
inline constexpr QSize ClientSize {862, 560};
inline constexpr QSize PanelSize {846, 544};

inline const QColor WindowTop {0x42, 0x7A, 0xA8};
inline const QColor BoxBorder {0xB8, 0xC8, 0xD8};
inline const QColor BoxFill {0xE0, 0xE9, 0xF1};
inline const QColor Text {0x1E, 0x3A, 0x5C};
inline const QColor Crimson {0xDC, 0x14, 0x3C};
inline const QColor DarkCyan {0x00, 0x8B, 0x8B};

QFont font(int pixelSize, bool bold = true);

// A rounded box behind a group of controls.
ShapeBox* box(QWidget* parent, const QRect& geometry, const QColor& fill, bool border = true);
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
    const QColor& colour = Text, int pixelSize = 12);
QLineEdit* edit(QWidget* parent, const QString& name, const QRect& geometry);
// A command button. It is never the dialog's default button: Enter presses
// it only while it has the focus, and Enter in an edit box never does.
QPushButton* button(QWidget* parent, const QString& name, const QString& text, Icona icon, const QRect& geometry);

// Makes Enter in `edit` move the focus to `next` and nothing else.
void enterMovesTo(QLineEdit* edit, QWidget* next);

} // namespace SearchLook
