// The switching-frequency table, every row computed from its item text.

#include <gtest/gtest.h>

#include "pagekit/SwitchingFrequency.h"

namespace {

struct Row {
  const char* text;
  float hz;
  const char* periodLabel;
  int periodSteps;
  int decimals;
};

TEST(SwitchingFrequency, EveryRowFollowsFromItsText) {
  const Row rows[] = {{"49kHz", 49000, "20.408us", 4081, 3},   {"74.5kHz", 74500, "13.423us", 2684, 3},
                      {"98kHz", 98000, "10.204us", 2040, 3},   {"125kHz", 125000, "8us", 1600, 4},
                      {"149kHz", 149000, "6.711us", 1342, 4},  {"195kHz", 195000, "5.128us", 1025, 4},
                      {"250kHz", 250000, "4us", 800, 4},       {"298kHz", 298000, "3.356us", 671, 4},
                      {"390kHz", 390000, "2.564us", 512, 4},   {"500kHz", 500000, "2us", 400, 5},
                      {"595kHz", 595000, "1.681us", 336, 5},   {"694kHz", 694000, "1.441us", 288, 5}};
  const auto& table = pagekit::SwitchingFrequencies();
  ASSERT_EQ(pagekit::SwitchingFrequencyItems().size(), 12);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(rows[i].text);
    EXPECT_EQ(table[i].text, QString::fromLatin1(rows[i].text));
    EXPECT_EQ(pagekit::SwitchingFrequencyItems()[i], QString::fromLatin1(rows[i].text));
    EXPECT_EQ(table[i].hz, rows[i].hz);
    EXPECT_EQ(table[i].periodLabel, QString::fromLatin1(rows[i].periodLabel));
    EXPECT_EQ(table[i].periodSteps, rows[i].periodSteps);
    EXPECT_EQ(table[i].timeDecimals, rows[i].decimals);
    EXPECT_EQ(pagekit::SwitchingFrequencyAt(i), &table[i]);
  }
}

TEST(SwitchingFrequency, IndexOutsideTheListHasNoFrequency) {
  EXPECT_EQ(pagekit::SwitchingFrequencyAt(-1), nullptr);
  EXPECT_EQ(pagekit::SwitchingFrequencyAt(12), nullptr);
  EXPECT_EQ(pagekit::SwitchingFrequencyAt(15), nullptr);
}

TEST(SwitchingFrequency, DecimalsChangeAt125And400kHz) {
  EXPECT_EQ(pagekit::SwitchingFrequencyFromText("124.9kHz").timeDecimals, 3);
  EXPECT_EQ(pagekit::SwitchingFrequencyFromText("399.9kHz").timeDecimals, 4);
  EXPECT_EQ(pagekit::SwitchingFrequencyFromText("400kHz").timeDecimals, 5);
}

}  // namespace
