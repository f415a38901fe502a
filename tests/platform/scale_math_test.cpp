#include <gtest/gtest.h>

#include <cmath>

#include "platform/instruments/ScaleMath.h"

using namespace instruments;

namespace {

struct StepRow {
  double span;
  int maxSteps;
  double step;
};

TEST(ScaleMath, NiceStepIsTheSmallestRoundStepThatFits) {
  const StepRow rows[] = {
      {100, 10, 10}, {100, 4, 50}, {100, 6, 20}, {1000, 200, 5}, {100, 100, 1}, {0.4, 5, 0.1},
      {3, 5, 1},     {7, 5, 2},    {12, 5, 5},   {0, 5, 1},      {-3, 5, 1},    {914.6, 5, 200},
  };
  for (const StepRow& r : rows)
    EXPECT_DOUBLE_EQ(NiceStep(r.span, r.maxSteps), r.step) << r.span << " in " << r.maxSteps;
}

struct RangeRow {
  double low, high;
  ValueRange expected;
};

TEST(ScaleMath, NiceRangeRoundsOutToWholeStepsAndOpensAFlatLine) {
  const RangeRow rows[] = {
      {12.05, 12.1, {12.05, 12.1, 0.01}},
      {0.25, 2, {0, 2, 0.5}},
      {24, 30, {24, 30, 2}},
      {120, 120, {100, 140, 10}},  // flat: a tenth either side, then rounded out
      {0, 0, {-1, 1, 0.5}},
      {-3, 7, {-5, 10, 5}},  // steps of 2 would need six
      {7, -3, {-5, 10, 5}},  // reversed ends are put right
  };
  for (const RangeRow& r : rows) {
    const ValueRange got = NiceRange(r.low, r.high, 5);
    EXPECT_NEAR(got.low, r.expected.low, 1e-9) << r.low << ".." << r.high;
    EXPECT_NEAR(got.high, r.expected.high, 1e-9) << r.low << ".." << r.high;
    EXPECT_NEAR(got.step, r.expected.step, 1e-12) << r.low << ".." << r.high;
    EXPECT_LE((got.high - got.low) / got.step, 5 + 1e-9);
  }
}

TEST(ScaleMath, TicksAreTheMultiplesInsideTheRange) {
  EXPECT_EQ(TickValues(0, 100, 20), (std::vector<double>{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(TickValues(-0.3, 0.3, 0.2), (std::vector<double>{-0.2, 0, 0.2}));
  EXPECT_EQ(TickValues(5, 4, 1), std::vector<double>{});
  const std::vector<double> tenths = TickValues(0, 0.3, 0.1);
  ASSERT_EQ(tenths.size(), 4u) << "0.3 is a tick although 3 x 0.1 is not exactly 0.3";
  EXPECT_FALSE(std::signbit(TickValues(-0.5, 1, 1)[0])) << "no minus zero";
}

TEST(ScaleMath, LinearMapHoldsValuesAndPixelsToTheirEnds) {
  const LinearMap map{0, 100, 10, 210};
  const double rows[][2] = {{0, 10}, {50, 110}, {100, 210}, {-5, 10}, {150, 210}, {0.5, 11}};
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(map.ToPixel(r[0]), r[1]) << r[0];
  EXPECT_DOUBLE_EQ(map.ToValue(110), 50);
  EXPECT_DOUBLE_EQ(map.ToValue(0), 0);
  EXPECT_DOUBLE_EQ(map.ToValue(999), 100);
  EXPECT_DOUBLE_EQ(SnapToStep(20.26, 0.5), 20.5);
  EXPECT_DOUBLE_EQ(SnapToStep(14.9, 1), 15);
}

}  // namespace
