#pragma once

#include <QPixmap>
#include <QSize>

struct Categoria;

// The pictures of the export window, drawn when asked for.
namespace ImmaginiExport {
// The top band's title: a worksheet and what the window does, for a category.
QPixmap titolo(const QSize& size, const Categoria& categoria);
// A hand pointing right, at the export button.
QPixmap mano(const QSize& size);
// The export button: a green workbook with a sheet.
QPixmap excel(const QSize& size);
} // namespace ImmaginiExport
