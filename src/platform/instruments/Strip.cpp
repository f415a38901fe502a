#include "Strip.h"

#include <qcustomplot.h>

#include <QTime>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ScaleMath.h"
#include "StripArrow.h"
#include "platform/ui/Seams.h"

namespace instruments {

// Ticks at round steps of time, labelled with the time of day they fall on.
class TimeOfDayTicker : public QCPAxisTicker {
 protected:
  double getTickStep(const QCPRange& range) override { return TimeStep(range.size(), std::max(1, tickCount())); }
  int getSubTickCount(double) override { return 0; }
  QString getTickLabel(double tick, const QLocale&, QChar, int) override {
    const auto ms = static_cast<int>(std::llround(TimeOfDay(tick) * 1000) % kDayMs);
    return QTime::fromMSecsSinceStartOfDay(ms).toString(QStringLiteral("hh:mm:ss"));
  }

 private:
  static constexpr long long kDayMs = 86'400'000;
};

namespace {

// A jump of the time of day against the monotonic clock larger than this is the
// clock being set or passing midnight: the labels follow it, the points stay.
constexpr int64_t kClockStepMs = 500;
constexpr int kPixelsPerTimeTick = 90;
constexpr int kPixelsPerValueStep = 20;
constexpr double kRedrawPixels = 3;
constexpr double kLeastRedrawMs = 250;

const QColor kChannelColors[] = {
    QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
    QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207),
};

double ProgramTimeOfDay() { return static_cast<double>(ui::Timer()); }

}  // namespace

Strip::Strip(QWidget* parent) : QWidget(parent), monotonic_(ui::MonotonicSeconds), timeOfDay_(ProgramTimeOfDay) {
  setToolTip(QStringLiteral("Drag the arrows at the edges of this graph to zoom in and out"));
}

Strip::~Strip() = default;

int Strip::AddBand(const QString& title) {
  bands_.push_back({title});
  return BandCount() - 1;
}

int Strip::AddChannel(const QString& legend, int band, QColor color) {
  if (bands_.empty()) AddBand(QString());
  if (band < 0 || band >= BandCount()) band = 0;
  if (!color.isValid()) color = kChannelColors[channels_.size() % std::size(kChannelColors)];
  channels_.push_back(std::make_unique<Channel>(Channel{legend, band, color, StripHistory(kHistoryPoints)}));
  return ChannelCount() - 1;
}

void Strip::SetClocks(std::function<double()> monotonicSeconds, std::function<double()> secondsSinceMidnight) {
  monotonic_ = monotonicSeconds ? std::move(monotonicSeconds) : ui::MonotonicSeconds;
  timeOfDay_ = secondsSinceMidnight ? std::move(secondsSinceMidnight) : ProgramTimeOfDay;
  anchored_ = false;
}

int64_t Strip::NowMs() const { return std::llround(monotonic_() * 1000); }

void Strip::AddPoint(int channel, double value) {
  if (channel < 0 || channel >= ChannelCount()) return;
  const int64_t stamp = std::max(NowMs(), newestMs_);
  channels_[static_cast<std::size_t>(channel)]->history.Append(stamp, static_cast<float>(value));
  newestMs_ = stamp;
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

QVector<QPointF> Strip::ShownPoints(int channel) const {
  QVector<QPointF> points;
  if (channel < 0 || channel >= ChannelCount()) return points;
  const QCPGraph* graph = channels_[static_cast<std::size_t>(channel)]->graph;
  if (!graph) return points;
  for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
    points.append(QPointF(it->key, it->value));
  return points;
}

QCPAxis* Strip::ValueAxis(int band) const {
  return band >= 0 && band < BandCount() ? bands_[static_cast<std::size_t>(band)].valueAxis : nullptr;
}

QCPAxis* Strip::TimeAxis() const { return plot_ ? bands_.back().rect->axis(QCPAxis::atBottom) : nullptr; }

void Strip::BuildPlot() {
  if (bands_.empty()) AddBand(QString());
  plot_ = new QCustomPlot(this);
  plot_->setGeometry(rect());
  plot_->setFocusPolicy(Qt::NoFocus);
  // Not phFastPolylines: it draws a line segment by segment, slower than a polyline.
  plot_->setPlottingHints(QCP::phCacheLabels);

  QCPLegend* legend = plot_->legend;
  plot_->axisRect()->insetLayout()->take(legend);
  QCPLayoutGrid* layout = plot_->plotLayout();
  layout->clear();
  layout->setRowSpacing(0);
  auto* edges = new QCPMarginGroup(plot_);  // the bands' plots line up one above the other
  timeTicker_.reset(new TimeOfDayTicker);
  for (std::size_t b = 0; b < bands_.size(); ++b) {
    Band& band = bands_[b];
    band.rect = new QCPAxisRect(plot_, false);
    QCPAxis* time = band.rect->addAxis(QCPAxis::atBottom);
    time->setTicker(timeTicker_);
    time->grid()->setVisible(true);
    const bool lowest = b + 1 == bands_.size();
    time->setTickLabels(lowest);
    if (lowest) time->setLabel(QStringLiteral("Time"));
    band.valueAxis = band.rect->addAxis(QCPAxis::atLeft);
    band.valueAxis->setLabel(band.title);
    QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    band.valueAxis->setTicker(ticker);
    band.valueAxis->grid()->setVisible(true);
    band.valueAxis->setRange(0, 1);
    band.rect->setMarginGroup(QCP::msLeft | QCP::msRight, edges);
    layout->addElement(static_cast<int>(b), 0, band.rect);
  }

  // The legend under the bands, four texts a row.
  layout->addElement(BandCount(), 0, legend);
  layout->setRowStretchFactor(BandCount(), 0.001);
  legend->setVisible(true);
  legend->setBorderPen(Qt::NoPen);
  legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
  legend->setWrap(4);
  legend->setMargins(QMargins(4, 0, 4, 2));
  QFont legendFont = font();
  legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
  legend->setFont(legendFont);

  for (const auto& channel : channels_) {
    const Band& band = bands_[static_cast<std::size_t>(channel->band)];
    channel->graph = new QCPGraph(band.rect->axis(QCPAxis::atBottom), band.valueAxis);
    channel->graph->setName(channel->legend);
    // One pixel wide and not smoothed: crisp on the pixel grid (a smoothed flat
    // line between two rows of pixels reads pale), and several times faster
    // to draw than a wider or smoothed one.
    channel->graph->setPen(QPen(channel->color, 1));
    channel->graph->setAntialiased(false);
  }

  connect(plot_, &QCustomPlot::mouseWheel, this, [this](QWheelEvent* event) {
    // A notch away from the user narrows the span by a fifth.
    const int delta = event->angleDelta().y();
    if (delta != 0) SetSpan(span_ * std::pow(0.8, delta / 120.0));
    event->accept();
  });
  leftArrow_ = new StripArrow(this, StripArrow::Edge::Left);
  leftArrow_->setObjectName(QStringLiteral("arrowLeft"));
  rightArrow_ = new StripArrow(this, StripArrow::Edge::Right);
  rightArrow_->setObjectName(QStringLiteral("arrowRight"));
  connect(plot_, &QCustomPlot::afterLayout, this, [this] { PlaceArrows(); });
  plot_->show();
  leftArrow_->show();
  rightArrow_->show();
  plot_->replot(QCustomPlot::rpQueuedRefresh);  // lays the bands out, so the first refresh knows their sizes
}

void Strip::ScheduleRefresh() {
  // Many points arrive in one go (a channel at a time); the plot is given them once after them.
  if (refreshPending_ || !plot_ || !isVisible()) return;
  // The plot moves on in steps of a few pixels, and not more than four times
  // a second (about as often as the poll brings a reading anew): a redraw for
  // every new point, a fraction of a pixel on, would cost the program's tick
  // far more than it shows.
  const double msPerPixel = span_ * 1000 / std::max(1, bands_.back().rect->width());
  if (static_cast<double>(newestMs_ - drawnNewestMs_) < std::max(kRedrawPixels * msPerPixel, kLeastRedrawMs)) return;
  refreshPending_ = true;
  QMetaObject::invokeMethod(
      this, [this] { Refresh(); }, Qt::QueuedConnection);
}

void Strip::Refresh() {
  refreshPending_ = false;
  if (!plot_ || !isVisible()) return;
  const int64_t now = NowMs();
  const int64_t offset = std::llround(timeOfDay_() * 1000) - now;
  if (!anchored_ || std::llabs(offset - labelOffsetMs_) > kClockStepMs) {
    labelOffsetMs_ = offset;
    anchored_ = true;
  }
  const auto key = [this](int64_t ms) { return static_cast<double>(ms + labelOffsetMs_) / 1000; };
  const int64_t end = hasPoints_ ? newestMs_ : now;
  drawnNewestMs_ = end;
  const int64_t from = end - std::llround(span_ * 1000);
  const int plotWidth = std::max(50, bands_.back().rect->width());
  const std::size_t maxPoints = 2 * static_cast<std::size_t>(plotWidth);

  constexpr double kNone = std::numeric_limits<double>::infinity();
  std::vector<double> low(bands_.size(), kNone), high(bands_.size(), -kNone);
  QVector<QCPGraphData> data;
  for (const auto& channel : channels_) {
    if (!channel->graph) continue;  // added after the plot was built
    channel->history.Visible(from, end, maxPoints, scratch_);
    data.clear();
    data.reserve(static_cast<qsizetype>(scratch_.size()));
    double& lo = low[static_cast<std::size_t>(channel->band)];
    double& hi = high[static_cast<std::size_t>(channel->band)];
    for (const StripPoint& p : scratch_) {
      // A value that is not finite breaks the line and has no say in the axis.
      const bool finite = std::isfinite(p.value);
      data.append(QCPGraphData(key(p.ms), finite ? static_cast<double>(p.value) : qQNaN()));
      if (finite && p.ms >= from) {
        lo = std::min(lo, static_cast<double>(p.value));
        hi = std::max(hi, static_cast<double>(p.value));
      }
    }
    channel->graph->data()->set(data, true);
  }

  timeTicker_->setTickCount(std::clamp(plotWidth / kPixelsPerTimeTick, 2, 7));
  for (std::size_t b = 0; b < bands_.size(); ++b) {
    const Band& band = bands_[b];
    band.rect->axis(QCPAxis::atBottom)->setRange(key(from), key(end));
    const int steps = std::clamp(band.rect->height() / kPixelsPerValueStep, 2, 8);
    const ValueRange range = low[b] <= high[b] ? FitRange(low[b], high[b], steps) : ValueRange{0, 1, 0.2};
    qSharedPointerCast<QCPAxisTickerFixed>(band.valueAxis->ticker())->setTickStep(range.step);
    band.valueAxis->setRange(range.low, range.high);
  }
  plot_->replot(QCustomPlot::rpQueuedRefresh);
}

void Strip::PlaceArrows() {
  if (!plot_) return;
  // Just inside the lowest band's bottom corners, clear of the axis labels.
  const QRect area = bands_.back().rect->rect().translated(plot_->pos());
  const int bottom = area.bottom() - leftArrow_->height() - 3;
  leftArrow_->move(area.left() + 3, bottom);
  rightArrow_->move(area.right() - rightArrow_->width() - 3, bottom);
  leftArrow_->raise();
  rightArrow_->raise();
}

void Strip::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!plot_) BuildPlot();
  Refresh();
}

void Strip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (plot_) plot_->setGeometry(rect());
}

}  // namespace instruments
