#include "SpyListModel.h"

#include <limits>

void SpyListModel::AddLine(const QString& line) {
  // A view counts rows in int; lines past that are not kept.
  if (store_.Size() >= static_cast<size_t>(std::numeric_limits<int>::max())) return;
  const int row = static_cast<int>(store_.Size());
  beginInsertRows(QModelIndex(), row, row);
  store_.Append(line);
  endInsertRows();
}

void SpyListModel::Clear() {
  beginResetModel();
  store_.Clear();
  endResetModel();
}

int SpyListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(store_.Size());
}

QVariant SpyListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.column() != 0) return QVariant();
  return store_.Line(static_cast<size_t>(index.row()));
}
