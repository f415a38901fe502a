#include "platform/instruments/LGauge.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

using instruments::LGauge;

namespace {

class LGaugeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gauge.resize(320, 44);
    gauge.SetRange(0, 100);
    gauge.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gauge));
  }
  double ValueOf(int pointer) {
    const int kept = gauge.SelectedPointer();
    gauge.SelectPointer(pointer);
    const double v = gauge.Value();
    gauge.SelectPointer(kept);
    return v;
  }
  LGauge gauge;
};

TEST_F(LGaugeTest, EachPointerKeepsItsValueAndTheRangeSetsTheMarkers) {
  EXPECT_EQ(gauge.SelectedPointer(), 1);
  EXPECT_EQ(ValueOf(2), 0) << "markers start at the scale's ends";
  EXPECT_EQ(ValueOf(3), 100);
  const std::pair<int, double> sets[] = {{1, 45}, {2, 15}, {3, 42.1875}, {1, 120}, {4, 7}, {0, 8}};
  for (const auto& [pointer, value] : sets) {
    gauge.SelectPointer(pointer);
    gauge.SetValue(value);
  }
  EXPECT_EQ(gauge.SelectedPointer(), 1) << "pointers 0 and 4 do not exist";
  EXPECT_EQ(gauge.Value(), 8) << "the last two values went to the pointer still selected";
  EXPECT_EQ(ValueOf(2), 15);
  EXPECT_EQ(ValueOf(3), 42.1875) << "values are kept as given, not rounded";
  EXPECT_EQ(gauge.PointerPosition(1).x(), gauge.ValuePosition(8).x());

  gauge.SetRange(5, 5);
  EXPECT_EQ(gauge.Maximum(), 100) << "an empty range changes nothing";
  gauge.SetRange(-10, 40);
  EXPECT_EQ(ValueOf(2), -10);
  EXPECT_EQ(ValueOf(3), 40);
  EXPECT_EQ(ValueOf(1), 8) << "the reading stays";
  gauge.SetCaption(QStringLiteral(" 120V"));
  EXPECT_EQ(gauge.Caption(), " 120V");
}

TEST_F(LGaugeTest, AReadingBeyondTheScaleIsDrawnAtItsEnd) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::pair<double, double> rows[] = {{150, 100}, {1e30, 100}, {kInf, 100},
                                            {-5, 0},    {-kInf, 0},  {std::nan(""), 0}};
  for (const auto& [reading, drawnAt] : rows) {
    gauge.SetValue(reading);
    EXPECT_EQ(gauge.PointerPosition(1).x(), gauge.ValuePosition(drawnAt).x()) << reading;
  }
}

// A caption too wide for its box is drawn smaller, never cut: a cut number
// reads as another one (" 91475.94V" as "1475.94V").
TEST_F(LGaugeTest, ACaptionIsDrawnWholeHoweverLong) {
  gauge.SetCaption(QString());
  const QImage empty = gauge.grab().toImage();
  // The box's left edge, found leftwards along its middle from inside its right end.
  const int middle = gauge.PointerPosition(1).y();
  int edge = gauge.width() - 8;
  while (edge > 0 && empty.pixel(edge, middle) == qRgb(255, 255, 255)) --edge;
  for (const char* caption : {" 12.1V", " 4095.94°C", " 91475.94V", " 99999.99°C", " 1.0012291834626E+38V"}) {
    gauge.SetCaption(QString::fromUtf8(caption));
    const QImage drawn = gauge.grab().toImage();
    int firstInk = drawn.width();
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < firstInk; ++x)
        if (drawn.pixel(x, y) != empty.pixel(x, y)) firstInk = x;
    EXPECT_GT(firstInk, edge + 5) << caption << ": its leading blank stands inside the box";
  }
}

struct DragRow {
  const char* what;
  int pressOn;  // the pointer pressed on (0: the middle of the scale)
  int offset;   // pixels beside it
  double to;    // where it is let go, as a value on the scale
  double lower, upper;
  int moves;  // pointerMoved signals
};

TEST_F(LGaugeTest, DraggingAMarkerMovesItInRoundStepsAndSignalsOnce) {
  const DragRow rows[] = {
      {"lower marker to 20", 2, 0, 20, 20, 100, 1},
      {"upper marker to 75", 3, 0, 75, 0, 75, 1},
      {"picked up a few pixels off", 2, 4, 30, 30, 100, 1},
      {"lower marker past the end", 2, 0, 140, 100, 100, 1},
      {"upper marker let go where it was", 3, 0, 100, 0, 100, 0},
      {"pressed where no marker is", 0, 0, 80, 0, 100, 0},
      {"the reading cannot be dragged", 1, 0, 90, 0, 100, 0},
  };
  for (const DragRow& r : rows) {
    gauge.SetRange(0, 100);
    gauge.SelectPointer(1);
    gauge.SetValue(33);
    QSignalSpy moved(&gauge, &LGauge::pointerMoved);
    const QPoint press =
        (r.pressOn == 0 ? gauge.ValuePosition(50) : gauge.PointerPosition(r.pressOn)) + QPoint(r.offset, 0);
    const QPoint target(gauge.ValuePosition(r.to).x() + r.offset, press.y());
    QTest::mousePress(&gauge, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(&gauge, (press + target) / 2);
    QTest::mouseMove(&gauge, target);
    QTest::mouseRelease(&gauge, Qt::LeftButton, Qt::NoModifier, target);
    EXPECT_EQ(ValueOf(2), r.lower) << r.what;
    EXPECT_EQ(ValueOf(3), r.upper) << r.what;
    EXPECT_EQ(moved.count(), r.moves) << r.what;
    EXPECT_EQ(gauge.SelectedPointer(), 1) << r.what << ": dragging leaves the selection alone";
    EXPECT_EQ(ValueOf(1), 33) << r.what;
  }
}

}  // namespace
