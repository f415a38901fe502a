#include "Strip.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ScaleMath.h"
#include "StripArrow.h"

namespace instruments {

namespace {

constexpr int64_t kDayMs = 86'400'000;
constexpr int kValueSteps = 5;

const QColor kChannelColors[] = {
    QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
    QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207),
};

double SystemSecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace

Strip::Strip(QWidget* parent) : QWidget(parent), clock_(SystemSecondsSinceMidnight) {
  setToolTip(QStringLiteral("Drag the arrows at the edges of this graph to zoom in and out"));
  midnightMs_ = QDateTime(QDate::currentDate(), QTime(0, 0)).toMSecsSinceEpoch();

  chart_ = new QChart();
  chart_->setBackgroundRoundness(0);
  chart_->setMargins(QMargins(2, 2, 2, 2));
  chart_->layout()->setContentsMargins(0, 0, 0, 0);  // the white chart fills the widget
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->setShowToolTips(true);
  // Eight channels' texts fit in one row under a chart of 600 pixels.
  QFont legendFont = chart_->legend()->font();
  legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
  chart_->legend()->setFont(legendFont);

  timeAxis_ = new QDateTimeAxis();
  timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
  timeAxis_->setTitleText(QStringLiteral("Time"));
  chart_->addAxis(timeAxis_, Qt::AlignBottom);

  view_ = new QChartView(chart_, this);  // the view owns the chart
  view_->setFocusPolicy(Qt::NoFocus);
  view_->setRubberBand(QChartView::NoRubberBand);
  view_->setFrameShape(QFrame::NoFrame);
  view_->viewport()->installEventFilter(this);

  leftArrow_ = new StripArrow(this, StripArrow::Edge::Left);
  leftArrow_->setObjectName(QStringLiteral("arrowLeft"));
  rightArrow_ = new StripArrow(this, StripArrow::Edge::Right);
  rightArrow_->setObjectName(QStringLiteral("arrowRight"));
  connect(chart_, &QChart::plotAreaChanged, this, [this] { PlaceArrows(); });
}

Strip::~Strip() = default;

int Strip::AddAxis(const QString& title) {
  auto* axis = new QValueAxis();
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(0.2);
  axis->setRange(0, 1);
  chart_->addAxis(axis, axes_.empty() ? Qt::AlignLeft : Qt::AlignRight);
  axes_.push_back(axis);
  return static_cast<int>(axes_.size()) - 1;
}

int Strip::AddChannel(const QString& legend, int axis) {
  if (axes_.empty()) AddAxis(QString());
  if (axis < 0 || axis >= static_cast<int>(axes_.size())) axis = 0;
  auto* series = new QLineSeries();
  series->setName(legend);
  series->setPen(QPen(kChannelColors[channels_.size() % std::size(kChannelColors)], 1));
  chart_->addSeries(series);
  series->attachAxis(timeAxis_);
  series->attachAxis(axes_[static_cast<std::size_t>(axis)]);
  channels_.push_back(std::make_unique<Channel>(Channel{series, StripHistory(kHistoryPoints), axis}));
  return static_cast<int>(channels_.size()) - 1;
}

void Strip::SetClock(std::function<double()> secondsSinceMidnight) {
  clock_ = secondsSinceMidnight ? std::move(secondsSinceMidnight) : SystemSecondsSinceMidnight;
}

int64_t Strip::Peek() const {
  const double now = clock_();
  const int64_t days = lastClock_ >= 0 && now < lastClock_ ? dayOffsetMs_ + kDayMs : dayOffsetMs_;
  return days + std::llround(now * 1000);
}

int64_t Strip::Stamp() {
  const double now = clock_();
  if (lastClock_ >= 0 && now < lastClock_) dayOffsetMs_ += kDayMs;
  lastClock_ = now;
  return dayOffsetMs_ + std::llround(now * 1000);
}

void Strip::AddPoint(int channel, double value) {
  if (channel < 0 || channel >= ChannelCount()) return;
  const int64_t stamp = Stamp();
  channels_[static_cast<std::size_t>(channel)]->history.Append(stamp, static_cast<float>(value));
  newestMs_ = hasPoints_ ? std::max(newestMs_, stamp) : stamp;
  hasPoints_ = true;
  ScheduleRefresh();
}

void Strip::SetSpan(double seconds) {
  const double span = std::clamp(seconds, kMinSpan, kMaxSpan);
  if (span == span_) return;
  span_ = span;
  Refresh();
}

std::size_t Strip::HistorySize(int channel) const {
  if (channel < 0 || channel >= ChannelCount()) return 0;
  return channels_[static_cast<std::size_t>(channel)]->history.Size();
}

std::size_t Strip::HistoryBytes() const {
  std::size_t bytes = 0;
  for (const auto& channel : channels_) bytes += channel->history.Bytes();
  return bytes;
}

QList<QPointF> Strip::ShownPoints(int channel) const {
  if (channel < 0 || channel >= ChannelCount()) return {};
  return channels_[static_cast<std::size_t>(channel)]->series->points();
}

void Strip::ScheduleRefresh() {
  // Many points arrive in one go (a channel at a time); the lines are rebuilt once after them.
  if (refreshPending_ || !isVisible()) return;
  refreshPending_ = true;
  QMetaObject::invokeMethod(
      this, [this] { Refresh(); }, Qt::QueuedConnection);
}

void Strip::Refresh() {
  refreshPending_ = false;
  if (!isVisible()) return;
  const int64_t end = hasPoints_ ? newestMs_ : Peek();
  const int64_t from = end - std::llround(span_ * 1000);
  const int plotWidth = std::max(50, static_cast<int>(chart_->plotArea().width()));
  const std::size_t maxPoints = 2 * static_cast<std::size_t>(plotWidth);

  constexpr double kNone = std::numeric_limits<double>::infinity();
  std::vector<double> low(axes_.size(), kNone), high(axes_.size(), -kNone);
  std::vector<QList<QPointF>> lines(channels_.size());
  for (std::size_t c = 0; c < channels_.size(); ++c) {
    const Channel& channel = *channels_[c];
    channel.history.Visible(from, end, maxPoints, scratch_);
    QList<QPointF>& points = lines[c];
    points.reserve(static_cast<qsizetype>(scratch_.size()));
    double& lo = low[static_cast<std::size_t>(channel.axis)];
    double& hi = high[static_cast<std::size_t>(channel.axis)];
    for (const StripPoint& p : scratch_) {
      points.append(QPointF(static_cast<double>(midnightMs_ + p.ms), p.value));
      if (p.ms >= from) {
        lo = std::min(lo, static_cast<double>(p.value));
        hi = std::max(hi, static_cast<double>(p.value));
      }
    }
  }

  // A line works out its whole outline again at every change of its points or
  // of an axis. Emptied first, the lines take the new axes for nothing, so each
  // is outlined once a refresh, not twice.
  for (const auto& channel : channels_) channel->series->clear();
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(midnightMs_ + from),
                      QDateTime::fromMSecsSinceEpoch(midnightMs_ + end));
  timeAxis_->setTickCount(std::clamp(plotWidth / 90, 2, 7) + 1);
  for (std::size_t a = 0; a < axes_.size(); ++a) {
    // A little room above and below, so no line runs along the plot's edge.
    const double room = (high[a] - low[a]) * 0.05;
    const ValueRange range =
        low[a] <= high[a] ? NiceRange(low[a] - room, high[a] + room, kValueSteps) : ValueRange{0, 1, 0.2};
    QValueAxis* axis = axes_[a];
    if (axis->min() != range.low || axis->max() != range.high) {
      axis->setTickAnchor(range.low);
      axis->setTickInterval(range.step);
      axis->setRange(range.low, range.high);
    }
  }
  for (std::size_t c = 0; c < channels_.size(); ++c) channels_[c]->series->replace(lines[c]);
}

void Strip::PlaceArrows() {
  // The view shows its scene one to one from its top left corner, so chart
  // coordinates are the view's; mapping through the view would catch it
  // mid-resize, still centring a scene of the old size.
  const QRectF plot = chart_->mapRectToScene(chart_->plotArea()).translated(view_->pos());
  // Just inside the plot's bottom corners, clear of the axis labels.
  const int bottom = static_cast<int>(plot.bottom()) - leftArrow_->height() - 3;
  leftArrow_->move(static_cast<int>(plot.left()) + 3, bottom);
  rightArrow_->move(static_cast<int>(plot.right()) - rightArrow_->width() - 3, bottom);
  leftArrow_->raise();
  rightArrow_->raise();
}

void Strip::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

void Strip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_->setGeometry(rect());
  PlaceArrows();
}

bool Strip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->viewport() && event->type() == QEvent::Wheel) {
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    // A notch away from the user narrows the span by a fifth.
    if (delta != 0) SetSpan(span_ * std::pow(0.8, delta / 120.0));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace instruments
