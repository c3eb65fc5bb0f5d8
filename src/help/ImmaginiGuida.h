#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the help, information and presentation windows, drawn
// when asked for.
namespace ImmaginiGuida {
// The help window's header: the program's name and what the window is.
QPixmap intestazioneGuida(const QSize& size);
// The information window's title: an information icon and its heading.
QPixmap intestazioneInfo(const QSize& size);
// The maker's presentation picture.
QPixmap presentazione(const QSize& size);
// Link icons.
QPixmap iconaPdf(const QSize& size);
QPixmap iconaEmail(const QSize& size);
QPixmap iconaWeb(const QSize& size);
} // namespace ImmaginiGuida
