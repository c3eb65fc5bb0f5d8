#pragma once

#include <QRect>
#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

// The table the household windows list cards in: read-only, one whole row
// selected at a time, rows of one fixed height so that a list of any length
// is laid out without measuring each row.
namespace CardTable {

QTableView* make(QWidget* parent, const QString& name, const QRect& geometry, QAbstractItemModel* model);

// The row of the current selection, or -1.
int selectedRow(const QTableView* table);

} // namespace CardTable
