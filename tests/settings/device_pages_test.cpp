// Every settings page works on the chip its caption names: opened for device 2
// it reads and writes device 2 only, and sits centred in the main window.

#include <QAction>

#include "settings/frmCurrentSense.h"
#include "settings/frmGeneral.h"
#include "settings/frmOrFET.h"
#include "settings/frmShare.h"
#include "settings/frmVoltageSense.h"
#include "support/PageFixture.h"

namespace {

struct PageCase {
  const char* name;
  PageKind kind;
  const char* caption;
  const char* menu;  // the Device menu's item, without its device number
  // What a user does on the page after it opens: change things and apply.
  std::function<void(DevicePage&)> work;
};
void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class DevicePages : public support::PageFixture, public ::testing::WithParamInterface<PageCase> {};

TEST_P(DevicePages, SecondDeviceReadsAndWritesOnlyItsOwnChip) {
  usb::EmulatedBoard& board = StartBoard({0x48, 0x4A});
  for (int reg = 0x20; reg <= 0x3C; ++reg) board.SetReg(0x4A, reg, static_cast<uint8_t>(reg * 7));
  DevicePage& page = *Pages(GetParam().kind).At(1);
  OpenDevicePage(GetParam().kind, 1);
  EXPECT_EQ(page.Caption(), GetParam().caption);
  EXPECT_EQ(page.DeviceIndex(), 1);
  GetParam().work(page);
  const Lines bus = Bus(true);
  ASSERT_FALSE(bus.empty());
  for (const std::string& line : bus) EXPECT_EQ(line.substr(0, 5), "0x4A ") << line;
  bool wrote = false;
  for (const std::string& line : bus) wrote = wrote || line.find("write") != std::string::npos;
  EXPECT_TRUE(wrote);
  EXPECT_EQ(Pages(GetParam().kind).Existing(0), nullptr);
}

TEST_P(DevicePages, DeviceMenuOpensThePageOfItsDevice) {
  StartBoard({0x48, 0x4A});
  QAction* item = gMainForm->Action(QString::fromLatin1(GetParam().menu) + QStringLiteral("2"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  DevicePage* page = Pages(GetParam().kind).Existing(1);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->IsVisible());
  EXPECT_EQ(page->Caption(), GetParam().caption);
  for (const std::string& line : Bus(true)) EXPECT_EQ(line.substr(0, 5), "0x4A ") << line;
}

TEST_P(DevicePages, LoadsCentredInTheMainWindow) {
  StartBoard();
  OpenDevicePage(GetParam().kind, 0);
  DevicePage& page = *Pages(GetParam().kind).Existing(0);
  // Centred on the main window's outer size, frame and title bar included.
  const QRect outer = gMainForm->Window()->frameGeometry();
  const int mainWidth = forms::ToTwips(outer.width());
  const int mainHeight = forms::ToTwips(outer.height());
  EXPECT_NEAR(page.Left(), std::max(0, mainWidth / 2 - page.Width() / 2), 15);
  EXPECT_NEAR(page.Top(), std::max(0, mainHeight / 2 - page.Height() / 2 - 1000), 15);
  EXPECT_TRUE(page.IsVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DevicePages,
    ::testing::Values(
        PageCase{"Share", PageKind::Share, "Share Bus Settings (0x4A)", "mnuShare",
                 [](DevicePage& p) { static_cast<frmShare&>(p).cmdOK_Click(); }},
        PageCase{"CurrentSense", PageKind::CurrentSense, "Current Sensing (0x4A)", "mnuCurrentSense",
                 [](DevicePage& p) { static_cast<frmCurrentSense&>(p).cmdApply_Click(); }},
        PageCase{"VoltageSense", PageKind::VoltageSense, "Voltage Sensing (0x4A)", "mnuVoltageSense",
                 [](DevicePage& p) {
                   auto& page = static_cast<frmVoltageSense&>(p);
                   page.cmbTrim[0]->SetText("3");
                   page.cmdApply_Click();
                 }},
        PageCase{"General", PageKind::General, "General Settings (0x4A)", "mnuGeneral",
                 [](DevicePage& p) { static_cast<frmGeneral&>(p).cmdApply_Click(); }},
        PageCase{"OrFET", PageKind::OrFET, "OrFET Control (0x4A)", "mnuOrFET",
                 [](DevicePage& p) {
                   auto& page = static_cast<frmOrFET&>(p);
                   page.cmbFilter->SetText("50 nsecs");
                   page.chkBypassOn->SetValue(page.chkBypassOn->Value() ? 0 : 1);
                 }}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

}  // namespace
