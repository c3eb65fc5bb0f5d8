#include "search/LineModel.h"

#include <QBrush>
#include <QFontMetrics>

LineModel::LineModel(QObject* parent)
    : QAbstractListModel(parent)
    , font_(lineFont())
{
    itemSize_ = QSize(ItemWidth, QFontMetrics(font_).height() + 2);
}

QFont LineModel::lineFont()
{
    QFont f(QStringLiteral("Courier New"), 12);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

void LineModel::setLines(ResultLines lines)
{
    lines.sort();
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void LineModel::clear()
{
    beginResetModel();
    lines_ = ResultLines();
    endResetModel();
}

int LineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant LineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return lines_.at(index.row()).toString();
    case Qt::FontRole:
        return font_;
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::SizeHintRole:
        return itemSize_;
    default:
        return {};
    }
}
