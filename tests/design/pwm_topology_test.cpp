// Converter topology presets: the list, the shares of the period and the
// ordered changes each preset makes.

#include <gtest/gtest.h>

#include "design/TopologyPresets.h"

namespace {

using pwm::PresetStep;
using pwm::PeriodShare;

TEST(ShareOfPeriod, RoundsToTheNearestStepHalvesToEven) {
  struct Row {
    int32_t P, quarter, half, threeQuarters;
  } rows[] = {{4081, 1020, 2040, 3061}, {671, 168, 336, 503}, {1025, 256, 512, 769},
              {400, 100, 200, 300},     {2684, 671, 1342, 2013}, {0, 0, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.P);
    EXPECT_EQ(pwm::ShareOfPeriod(PeriodShare::Zero, r.P), 0);
    EXPECT_EQ(pwm::ShareOfPeriod(PeriodShare::Quarter, r.P), r.quarter);
    EXPECT_EQ(pwm::ShareOfPeriod(PeriodShare::Half, r.P), r.half);
    EXPECT_EQ(pwm::ShareOfPeriod(PeriodShare::ThreeQuarters, r.P), r.threeQuarters);
    EXPECT_EQ(pwm::ShareOfPeriod(PeriodShare::Whole, r.P), r.P);
  }
}

struct Edge {
  int row;
  int32_t rise, fall;
};

std::vector<Edge> PlacedEdges(const std::vector<PresetStep>& steps) {
  std::vector<Edge> edges;
  for (const PresetStep& s : steps) {
    if (s.kind == PresetStep::PlaceEdges) edges.push_back({s.row, s.rise, s.fall});
  }
  return edges;
}

// What a preset leaves on the window: disable boxes of rows 0-6, the ticked
// modulation boxes in the order they are ticked ("r4" rising of row 4, "f1"
// falling of row 1), and the edges at P = 1600.
struct PresetCase {
  const char* text;
  std::array<int, 7> disabled;
  std::vector<std::string> ticked;
  std::vector<Edge> edges;
};

class EveryPreset : public ::testing::TestWithParam<PresetCase> {};

TEST_P(EveryPreset, SetsBoxesThenEdgesInOrder) {
  const PresetCase& c = GetParam();
  const int index = pwm::TopologyIndexOf(QString::fromLatin1(c.text));
  ASSERT_GE(index, 0);
  const std::vector<PresetStep> steps = pwm::PresetSteps(index, 1600);
  // Disable boxes first, rows 0 to 6.
  ASSERT_GE(steps.size(), 19u);
  for (int r = 0; r < 7; ++r) {
    EXPECT_EQ(steps[r].kind, PresetStep::SetDisable);
    EXPECT_EQ(steps[r].row, r);
    EXPECT_EQ(steps[r].value, c.disabled[r]) << "row " << r;
  }
  // Every main modulation box cleared, row by row, rising box then falling box.
  for (int i = 0; i < 12; ++i) {
    const PresetStep& s = steps[7 + i];
    EXPECT_EQ(s.kind, i % 2 ? PresetStep::SetFallModulation : PresetStep::SetRiseModulation);
    EXPECT_EQ(s.row, i / 2);
    EXPECT_EQ(s.value, 0);
  }
  std::vector<std::string> ticked;
  size_t i = 19;
  for (; i < steps.size() && steps[i].kind != PresetStep::PlaceEdges; ++i) {
    EXPECT_EQ(steps[i].value, 1);
    ticked.push_back((steps[i].kind == PresetStep::SetRiseModulation ? "r" : "f") + std::to_string(steps[i].row));
  }
  EXPECT_EQ(ticked, c.ticked);
  const std::vector<Edge> edges = PlacedEdges(steps);
  EXPECT_EQ(steps.size() - i, edges.size()) << "edges come last";
  ASSERT_EQ(edges.size(), c.edges.size());
  for (size_t e = 0; e < edges.size(); ++e) {
    EXPECT_EQ(edges[e].row, c.edges[e].row);
    EXPECT_EQ(edges[e].rise, c.edges[e].rise) << "row " << edges[e].row;
    EXPECT_EQ(edges[e].fall, c.edges[e].fall) << "row " << edges[e].row;
  }
  // With no period yet the boxes change just the same, but no edge is placed.
  const std::vector<PresetStep> noPeriod = pwm::PresetSteps(index, 0);
  EXPECT_EQ(noPeriod.size(), i);
  EXPECT_TRUE(PlacedEdges(noPeriod).empty());
}

void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.text; }

INSTANTIATE_TEST_SUITE_P(
    Topologies, EveryPreset,
    ::testing::Values(
        PresetCase{"Full bridge with synchronous rectifier",
                   {0, 0, 0, 0, 0, 0, 1},
                   {"r4", "r5", "f1", "f3"},
                   {{0, 0, 800}, {1, 800, 1200}, {2, 800, 1600}, {3, 0, 400}, {4, 1200, 800}, {5, 400, 1600}}},
        PresetCase{"Full bridge without synchronous rectifier",
                   {0, 0, 0, 0, 1, 1, 1},
                   {"f1", "f3"},
                   {{0, 0, 800}, {1, 800, 1200}, {2, 800, 1600}, {3, 0, 400}}},
        PresetCase{"Half bridge", {0, 0, 1, 1, 1, 1, 1}, {"f1"}, {{0, 0, 800}, {1, 0, 400}}},
        PresetCase{"Phase shift ZVT",
                   {0, 0, 0, 0, 1, 1, 1},
                   {"f0", "f1", "f2", "f3"},
                   {{0, 0, 400}, {1, 400, 800}, {2, 800, 1200}, {3, 1200, 1600}}},
        PresetCase{"Forward converter", {0, 1, 1, 1, 1, 1, 1}, {"f0"}, {{0, 0, 800}}},
        PresetCase{"Flyback converter", {0, 1, 1, 1, 1, 1, 1}, {"f0"}, {{0, 0, 800}}},
        PresetCase{"2-Switch forward converter", {0, 0, 1, 1, 1, 1, 1}, {"f0", "f1"}, {{0, 0, 800}, {1, 800, 1600}}},
        PresetCase{"Push-Pull", {0, 0, 1, 1, 1, 1, 1}, {"f0", "f1"}, {{0, 0, 800}, {1, 800, 1600}}}));

TEST(TopologyIndexOf, OnlyAnExactItemHasAPosition) {
  EXPECT_EQ(pwm::TopologyItems().size(), pwm::kTopologyCount);
  EXPECT_EQ(pwm::TopologyIndexOf("Full bridge with synchronous rectifier"), 0);
  EXPECT_EQ(pwm::TopologyIndexOf("Push-Pull"), 7);
  EXPECT_EQ(pwm::TopologyIndexOf("half bridge"), -1);
  EXPECT_EQ(pwm::TopologyIndexOf("Half bridge "), -1);
  EXPECT_EQ(pwm::TopologyIndexOf(""), -1);
  EXPECT_TRUE(pwm::PresetSteps(-1, 1600).empty());
  EXPECT_TRUE(pwm::PresetSteps(8, 1600).empty());
}

}  // namespace
