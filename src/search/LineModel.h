#pragma once

#include "search/ResultLines.h"

#include <QAbstractListModel>
#include <QFont>
#include <QSize>
#include <QStringList>

// The lines of a result list, sorted once when they are set (LineList's
// order), drawn in "Courier New" 12 in black so that the columns line up.
// Every item has the same size, 1600 wide, so the view lays out a list of any
// length without asking each line for its size.
class LineModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int ItemWidth = 1600;

    explicit LineModel(QObject* parent = nullptr);

    // Replaces every line; sorts them.
    void setLines(ResultLines lines);
    void clear();
    const ResultLines& lines() const { return lines_; }

    static QFont lineFont();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ResultLines lines_;
    QFont font_;
    QSize itemSize_;
};
