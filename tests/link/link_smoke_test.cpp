#include "link/BoardLink.h"
#include "support/Fixture.h"

using support::Fixture;

TEST_F(Fixture, WriteIndexCarriesDataHighRegisterLow) {
  StartWithChips({0x48});
  WriteRegister(0x48, 0x2B, 0x35);
  ASSERT_EQ(Board().Log().size(), 1u);
  EXPECT_EQ(Board().Log()[0].index, 0x352B);
  EXPECT_EQ(Bus(), (std::vector<std::string>{"write 0x2B = 0x35"}));
}
