#include "platform/forms/Controls.h"
#include "support/Fixture.h"

using support::Fixture;

TEST_F(Fixture, ComboStartsEmptyAndFillingRunsNoHandler) {
  forms::ComboBox box;
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.AddItem("a");
  box.AddItem("b");
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(clicks, 0);
  box.SetText("b");
  box.SetText("b");
  EXPECT_EQ(clicks, 1);
  box.SetText("zz");
  EXPECT_EQ(box.Text(), "b");
}
