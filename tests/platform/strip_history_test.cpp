#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "platform/instruments/StripHistory.h"

using namespace instruments;

namespace {

std::vector<int64_t> Times(const StripHistory& h) {
  std::vector<int64_t> t;
  for (std::size_t i = 0; i < h.Size(); ++i) t.push_back(h.At(i).ms);
  return t;
}

TEST(StripHistory, KeepsAtLeastItsCapacityInAboutSixBytesAPoint) {
  StripHistory h(1000);
  for (int i = 0; i < 1300; ++i) h.Append(1000 + 100 * i, static_cast<float>(i));
  // The oldest go a block of 256 at a time, as long as 1000 stay.
  EXPECT_EQ(h.Size(), 1300u - 256u);
  EXPECT_EQ(h.At(0).ms, 1000 + 100 * 256);
  EXPECT_EQ(h.At(0).value, 256.0f);
  EXPECT_EQ(h.Newest().value, 1299.0f);

  StripHistory hour(36000);
  for (int i = 0; i < 40000; ++i) hour.Append(i * 100, 1.0f);
  EXPECT_GE(hour.Size(), 36000u);
  EXPECT_LT(hour.Size(), 36000u + StripHistory::kBlockPoints);
  EXPECT_LT(static_cast<double>(hour.Bytes()) / hour.Size(), 6.1);
  EXPECT_EQ(hour.Newest().ms, 39999 * 100);
}

TEST(StripHistory, TimesNeverRunBackwards) {
  StripHistory h(10);
  h.Append(500, 1);
  h.Append(400, 2);
  h.Append(600, 3);
  EXPECT_EQ(Times(h), (std::vector<int64_t>{500, 500, 600}));
}

TEST(StripHistory, FindsTimesAcrossBlocksAndKeepsThemExactOverGapsAndDays) {
  StripHistory h(10000);
  const int64_t day = 86'400'000;
  // Gaps longer than a block's two-byte offsets reach, and a run of days.
  const std::vector<int64_t> times = {0, 10, 65'535, 65'536, 200'000, 30 * day, 30 * day + 1, 60 * day + 7};
  for (int64_t t : times) h.Append(t, 0);
  for (int i = 0; i < 600; ++i) h.Append(60 * day + 100 + i, 1);  // spills over two more blocks
  ASSERT_EQ(h.Size(), times.size() + 600);
  for (std::size_t i = 0; i < times.size(); ++i) EXPECT_EQ(h.At(i).ms, times[i]) << i;
  const std::pair<int64_t, std::size_t> rows[] = {
      {-5, 0},         {10, 1}, {11, 2}, {65'536, 3}, {30 * day, 5}, {60 * day + 8, 8}, {60 * day + 100 + 300, 308},
      {61 * day, 608},
  };
  for (const auto& [ms, at] : rows) EXPECT_EQ(h.FirstAtOrAfter(ms), at) << ms;
}

struct VisibleRow {
  const char* what;
  int64_t from, to;
  std::size_t maxPoints;
  std::vector<std::pair<int64_t, float>> expected;
};

TEST(StripHistory, VisibleGivesTheSpanWithItsLeadInAndKeepsPeaksWhenThinned) {
  StripHistory h(100);
  const float values[] = {5, 1, 9, 4, 4, 7, 2, 8, 3, 6};
  for (int i = 0; i < 10; ++i) h.Append(i * 10, values[i]);  // times 0, 10, ..., 90
  const VisibleRow rows[] = {
      {"all in span",
       0,
       90,
       100,
       {{0, 5}, {10, 1}, {20, 9}, {30, 4}, {40, 4}, {50, 7}, {60, 2}, {70, 8}, {80, 3}, {90, 6}}},
      {"lead-in point", 45, 70, 100, {{40, 4}, {50, 7}, {60, 2}, {70, 8}}},
      {"only the lead-in", 100, 200, 100, {{90, 6}}},
      // A quarter as many slices as points allowed: slices of 40, 40 and 70 ms, counted from time 0.
      {"thinned to slices", 0, 80, 8, {{10, 1}, {20, 9}, {60, 2}, {70, 8}, {80, 3}}},
      {"thinned with lead-in", 45, 85, 4, {{30, 4}, {60, 2}, {70, 8}, {80, 3}}},
      {"newest already a peak", 0, 70, 4, {{10, 1}, {20, 9}, {70, 8}}},
  };
  std::vector<StripPoint> out;
  for (const VisibleRow& r : rows) {
    h.Visible(r.from, r.to, r.maxPoints, out);
    std::vector<std::pair<int64_t, float>> got;
    for (const StripPoint& p : out) got.emplace_back(p.ms, p.value);
    EXPECT_EQ(got, r.expected) << r.what;
  }

  // A slice keeps the first point that is not finite among its lowest and highest, in time order.
  StripHistory broken(100);
  const float inf = std::numeric_limits<float>::infinity();
  const float withBreaks[] = {5, inf, 9, 4, std::nanf(""), 7, 2, -inf, 3, 6};
  for (int i = 0; i < 10; ++i) broken.Append(i * 10, withBreaks[i]);
  broken.Visible(0, 90, 8, out);               // slices 0-44 and 45-89, and 90
  std::vector<std::pair<int64_t, bool>> kept;  // time, finite
  for (const StripPoint& p : out) kept.emplace_back(p.ms, std::isfinite(p.value));
  EXPECT_EQ(kept, (std::vector<std::pair<int64_t, bool>>{
                      {10, false}, {20, true}, {30, true}, {50, true}, {60, true}, {70, false}, {90, true}}));
}

// The slices kept from call to call give what slices worked out afresh give,
// while points arrive, the oldest are trimmed and the span changes.
TEST(StripHistory, KeptSlicesGiveWhatFreshOnesGive) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> value(-5, 5);
  std::vector<std::pair<int64_t, float>> appended;
  StripHistory live(1000);
  std::vector<StripPoint> got, expected;
  for (int i = 0; i < 3000; ++i) {
    const float v = i % 97 == 0 ? std::numeric_limits<float>::infinity() : i % 89 == 0 ? std::nanf("") : value(random);
    appended.emplace_back(1000 + 100 * i + static_cast<int64_t>(random() % 50), v);
    live.Append(appended.back().first, v);
    const int64_t span = (i / 700) % 2 == 0 ? 60'000 : 150'000;  // longer than the history: trimmed slices
    const int64_t to = appended.back().first;
    live.Visible(to - span, to, 40, got);
    if (i % 37 != 0) continue;
    StripHistory fresh(1000);
    for (const auto& [ms, v2] : appended) fresh.Append(ms, v2);
    fresh.Visible(to - span, to, 40, expected);
    ASSERT_EQ(got.size(), expected.size()) << i;
    for (std::size_t k = 0; k < got.size(); ++k) {
      EXPECT_EQ(got[k].ms, expected[k].ms) << i << " " << k;
      EXPECT_TRUE(got[k].value == expected[k].value || (std::isnan(got[k].value) && std::isnan(expected[k].value)))
          << i << " " << k;
    }
  }
}

}  // namespace
