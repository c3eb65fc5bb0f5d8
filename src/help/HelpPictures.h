#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the help, information and presentation windows, drawn
// when asked for.
namespace HelpPictures {
// The help window's header: the program's name and what the window is.
QPixmap guideHeader(const QSize& size);
// The information window's title: an information icon and its heading.
QPixmap infoHeader(const QSize& size);
// The maker's presentation picture.
QPixmap presentation(const QSize& size);
// Link icons.
QPixmap pdfIcon(const QSize& size);
QPixmap emailIcon(const QSize& size);
QPixmap webIcon(const QSize& size);
} // namespace HelpPictures
