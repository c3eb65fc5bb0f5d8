#pragma once

#include "report/Report.h"

#include <QImage>
#include <QString>

class QPainter;
class QPaintDevice;
class QWidget;

namespace Reports {

// Paints one prepared page. The painter's origin must be the paper's top-left
// corner and one painter unit one report unit (scale the painter by device
// dots per report unit beforehand).
void paintPage(QPainter& painter, const PreparedPage& page);

// Paints the prepared pages on a device. A printer or a PDF writer gets one
// sheet per page, each with the page's paper and orientation and no margins of
// its own (the report's margins are in the layout). Any other device (an
// image) gets the first page, scaled to fit. False when nothing could be
// painted (no pages, or the device would not open).
bool paintPages(const Report& r, QPaintDevice* device);

// One prepared page (index from 0) as a picture at `dpi`, on white paper.
QImage renderPage(const Report& r, int index, int dpi = 96);

// Writes the prepared pages as a PDF file; false when the file cannot be written.
bool writePdf(const Report& r, const QString& path);

// The print dialog first (Dialogs::current().print), then the prepared pages
// to the chosen printer. Cancelling prints nothing and returns false. A report
// that was never prepared is prepared here.
bool printReport(QWidget* parent, Report& r);

} // namespace Reports
