#pragma once
// The bus monitor's list as a model: one row per line, its text made when a view asks.

#include <QAbstractListModel>

#include "SpyLineStore.h"

class SpyListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit SpyListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  void AddLine(const QString& line);
  void Clear();
  const SpyLineStore& Store() const { return store_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  SpyLineStore store_;
};
