// The voltage sense page: set-up with its trim write-backs, trims written at
// once, limits on Apply, the open flag and the live readings.

#include <QApplication>
#include <QPalette>
#include <vector>

#include "model/DeviceInfo.h"
#include "settings/frmVoltageSense.h"
#include "support/PageFixture.h"

namespace {

class VoltageSensePage : public support::PageFixture {
 protected:
  frmVoltageSense& OpenPage(int index = 0) { return Open<frmVoltageSense>(PageKind::VoltageSense, index); }
};

TEST_F(VoltageSensePage, OpensCaptionedWithItsFramesListsAndReadings) {
  StartBoard();
  frmVoltageSense& page = OpenPage();
  EXPECT_EQ(page.Caption(), "Voltage Sensing (0x48)");
  EXPECT_EQ(page.Width(), 8115);
  EXPECT_EQ(page.Height(), 6780);
  EXPECT_EQ(page.fraVS1->title(), "VS1 Settings");
  EXPECT_EQ(page.fraVS3->title(), "VS3 Settings");
  const QStringList ovp = Items(page.cmbOVP[0]);
  ASSERT_EQ(ovp.size(), 16);
  EXPECT_EQ(ovp.first(), "105%");
  EXPECT_EQ(ovp.last(), "120%");
  EXPECT_EQ(Items(page.cmbOVP[1]), ovp);
  const QStringList uvp = Items(page.cmbUVP);
  ASSERT_EQ(uvp.size(), 16);
  EXPECT_EQ(uvp.first(), "80%");
  EXPECT_EQ(uvp.last(), "95%");
  const QStringList debounce{"100us Delay", "200us Delay", "300us Delay", "400us Delay"};
  EXPECT_EQ(Items(page.cmbVS1Debounce), debounce);
  EXPECT_EQ(Items(page.cmbVS3Debounce), debounce);
  for (const auto& trim : page.cmbTrim) {
    ASSERT_EQ(trim->ListCount(), 256);
    EXPECT_EQ(trim->List(255), "255");
  }
  const QStringList output = Items(page.cmbVS3Trim);
  ASSERT_EQ(output.size(), 256);
  EXPECT_EQ(output[0], "65%");
  EXPECT_EQ(output[128], "95.118%");
  EXPECT_EQ(output[255], "125%");
  for (const auto& [name, caption] :
       {std::pair{"lblOVPCaption(0)", "VS1 OVP"}, {"lblVS1DebounceCaption", "VS1 OV Debounce"},
        {"lblUVPCaption", "VS1 UVP"}, {"lblOVPCaption(1)", "VS3 OVP"}, {"lblVS3DebounceCaption", "VS3 OV Debounce"},
        {"lblTrimCaption(0)", "VS1 Trim"}, {"lblTrimCaption(1)", "VS2 Trim"}, {"lblTrimCaption(2)", "VS3 Trim"},
        {"lblVS3TrimCaption", "O/P Trim"}, {"lblVS1ValCaption", "VS1 Value"}, {"lblVS2ValCaption", "VS2 Value"},
        {"lblVS3ValCaption", "VS3 Value"}, {"lblOutputValCaption", "O/P Voltage Value"}}) {
    auto* label = support::Find<forms::Label>(page, name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), caption);
  }
  EXPECT_EQ(support::Find<forms::Label>(page, "lblTrimCaption(2)")->parentWidget(), page.fraVS3.data())
      << "the VS3 frame carries the VS3 Trim caption";
}

TEST_F(VoltageSensePage, SetUpSetsTheFlagAndWritesEachTrimBackRightAfterItsRead) {
  usb::EmulatedBoard& board = StartBoard();
  support::SetRegs(board, 0x48, {{0x31, 0x80}, {0x32, 0xF3}, {0x38, 0x10}, {0x39, 0x20}, {0x3A, 0xFF}});
  frmVoltageSense& page = OpenPage();
  EXPECT_TRUE(gVoltageSenseOpen[0]);
  EXPECT_FALSE(gVoltageSenseOpen[1]);
  EXPECT_EQ(Bus(), (Lines{"read 0x31", "write 0x31 = 0x80", "read 0x32", "read 0x33", "read 0x34", "read 0x38",
                          "write 0x38 = 0x10", "read 0x39", "write 0x39 = 0x20", "read 0x3A", "write 0x3A = 0xFF"}));
  EXPECT_EQ(page.cmbVS3Trim->Text(), "95.118%");
  EXPECT_EQ(page.cmbOVP[0]->Text(), "120%");
  EXPECT_EQ(page.cmbVS1Debounce->Text(), "400us Delay");
  EXPECT_EQ(page.cmbTrim[0]->Text(), "16");
  EXPECT_EQ(page.cmbTrim[1]->Text(), "32");
  EXPECT_EQ(page.cmbTrim[2]->Text(), "255");

  // Opened again while open, with nothing changed: reads only.
  ClearBus();
  OpenPage();
  EXPECT_EQ(Bus(), (Lines{"read 0x31", "read 0x32", "read 0x33", "read 0x34", "read 0x38", "read 0x39", "read 0x3A"}));

  // A trim changed elsewhere is written back once, right after its read.
  board.SetReg(0x48, 0x39, 0x21);
  ClearBus();
  OpenPage();
  EXPECT_EQ(Bus(), (Lines{"read 0x31", "read 0x32", "read 0x33", "read 0x34", "read 0x38", "read 0x39",
                          "write 0x39 = 0x21", "read 0x3A"}));
}

TEST_F(VoltageSensePage, ChoosingATrimWritesItAtOnce) {
  StartBoard();
  frmVoltageSense& page = OpenPage();
  ClearBus();
  page.cmbTrim[1]->SetText("17");
  EXPECT_EQ(Bus(), (Lines{"write 0x39 = 0x11"}));
  ClearBus();
  page.cmbVS3Trim->SetText("125%");
  EXPECT_EQ(Bus(), (Lines{"write 0x31 = 0xFF"}));
  ClearBus();
  page.cmbTrim[2]->SetListIndex(200);
  EXPECT_EQ(Bus(), (Lines{"write 0x3A = 0xC8"}));
}

struct LimitCase {
  int vs1ovp;
  int vs3ovp;
  int uvp;
  const char* ovpText;
  const char* debounceText;
  const char* uvpText;
  std::vector<std::string> written;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << "0x32 = " << c.vs1ovp; }

class VoltageLimits : public VoltageSensePage, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(VoltageLimits, DecodeAndApplyRebuildTheRegistersFromTheirFields) {
  const LimitCase& c = GetParam();
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x32, static_cast<uint8_t>(c.vs1ovp));
  board.SetReg(0x48, 0x33, static_cast<uint8_t>(c.vs3ovp));
  board.SetReg(0x48, 0x34, static_cast<uint8_t>(c.uvp));
  frmVoltageSense& page = OpenPage();
  EXPECT_EQ(page.cmbOVP[0]->Text(), c.ovpText);
  EXPECT_EQ(page.cmbVS1Debounce->Text(), c.debounceText);
  EXPECT_EQ(page.cmbUVP->Text(), c.uvpText);
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus(), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoltageLimits,
    ::testing::Values(LimitCase{0xF3, 0x00, 0x00, "120%", "400us Delay", "80%",
                                {"write 0x32 = 0xF3", "write 0x33 = 0x00", "write 0x34 = 0x00"}},
                      LimitCase{0xFF, 0x5D, 0xA5, "120%", "400us Delay", "85%",
                                {"write 0x32 = 0xF3", "write 0x33 = 0x51", "write 0x34 = 0x05"}},
                      LimitCase{0x01, 0xF2, 0x0F, "105%", "200us Delay", "95%",
                                {"write 0x32 = 0x01", "write 0x33 = 0xF2", "write 0x34 = 0x0F"}}));

TEST_F(VoltageSensePage, ReadingsShowTwoDecimalsWithTheSignPlace) {
  StartBoard();
  frmVoltageSense& page = OpenPage();
  page.cmbVS3Trim->SetText("65.235%");
  gDevices[0].VS1 = 3.3f;
  gDevices[0].VS2 = 0.456f;
  gDevices[0].VS3 = 12.0f;
  page.DisplayValues();
  EXPECT_EQ(page.lblVS1Val->Caption(), " 3.3V");
  EXPECT_EQ(page.lblVS2Val->Caption(), " .46V");
  EXPECT_EQ(page.lblVS3Val->Caption(), " 12V");
  EXPECT_EQ(page.lblOutputVal->Caption(), " 7.83V");
  gDevices[0].VS1 = -0.5f;
  page.DisplayValues();
  EXPECT_EQ(page.lblVS1Val->Caption(), "-.5V");
}

TEST_F(VoltageSensePage, MasterTimerRefreshesTheOpenPageOfEachDevice) {
  StartBoard({0x48, 0x4A});
  frmVoltageSense& second = OpenPage(1);
  EXPECT_FALSE(gVoltageSenseOpen[0]);
  EXPECT_TRUE(gVoltageSenseOpen[1]);
  gDevices[1].VS2 = 5.125f;
  gMainForm->tmrMaster_Timer();
  EXPECT_EQ(second.lblVS2Val->Caption(), " 5.12V") << "halves go to the even neighbour";
  EXPECT_EQ(Pages(PageKind::VoltageSense).Existing(0), nullptr) << "device 1's page is never made";
}

TEST_F(VoltageSensePage, ClosingClearsTheFlagAndOKAppliesFirst) {
  StartBoard();
  frmVoltageSense& page = OpenPage();
  ClearBus();
  page.buttons.close->click();
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_FALSE(gVoltageSenseOpen[0]);
  EXPECT_TRUE(Bus().empty());
  OpenPage();
  EXPECT_TRUE(gVoltageSenseOpen[0]);
  ClearBus();
  page.buttons.ok->click();
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_FALSE(gVoltageSenseOpen[0]);
  EXPECT_EQ(Bus(), (Lines{"write 0x32 = 0x00", "write 0x33 = 0x00", "write 0x34 = 0x00"}));
}

// The style keeps its drawings of a list by the list's palette: the lists on
// the white picture have the same palette at every opening, so closing and
// opening the page again adds no drawings, and they look like every other list.
TEST_F(VoltageSensePage, ThePicturesListsKeepOnePaletteFromOpeningToOpening) {
  StartBoard();
  std::vector<qint64> first;
  for (int opening = 0; opening < 3; ++opening) {
    frmVoltageSense& page = OpenPage();
    page.Window()->grab();  // painted, as the user sees it
    std::vector<qint64> keys;
    for (forms::ComboBox* list : {page.cmbTrim[0].data(), page.cmbTrim[1].data(), page.cmbVS3Trim.data()}) {
      ASSERT_EQ(list->parentWidget(), page.Picture1.data());
      keys.push_back(list->palette().cacheKey());
      EXPECT_EQ(list->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));
      EXPECT_EQ(list->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    }
    if (opening == 0) first = keys;
    EXPECT_EQ(keys, first) << "opening " << opening;
    page.buttons.close->click();
    FlushDeletes();
  }
}

}  // namespace
