#pragma once
// The bus monitor's list box: any number of lines, oldest first. It paints only
// the rows in view and keeps each line in a few bytes, so adding a line costs
// the same at a million lines as at ten.

#include <QAbstractScrollArea>

#include "SpyLineStore.h"

class SpyListBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit SpyListBox(QWidget* parent = nullptr);

  void AddItem(const QString& line);
  void Clear();
  int ListCount() const { return static_cast<int>(store_.Size()); }
  QString List(int index) const;
  int ListIndex() const { return selected_; }  // -1 with no line chosen
  void SetListIndex(int index);
  int TopIndex() const;
  const SpyLineStore& Store() const { return store_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int RowHeight() const;
  int RowsInView() const;  // rows that fit whole
  void UpdateScrollRange();
  // A burst of lines changes the range once, when the event loop next turns.
  void ScheduleScrollRange();
  void FlushScrollRange();
  void EnsureVisible(int index);

  SpyLineStore store_;
  int selected_ = -1;
  bool rangePending_ = false;
};
