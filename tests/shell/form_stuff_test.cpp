// The per-device window scheme: opening a page, its caption, finding its chip again.

#include <QMdiArea>

#include "model/DeviceInfo.h"
#include "platform/forms/Twips.h"
#include "support/ShellFixture.h"

namespace {

// A page type that records what the scheme does to it.
class RecordingPage : public DevicePage {
 public:
  static inline std::vector<std::string> events;
  void SetupFormAfterLoad() override {
    events.push_back("setup " + Caption().toStdString() + (IsVisible() ? " shown" : " hidden"));
  }

 protected:
  void Form_Load() override {
    events.push_back("load");
    SetSize(3000, 2000);
    CenterInMainForm(*this);
  }
};

class PageScheme : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RecordingPage::events.clear();
    RegisterPage(PageKind::Share, [] { return std::make_unique<RecordingPage>(); });
  }
  void TearDown() override {
    ShellFixture::TearDown();
    RegisterPage(PageKind::Share, nullptr);
  }
};

}  // namespace

TEST_F(PageScheme, PageIsLoadedCaptionedSetUpThenShown) {
  StartWithChips({0x48, 0x4A});
  OpenMainWindow();
  OpenDevicePage(PageKind::Share, 1);
  EXPECT_EQ(RecordingPage::events,
            (std::vector<std::string>{"load", "setup Share Bus Settings (0x4A) hidden"}));
  DevicePage* page = Pages(PageKind::Share).Existing(1);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->IsVisible());
  EXPECT_EQ(page->ChipAddress(), 0x4A);
  EXPECT_EQ(page->DeviceIndex(), 1);
  EXPECT_EQ(Pages(PageKind::Share).Existing(0), nullptr) << "device 1's slot stays empty until used";

  // Opening it again loads nothing new, sets the caption again and sets it up again.
  OpenDevicePage(PageKind::Share, 1);
  EXPECT_EQ(RecordingPage::events.size(), 3u);
  EXPECT_EQ(RecordingPage::events[2], "setup Share Bus Settings (0x4A) shown");
}

TEST_F(PageScheme, UnloadedPageKeepsItsSlotAndLoadsAFreshWindow) {
  StartWithChips({0x48});
  OpenMainWindow();
  OpenDevicePage(PageKind::Share, 0);
  DevicePage* first = Pages(PageKind::Share).Existing(0);
  first->Unload();
  EXPECT_FALSE(first->IsLoaded());
  OpenDevicePage(PageKind::Share, 0);
  EXPECT_EQ(Pages(PageKind::Share).Existing(0), first);
  EXPECT_TRUE(first->IsLoaded());
}

TEST_F(PageScheme, AddressesBelow0x10HaveOneHexDigitAndReadBack) {
  StartWithChips({0x0B});
  OpenMainWindow();
  OpenDevicePage(PageKind::Share, 0);
  DevicePage* page = Pages(PageKind::Share).Existing(0);
  EXPECT_EQ(page->Caption(), "Share Bus Settings (0xB)");
  EXPECT_EQ(page->ChipAddress(), 0x0B);
  EXPECT_EQ(page->DeviceIndex(), 0);
}

TEST(Captions, AddressIsTheHexAfterTheFirstLowerCaseX) {
  EXPECT_EQ(AddressFromCaption("KRV7310 at SMBus Address = 0x4A"), 0x4A);
  EXPECT_EQ(AddressFromCaption("Fault Status and Configuration (0x48)"), 0x48);
  EXPECT_EQ(AddressFromCaption("No address here"), -1);
  EXPECT_EQ(PageCaption("OrFET Control", 0x7F), "OrFET Control (0x7F)");
}

TEST_F(PageScheme, CentredInMainWindowAThousandTwipsAboveTheMiddle) {
  StartWithChips({0x48});
  frmMain& main = OpenMainWindow();
  main.Window()->setWindowState(Qt::WindowNoState);
  main.SetSize(30000, 18000);
  OpenDevicePage(PageKind::Share, 0);
  DevicePage* page = Pages(PageKind::Share).Existing(0);
  // The main window's outer size counts, its frame and title bar included.
  const QRect outer = main.Window()->frameGeometry();
  EXPECT_GE(outer.height(), main.Window()->height());
  EXPECT_NEAR(page->Left(), forms::ToTwips(outer.width()) / 2 - page->Width() / 2, 15);
  EXPECT_NEAR(page->Top(), forms::ToTwips(outer.height()) / 2 - page->Height() / 2 - 1000, 15);
}

TEST_F(PageScheme, PageTypeWithoutWindowsOpensNothing) {
  StartWithChips({0x48});
  OpenMainWindow();
  OpenDevicePage(PageKind::DigFilter, 0);
  EXPECT_EQ(Pages(PageKind::DigFilter).Existing(0), nullptr);
}
