#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

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

void ExpectRange(const ValueRange& got, const RangeRow& r) {
  EXPECT_NEAR(got.low, r.expected.low, 1e-9) << r.low << ".." << r.high;
  EXPECT_NEAR(got.high, r.expected.high, 1e-9) << r.low << ".." << r.high;
  EXPECT_NEAR(got.step, r.expected.step, 1e-12) << r.low << ".." << r.high;
}

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
    ExpectRange(got, r);
    EXPECT_LE((got.high - got.low) / got.step, 5 + 1e-9);
  }
}

TEST(ScaleMath, FitRangeGivesReadingsRoomAndAFlatLineACalmAxis) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const RangeRow rows[] = {
      {12, 12.1, {11.9, 12.2, 0.1}},    // the sensed voltages: a third of the axis apart
      {12, 12.005, {11.8, 12.2, 0.1}},  // one register step of flicker: a fiftieth of the size at least
      {120, 120, {118, 122, 1}},        // flat: in the middle
      {0, 0, {-1, 1, 0.5}},             // flat at zero
      {0.25, 2, {0, 2.5, 0.5}},         // a twentieth of room, then round steps
      {2, 0.25, {0, 2.5, 0.5}},         // reversed ends
      {-5, -5, {-5.1, -4.9, 0.05}},
      {120, kInf, {0, 1, 0.2}},  // never a range from what is not finite
      {std::nan(""), 3, {0, 1, 0.2}},
  };
  for (const RangeRow& r : rows) ExpectRange(FitRange(r.low, r.high, 5), r);
}

TEST(ScaleMath, TimeStepsAreRoundTimesAndTimeOfDayWrapsAtMidnight) {
  const std::tuple<double, int, double> steps[] = {
      {60, 5, 15}, {60, 6, 10}, {5, 5, 1}, {3600, 5, 900}, {3600, 7, 600}, {30, 4, 10}, {1e6, 5, 7200}, {0, 5, 1},
  };
  for (const auto& [span, most, step] : steps) EXPECT_EQ(TimeStep(span, most), step) << span << " in " << most;
  const std::pair<double, double> times[] = {{36000, 36000}, {86401, 1}, {-1, 86399}, {-86400.5, 86399.5}, {0, 0}};
  for (const auto& [seconds, of] : times) EXPECT_DOUBLE_EQ(TimeOfDay(seconds), of) << seconds;
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
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const double rows[][2] = {{0, 10},   {50, 110},   {100, 210},  {-5, 10},          {150, 210},
                            {0.5, 11}, {kInf, 210}, {-kInf, 10}, {std::nan(""), 10}};
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(map.ToPixel(r[0]), r[1]) << r[0];
  EXPECT_DOUBLE_EQ(map.ToValue(110), 50);
  EXPECT_DOUBLE_EQ(map.ToValue(0), 0);
  EXPECT_DOUBLE_EQ(map.ToValue(999), 100);
  EXPECT_DOUBLE_EQ(SnapToStep(20.26, 0.5), 20.5);
  EXPECT_DOUBLE_EQ(SnapToStep(14.9, 1), 15);
}

}  // namespace
