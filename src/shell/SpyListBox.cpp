#include "SpyListBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace {
constexpr int kTextIndent = 3;
}

SpyListBox::SpyListBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(1);
  UpdateScrollRange();
}

int SpyListBox::RowHeight() const { return fontMetrics().height() + 2; }

int SpyListBox::RowsInView() const { return std::max(1, viewport()->height() / RowHeight()); }

int SpyListBox::TopIndex() const { return verticalScrollBar()->value(); }

void SpyListBox::UpdateScrollRange() {
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(RowsInView());
  bar->setRange(0, std::max(0, ListCount() - RowsInView()));
}

// Every change of a scroll bar's range posts an event to its scroll area; a
// million lines in one handler would queue a million of them.
void SpyListBox::ScheduleScrollRange() {
  if (rangePending_) return;
  rangePending_ = true;
  QMetaObject::invokeMethod(this, [this] { FlushScrollRange(); }, Qt::QueuedConnection);
}

void SpyListBox::FlushScrollRange() {
  if (!rangePending_) return;
  rangePending_ = false;
  UpdateScrollRange();
}

void SpyListBox::AddItem(const QString& line) {
  // The scroll bar counts rows in int; lines past that are not kept.
  if (store_.Size() >= static_cast<size_t>(std::numeric_limits<int>::max())) return;
  const int row = ListCount();
  store_.Append(line);
  ScheduleScrollRange();
  const int shown = row - TopIndex();
  if (shown >= 0 && shown * RowHeight() < viewport()->height()) {
    viewport()->update(0, shown * RowHeight(), viewport()->width(), RowHeight());
  }
}

void SpyListBox::Clear() {
  store_.Clear();
  selected_ = -1;
  rangePending_ = false;
  UpdateScrollRange();
  viewport()->update();
}

QString SpyListBox::List(int index) const { return index < 0 ? QString() : store_.Line(static_cast<size_t>(index)); }

void SpyListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  selected_ = index;
  if (index >= 0) EnsureVisible(index);
  viewport()->update();
}

void SpyListBox::EnsureVisible(int index) {
  FlushScrollRange();
  QScrollBar* bar = verticalScrollBar();
  if (index < bar->value()) bar->setValue(index);
  else if (index >= bar->value() + RowsInView()) bar->setValue(index - RowsInView() + 1);
}

void SpyListBox::paintEvent(QPaintEvent* event) {
  FlushScrollRange();
  QPainter painter(viewport());
  const int height = RowHeight();
  const int top = TopIndex();
  const int first = top + std::max(0, event->rect().top() / height);
  const int last = std::min(ListCount() - 1, top + event->rect().bottom() / height);
  const QPalette& colours = palette();
  for (int row = first; row <= last; ++row) {
    const QRect box(0, (row - top) * height, viewport()->width(), height);
    if (row == selected_) {
      painter.fillRect(box, colours.brush(QPalette::Highlight));
      painter.setPen(colours.color(QPalette::HighlightedText));
    } else {
      painter.setPen(colours.color(QPalette::Text));
    }
    painter.drawText(box.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     List(row));
  }
}

void SpyListBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void SpyListBox::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) UpdateScrollRange();
}

void SpyListBox::mousePressEvent(QMouseEvent* event) {
  const int row = TopIndex() + static_cast<int>(event->position().y()) / RowHeight();
  if (event->button() == Qt::LeftButton && row < ListCount()) SetListIndex(row);
  event->accept();
}

void SpyListBox::keyPressEvent(QKeyEvent* event) {
  if (ListCount() == 0) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const int last = ListCount() - 1;
  const int page = RowsInView();
  int row = selected_;
  switch (event->key()) {
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(last, row + 1); break;
    case Qt::Key_PageUp: row = std::max(0, row - page); break;
    case Qt::Key_PageDown: row = std::min(last, std::max(0, row) + page); break;
    case Qt::Key_Home: row = 0; break;
    case Qt::Key_End: row = last; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  SetListIndex(row);
}
