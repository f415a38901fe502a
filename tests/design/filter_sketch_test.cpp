// The asymptote sketch: whether a set can be drawn, where its items go, and the
// checks and grain of dragging its three handles.

#include <gtest/gtest.h>

#include <cmath>
#include <QPointF>
#include <functional>

#include "design/FilterSketch.h"

namespace {

using namespace filter;

constexpr float kFs = 125000;
constexpr int k125kHzIndex = 3;

class SketchTest : public ::testing::Test {
 protected:
  SketchTest() {
    chart = DesignTimeChart();
    LayoutPlotGrid(chart);
    PositionPoleZeroRange(chart, k125kHzIndex);
    PositionGainRangeLines(chart, k125kHzIndex);
    set = DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, kFs);
    sketch.UpdateFilterSketch(set, chart);
  }
  float S() const { return DecadeSlope(chart); }
  // Clicks and moves as the chart delivers them.
  void Click(float x, float y) { sketch.MouseDown(x, y, chart); }
  int Move(float x, float y) { return sketch.MouseMove(x, y, set, chart); }
  void PickPole() {
    Click(sketch.Pole.CentreX(), sketch.Pole.CentreY());
    ASSERT_TRUE(sketch.PolePicked);
  }

  BodeChart chart;
  FilterSettings set;
  FilterSketch sketch;
};

TEST_F(SketchTest, OnlySetsWhoseSketchCanBeDrawnAreValid) {
  struct Row {
    const char* what;
    FilterSettings set;
    bool valid;
  } rows[] = {
      {"the defaults", set, true},
      {"pole at the zero", {29.63f, 1449, -2.73f, 1449}, false},
      {"pole below the zero", {29.63f, 1000, -2.73f, 1449}, false},
      {"integrator above the zero", {80, 10388, -2.73f, 1449}, false},
      {"integrator just above the zero", {29.63f + 19.9f, 10388, -2.73f, 1449}, false},
      {"an HF gain code of 0", DecodeFilterSet(0x03, 0xEE, 0x96, 0, kFs), false},
      {"no switching frequency", DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, 0), false},
      {"values that are no number", {NAN, NAN, NAN, NAN}, false},
      {"a low integrator", {-20, 10388, -2.73f, 1449}, true},
  };
  for (const Row& r : rows) EXPECT_EQ(FilterSetIsDrawable(r.set, chart), r.valid) << r.what;
}

TEST_F(SketchTest, SketchStandsOnTheSet) {
  const float s = S();
  const float px = sketch.Pole.CentreX(), py = sketch.Pole.CentreY();
  const float zx = sketch.Zero.CentreX(), zy = sketch.Zero.CentreY();
  EXPECT_FLOAT_EQ(px, FreqToX(chart, 10388));
  EXPECT_FLOAT_EQ(py, GainToY(chart, set.HighFreqGain));
  EXPECT_FLOAT_EQ(zx, FreqToX(chart, 1449));
  EXPECT_FLOAT_EQ(zy, py - s * (zx - px));  // on the rising line through the pole
  EXPECT_FLOAT_EQ(sketch.CalcSlopeYAtZeroFreq(1449, chart), zy);
  // The integrator passes through (1 Hz, LF gain) and ends at the zero's level.
  EXPECT_EQ(sketch.IstSlope.X1, 600);
  EXPECT_NEAR(sketch.IstSlope.Y1, GainToY(chart, set.LowFreqGain) + s * (600 - FreqToX(chart, 1)), 1e-2);
  EXPECT_NEAR(sketch.IstSlope.Y1 + s * (sketch.IstSlope.X2 - 600), zy, 1e-2);
  EXPECT_EQ(sketch.IstSlope.Y2, zy);
  const SketchLine hor1{sketch.IstSlope.X2, zy, zx, zy}, slope2{zx, zy, px, py}, hor2{px, py, 12095, py};
  for (const auto& [got, want] : {std::pair{sketch.Hor1, hor1}, {sketch.Slope2, slope2}, {sketch.Hor2, hor2}}) {
    EXPECT_EQ(got.X1, want.X1);
    EXPECT_EQ(got.Y1, want.Y1);
    EXPECT_EQ(got.X2, want.X2);
    EXPECT_EQ(got.Y2, want.Y2);
  }
  EXPECT_EQ(sketch.PoleFreqText, "10.39 kHz");
  EXPECT_EQ(sketch.HighFGainText, "-2.73dB");
  EXPECT_EQ(sketch.PolePosText, "Pole (-2.73dB @ 10.39kHz)");
  EXPECT_EQ(sketch.ZeroFreqText, "1.45 kHz");
  EXPECT_EQ(sketch.ZeroPosText, "Zero (1.45kHz)");
  EXPECT_EQ(sketch.LowFGainText, "29.63dB ");
  EXPECT_EQ(sketch.LowGainPosText, "Low Gain (29.63dB @ 1Hz)");
}

TEST_F(SketchTest, MoveChecks) {
  const float px = sketch.Pole.CentreX(), py = sketch.Pole.CentreY();
  const float zx = sketch.Zero.CentreX(), zy = sketch.Zero.CentreY();
  const float leftEdge = 600;
  struct Row {
    const char* what;
    float x, y;
    int handle;
    bool ok;
  } rows[] = {
      {"pole up and right", px + 300, py - 200, kPoleHandle, true},
      {"pole onto the zero's column", zx, py, kPoleHandle, false},
      {"pole so low the zero drops under the integrator", px, GainToY(chart, -45), kPoleHandle, false},
      {"zero halfway to the pole", (zx + px) / 2, 0, kZeroHandle, true},
      {"zero onto the pole's column", px, 0, kZeroHandle, false},
      {"zero left of where the integrator meets it", sketch.IstSlope.X2 - 50, 0, kZeroHandle, false},
      {"integrator just under the zero's centre", zx, zy + 1, kLowGainHandle, true},
      {"integrator meeting the zero's level near the left edge", leftEdge, zy - 1, kLowGainHandle, true},
      {"integrator above the zero at its column", zx, zy - 1, kLowGainHandle, false},
      {"integrator below the zero at the left edge", leftEdge, zy + 1, kLowGainHandle, false},
      {"no such handle", px, py, 0, false},
      {"no such handle either", px, py, 4, false},
  };
  for (const Row& r : rows) EXPECT_EQ(sketch.CheckMarkerMove(r.x, r.y, r.handle, chart), r.ok) << r.what;
}

TEST_F(SketchTest, ZeroStaysBetweenZeroDecibelsAndTheBottomLine) {
  const float s = S();
  const float zx = sketch.Zero.CentreX(), zy = sketch.Zero.CentreY();
  // x where the rising line through the zero is at height y.
  const auto xAt = [&](float y) { return zx - (y - zy) / s; };
  struct Row {
    const char* what;
    float x;
    bool ok;
  } rows[] = {
      {"where it is", zx, true},
      {"just under 0 dB", xAt(3360) - 1, true},
      {"above 0 dB", xAt(3360) + 5, false},
      {"just over the bottom line", xAt(6720) + 1, true},
      {"below the bottom line", xAt(6720) - 5, false},
  };
  for (const Row& r : rows) EXPECT_EQ(sketch.IsOnZeroSlopeInRange(r.x, chart), r.ok) << r.what;
}

TEST_F(SketchTest, ClicksPickAndDropHandles) {
  const SketchBox pole = sketch.Pole;
  const float yLine = sketch.IstSlope.Y1 + S() * (1000 - 600);
  struct Row {
    const char* what;
    float x, y;
    bool pole, zero, lowGain;
  } rows[] = {
      {"inside the pole", pole.Left + 1, pole.Top + 1, true, false, false},
      {"on the pole's border", pole.Left, pole.CentreY(), false, false, false},
      {"inside the zero", sketch.Zero.CentreX(), sketch.Zero.CentreY(), false, true, false},
      {"99 twips above the integrator line", 1000, yLine - 99, false, false, true},
      {"99 twips below it", 1000, yLine + 99, false, false, true},
      {"100 twips above it", 1000, yLine - 100, false, false, false},
      {"nowhere", 9000, 500, false, false, false},
  };
  for (const Row& r : rows) {
    FilterSketch fresh = sketch;
    EXPECT_FALSE(fresh.MouseDown(r.x, r.y, chart)) << r.what;
    EXPECT_EQ(fresh.PolePicked, r.pole) << r.what;
    EXPECT_EQ(fresh.ZeroPicked, r.zero) << r.what;
    EXPECT_EQ(fresh.LowGainPicked, r.lowGain) << r.what;
    // The next click anywhere drops what was picked.
    EXPECT_EQ(fresh.MouseDown(9000, 500, chart), r.pole || r.zero || r.lowGain) << r.what;
    EXPECT_FALSE(fresh.PolePicked || fresh.ZeroPicked || fresh.LowGainPicked) << r.what;
  }
}

TEST_F(SketchTest, IntegratorIsNotPickedBelowTheZerosLevel) {
  // Far right the integrator line runs below the zero; a click on it there misses.
  const float x = 8000;
  const float yLine = sketch.IstSlope.Y1 + S() * (x - 600);
  ASSERT_GT(yLine, sketch.Zero.CentreY());
  Click(x, yLine);
  EXPECT_FALSE(sketch.LowGainPicked);
}

TEST_F(SketchTest, OverlappingHandlesAreBothPicked) {
  set.ZeroFreq = 10000;
  sketch.UpdateFilterSketch(set, chart);
  Click(sketch.Zero.CentreX() + 20, sketch.Zero.CentreY() + 5);
  EXPECT_TRUE(sketch.PolePicked);
  EXPECT_TRUE(sketch.ZeroPicked);
  EXPECT_EQ(Move(sketch.Zero.CentreX() + 20, sketch.Zero.CentreY() + 5), kPointerSizeWE);
}

TEST_F(SketchTest, PointerShowsWhatIsUnderIt) {
  const float yLine = sketch.IstSlope.Y1 + S() * (1000 - 600);
  struct Row {
    const char* what;
    float x, y;
    int pointer;
  } rows[] = {
      {"over the pole", sketch.Pole.CentreX(), sketch.Pole.CentreY(), kPointerSizeAll},
      {"over the zero", sketch.Zero.CentreX(), sketch.Zero.CentreY(), kPointerSizeWE},
      {"near the integrator line", 1000, yLine + 50, kPointerSizeNS},
      {"elsewhere", 9000, 500, kPointerDefault},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Move(r.x, r.y), r.pointer) << r.what;
    EXPECT_EQ(sketch.OverPole, r.pointer == kPointerSizeAll) << r.what;
  }
}

TEST_F(SketchTest, DraggedPoleKeepsTenHertzAndHundredthDecibelSteps) {
  PickPole();
  const float zeroFreq = set.ZeroFreq;
  Move(FreqToX(chart, 8314.27f), GainToY(chart, -10.3349f));
  EXPECT_EQ(sketch.PoleFreqText, "8.31 kHz");
  EXPECT_EQ(set.PoleFreq, 8310);
  EXPECT_EQ(sketch.HighFGainText, "-10.33dB");
  EXPECT_EQ(set.HighFreqGain, -10.33f);
  EXPECT_EQ(sketch.PolePosText, "Pole (-10.33dB @ 8.31kHz)");
  // The zero keeps its frequency and moves onto the new rising line.
  EXPECT_EQ(set.ZeroFreq, zeroFreq);
  EXPECT_FLOAT_EQ(sketch.Zero.CentreY(), sketch.CalcSlopeYAtZeroFreq(zeroFreq, chart));
  EXPECT_EQ(sketch.Slope2.X2, sketch.Pole.CentreX());
  EXPECT_EQ(sketch.Hor2.Y1, sketch.Pole.CentreY());
}

// Each handle reaches the ends of its range bar and goes no further. Each end
// needs a set whose other handles leave it room.
TEST_F(SketchTest, HandlesStopAtTheEndsOfTheirRangeBars) {
  using Place = std::function<QPointF(const FilterSketch&, const BodeChart&)>;
  const FilterSettings defaults = set;
  const float s = S();
  // The pointer for an integrator line whose height at the left edge is y0.
  const auto lineAt = [s](float y0) { return QPointF(1000, y0 + s * 400); };
  struct Row {
    const char* what;
    FilterSettings set;
    int frequencyIndex;
    int handle;
    Place to;
    bool moves;
  } rows[] = {
      {"pole at the right end", defaults, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(c.PoleBarX2, k.Pole.CentreY()); }, true},
      {"pole past it", defaults, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(c.PoleBarX2 + 1, k.Pole.CentreY()); }, false},
      {"pole at the top of the HF range", {70, 10388, -2.73f, 9000}, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(k.Pole.CentreX(), c.HFBarY1); }, true},
      {"pole above it", {70, 10388, -2.73f, 9000}, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(k.Pole.CentreX(), c.HFBarY1 - 1); }, false},
      {"pole at the bottom of the HF range", {10, 10388, -2.73f, 1449}, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(k.Pole.CentreX(), c.HFBarY2); }, true},
      {"pole below it", {10, 10388, -2.73f, 1449}, 3, kPoleHandle,
       [](auto& k, auto& c) { return QPointF(k.Pole.CentreX(), c.HFBarY2 + 1); }, false},
      {"zero just right of the range's left end", {29.63f, 20000, 0, 2000}, 11, kZeroHandle,
       [](auto&, auto& c) { return QPointF(c.PoleBarX1 + 1, 0); }, true},
      {"zero on it", {29.63f, 20000, 0, 2000}, 11, kZeroHandle,
       [](auto&, auto& c) { return QPointF(c.PoleBarX1, 0); }, false},
      {"zero just left of the pole", {50, 10388, -2.73f, 1449}, 3, kZeroHandle,
       [](auto& k, auto&) { return QPointF(k.Pole.CentreX() - 1, 0); }, true},
      {"zero under the pole", {50, 10388, -2.73f, 1449}, 3, kZeroHandle,
       [](auto& k, auto&) { return QPointF(k.Pole.CentreX(), 0); }, false},
      {"integrator just under the LF range's top", {50, 10388, -2.73f, 9000}, 3, kLowGainHandle,
       [&](auto&, auto& c) { return lineAt(c.LFBarY1 + 1); }, true},
      {"integrator above it", {50, 10388, -2.73f, 9000}, 3, kLowGainHandle,
       [&](auto&, auto& c) { return lineAt(c.LFBarY1 - 1); }, false},
      {"integrator just over the LF range's bottom", {29.63f, 10388, -2.73f, 252}, 3, kLowGainHandle,
       [&](auto&, auto& c) { return lineAt(c.LFBarY2 - 1); }, true},
      {"integrator below it", {29.63f, 10388, -2.73f, 252}, 3, kLowGainHandle,
       [&](auto&, auto& c) { return lineAt(c.LFBarY2 + 1); }, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    PositionPoleZeroRange(chart, r.frequencyIndex);
    PositionGainRangeLines(chart, r.frequencyIndex);
    set = r.set;
    sketch = FilterSketch();
    sketch.UpdateFilterSketch(set, chart);
    const QPointF grab = r.handle == kPoleHandle   ? QPointF(sketch.Pole.CentreX(), sketch.Pole.CentreY())
                         : r.handle == kZeroHandle ? QPointF(sketch.Zero.CentreX(), sketch.Zero.CentreY())
                                                   : QPointF(1000, sketch.IstSlope.Y1 + s * 400);
    Click(grab.x(), grab.y());
    ASSERT_EQ(sketch.PolePicked, r.handle == kPoleHandle);
    ASSERT_EQ(sketch.ZeroPicked, r.handle == kZeroHandle);
    ASSERT_EQ(sketch.LowGainPicked, r.handle == kLowGainHandle);
    const FilterSketch before = sketch;
    const QPointF to = r.to(sketch, chart);
    Move(to.x(), to.y());
    const bool moved = sketch.Pole.Left != before.Pole.Left || sketch.Pole.Top != before.Pole.Top ||
                       sketch.Zero.Left != before.Zero.Left || sketch.IstSlope.Y1 != before.IstSlope.Y1;
    EXPECT_EQ(moved, r.moves);
    if (r.moves && r.handle == kPoleHandle) {
      EXPECT_EQ(sketch.Pole.CentreX(), static_cast<float>(to.x()));
      EXPECT_EQ(sketch.Pole.CentreY(), static_cast<float>(to.y()));
    }
  }
}

TEST_F(SketchTest, DraggedZeroRunsAlongTheRisingLine) {
  Click(sketch.Zero.CentreX(), sketch.Zero.CentreY());
  ASSERT_TRUE(sketch.ZeroPicked);
  const float x = FreqToX(chart, 1200);
  EXPECT_EQ(Move(x, 100), kPointerDefault);  // the pointer's height does not matter
  EXPECT_EQ(sketch.ZeroFreqText, "1.2 kHz");
  EXPECT_EQ(set.ZeroFreq, 1200);
  EXPECT_EQ(sketch.ZeroPosText, "Zero (1.20kHz)");
  EXPECT_EQ(sketch.Zero.Left, x - 82.5f);
  EXPECT_FLOAT_EQ(sketch.Zero.CentreY(), sketch.CalcSlopeYAtZeroFreq(1200, chart));
  EXPECT_EQ(sketch.Hor1.X2, sketch.Zero.CentreX());
  // Not onto the pole's column.
  Move(sketch.Pole.CentreX(), 100);
  EXPECT_EQ(set.ZeroFreq, 1200);
}

TEST_F(SketchTest, DraggedIntegratorMovesParallelInsideTheLFRange) {
  Click(1000, sketch.IstSlope.Y1 + S() * 400);
  ASSERT_TRUE(sketch.LowGainPicked);
  const float s = S();
  // A line 420 twips (10 dB) higher.
  const float y = sketch.IstSlope.Y1 + s * 400 - 420;
  const float oldY1 = sketch.IstSlope.Y1;
  Move(1000, y);
  EXPECT_EQ(sketch.IstSlope.X1, 600);
  EXPECT_NEAR(sketch.IstSlope.Y1, oldY1 - 420, 1e-2);
  EXPECT_EQ(sketch.LowFGainText, "39.63dB ");
  EXPECT_EQ(set.LowFreqGain, 39.63f);
  EXPECT_EQ(sketch.LowGainPosText, "Low Gain (39.63dB @ 1Hz)");
}

}  // namespace
