#include "platform/instruments/Strip.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>
#include <limits>

#include "platform/instruments/ScaleMath.h"

using instruments::Strip;

namespace {

class StripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strip.resize(600, 400);
    strip.SetClocks([this] { return monotonic; }, [this] { return timeOfDay; });
    strip.AddBand(QStringLiteral("Voltage (V)"));
    strip.AddBand(QStringLiteral("Current (A)"));
    strip.AddChannel(QStringLiteral("I/P Voltage"), 0, QColor(10, 20, 30));
    strip.AddChannel(QStringLiteral("I/P Current"), 1);
  }
  void ShowStrip() {
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
  }
  // n rounds of both channels, a tenth of a second apart on both clocks.
  void Feed(int n, double volts = 120, double amps = 0.25) {
    for (int i = 0; i < n; ++i) {
      monotonic += 0.1;
      timeOfDay += 0.1;
      strip.AddPoint(0, volts);
      strip.AddPoint(1, amps);
    }
    QCoreApplication::processEvents();
  }
  QString TimeText(double key) const {
    return QTime(0, 0).addMSecs(std::llround(instruments::TimeOfDay(key) * 1000)).toString("hh:mm:ss.zzz");
  }
  double monotonic = 500;
  double timeOfDay = 36000;  // 10:00:00
  Strip strip;
};

TEST_F(StripTest, BandsCarryTitledScalesAndTheLinesAgainstTheTimeOfDay) {
  EXPECT_EQ(strip.AddChannel(QStringLiteral("no such band"), 7), 2) << "falls back to the first band";
  strip.AddPoint(3, 1);
  strip.AddPoint(-1, 1);
  EXPECT_EQ(strip.HistorySize(0) + strip.HistorySize(1) + strip.HistorySize(2), 0u) << "no such channel: ignored";
  EXPECT_EQ(strip.Plot(), nullptr) << "nothing is built before the chart is shown";
  ShowStrip();
  QCustomPlot* plot = strip.Plot();
  ASSERT_NE(plot, nullptr);
  ASSERT_EQ(plot->graphCount(), 3);
  const std::tuple<QString, QCPAxis*, QColor> expected[] = {
      {"I/P Voltage", strip.ValueAxis(0), QColor(10, 20, 30)},   // its own colour
      {"I/P Current", strip.ValueAxis(1), QColor(214, 39, 40)},  // else the chart's, by channel
      {"no such band", strip.ValueAxis(0), QColor(44, 160, 44)},
  };
  for (int i = 0; i < 3; ++i) {
    const auto& [name, axis, color] = expected[i];
    EXPECT_EQ(plot->graph(i)->name(), name);
    EXPECT_EQ(plot->graph(i)->valueAxis(), axis) << name.toStdString();
    EXPECT_EQ(plot->graph(i)->pen().color(), color) << name.toStdString();
  }
  EXPECT_EQ(strip.ValueAxis(0)->label(), "Voltage (V)");
  EXPECT_EQ(strip.ValueAxis(1)->label(), "Current (A)");
  EXPECT_EQ(plot->legend->itemCount(), 3);
  EXPECT_EQ(strip.TimeAxis()->label(), "Time");
  EXPECT_FALSE(strip.ValueAxis(0)->axisRect()->axis(QCPAxis::atBottom)->tickLabels()) << "one time scale, under all";
  Feed(300);
  plot->replot();
  const QVector<QString> labels = strip.TimeAxis()->tickVectorLabels();
  ASSERT_FALSE(labels.isEmpty());
  for (const QString& label : labels)
    EXPECT_TRUE(QTime::fromString(label, "hh:mm:ss").isValid()) << label.toStdString();
  EXPECT_EQ(labels.back(), "10:00:30") << "the time axis ends at the newest point, labelled with the time of day";
}

TEST_F(StripTest, AHiddenChartStoresAndAShownOneMovesOnInStepsOfAFewPixels) {
  Feed(20);
  EXPECT_EQ(strip.HistorySize(0), 20u);
  ShowStrip();
  ASSERT_EQ(strip.ShownPoints(0).size(), 20);
  EXPECT_EQ(strip.ShownPoints(1).back(), QPointF(36002, 0.25));
  // A minute over some 500 pixels: three pixels are about a third of a second.
  Feed(3);
  EXPECT_EQ(strip.ShownPoints(0).size(), 20) << "a point or three, less than three pixels on: not redrawn";
  Feed(1);
  EXPECT_EQ(strip.ShownPoints(0).size(), 24) << "the fourth moves the line on by three pixels";
  strip.hide();
  Feed(5);
  EXPECT_EQ(strip.ShownPoints(0).size(), 24);
  EXPECT_EQ(strip.HistorySize(0), 29u);
}

TEST_F(StripTest, ThePlotHoldsOnlyTheShownSpanAndTheHistoryAnHour) {
  ShowStrip();
  Feed(40000);  // 4000 s
  EXPECT_GE(strip.HistorySize(0), Strip::kHistoryPoints) << "an hour at ten points a second";
  EXPECT_LT(strip.HistorySize(0), 40000u);
  const QVector<QPointF> shown = strip.ShownPoints(0);
  // The last 60 s at ten points a second, both ends included, and the point before them.
  ASSERT_EQ(shown.size(), 602);
  EXPECT_DOUBLE_EQ(shown.back().x(), 40000);
  EXPECT_NEAR(shown[1].x(), 40000 - 60, 1e-6);
  EXPECT_NEAR(strip.TimeAxis()->range().lower, 40000 - 60, 1e-6);
  EXPECT_NEAR(strip.TimeAxis()->range().upper, 40000, 1e-6);

  strip.SetSpan(3600);
  EXPECT_LE(strip.ShownPoints(0).size(), 2 * 600) << "a long span is thinned to about two points a pixel";
  EXPECT_DOUBLE_EQ(strip.ShownPoints(0).back().x(), 40000);
}

struct ClockStepRow {
  const char* what;
  double from;  // the time of day before the step
  double to;    // just after it
};

// 30 points, the clock stepped, 25 more: all 55 stay in order and in view, the
// time axis ends at the clock's time now.
TEST_F(StripTest, AClockSetBackOrPassingMidnightKeepsTheHistoryInOrder) {
  const ClockStepRow rows[] = {
      {"set back a second", 36000, 35999.1},
      {"set back an hour (daylight saving ends)", 36000, 32400.1},
      {"midnight", 86397, 0.1},
      {"set forward an hour", 36000, 39600.1},
  };
  for (const ClockStepRow& r : rows) {
    Strip chart;
    chart.resize(600, 400);
    chart.SetClocks([this] { return monotonic; }, [this] { return timeOfDay; });
    chart.AddBand(QStringLiteral("Voltage (V)"));
    chart.AddChannel(QStringLiteral("VS1"));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    timeOfDay = r.from - 3;
    for (int i = 0; i < 55; ++i) {
      monotonic += 0.1;
      timeOfDay = i == 30 ? r.to : timeOfDay + 0.1;
      chart.AddPoint(0, 12.1 + 0.01 * i);
      QCoreApplication::processEvents();
    }
    chart.SetSpan(30);  // zoomed, it draws at once
    const QVector<QPointF> shown = chart.ShownPoints(0);
    ASSERT_EQ(shown.size(), 55) << r.what;
    for (int i = 1; i < 55; ++i) EXPECT_NEAR(shown[i].x() - shown[i - 1].x(), 0.1, 1e-6) << r.what << " " << i;
    EXPECT_EQ(TimeText(chart.TimeAxis()->range().upper), TimeText(timeOfDay)) << r.what;
    EXPECT_LT(chart.TimeAxis()->range().lower, shown.front().x()) << r.what;
  }
}

TEST_F(StripTest, APointThatIsNotFiniteBreaksItsLineAndNeverReachesTheAxis) {
  ShowStrip();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  Feed(10);
  for (double bad : {kInf, std::nan(""), -kInf, 1e39}) Feed(1, bad, 0.25);  // 1e39 is beyond a float
  Feed(10);
  const QVector<QPointF> shown = strip.ShownPoints(0);
  ASSERT_EQ(shown.size(), 24);
  for (int i = 0; i < 24; ++i) EXPECT_EQ(std::isnan(shown[i].y()), i >= 10 && i < 14) << i;
  strip.Plot()->replot();
  const QCPRange range = strip.ValueAxis(0)->range();
  EXPECT_TRUE(std::isfinite(range.lower) && std::isfinite(range.upper));
  EXPECT_LT(range.lower, 120);
  EXPECT_GT(range.upper, 120);
  EXPECT_FALSE(strip.ValueAxis(0)->tickVectorLabels().isEmpty()) << "the axis keeps its numbers";

  Feed(1, kInf, 0.25);  // a span of nothing but breaks
  strip.SetSpan(5);
  Feed(60, kInf, 0.25);
  strip.Plot()->replot();
  EXPECT_TRUE(std::isfinite(strip.ValueAxis(0)->range().size()));
  Feed(60);
  strip.Plot()->replot();
  EXPECT_LT(strip.ValueAxis(0)->range().lower, 120) << "the axis comes back with the readings";
  EXPECT_GT(strip.ValueAxis(0)->range().upper, 120);
  EXPECT_FALSE(strip.ValueAxis(0)->tickVectorLabels().isEmpty());
}

struct ZoomRow {
  const char* arrow;
  int dx;
  double span;
};

TEST_F(StripTest, DraggingAnEdgeArrowZoomsTheTimeSpan) {
  ShowStrip();
  Feed(1200);
  const ZoomRow rows[] = {
      {"arrowLeft", 100, 30},      // inwards: half the span
      {"arrowLeft", -200, 240},    // outwards: twice, twice
      {"arrowRight", -100, 30},    // inwards from the right
      {"arrowRight", 1000, 3600},  // no more than an hour
      {"arrowLeft", 2000, 5},      // no less than five seconds
  };
  for (const ZoomRow& r : rows) {
    strip.SetSpan(60);
    auto* arrow = strip.findChild<QWidget*>(QString::fromLatin1(r.arrow));
    ASSERT_NE(arrow, nullptr) << r.arrow;
    const QPoint middle = arrow->rect().center();
    QTest::mousePress(arrow, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseMove(arrow, middle + QPoint(r.dx, 0));
    QTest::mouseRelease(arrow, Qt::LeftButton, Qt::NoModifier, middle + QPoint(r.dx, 0));
    EXPECT_NEAR(strip.Span(), r.span, 1e-9) << r.arrow << " " << r.dx;
    EXPECT_NEAR(strip.TimeAxis()->range().size(), r.span, 1e-6) << r.arrow << " " << r.dx;
  }
  // The arrows sit inside the lowest band's bottom corners.
  const QRect plot = strip.TimeAxis()->axisRect()->rect();
  EXPECT_LT(std::abs(strip.findChild<QWidget*>("arrowLeft")->geometry().left() - plot.left()), 10);
  EXPECT_LT(std::abs(strip.findChild<QWidget*>("arrowRight")->geometry().right() - plot.right()), 10);
  EXPECT_LT(std::abs(strip.findChild<QWidget*>("arrowRight")->geometry().bottom() - plot.bottom()), 10);
}

TEST_F(StripTest, TheWheelZoomsAndTheToolTipExplainsTheArrows) {
  ShowStrip();
  QWidget* plot = strip.Plot();
  const std::pair<int, double> notches[] = {{120, 48}, {-240, 93.75}, {-120, 75}};
  for (const auto& [delta, span] : notches) {
    strip.SetSpan(60);
    const QPointF at(300, 150);
    QWheelEvent wheel(at, plot->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    EXPECT_NEAR(strip.Span(), span, 1e-9) << delta;
  }
  const QPoint at(300, 150);
  QHelpEvent help(QEvent::ToolTip, at, plot->mapToGlobal(at));
  QApplication::sendEvent(plot, &help);
  EXPECT_EQ(QToolTip::text(), "Drag the arrows at the edges of this graph to zoom in and out");
  QToolTip::hideText();
}

}  // namespace
