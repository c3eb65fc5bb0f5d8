#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QTableWidget;
class QWidget;

// The controls of the spending overview's windows that the ui kit does not
// make: its read-only tables and its year selector, in the program's fonts
// and colours.
namespace SpendingLook {

// A read-only table of whole rows, with no row numbers; `header` names the
// columns.
QTableWidget* table(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& header);
// Fills the table with `rows` of texts (as many as the header), aligned to
// the right from column `firstNumber` on (-1: none); the last row bold when
// `totals`.
void fill(QTableWidget* table, const QStringList& header, const QList<QStringList>& rows, int firstNumber, bool totals);

} // namespace SpendingLook
