// The share bus page: decode of 0x27 to 0x29 at set-up, encode on Apply.

#include "settings/frmShare.h"
#include "support/PageFixture.h"

namespace {

class SharePage : public support::PageFixture {
 protected:
  frmShare& OpenShare(int index = 0) { return Open<frmShare>(PageKind::Share, index); }
};

TEST_F(SharePage, OpensCaptionedAtItsSizeWithItsLists) {
  StartBoard();
  frmShare& page = OpenShare();
  EXPECT_EQ(page.Caption(), "Share Bus Settings (0x48)");
  EXPECT_EQ(page.Width(), 6720);
  EXPECT_EQ(page.Height(), 5205);
  EXPECT_EQ(page.fraShare->title(), "Analog Share Bus Settings");
  EXPECT_EQ(page.chkEnableShare->text(), "Enable Analog Share Bus");
  EXPECT_EQ(Items(page.cmbCapture), (QStringList{"1%", "2%", "3%", "4%"}));
  ASSERT_EQ(page.cmbOffset->ListCount(), 256);
  ASSERT_EQ(page.cmbSlope->ListCount(), 256);
  EXPECT_EQ(page.cmbOffset->List(255), "255");
  EXPECT_EQ(page.cmbSlope->List(17), "17");
  const QStringList bandwidth{
      "100Hz",    "258.06Hz", "416.13Hz", "574.19Hz", "732.26Hz", "890.32Hz", "1.048kHz", "1.206kHz",
      "1.365kHz", "1.523kHz", "1.681kHz", "1.839kHz", "1.997kHz", "2.155kHz", "2.313kHz", "2.471kHz",
      "2.629kHz", "2.787kHz", "2.945kHz", "3.103kHz", "3.261kHz", "3.419kHz", "3.577kHz", "3.735kHz",
      "3.894kHz", "4.052kHz", "4.21kHz",  "4.368kHz", "4.526kHz", "4.684kHz", "4.842kHz", "5kHz"};
  EXPECT_EQ(Items(page.cmbBandwidth), bandwidth);
  for (const auto& [name, caption] : {std::pair{"lblOffsetCaption", "Share Bus Offset Trim"},
                                      {"lblSlopeCaption", "Share Slope Trim"},
                                      {"lblBandwidthCaption", "Share Bus Bandwidth"},
                                      {"lblCaptureCaption", "Share Bus Voltage Capture"}}) {
    auto* label = support::Find<forms::Label>(page, name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), caption);
  }
}

struct SettingCase {
  int reg;
  const char* bandwidth;
  const char* capture;
  int enabled;
};
void PrintTo(const SettingCase& c, std::ostream* os) { *os << "0x29 = " << c.reg; }

class ShareSetting : public SharePage, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(ShareSetting, DecodesAndWritesBackUnchanged) {
  const SettingCase& c = GetParam();
  usb::EmulatedBoard& board = StartBoard();
  support::SetRegs(board, 0x48, {{0x27, 0x80}, {0x28, 0x11}, {0x29, c.reg}});
  frmShare& page = OpenShare();
  EXPECT_EQ(Bus(), (Lines{"read 0x27", "read 0x28", "read 0x29"}));
  EXPECT_EQ(page.cmbOffset->Text(), "128");
  EXPECT_EQ(page.cmbSlope->Text(), "17");
  EXPECT_EQ(page.cmbBandwidth->Text(), c.bandwidth);
  EXPECT_EQ(page.cmbCapture->Text(), c.capture);
  EXPECT_EQ(page.chkEnableShare->Value(), c.enabled);

  ClearBus();
  page.buttons.apply->click();
  char last[32];
  std::snprintf(last, sizeof last, "write 0x29 = 0x%02X", c.reg);
  EXPECT_EQ(Bus(), (Lines{"write 0x27 = 0x80", "write 0x28 = 0x11", last}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShareSetting,
                         ::testing::Values(SettingCase{0x35, "1.048kHz", "3%", 1}, SettingCase{0x00, "100Hz", "1%", 0},
                                           SettingCase{0xFF, "5kHz", "4%", 1}, SettingCase{0x7A, "2.471kHz", "2%", 0}));

TEST_F(SharePage, ApplyEncodesTheChosenItems) {
  StartBoard();
  frmShare& page = OpenShare();
  page.cmbOffset->SetText("200");
  page.cmbSlope->SetText("3");
  page.cmbBandwidth->SetText("5kHz");
  page.cmbCapture->SetText("2%");
  page.chkEnableShare->SetValue(1);
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus(), (Lines{"write 0x27 = 0xC8", "write 0x28 = 0x03", "write 0x29 = 0xFB"}));
  EXPECT_TRUE(page.IsLoaded());
}

}  // namespace
