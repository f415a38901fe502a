// Timing-row geometry: time <-> X, the reshape of a row when an edge moves,
// which edge is under the pointer, the second period and the modulation arrows.

#include <gtest/gtest.h>

#include "design/PWMGeometry.h"
#include "pagekit/SwitchingFrequency.h"

namespace {

using pwm::Line;
using pwm::RowWave;

const float S = pwm::kStartMarkerX;
const float M = pwm::MidMarkerX(pwm::kStartMarkerX, pwm::kEndMarkerX);

TEST(RowMarkers, PeriodOneEndsHalfwayAndTheGridSplitsIt) {
  EXPECT_EQ(M, 4207.5f);
  EXPECT_EQ(pwm::GridX(S, M), 2703.75f);
}

TEST(EdgeTimeToX, EveryStepOfEveryPeriodComesBackFromItsX) {
  for (const pagekit::SwitchingFrequency& f : pagekit::SwitchingFrequencies()) {
    const int32_t P = f.periodSteps;
    EXPECT_EQ(pwm::EdgeTimeToX(0, S, M, P), S);
    EXPECT_EQ(pwm::EdgeTimeToX(P, S, M, P), M);
    for (int32_t t = 0; t <= P; ++t) {
      ASSERT_EQ(pwm::XToEdgeTime(pwm::EdgeTimeToX(t, S, M, P), S, M, P), static_cast<float>(t)) << P << " " << t;
    }
  }
}

TEST(EdgeTimeToX, ConvertsWithoutRoundingAndBackWithHalvesToEven) {
  struct Row {
    float X;
    int32_t P;
    float t;
  } rows[] = {{S + 3007.5f / 4, 1600, 400}, {S + 1, 6015, 2},       {S + 0.25f, 6015, 0}, {S + 0.75f, 6015, 2},
              {S + 1.25f, 6015, 2},        {S - 7.5f, 1600, -4}, {M, 0, 0}};
  for (const Row& r : rows) EXPECT_EQ(pwm::XToEdgeTime(r.X, S, M, r.P), r.t) << r.X;
  EXPECT_NEAR(pwm::EdgeTimeToX(1, S, M, 1600), 1201.8796875, 1e-3);
  EXPECT_EQ(pwm::EdgeTimeToX(1234, S, M, 0), S) << "no period: the start marker";
  EXPECT_EQ(pwm::XToEdgeTime(5, 5, 5, 1600), 0) << "no period width";
}

// Period 2 must repeat period 1 exactly, one period width later.
void ExpectSecondPeriodRepeatsFirst(const RowWave& w) {
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(w[k + 5], (Line{w[k].x1 + M - S, w[k].y1, w[k].x2 + M - S, w[k].y2})) << "line " << k;
  }
}

TEST(MoveEdgeLine, DrawsTheRowHighOrLowByWhichEdgeComesFirst) {
  struct Row {
    int row;
    float rise, fall;
    Line before, rising, between, falling, after;
  } rows[] = {
      // Rising first: low, high between, low.
      {0, 2000, 3000, {S, 840, 2000, 840}, {2000, 240, 2000, 840}, {2000, 240, 3000, 240}, {3000, 240, 3000, 840},
       {3000, 840, M, 840}},
      // Falling first: high, low between, high.
      {1, 3000, 2000, {S, 240, 2000, 240}, {3000, 240, 3000, 840}, {3000, 840, 2000, 840}, {2000, 240, 2000, 840},
       {3000, 240, M, 240}},
      // A tie counts as rising first: drawn low, both edges on top of each other.
      {4, 2500, 2500, {S, 840, 2500, 840}, {2500, 240, 2500, 840}, {2500, 240, 2500, 240}, {2500, 240, 2500, 840},
       {2500, 840, M, 840}},
      // The AUX row has its own levels; edges on the markers are accepted.
      {6, S, M, {S, 720, S, 720}, {S, 120, S, 720}, {S, 120, M, 120}, {M, 120, M, 720}, {M, 720, M, 720}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row);
    RowWave w = pwm::InitialRowWave(r.row, S, M);
    ASSERT_TRUE(pwm::MoveEdgeLine(w, pwm::kFallingEdge, r.fall, S, M));
    ASSERT_TRUE(pwm::MoveEdgeLine(w, pwm::kRisingEdge, r.rise, S, M));
    EXPECT_EQ(w[0], r.before);
    EXPECT_EQ(w[1], r.rising);
    EXPECT_EQ(w[2], r.between);
    EXPECT_EQ(w[3], r.falling);
    EXPECT_EQ(w[4], r.after);
    ExpectSecondPeriodRepeatsFirst(w);
  }
}

TEST(MoveEdgeLine, OutsidePeriodOneTheEdgeStaysWhereItWas) {
  struct Row {
    int kind;
    float X;
    bool accepted;
  } rows[] = {{pwm::kRisingEdge, S - 0.01f, false}, {pwm::kRisingEdge, S, true},  {pwm::kFallingEdge, M, true},
              {pwm::kFallingEdge, M + 0.01f, false}, {pwm::kFallingEdge, 0, false}, {pwm::kRisingEdge, 8000, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.X);
    RowWave w = pwm::InitialRowWave(2, S, M);
    pwm::MoveEdgeLine(w, pwm::kRisingEdge, 2000, S, M);
    pwm::MoveEdgeLine(w, pwm::kFallingEdge, 3000, S, M);
    const RowWave before = w;
    EXPECT_EQ(pwm::MoveEdgeLine(w, r.kind, r.X, S, M), r.accepted);
    if (!r.accepted) {
      EXPECT_EQ(w, before);
    } else {
      EXPECT_EQ(w[r.kind].x1, r.X);
      EXPECT_EQ(w[r.kind].x2, r.X);
      ExpectSecondPeriodRepeatsFirst(w);
    }
  }
}

TEST(EdgeUnder, StrictlyWithinTheToleranceOfAnEdgeLineTheRisingOneFirst) {
  struct Row {
    float rise, fall, x;
    int edge;  // 0: neither
  } rows[] = {
      // Only the distance across the line counts, each bound rounded to Single.
      {2703.75f, 3500, 2603.75f, 0},
      {2703.75f, 3500, 2603.85f, pwm::kRisingEdge},
      {2703.75f, 3500, 2803.65f, pwm::kRisingEdge},
      {2703.75f, 3500, 2803.75f, 0},
      {2703.75f, 3500, 3400.1f, pwm::kFallingEdge},
      {2703.75f, 3500, 3400, 0},
      // Both within reach: the rising edge, whichever comes first.
      {2000, 2100, 2050, pwm::kRisingEdge},
      {2100, 2000, 2050, pwm::kRisingEdge},
      {2100, 2000, 1901, pwm::kFallingEdge},
  };
  for (const Row& r : rows) {
    RowWave w = pwm::InitialRowWave(0, S, M);
    pwm::MoveEdgeLine(w, pwm::kRisingEdge, r.rise, S, M);
    pwm::MoveEdgeLine(w, pwm::kFallingEdge, r.fall, S, M);
    EXPECT_EQ(pwm::EdgeUnder(w, r.x, 100), r.edge) << r.rise << " " << r.fall << " " << r.x;
  }
}

TEST(PlaceModulationMarker, DoubleArrowCentredOnTheEdge) {
  struct Row {
    int m;
    float X, y;
  } rows[] = {{0, 2000, 605}, {6, S, 605}, {7, 2000, 455}, {13, M, 455}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.m);
    const pwm::Marker k = pwm::PlaceModulationMarker(r.m, r.X, 500);
    const float l = r.X - 250, rt = r.X + 250, y = r.y;
    EXPECT_EQ(k.shaft, (Line{l, y, rt, y}));
    EXPECT_EQ(k.leftUpper, (Line{l, y - 5, l + 150, y - 65}));
    EXPECT_EQ(k.leftLower, (Line{l, y - 5, l + 150, y + 35}));
    EXPECT_EQ(k.rightUpper, (Line{rt + 5, y - 5, rt - 145, y - 65}));
    EXPECT_EQ(k.rightLower, (Line{rt + 5, y, rt - 145, y + 40}));
  }
}

}  // namespace
