#pragma once
// The bus monitor's list box: any number of lines, oldest first. It paints only
// the rows in view and keeps each line in a few bytes. New lines reach the
// screen together: the lines that come within 100 ms of the first one waiting
// are shown in one update of the scroll range and the view, so updates are at
// least 100 ms apart. While the newest line is in view the list follows new
// lines; once the user has scrolled up it stays where it is.

#include <QAbstractScrollArea>
#include <QTimer>

#include "SpyLineStore.h"

class SpyListBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr double kUpdateInterval = 0.1;  // seconds from a waiting line to the update that shows it

  explicit SpyListBox(QWidget* parent = nullptr);

  void AddItem(const BusRecord& record);
  void Clear();
  int ListCount() const { return static_cast<int>(store_.Size()); }
  QString List(int index) const;
  int ListIndex() const { return selected_; }  // -1 with no line chosen
  void SetListIndex(int index);
  int TopIndex() const;
  // Rows that fit whole in the view.
  int RowsInView() const;
  const SpyLineStore& Store() const { return store_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int RowHeight() const;
  // Range and page of the scroll bar from the lines and the view's height;
  // the view keeps following when it showed the newest line.
  void UpdateScrollRange();
  // Brings the waiting lines onto the screen.
  void ShowNewLines();
  void ScheduleShowNewLines();
  void EnsureVisible(int index);

  SpyLineStore store_;
  int selected_ = -1;
  int shownCount_ = 0;  // lines the scroll range and the screen already account for
  bool pending_ = false;  // lines wait for the update
  double dueAt_ = 0;      // when they are shown, on the clock of the seams
  QTimer showTimer_;
};
