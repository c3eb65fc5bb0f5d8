#pragma once

#include <QPixmap>
#include <QSize>

struct Categoria;

// The pictures of the export window, drawn when asked for.
namespace ExportPictures {
// The top band's title: a worksheet and what the window does, for a category.
QPixmap title(const QSize& size, const Categoria& categoria);
// A hand pointing right, at the export button.
QPixmap hand(const QSize& size);
// The export button: a green workbook with a sheet.
QPixmap workbook(const QSize& size);
} // namespace ExportPictures
