// The computed list texts of the settings pages (the share-bus bandwidths are
// checked on their page).

#include <gtest/gtest.h>

#include "settings/ListTexts.h"

namespace {

TEST(ListTexts, OverCurrentLimitsRunInHundredthsWithoutTrailingZeros) {
  const QStringList cs1 = settings::CS1LimitItems();
  ASSERT_EQ(cs1.size(), 32);
  EXPECT_EQ(cs1.mid(0, 4), (QStringList{"105%", "105.81%", "106.61%", "107.42%"}));
  EXPECT_TRUE(cs1.contains("117.1%"));
  EXPECT_EQ(cs1.mid(30), (QStringList{"129.19%", "130%"}));
  const QStringList cs2 = settings::CS2LimitItems();
  ASSERT_EQ(cs2.size(), 32);
  EXPECT_EQ(cs2.mid(0, 4), (QStringList{"100%", "101.03%", "102.06%", "103.1%"}));
  EXPECT_EQ(cs2.mid(30), (QStringList{"130.97%", "132%"}));
}

TEST(ListTexts, OCPBandwidthSwitchesToKilohertzAtOneThousand) {
  EXPECT_EQ(settings::OCPBandwidthItems(),
            (QStringList{"100Hz", "800Hz", "1.5kHz", "2.2kHz", "2.9kHz", "3.6kHz", "4.3kHz", "5kHz"}));
}

TEST(ListTexts, OutputTrimSpansSixtyFiveToOneHundredTwentyFivePercent) {
  const QStringList trim = settings::OutputTrimItems();
  ASSERT_EQ(trim.size(), 256);
  EXPECT_EQ(trim.mid(0, 3), (QStringList{"65%", "65.235%", "65.471%"}));
  EXPECT_EQ(trim[128], "95.118%");
  EXPECT_EQ(trim.mid(254), (QStringList{"124.765%", "125%"}));
}

TEST(ListTexts, NumberAndPercentRuns) {
  EXPECT_EQ(settings::NumberItems(3), (QStringList{"0", "1", "2"}));
  const QStringList ovp = settings::PercentItems(105, 16);
  EXPECT_EQ(ovp.first(), "105%");
  EXPECT_EQ(ovp.last(), "120%");
}

}  // namespace
