// The Bode chart's layout, its mappings, range bars and value captions.

#include <gtest/gtest.h>

#include "design/BodeGeometry.h"
#include "design/FilterCodec.h"
#include "filter_chart.h"

namespace {

using namespace filter;
using filtertest::LaidOut;

TEST(BodeGeometry, LayoutGivesFourEqualDecadesAndFourteenRows) {
  const BodeChart chart = LaidOut();
  EXPECT_EQ(chart.GridX[0], 600);
  EXPECT_EQ(chart.GridX[9], 3473.75f);   // 1 kHz
  EXPECT_EQ(chart.GridX[18], 6347.5f);   // 10 kHz
  EXPECT_EQ(chart.GridX[36], 12095);     // 1 MHz
  EXPECT_NEAR(chart.GridX[4], 600 + 2873.75 * std::log10(5.0), 1e-3);  // 500 Hz
  for (int i = 1; i < kGridLineCount; ++i) EXPECT_GT(chart.GridX[i], chart.GridX[i - 1]) << i;
  for (int i = 0; i < kRowCount; ++i) EXPECT_EQ(chart.RowY[i], 6300 - 420 * i) << i;
  EXPECT_EQ(chart.RowX2, 12095);
  EXPECT_EQ(chart.BottomX2, chart.Width);
  EXPECT_EQ(chart.GridY1, 6720);
  EXPECT_EQ(Plus20dBRow(chart), 9);
  EXPECT_FLOAT_EQ(DecadeSlope(chart), 840 / 2873.75f);
}

TEST(BodeGeometry, MappingsBetweenValuesAndPlaces) {
  const BodeChart chart = LaidOut();
  struct Row {
    const char* what;
    float got, expected;
  } rows[] = {
      {"GainToY 0 dB", GainToY(chart, 0), 3360},
      {"GainToY -70 dB", GainToY(chart, -70), 6300},
      {"GainToY +60 dB", GainToY(chart, 60), 840},
      {"YToGain row 7", YToGain(chart, 3360), 0},
      {"YToGain row 0", YToGain(chart, 6300), -70},
      {"YToGain -10.3349 dB", YToGain(chart, GainToY(chart, -10.3349f)), -10.3349f},
      {"PhaseToY 0 deg", PhaseToY(chart, 0), 2940},
      {"PhaseToY -120 deg", PhaseToY(chart, -120), 6300},
      {"PhaseToY -180 deg", PhaseToY(chart, -180), 7980},
      {"PhaseToY +75 deg", PhaseToY(chart, 75), 840},
      {"FreqToX 1 kHz", FreqToX(chart, 1000), 3473.75f},
      {"LogFreqToX 3", LogFreqToX(chart, 3), 3473.75f},
      {"FreqToX 100 Hz", FreqToX(chart, 100), 600},
      {"XToFreq 1 MHz line", XToFreq(chart, 12095), 1000000},
      {"XToFreq 100 Hz line", XToFreq(chart, 600), 100},
      {"XToFreq 1 kHz line", XToFreq(chart, 3473.75f), 1000},
      {"XToFreq rounds to hundredths", XToFreq(chart, FreqToX(chart, 8314.27f)), 8314.27f},
  };
  for (const Row& r : rows) EXPECT_FLOAT_EQ(r.got, r.expected) << r.what;
  EXPECT_LT(FreqToX(chart, 0), -700000);  // 0 Hz lies far to the left
}

TEST(BodeGeometry, RangeBarsFollowTheFrequency) {
  struct Row {
    int index;
    float low, high, hfUpper, hfLower;
  } rows[] = {{0, 100, 15500, 24, -24},      {1, 100, 15500, 22, -26},     {3, 100, 31000, 21, -27},
              {4, 100, 31000, 20, -28},      {7, 200, 62000, 20, -28},     {9, 400, 124000, 20, -28},
              {10, 800, 186000, 20, -28},    {11, 1000, 217000, 20, -28}};
  for (const Row& r : rows) {
    BodeChart chart = LaidOut();
    PositionPoleZeroRange(chart, r.index);
    PositionGainRangeLines(chart, r.index);
    EXPECT_EQ(chart.PoleBarX1, FreqToX(chart, r.low)) << r.index;
    EXPECT_EQ(chart.PoleBarX2, FreqToX(chart, r.high)) << r.index;
    EXPECT_EQ(chart.HFBarX, 12095);
    EXPECT_EQ(chart.HFBarY1, GainToY(chart, r.hfUpper)) << r.index;
    EXPECT_EQ(chart.HFBarY2, GainToY(chart, r.hfLower)) << r.index;
    EXPECT_EQ(chart.LFBarY1, 2520);  // +20 dB row
    EXPECT_EQ(chart.LFBarY2, 4620);  // -30 dB row
  }
}

TEST(BodeGeometry, NoListChoiceLeavesThePoleBarAndFlattensTheHFBar) {
  BodeChart chart = LaidOut();
  PositionPoleZeroRange(chart, 11);
  for (int index : {-1, 12}) {
    PositionPoleZeroRange(chart, index);
    EXPECT_EQ(chart.PoleBarX1, FreqToX(chart, 1000));
    EXPECT_EQ(chart.PoleBarX2, FreqToX(chart, 217000));
    PositionGainRangeLines(chart, index);
    EXPECT_EQ(chart.HFBarY1, 3360);
    EXPECT_EQ(chart.HFBarY2, 3360);
  }
}

TEST(BodeGeometry, ValueCaptions) {
  struct Row {
    const char* text;
    const char* expected;
  } rows[] = {{"12.5 kHz", "12.50kHz"}, {"-10 dB", "-10.00dB"},    {"3.05kHz", "3.05kHz"},   {"7 dB", "7.00dB"},
              {"0.5 kHz", ".50kHz"},    {"-10.3349dB", "-10.33dB"}, {"1.2 kHz", "1.20kHz"},   {"-10.3dB", "-10.30dB"},
              {"8.31 kHz", "8.31kHz"},  {"60dB ", "60.00dB"},       {"217 kHz", "217.00kHz"}, {"", "0.00kHz"}};
  for (const Row& r : rows) EXPECT_EQ(FormatValueText(QString::fromLatin1(r.text)), r.expected) << r.text;
}

}  // namespace
