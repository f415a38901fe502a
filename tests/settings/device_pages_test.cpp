// Every settings page works on the chip its caption names: opened for device 2
// it reads and writes device 2 only, and sits centred in the main window; the
// pages with OK and Cancel apply on OK and close on both.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "settings/frmCurrentSense.h"
#include "settings/frmGeneral.h"
#include "settings/frmOrFET.h"
#include "settings/frmShare.h"
#include "settings/frmVoltageSense.h"
#include "support/PageFixture.h"

namespace {

struct PageCase {
  PageKind kind;
  const char* name;
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

TEST_P(DevicePages, AMinimisedPageOpenedAgainFromItsMenuComesBackInFront) {
  StartBoard();
  QAction* item = gMainForm->Action(QString::fromLatin1(GetParam().menu) + QStringLiteral("1"));
  item->trigger();
  DevicePage& page = *Pages(GetParam().kind).Existing(0);
  page.Window()->showMinimized();
  ASSERT_TRUE(page.Window()->isMinimized());
  item->trigger();
  EXPECT_FALSE(page.Window()->isMinimized());
  EXPECT_TRUE(page.IsVisible());
  EXPECT_EQ(static_cast<QWidget*>(gMainForm->mdiArea->activeSubWindow()), page.Window());
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

// OK applies what the page shows and closes it; Cancel closes it and writes nothing.
struct ButtonsCase {
  const char* name;
  PageKind kind;
  std::vector<std::pair<int, int>> chip;  // registers set before the page opens
  std::function<void(QWidget*)> change;    // what the user changes before OK
  std::vector<std::string> okWrites;
};
void PrintTo(const ButtonsCase& c, std::ostream* os) { *os << c.name; }

class PageButtons : public support::PageFixture, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(PageButtons, OKAppliesThenClosesAndCancelOnlyCloses) {
  const ButtonsCase& c = GetParam();
  usb::EmulatedBoard& board = StartBoard();
  for (const auto& [reg, value] : c.chip) board.SetReg(0x48, reg, static_cast<uint8_t>(value));
  DevicePage& page = *Pages(c.kind).At(0);
  OpenDevicePage(c.kind, 0);
  ClearBus();
  support::Find<QPushButton>(page.Window(), QStringLiteral("cmdCancel"))->click();
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_TRUE(Bus().empty());

  OpenDevicePage(c.kind, 0);
  c.change(page.Window());
  ClearBus();
  support::Find<QPushButton>(page.Window(), QStringLiteral("cmdOK"))->click();
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_EQ(Bus(), c.okWrites);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageButtons,
    ::testing::Values(
        ButtonsCase{"Share", PageKind::Share, {{0x29, 0x35}},
                    [](QWidget* w) { support::Find<forms::CheckBox>(w, "chkEnableShare")->SetValue(0); },
                    {"write 0x27 = 0x00", "write 0x28 = 0x00", "write 0x29 = 0x34"}},
        ButtonsCase{"CurrentSense", PageKind::CurrentSense, {}, [](QWidget*) {},
                    {"read 0x21", "write 0x21 = 0x00", "write 0x22 = 0x00", "write 0x23 = 0x00", "write 0x24 = 0x00",
                     "write 0x25 = 0x00", "write 0x26 = 0x00"}},
        ButtonsCase{"General", PageKind::General, {}, [](QWidget*) {},
                    {"write 0x2B = 0x00", "read 0x2C", "write 0x2C = 0x00", "read 0x2D", "write 0x2D = 0x00",
                     "read 0x5D", "write 0x5D = 0x00", "read 0x3C", "write 0x3C = 0x00"}}),
    [](const ::testing::TestParamInfo<ButtonsCase>& info) { return std::string(info.param.name); });

// A page opened again while it is open reads the chip afresh: a code with no
// item clears the list's earlier choice, and Apply writes the chip's value back.
struct StaleCase {
  const char* menu;
  const char* list;
  int reg;
  int first;   // a value whose code has an item
  const char* shown;
  int second;  // then one whose code has none
};
void PrintTo(const StaleCase& c, std::ostream* os) { *os << c.list; }

class ReopenedPages : public support::PageFixture, public ::testing::WithParamInterface<StaleCase> {};

TEST_P(ReopenedPages, ACodeWithoutItemClearsTheEarlierChoiceAndApplyWritesTheChipsValueBack) {
  const StaleCase& c = GetParam();
  usb::EmulatedBoard& board = StartBoard();
  QAction* menu = gMainForm->Action(QString::fromLatin1(c.menu) + QStringLiteral("1"));
  board.SetReg(0x48, c.reg, static_cast<uint8_t>(c.first));
  menu->trigger();
  QWidget* window = gMainForm->mdiArea->activeSubWindow();
  auto* list = support::Find<forms::ComboBox>(window, QString::fromLatin1(c.list));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Text(), c.shown);

  board.SetReg(0x48, c.reg, static_cast<uint8_t>(c.second));
  menu->trigger();
  EXPECT_EQ(list->ListIndex(), -1);
  EXPECT_EQ(list->Text(), "");
  ClearBus();
  support::Find<QPushButton>(window, QStringLiteral("cmdApply"))->click();
  char write[32];
  std::snprintf(write, sizeof write, "write 0x%02X = 0x%02X", c.reg, c.second);
  const Lines bus = Bus();
  EXPECT_NE(std::find(bus.begin(), bus.end(), std::string(write)), bus.end()) << write;
  EXPECT_EQ(board.Reg(0x48, c.reg), c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReopenedPages,
    ::testing::Values(StaleCase{"mnuCurrentSense", "cmbDelay", 0x22, 0x0B, "120ns", 0xFE},
                      StaleCase{"mnuCurrentSense", "cmbOffsetCal", 0x24, 0x10, "16", 0x50},
                      StaleCase{"mnuGeneral", "cmbSwitchFreq", 0x5D, 0x32, "100 kHz", 0x3E},
                      StaleCase{"mnuGeneral", "cmbSyncRectOff", 0x3C, 0x06, "35%", 0x0F}));

INSTANTIATE_TEST_SUITE_P(
    Pages, DevicePages,
    ::testing::Values(
        PageCase{PageKind::Share, "Share", "Share Bus Settings (0x4A)", "mnuShare",
                 [](DevicePage& p) { static_cast<frmShare&>(p).buttons.ok->click(); }},
        PageCase{PageKind::CurrentSense, "CurrentSense", "Current Sensing (0x4A)", "mnuCurrentSense",
                 [](DevicePage& p) { static_cast<frmCurrentSense&>(p).buttons.apply->click(); }},
        PageCase{PageKind::VoltageSense, "VoltageSense", "Voltage Sensing (0x4A)", "mnuVoltageSense",
                 [](DevicePage& p) {
                   auto& page = static_cast<frmVoltageSense&>(p);
                   page.cmbTrim[0]->SetText("3");
                   page.buttons.apply->click();
                 }},
        PageCase{PageKind::General, "General", "General Settings (0x4A)", "mnuGeneral",
                 [](DevicePage& p) { static_cast<frmGeneral&>(p).buttons.apply->click(); }},
        PageCase{PageKind::OrFET, "OrFET", "OrFET Control (0x4A)", "mnuOrFET",
                 [](DevicePage& p) {
                   auto& page = static_cast<frmOrFET&>(p);
                   page.cmbFilter->SetText("50 nsecs");
                   page.chkBypassOn->SetValue(page.chkBypassOn->Value() ? 0 : 1);
                 }}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

}  // namespace
