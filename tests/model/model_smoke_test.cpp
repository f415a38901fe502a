#include "model/NumberText.h"
#include "support/Fixture.h"

TEST(NumberText, ConventionExamples) {
  EXPECT_EQ(numtext::Str(0.4f), " .4");
  EXPECT_EQ(numtext::Plain(0.75), ".75");
  EXPECT_EQ(numtext::Round(2040.5), 2040);
  EXPECT_EQ(numtext::Round(335.5), 336);
  EXPECT_EQ(numtext::HexVal("48h"), 0x48);
  EXPECT_EQ(numtext::HexVal(""), 0);
}
