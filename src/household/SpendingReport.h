#pragma once

#include "household/SpendingSummary.h"
#include "report/Report.h"

#include <QString>

// The overview's printout: one A4 landscape page with the title, the chart
// as a picture, the table below it and the date of printing.
namespace SpendingReport {

// "Riepilogo delle spese 2025"; "Riepilogo delle spese di tutti gli anni".
QString title(int year);

// The page, prepared.
Reports::Report prepare(const SpendingSummary& summary, int year);

} // namespace SpendingReport
