#pragma once

#include <QColor>

// The program's named colours, one name per colour. A colour that only one
// picture uses for one detail stays in that picture.
namespace Palette {

// Window backgrounds.
inline const QColor SteelBlue(0x46, 0x82, 0xB4); // gradient windows and dialogs, the print frame

// The search and summary windows.
inline const QColor Denim(0x42, 0x7A, 0xA8); // their window gradient
inline const QColor BoxBorder(0xB8, 0xC8, 0xD8);
inline const QColor BoxFill(0xE0, 0xE9, 0xF1);

// Texts.
inline const QColor Navy(0x1E, 0x4E, 0x8C); // titles, the wordmark
inline const QColor Ink(0x2B, 0x3A, 0x4D); // body text
inline const QColor Slate(0x5A, 0x6E, 0x86); // quiet text
inline const QColor DeepBlue(0x1E, 0x3A, 0x5C); // labels of the dialogs and the export grid
inline const QColor Crimson(0xDC, 0x14, 0x3C); // warnings, the help title, late payments
inline const QColor DarkOrange(0xFF, 0x8C, 0x00); // payments due soon
inline const QColor DarkCyan(0x00, 0x8B, 0x8B); // "in progress" notes
inline const QColor LinkBlue(0x1F, 0x5F, 0xAF); // the maker's web address

// The archive screen.
inline const QColor PanelBlue(0xC8, 0xD6, 0xE3); // the work area behind the field boxes
inline const QColor Peach(0xFD, 0xD3, 0xA0); // behind "Da pagare"
inline const QColor StatusBlue(0x30, 0x30, 0xDD); // the status bar
inline const QColor SkyBlue(0x87, 0xCE, 0xEB); // field edges
inline const QColor AliceBlue(0xF0, 0xF8, 0xFF); // field backgrounds
inline const QColor FocusYellow(0xFF, 0xFF, 0x00); // the field being edited
inline const QColor Brown(0xA5, 0x2A, 0x2A); // the due date and the amount, the euro sign
// Accents.
inline const QColor Orange(0xF0, 0x8A, 0x24); // "3.0"
inline const QColor Amber(0xF0, 0xA7, 0x3A); // light rays
inline const QColor Cobalt(0x2E, 0x6C, 0xB4); // top of the wordmark, globe lines
inline const QColor Azure(0x3C, 0x7E, 0xC6); // top of the blue bars, focused edges
inline const QColor Green(0x1D, 0x6F, 0x42); // the workbook
inline const QColor LightGreen(0x2E, 0x9B, 0x5E);

// The blue bars under the menu tiles and over the archive screens.
inline const QColor BarBottom(0x22, 0x59, 0x9C);
inline const QColor BarEdge(0x1A, 0x48, 0x80);

// Frames and pale fills.
inline const QColor Frame(0xA9, 0xC8, 0xE6); // cards and headers
inline const QColor SoftFrame(0xC9, 0xD8, 0xE8); // sheets over a picture
inline const QColor Sky(0xA8, 0xCA, 0xE5); // top of the pale blue bands
inline const QColor Snow(0xF7, 0xFA, 0xFD); // the palest fill

// The command icons.
inline const QColor IconBlue(0x2B, 0x5F, 0x9E);
inline const QColor IconLightBlue(0x6F, 0xA3, 0xD8);
inline const QColor IconEdge(0x5A, 0x6B, 0x7D);
inline const QColor IconGreen(0x2E, 0x9E, 0x4F);
inline const QColor Gold(0xE8, 0xB4, 0x2A);
inline const QColor Red(0xC8, 0x3C, 0x32);
inline const QColor Wood(0x9A, 0x63, 0x38);

// Black and white seen through: shadows and glazes.
inline QColor shadow(int alpha)
{
    return QColor(0, 0, 0, alpha);
}
inline QColor glaze(int alpha)
{
    return QColor(255, 255, 255, alpha);
}

} // namespace Palette
