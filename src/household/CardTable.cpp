#include "household/CardTable.h"

#include "ui/Fonts.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

QTableView* CardTable::make(QWidget* parent, const QString& name, const QRect& geometry, QAbstractItemModel* model)
{
    auto* t = new QTableView(parent);
    t->setObjectName(name);
    t->setGeometry(geometry);
    t->setModel(model);
    t->setAlternatingRowColors(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setMinimumSectionSize(21);
    t->verticalHeader()->setDefaultSectionSize(21);
    t->horizontalHeader()->setHighlightSections(false);
    t->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    t->horizontalHeader()->setFixedHeight(26);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setStretchLastSection(true);
    const QFont rows = Fonts::verdana(12);
    t->setFont(rows);
    QFont header = rows;
    header.setBold(true);
    t->horizontalHeader()->setFont(header);
    t->setStyleSheet(
        QStringLiteral("QTableView { background: white; alternate-background-color: #EEF4FB; gridline-color: #C9D3DE; "
                       "selection-background-color: #CFE3F7; selection-color: black; border: 1px solid #AAB6C4; }"
                       "QHeaderView::section { background: #DCE4EE; color: #1E3A5C; border: none; "
                       "border-right: 1px solid #B8C4D2; border-bottom: 1px solid #B8C4D2; padding-left: 4px; }"));
    return t;
}

int CardTable::selectedRow(const QTableView* table)
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}
