#pragma once
// A strip chart of readings against the time of day. The chart is cut into
// bands, one above the other on one time axis, each with a titled value axis
// of its own, so that readings of different sizes never share a scale or hide
// one another. Each channel is a line with its legend text in one band. The owner adds points one channel at a
// time. Points are stamped on a clock that never runs backwards and labelled
// with the time of day, so a clock that is set back or passes midnight leaves
// the history in order. Every channel keeps its last hour of points (36,000)
// in a history of its own, and the plot is given only the points of the shown
// time span, so redrawing costs the same however long the history. A chart
// that has never been shown has no plot at all; a hidden chart keeps storing
// and draws nothing; a shown one moves on in steps of a few pixels. A point
// that is not finite breaks its line. The user
// zooms the time span by dragging the arrows at the chart's bottom corners, or
// with the mouse wheel.

#include <QColor>
#include <QPointF>
#include <QSharedPointer>
#include <QVector>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "StripHistory.h"

class QCPAxis;
class QCPAxisRect;
class QCPGraph;
class QCustomPlot;

namespace instruments {

class StripArrow;
class TimeOfDayTicker;

class Strip : public QWidget {
  Q_OBJECT
 public:
  static constexpr std::size_t kHistoryPoints = 36000;  // an hour at ten points a second
  static constexpr double kDefaultSpan = 60;            // seconds shown at first
  static constexpr double kMinSpan = 5;
  static constexpr double kMaxSpan = 3600;

  explicit Strip(QWidget* parent = nullptr);
  ~Strip() override;

  // Bands and channels are made before the chart is first shown.
  // A new band below the others, with this title on its value axis; returns its number.
  int AddBand(const QString& title);
  int BandCount() const { return static_cast<int>(bands_.size()); }
  // A channel drawn in a band (the first when there is no such band), in the
  // colour given or else one of the chart's own.
  int AddChannel(const QString& legend, int band = 0, QColor color = QColor());
  int ChannelCount() const { return static_cast<int>(channels_.size()); }

  // A point for channel k now; a channel that does not exist is ignored.
  void AddPoint(int channel, double value);
  // The clocks: one in seconds that never runs backwards, which places the
  // points, and the seconds since midnight, which label them (by default the
  // program's monotonic clock and its timer).
  void SetClocks(std::function<double()> monotonicSeconds, std::function<double()> secondsSinceMidnight);

  // The shown time span, held between kMinSpan and kMaxSpan.
  double Span() const { return span_; }
  void SetSpan(double seconds);

  std::size_t HistorySize(int channel) const;
  std::size_t HistoryBytes() const;  // the points of every channel
  // The points the plot holds for a channel: x in seconds of the time axis
  // (its labels are the time of day), y NaN where the line breaks.
  QVector<QPointF> ShownPoints(int channel) const;
  // The plot, a band's value axis and the time axis; none before the first showing.
  QCustomPlot* Plot() const { return plot_; }
  QCPAxis* ValueAxis(int band) const;
  QCPAxis* TimeAxis() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Band {
    QString title;
    QCPAxisRect* rect = nullptr;
    QCPAxis* valueAxis = nullptr;
  };
  struct Channel {
    QString legend;
    int band;
    QColor color;
    StripHistory history;
    QCPGraph* graph = nullptr;
  };
  int64_t NowMs() const;
  void BuildPlot();
  void ScheduleRefresh();
  void Refresh();
  void PlaceArrows();

  std::vector<Band> bands_;
  std::vector<std::unique_ptr<Channel>> channels_;

  QCustomPlot* plot_ = nullptr;
  QSharedPointer<TimeOfDayTicker> timeTicker_;
  StripArrow* leftArrow_ = nullptr;
  StripArrow* rightArrow_ = nullptr;

  std::function<double()> monotonic_;
  std::function<double()> timeOfDay_;
  int64_t labelOffsetMs_ = 0;  // from the monotonic clock to the time of day
  bool anchored_ = false;
  int64_t newestMs_ = 0;
  int64_t drawnNewestMs_ = std::numeric_limits<int64_t>::min() / 2;  // the right end of the plot drawn last
  bool hasPoints_ = false;

  double span_ = kDefaultSpan;
  bool refreshPending_ = false;
  std::vector<StripPoint> scratch_;
};

}  // namespace instruments
