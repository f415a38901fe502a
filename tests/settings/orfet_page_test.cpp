// The OrFET page: register 0x30 shown at set-up and changed field by field,
// each change one read and one write.

#include "settings/frmOrFET.h"
#include "support/PageFixture.h"

namespace {

class OrFETPage : public support::PageFixture {
 protected:
  frmOrFET& OpenPage(int index = 0) { return Open<frmOrFET>(PageKind::OrFET, index); }
};

TEST_F(OrFETPage, OpensCaptionedWithItsFrameListsAndBoxes) {
  StartBoard();
  frmOrFET& page = OpenPage();
  EXPECT_EQ(page.Caption(), "OrFET Control (0x48)");
  EXPECT_EQ(page.Width(), 7440);
  EXPECT_EQ(page.Height(), 5850);
  EXPECT_EQ(page.fraReverse->title(), "Reverse Voltage Settings");
  EXPECT_EQ(Items(page.cmbReverseOff), (QStringList{"10mV", "15mV", "20mV", "25mV"}));
  EXPECT_EQ(Items(page.cmbReverseOn), (QStringList{"1%", "2%", "4%", "8%"}));
  EXPECT_EQ(Items(page.cmbFilter), (QStringList{"50 nsecs", "100 nsecs", "200 nsecs", "400 nsecs"}));
  EXPECT_EQ(page.chkBypassOff->text(), "Enable Reverse Voltage Off");
  EXPECT_EQ(page.chkBypassOn->text(), "Enable Forward Voltage On");
  EXPECT_EQ(page.chkReverseCurrent->text(), "Reverse Current");
  EXPECT_EQ(support::Find<forms::Label>(page, "lblReverseOffCaption")->Caption(), "Reverse Voltage Off Threshold");
  EXPECT_EQ(support::Find<forms::Label>(page, "lblReverseOnCaption")->Caption(), "Forward Voltage On Threshold");
  EXPECT_EQ(support::Find<forms::Label>(page, "lblFilterCaption")->Caption(), "Comparator Bandwidth");
}

TEST_F(OrFETPage, SetUpShowsTheRegisterAndEachChangedControlWritesItBack) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x30, 0x99);
  frmOrFET& page = OpenPage();
  EXPECT_EQ(page.cmbReverseOff->Text(), "20mV");
  EXPECT_EQ(page.cmbReverseOn->Text(), "2%");
  EXPECT_EQ(page.cmbFilter->Text(), "100 nsecs");
  EXPECT_EQ(page.chkBypassOff->Value(), 0);
  EXPECT_EQ(page.chkBypassOn->Value(), 1);
  // Three lists and the ticked box change; the clear box does not.
  const Lines pair{"read 0x30", "write 0x30 = 0x99"};
  Lines expected{"read 0x30"};
  for (int i = 0; i < 4; ++i) expected.insert(expected.end(), pair.begin(), pair.end());
  EXPECT_EQ(Bus(), expected);
  EXPECT_EQ(board.Reg(0x48, 0x30), 0x99);

  ClearBus();
  OpenPage();
  EXPECT_EQ(Bus(), (Lines{"read 0x30"})) << "nothing changes when set up again";
}

struct ChangeCase {
  const char* what;
  std::function<void(frmOrFET&)> change;
  const char* written;
};
void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.what; }

class OrFETChange : public OrFETPage, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(OrFETChange, IsOneReadAndOneWriteOf0x30) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x30, 0x99);
  frmOrFET& page = OpenPage();
  ClearBus();
  GetParam().change(page);
  EXPECT_EQ(Bus(), (Lines{"read 0x30", GetParam().written})) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrFETChange,
    ::testing::Values(
        ChangeCase{"400 nsecs", [](frmOrFET& p) { p.cmbFilter->SetText("400 nsecs"); }, "write 0x30 = 0x9B"},
        ChangeCase{"10mV", [](frmOrFET& p) { p.cmbReverseOff->SetText("10mV"); }, "write 0x30 = 0x19"},
        ChangeCase{"25mV", [](frmOrFET& p) { p.cmbReverseOff->SetText("25mV"); }, "write 0x30 = 0xD9"},
        ChangeCase{"8%", [](frmOrFET& p) { p.cmbReverseOn->SetText("8%"); }, "write 0x30 = 0xB9"},
        ChangeCase{"tick off", [](frmOrFET& p) { p.chkBypassOff->SetValue(1); }, "write 0x30 = 0x91"},
        ChangeCase{"clear on", [](frmOrFET& p) { p.chkBypassOn->SetValue(0); }, "write 0x30 = 0x9D"}));

TEST_F(OrFETPage, BitsChangedElsewhereSinceSetUpSurvive) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x30, 0x99);
  frmOrFET& page = OpenPage();
  board.SetReg(0x48, 0x30, 0x2C);
  ClearBus();
  page.cmbFilter->SetText("200 nsecs");
  EXPECT_EQ(Bus(), (Lines{"read 0x30", "write 0x30 = 0x2E"}));
}

TEST_F(OrFETPage, BandwidthFieldsShowTheirItems) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x30, 0x03);
  frmOrFET& page = OpenPage();
  EXPECT_EQ(page.cmbFilter->Text(), "400 nsecs");
  EXPECT_EQ(page.chkBypassOff->Value(), 1);
  EXPECT_EQ(page.chkBypassOn->Value(), 1);
  board.SetReg(0x48, 0x30, 0x0D);
  OpenPage();
  EXPECT_EQ(page.cmbFilter->Text(), "100 nsecs");
  EXPECT_EQ(page.chkBypassOff->Value(), 0);
  EXPECT_EQ(page.chkBypassOn->Value(), 0);
}

TEST_F(OrFETPage, ButtonsAndReverseCurrentWriteNothing) {
  StartBoard();
  frmOrFET& page = OpenPage();
  ClearBus();
  page.chkReverseCurrent->SetValue(1);
  page.buttons.apply->click();
  EXPECT_TRUE(page.IsLoaded());
  page.buttons.ok->click();
  EXPECT_FALSE(page.IsLoaded());
  OpenPage();
  ClearBus();
  page.buttons.close->click();
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_TRUE(Bus().empty());
}

}  // namespace
