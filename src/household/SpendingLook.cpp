#include "household/SpendingLook.h"

#include "ui/Fonts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

QTableWidget* SpendingLook::table(
    QWidget* parent, const QString& name, const QRect& geometry, const QStringList& header)
{
    auto* t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setGeometry(geometry);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setMinimumSectionSize(20);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->horizontalHeader()->setHighlightSections(false);
    t->horizontalHeader()->setFixedHeight(24);
    const QFont font = Fonts::verdana(11);
    t->setFont(font);
    t->horizontalHeader()->setFont(Fonts::verdana(11, true));
    t->setStyleSheet(
        QStringLiteral("QTableView { background: white; alternate-background-color: #EEF4FB; gridline-color: #C9D3DE; "
                       "selection-background-color: #CFE3F7; selection-color: black; border: 1px solid #AAB6C4; }"
                       "QHeaderView::section { background: #DCE4EE; color: #1E3A5C; border: none; "
                       "border-right: 1px solid #B8C4D2; border-bottom: 1px solid #B8C4D2; padding: 0 4px; }"));
    fill(t, header, {}, -1, false);
    return t;
}

void SpendingLook::fill(
    QTableWidget* table, const QStringList& header, const QList<QStringList>& rows, int firstNumber, bool totals)
{
    table->clear();
    table->setColumnCount(int(header.size()));
    table->setHorizontalHeaderLabels(header);
    table->setRowCount(int(rows.size()));
    QFont bold = table->font();
    bold.setBold(true);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < header.size(); ++c) {
            auto* item = new QTableWidgetItem(rows.at(r).value(c));
            const bool number = firstNumber >= 0 && c >= firstNumber;
            item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (totals && r == rows.size() - 1)
                item->setFont(bold);
            table->setItem(r, c, item);
        }
    }
    for (int c = 0; c < header.size(); ++c) {
        if (QTableWidgetItem* h = table->horizontalHeaderItem(c)) {
            const bool number = firstNumber >= 0 && c >= firstNumber;
            h->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
    }
}
