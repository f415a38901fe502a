// The current sense page: decode of 0x21 to 0x26, encode on Apply, and the
// fields whose codes have no list item.

#include "settings/ListTexts.h"
#include "settings/frmCurrentSense.h"
#include "support/PageFixture.h"

namespace {

class CurrentSensePage : public support::PageFixture {
 protected:
  frmCurrentSense& OpenPage(int index = 0) { return Open<frmCurrentSense>(PageKind::CurrentSense, index); }
};

TEST_F(CurrentSensePage, OpensCaptionedWithItsFramesAndLists) {
  StartBoard();
  frmCurrentSense& page = OpenPage();
  EXPECT_EQ(page.Caption(), "Current Sensing (0x48)");
  EXPECT_EQ(page.Width(), 7935);
  EXPECT_EQ(page.Height(), 7380);
  EXPECT_EQ(page.fraCS1->title(), "CS1 Settings");
  EXPECT_EQ(page.fraCS2->title(), "CS2 Settings");
  EXPECT_EQ(page.fraOCP->title(), "OCP Settings");
  EXPECT_EQ(page.chkFoldback->text(), "Enable Constant Current Foldback");
  EXPECT_EQ(Items(page.cmbDelay), (QStringList{"0ns", "40ns", "80ns", "120ns", "160ns", "200ns"}));
  EXPECT_EQ(Items(page.cmbCCSource), (QStringList{"CS1", "CS2"}));
  EXPECT_EQ(Items(page.cmbOCPOffDelay),
            (QStringList{"128us", "256us", "384us", "512us", "1 sec", "2 sec", "3 sec", "4sec"}));
  EXPECT_EQ(Items(page.cmbOCPBandWidth),
            (QStringList{"100Hz", "800Hz", "1.5kHz", "2.2kHz", "2.9kHz", "3.6kHz", "4.3kHz", "5kHz"}));
  EXPECT_EQ(Items(page.cmbCS[0]), settings::CS1LimitItems());
  EXPECT_EQ(Items(page.cmbCS[1]), settings::CS2LimitItems());
  EXPECT_EQ(page.cmbGainCal[0]->ListCount(), 32);
  EXPECT_EQ(page.cmbGainCal[0]->List(31), "31");
  EXPECT_EQ(page.cmbGainCal[1]->ListCount(), 256);
  EXPECT_EQ(page.cmbOffsetCal->ListCount(), 64);
  EXPECT_EQ(page.cmbOffsetCal->List(63), "63");
  for (const auto& [name, caption] :
       {std::pair{"lblGainCalCaption(0)", "CS1 Gain Trim"}, {"lblCSCaption(0)", "CS1 Over-current Limit"},
        {"lblDelayCaption", "CS1 Fast OCP Delay"}, {"lblGainCalCaption(1)", "CS2 Gain Trim"},
        {"lblOffsetCalCaption", "CS2 Offset Trim"}, {"lblCSCaption(1)", "CS2 Over-current Limit"},
        {"lblOCPBandWidthCaption", "OCP Bandwidth"}, {"lblCCSourceCaption", "Constant Current mode source"},
        {"lblOCPOffDelayCaption", "OCP Off Delay"}}) {
    auto* label = support::Find<forms::Label>(page, name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), caption);
  }
}

TEST_F(CurrentSensePage, DecodesEveryFieldAndAppliesItBackUnchanged) {
  usb::EmulatedBoard& board = StartBoard();
  support::SetRegs(board, 0x48, {{0x21, 0x9D}, {0x22, 0x0B}, {0x23, 0xC3}, {0x24, 0x2A}, {0x25, 0x07}, {0x26, 0xB9}});
  frmCurrentSense& page = OpenPage();
  EXPECT_EQ(Bus(), (Lines{"read 0x21", "read 0x22", "read 0x23", "read 0x25", "read 0x24", "read 0x26"}));
  EXPECT_EQ(page.cmbGainCal[0]->Text(), "19");
  EXPECT_EQ(page.cmbCS[0]->Text(), "105.81%");
  EXPECT_EQ(page.cmbDelay->Text(), "120ns");
  EXPECT_EQ(page.cmbGainCal[1]->Text(), "195");
  EXPECT_EQ(page.cmbOffsetCal->Text(), "42");
  EXPECT_EQ(page.cmbCS[1]->Text(), "107.23%");
  EXPECT_EQ(page.cmbOCPBandWidth->Text(), "3.6kHz");
  EXPECT_EQ(page.chkFoldback->Value(), 1);
  EXPECT_EQ(page.cmbCCSource->Text(), "CS1");
  EXPECT_EQ(page.cmbOCPOffDelay->Text(), "256us");

  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus(), (Lines{"read 0x21", "write 0x21 = 0x9D", "write 0x22 = 0x0B", "write 0x23 = 0xC3",
                          "write 0x24 = 0x2A", "write 0x25 = 0x07", "write 0x26 = 0xB9"}));
}

TEST_F(CurrentSensePage, ApplyKeepsTheLowBitsOf0x21AsTheChipHoldsThem) {
  usb::EmulatedBoard& board = StartBoard();
  frmCurrentSense& page = OpenPage();
  page.cmbGainCal[0]->SetText("31");
  board.SetReg(0x48, 0x21, 0x05);
  ClearBus();
  page.buttons.apply->click();
  const Lines bus = Bus();
  ASSERT_GE(bus.size(), 2u);
  EXPECT_EQ(bus[0], "read 0x21");
  EXPECT_EQ(bus[1], "write 0x21 = 0xFD");
}

TEST_F(CurrentSensePage, ApplyEncodesTheChosenItems) {
  StartBoard();
  frmCurrentSense& page = OpenPage();
  page.cmbCS[0]->SetText("130%");
  page.cmbDelay->SetText("200ns");
  page.cmbGainCal[1]->SetText("255");
  page.cmbOffsetCal->SetText("63");
  page.cmbCS[1]->SetText("132%");
  page.cmbOCPBandWidth->SetText("5kHz");
  page.chkFoldback->SetValue(0);
  page.cmbCCSource->SetText("CS2");
  page.cmbOCPOffDelay->SetText("4sec");
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus(), (Lines{"read 0x21", "write 0x21 = 0x00", "write 0x22 = 0xFD", "write 0x23 = 0xFF",
                          "write 0x24 = 0x3F", "write 0x25 = 0x1F", "write 0x26 = 0xE7"}));
}

TEST_F(CurrentSensePage, ListsThatNeverHadAChoiceWriteBackWhatTheChipHeld) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x22, 0xFF);  // delay code 7: no item
  board.SetReg(0x48, 0x24, 0xD0);  // offset 80 (bit 7 dropped): no item
  frmCurrentSense& page = OpenPage();
  EXPECT_EQ(page.cmbDelay->ListIndex(), -1);
  EXPECT_EQ(page.cmbOffsetCal->ListIndex(), -1);
  ClearBus();
  page.buttons.apply->click();
  const Lines bus = Bus();
  ASSERT_EQ(bus.size(), 7u);
  EXPECT_EQ(bus[2], "write 0x22 = 0xFF") << "not the item count 6";
  EXPECT_EQ(bus[4], "write 0x24 = 0x50") << "not 0, and bit 7 stays clear as for any offset";
}

TEST_F(CurrentSensePage, OffsetDecodeKeepsSevenBitsAndCS2LimitWritesOnlyItsFiveBits) {
  usb::EmulatedBoard& board = StartBoard();
  support::SetRegs(board, 0x48, {{0x24, 0x85}, {0x25, 0xFF}});
  frmCurrentSense& page = OpenPage();
  EXPECT_EQ(page.cmbOffsetCal->Text(), "5");
  EXPECT_EQ(page.cmbCS[1]->Text(), "132%");
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus()[4], "write 0x24 = 0x05");
  EXPECT_EQ(Bus()[5], "write 0x25 = 0x1F");
}

TEST_F(CurrentSensePage, CCSourceBitClearShowsCS2) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x26, 0x43);
  frmCurrentSense& page = OpenPage();
  EXPECT_EQ(page.cmbOCPBandWidth->Text(), "1.5kHz");
  EXPECT_EQ(page.chkFoldback->Value(), 0);
  EXPECT_EQ(page.cmbCCSource->Text(), "CS2");
  EXPECT_EQ(page.cmbOCPOffDelay->Text(), "512us");
}

}  // namespace
