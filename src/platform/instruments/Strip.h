#pragma once
// A strip chart of readings against the time of day. Each channel is a line
// with its legend text on one of the chart's titled value axes; the owner adds
// points one channel at a time, each stamped with the clock's time. Every
// channel keeps its last hour of points (36,000) in a ring of its own, and the
// chart's lines are given only the points of the shown time span, so redrawing
// costs the same however long the history. A hidden chart keeps storing and
// draws nothing until it is shown. The user zooms the time span by dragging the
// arrows at the chart's bottom corners, or with the mouse wheel.

#include <QList>
#include <QPointF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "StripHistory.h"

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace instruments {

class StripArrow;

class Strip : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kHistoryPoints = 36000;  // an hour at ten points a second
  static constexpr double kDefaultSpan = 60;            // seconds shown at first
  static constexpr double kMinSpan = 5;
  static constexpr double kMaxSpan = 3600;

  explicit Strip(QWidget* parent = nullptr);
  ~Strip() override;

  // A value axis with its title: the first on the left, the others on the right.
  int AddAxis(const QString& title);
  // A channel drawn against a value axis (the first when there is no such axis).
  int AddChannel(const QString& legend, int axis = 0);
  int ChannelCount() const { return static_cast<int>(channels_.size()); }

  // A point for channel k at the clock's time now; a channel that does not exist is ignored.
  void AddPoint(int channel, double value);
  // The clock in seconds since midnight (the system's by default). A reading
  // below the one before is taken as the clock passing midnight.
  void SetClock(std::function<double()> secondsSinceMidnight);

  // The shown time span, held between kMinSpan and kMaxSpan.
  double Span() const { return span_; }
  void SetSpan(double seconds);

  std::size_t HistorySize(int channel) const;
  std::size_t HistoryBytes() const;               // the points of every channel
  QList<QPointF> ShownPoints(int channel) const;  // x: milliseconds since the epoch
  QChart* Chart() const { return chart_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Channel {
    QLineSeries* series;
    StripHistory history;
    int axis;
  };
  int64_t Stamp();       // the clock now on the chart's own timeline
  int64_t Peek() const;  // the same without noting the reading
  void ScheduleRefresh();
  void Refresh();
  void PlaceArrows();

  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QDateTimeAxis* timeAxis_ = nullptr;
  std::vector<QValueAxis*> axes_;
  std::vector<std::unique_ptr<Channel>> channels_;
  StripArrow* leftArrow_ = nullptr;
  StripArrow* rightArrow_ = nullptr;

  std::function<double()> clock_;
  double lastClock_ = -1;
  int64_t dayOffsetMs_ = 0;  // whole days passed since the chart was made
  int64_t midnightMs_ = 0;   // the timeline's zero: the midnight the chart was made, since the epoch
  int64_t newestMs_ = 0;
  bool hasPoints_ = false;

  double span_ = kDefaultSpan;
  bool refreshPending_ = false;
  std::vector<StripPoint> scratch_;
};

}  // namespace instruments
