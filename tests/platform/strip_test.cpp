#include "platform/instruments/Strip.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHelpEvent>
#include <QLineSeries>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

using instruments::Strip;

namespace {

class StripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    strip.resize(600, 360);
    strip.SetClock([this] { return clock; });
    strip.AddAxis(QStringLiteral("Voltage (V)"));
    strip.AddAxis(QStringLiteral("Current (A)"));
    strip.AddChannel(QStringLiteral("I/P Voltage"), 0);
    strip.AddChannel(QStringLiteral("I/P Current"), 1);
  }
  void ShowStrip() {
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
  }
  // n rounds of both channels, a tenth of a second apart.
  void Feed(int n) {
    for (int i = 0; i < n; ++i) {
      clock += 0.1;
      strip.AddPoint(0, 120);
      strip.AddPoint(1, 0.25);
    }
    QCoreApplication::processEvents();
  }
  QDateTime Today(double seconds) const {
    return QDateTime(QDate::currentDate(), QTime(0, 0)).addMSecs(std::llround(seconds * 1000));
  }
  QDateTimeAxis* TimeAxis() const { return qobject_cast<QDateTimeAxis*>(strip.Chart()->axes(Qt::Horizontal).value(0)); }
  double clock = 36000;  // 10:00:00
  Strip strip;
};

TEST_F(StripTest, ChannelsAreLinesOnTheirTitledAxesAgainstTimeOfDay) {
  const QList<QAbstractSeries*> series = strip.Chart()->series();
  ASSERT_EQ(series.size(), 2);
  const std::pair<QString, QString> expected[] = {{"I/P Voltage", "Voltage (V)"}, {"I/P Current", "Current (A)"}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(series[i]->name(), expected[i].first);
    const QList<QAbstractAxis*> axes = series[i]->attachedAxes();
    ASSERT_EQ(axes.size(), 2);
    EXPECT_EQ(axes[1]->titleText(), expected[i].second);
    EXPECT_EQ(axes[1]->alignment(), i == 0 ? Qt::AlignLeft : Qt::AlignRight);
  }
  ASSERT_NE(TimeAxis(), nullptr);
  EXPECT_EQ(TimeAxis()->format(), "hh:mm:ss");
  EXPECT_EQ(strip.AddChannel(QStringLiteral("no such axis"), 7), 2) << "falls back to the first axis";
  strip.AddPoint(3, 1);
  strip.AddPoint(-1, 1);
  EXPECT_EQ(strip.HistorySize(0) + strip.HistorySize(1) + strip.HistorySize(2), 0u) << "no such channel: ignored";
}

TEST_F(StripTest, AHiddenChartStoresAndDrawsWhenShown) {
  Feed(20);
  EXPECT_EQ(strip.HistorySize(0), 20u);
  EXPECT_TRUE(strip.ShownPoints(0).isEmpty()) << "hidden: the lines are not touched";
  ShowStrip();
  ASSERT_EQ(strip.ShownPoints(0).size(), 20);
  EXPECT_EQ(strip.ShownPoints(1).back(), QPointF(Today(36002).toMSecsSinceEpoch(), 0.25));
  Feed(1);
  EXPECT_EQ(strip.ShownPoints(0).size(), 21) << "shown: every refresh draws the new points";
  strip.hide();
  Feed(5);
  EXPECT_EQ(strip.ShownPoints(0).size(), 21);
  EXPECT_EQ(strip.HistorySize(0), 26u);
}

TEST_F(StripTest, TheLinesHoldOnlyTheShownSpanAndTheHistoryAnHour) {
  ShowStrip();
  Feed(40000);  // 4000 s
  EXPECT_GE(strip.HistorySize(0), Strip::kHistoryPoints) << "an hour at ten points a second";
  EXPECT_LT(strip.HistorySize(0), 40000u);
  const QList<QPointF> shown = strip.ShownPoints(0);
  // The last 60 s at ten points a second, both ends included, and the point before them.
  ASSERT_EQ(shown.size(), 602);
  EXPECT_EQ(shown.back().x(), Today(40000).toMSecsSinceEpoch());
  EXPECT_EQ(shown[1].x(), Today(40000 - 60).toMSecsSinceEpoch());
  EXPECT_EQ(TimeAxis()->min(), Today(40000 - 60));
  EXPECT_EQ(TimeAxis()->max(), Today(40000));
  const auto* volts = qobject_cast<QValueAxis*>(strip.Chart()->axes(Qt::Vertical)[0]);
  EXPECT_LT(volts->min(), 120);
  EXPECT_GT(volts->max(), 120);

  strip.SetSpan(3600);
  EXPECT_LE(strip.ShownPoints(0).size(), 2 * 600) << "a long span is thinned to about two points a pixel";
  EXPECT_EQ(strip.ShownPoints(0).back().x(), Today(40000).toMSecsSinceEpoch());
}

TEST_F(StripTest, ClockPassingMidnightKeepsTimeRunningForward) {
  clock = 86399.85;
  Feed(3);  // 86399.95, then 0.05 and 0.15 the next day
  ShowStrip();
  const QList<QPointF> shown = strip.ShownPoints(0);
  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[1].x() - shown[0].x(), 100);
  EXPECT_EQ(shown[2].x() - shown[1].x(), 100);
  EXPECT_EQ(TimeAxis()->max().time(), QTime(0, 0, 0, 150));
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
    const qint64 shownMs = TimeAxis()->max().toMSecsSinceEpoch() - TimeAxis()->min().toMSecsSinceEpoch();
    EXPECT_EQ(shownMs, std::llround(r.span * 1000)) << r.arrow << " " << r.dx;
  }
  // The arrows sit inside the plot's bottom corners.
  const QRectF plot = strip.Chart()->plotArea();
  EXPECT_LT(std::abs(strip.findChild<QWidget*>("arrowLeft")->geometry().left() - plot.left()), 10);
  EXPECT_LT(std::abs(strip.findChild<QWidget*>("arrowRight")->geometry().right() - plot.right()), 10);
}

TEST_F(StripTest, TheWheelZoomsAndTheToolTipExplainsTheArrows) {
  ShowStrip();
  QWidget* viewport = strip.findChild<QChartView*>()->viewport();
  const std::pair<int, double> notches[] = {{120, 48}, {-240, 93.75}, {-120, 75}};
  for (const auto& [delta, span] : notches) {
    strip.SetSpan(60);
    const QPointF at(300, 150);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_NEAR(strip.Span(), span, 1e-9) << delta;
  }
  const QPoint at(300, 150);
  QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
  QApplication::sendEvent(viewport, &help);
  EXPECT_EQ(QToolTip::text(), "Drag the arrows at the edges of this graph to zoom in and out");
  QToolTip::hideText();
}

}  // namespace
