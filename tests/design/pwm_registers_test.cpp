// The PWM edge registers: decode, encode with the carried bits, the disable
// mask, the frequency indices and the clamp of read-back edges.

#include <gtest/gtest.h>

#include "design/PWMRegisters.h"
#include "pagekit/SwitchingFrequency.h"

namespace {

TEST(DecodeEdgeRow, SplitsEdgesModulationAndDisableBit) {
  struct Row {
    int row, ta, sa, tb, sb, d;
    pwm::EdgeInfo e;
  } rows[] = {
      {0, 0x7F, 0xAD, 0x09, 0x60, 0x00, {2042, true, true, 150, false, false, true}},
      {0, 0x00, 0x00, 0xFF, 0xFB, 0x83, {0, false, false, 4095, true, false, false}},
      {6, 0x12, 0x34, 0x56, 0x78, 0x83, {0x123, false, true, 0x567, true, false, false}},
      {3, 0x12, 0x34, 0x56, 0x78, 0x83, {0x123, false, true, 0x567, true, false, true}},
      {2, 0x01, 0x0F, 0x00, 0x10, 0x08, {16, true, true, 1, false, false, false}},
      {2, 0x01, 0x0F, 0x00, 0x10, 0xF7, {16, true, true, 1, false, false, true}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row * 0x100 + r.d);
    const pwm::EdgeInfo e = pwm::DecodeEdgeRow(r.row, r.ta, r.sa, r.tb, r.sb, r.d);
    EXPECT_EQ(e.Rise, r.e.Rise);
    EXPECT_EQ(e.RiseModEnable, r.e.RiseModEnable);
    EXPECT_EQ(e.RiseModSign, r.e.RiseModSign);
    EXPECT_EQ(e.Fall, r.e.Fall);
    EXPECT_EQ(e.FallModEnable, r.e.FallModEnable);
    EXPECT_EQ(e.FallModSign, r.e.FallModSign);
    EXPECT_EQ(e.Enabled, r.e.Enabled);
  }
}

// With the decode above, this pins every bit the encode writes, bits 1:0 carried.
TEST(EdgeBytes, EveryRegisterPairSurvivesDecodeAndEncode) {
  for (int timing = 0; timing < 256; ++timing) {
    for (int setting = 0; setting < 256; ++setting) {
      const pwm::EdgeInfo e = pwm::DecodeEdgeRow(0, timing, setting, 0, 0, 0);
      ASSERT_EQ(pwm::EdgeTimingByte(e.Rise), timing);
      ASSERT_EQ(pwm::EdgeSettingByte(e.Rise, e.RiseModEnable, e.RiseModSign, setting), setting);
    }
  }
}

TEST(DisableByte, SetsBitZeroAndOneBitPerDisabledRow) {
  struct Row {
    std::array<bool, 7> disabled;
    int byte;
  } rows[] = {
      {{}, 0x01},
      {{true, false, false, false, false, false, true}, 0x83},
      {{false, false, false, true, false, false, false}, 0x11},
      {{true, true, true, true, true, true, true}, 0xFF},
  };
  for (const Row& r : rows) EXPECT_EQ(pwm::DisableByte(r.disabled), r.byte);
}

TEST(FrequencyRegister, MainIndexBelowAuxIndexAbove) {
  EXPECT_EQ(pwm::MainFrequencyIndex(0x93), 3);
  EXPECT_EQ(pwm::AuxFrequencyIndex(0x93), 9);
  EXPECT_EQ(pwm::MainFrequencyIndex(0xFF), 15);
  EXPECT_EQ(pwm::AuxFrequencyIndex(0xFF), 15);
  EXPECT_EQ(pwm::FrequencyByte(9, 0x93), 0x93);
  EXPECT_EQ(pwm::FrequencyByte(pwm::kNoFrequencyIndex, 0x93), 0xC3);
  EXPECT_EQ(pwm::FrequencyByte(0, 0xFF), 0x0F);
}

TEST(PeriodSteps, MatchesTheShownPeriodAtEveryFrequency) {
  for (const pagekit::SwitchingFrequency& f : pagekit::SwitchingFrequencies()) {
    EXPECT_EQ(pagekit::PeriodSteps(f.periodUs), f.periodSteps) << f.text.toStdString();
  }
  EXPECT_EQ(pagekit::PeriodSteps(0), 0);
}

TEST(ClampEdgesToPeriod, LimitsOnlyEdgesBeyondTheirRowsPeriod) {
  struct Row {
    int row;
    int32_t rise, fall, main, aux;
    int32_t clampedRise, clampedFall;
    bool changed;
  } rows[] = {
      {0, 4090, 100, 4081, 400, 4081, 100, true},
      {0, 4081, 4081, 4081, 400, 4081, 4081, false},
      {5, 0, 4095, 1600, 400, 0, 1600, true},
      {6, 1000, 300, 4081, 400, 400, 300, true},   // AUX row against the AUX period
      {6, 1000, 300, 400, 4081, 1000, 300, false},
      {3, 4095, 4095, 0, 400, 4095, 4095, false},  // no main period yet
      {6, 4095, 4095, 4081, 0, 4095, 4095, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row * 100000 + r.rise);
    pwm::EdgeTable edges{};
    edges[r.row].Rise = r.rise;
    edges[r.row].Fall = r.fall;
    EXPECT_EQ(pwm::ClampEdgesToPeriod(edges, r.main, r.aux), r.changed);
    EXPECT_EQ(edges[r.row].Rise, r.clampedRise);
    EXPECT_EQ(edges[r.row].Fall, r.clampedFall);
  }
}

}  // namespace
