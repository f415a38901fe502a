// The asymptote sketch: whether a set can be drawn, where its items go, and the
// checks and grain of dragging its three handles.

#include <gtest/gtest.h>

#include <cmath>

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
  void Click(float x, float y) { sketch.MouseDown(x, y, set, chart, kFs); }
  int Move(float x, float y) { return sketch.MouseMove(x, y, set, chart, kFs); }

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
    EXPECT_FALSE(fresh.MouseDown(r.x, r.y, set, chart, kFs)) << r.what;
    EXPECT_EQ(fresh.PolePicked, r.pole) << r.what;
    EXPECT_EQ(fresh.ZeroPicked, r.zero) << r.what;
    EXPECT_EQ(fresh.LowGainPicked, r.lowGain) << r.what;
    // The next click anywhere drops what was picked.
    EXPECT_EQ(fresh.MouseDown(9000, 500, set, chart, kFs), r.pole || r.zero || r.lowGain) << r.what;
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
  EXPECT_EQ(Move(sketch.Zero.CentreX() + 20, sketch.Zero.CentreY() + 5), kZeroHandle);
}

}  // namespace
