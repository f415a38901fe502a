#include "SpyListBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ui/Seams.h"

namespace {

constexpr int kTextIndent = 3;

// A scroll bar that paints again only when what it shows changes. Over a long
// list a new line moves neither the slider nor the ends by a pixel, yet every
// change of range or value would repaint the bar and the window's frame under it.
class SteadyScrollBar : public QScrollBar {
 public:
  explicit SteadyScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

  // Range and value change together: the look in between never counts.
  void SetRangeAndValue(int maximum, int pageStep, bool toMaximum) {
    holding_ = true;
    setPageStep(pageStep);
    setRange(0, maximum);
    if (toMaximum) setValue(maximum);
    holding_ = false;
    if (changed_) Repaint();
  }

 protected:
  void sliderChange(SliderChange) override {
    changed_ = true;
    if (!holding_) Repaint();
  }
  void paintEvent(QPaintEvent* event) override {
    painted_ = Look();
    QScrollBar::paintEvent(event);
  }

 private:
  struct Appearance {
    QRect slider;
    bool atMinimum = false, atMaximum = false, empty = false;
    bool operator==(const Appearance& o) const {
      return slider == o.slider && atMinimum == o.atMinimum && atMaximum == o.atMaximum && empty == o.empty;
    }
  };
  Appearance Look() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
            value() == minimum(), value() == maximum(), minimum() == maximum()};
  }
  void Repaint() {
    changed_ = false;
    if (!isVisible() || !(Look() == painted_)) update();
  }
  Appearance painted_{QRect(-1, -1, 0, 0)};
  bool holding_ = false;
  bool changed_ = false;
};

}  // namespace

SpyListBox::SpyListBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBar(new SteadyScrollBar(this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(1);
  showTimer_.setParent(this);  // a named child, so that tests can make it come
  showTimer_.setObjectName(QStringLiteral("tmrShowLines"));
  showTimer_.setSingleShot(true);
  connect(&showTimer_, &QTimer::timeout, this, [this] { ShowNewLines(); });
  UpdateScrollRange();
}

int SpyListBox::RowHeight() const { return fontMetrics().height() + 2; }

int SpyListBox::RowsInView() const { return std::max(1, viewport()->height() / RowHeight()); }

int SpyListBox::TopIndex() const { return verticalScrollBar()->value(); }

void SpyListBox::UpdateScrollRange() {
  auto* bar = static_cast<SteadyScrollBar*>(verticalScrollBar());
  shownCount_ = ListCount();
  bar->SetRangeAndValue(std::max(0, shownCount_ - RowsInView()), RowsInView(), bar->value() >= bar->maximum());
}

void SpyListBox::ScheduleShowNewLines() {
  // The clock of the seams, so that tests and benchmarks decide when the interval has passed.
  const double now = ui::MonotonicSeconds();
  if (!pending_) {
    pending_ = true;
    dueAt_ = now + kUpdateInterval;
    showTimer_.start(static_cast<int>(std::lround(kUpdateInterval * 1000)));
  } else if (now >= dueAt_ && showTimer_.interval() != 0) {
    showTimer_.start(0);
  }
}

void SpyListBox::ShowNewLines() {
  const double wait = dueAt_ - ui::MonotonicSeconds();
  if (wait > 0) {
    showTimer_.start(static_cast<int>(std::ceil(wait * 1000)));
    return;
  }
  pending_ = false;
  const int firstNew = shownCount_;
  UpdateScrollRange();
  // A view that followed has scrolled, moving the rows it keeps and painting
  // the ones it uncovers; what is left are new lines on rows that were empty.
  // Asked for after the scroll, so that nothing pending stops the move.
  const int top = TopIndex();
  const int from = std::max(firstNew, top) - top;
  const int to = std::min(ListCount(), top + RowsInView() + 1) - top;
  if (to > from) viewport()->update(0, from * RowHeight(), viewport()->width(), (to - from) * RowHeight());
}

void SpyListBox::AddItem(const BusRecord& record) {
  // The scroll bar counts rows in int; lines past that are not kept.
  if (store_.Size() >= static_cast<size_t>(std::numeric_limits<int>::max())) return;
  store_.Append(record);
  ScheduleShowNewLines();
}

void SpyListBox::Clear() {
  store_.Clear();
  selected_ = -1;
  pending_ = false;
  showTimer_.stop();
  verticalScrollBar()->setValue(0);
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
  if (index >= shownCount_) UpdateScrollRange();
  QScrollBar* bar = verticalScrollBar();
  if (index < bar->value()) bar->setValue(index);
  else if (index >= bar->value() + RowsInView()) bar->setValue(index - RowsInView() + 1);
}

void SpyListBox::scrollContentsBy(int, int dy) {
  // Rows still in view are moved, not painted again.
  if (std::abs(dy) < RowsInView()) {
    viewport()->scroll(0, dy * RowHeight());
  } else {
    viewport()->update();
  }
}

void SpyListBox::paintEvent(QPaintEvent* event) {
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
