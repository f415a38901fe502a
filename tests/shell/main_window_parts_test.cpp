// The main window's Window menu, status bar and toolbar artwork, and the end of
// the program when the device picker is closed by its close box.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "platform/ui/Seams.h"
#include "shell/SingleWindows.h"
#include "shell/ToolbarIcons.h"
#include "shell/frmMultiDevice.h"
#include "support/ShellFixture.h"
#include "support/Timers.h"

using MainWindowParts = support::ShellFixture;

namespace {

class PlainPage : public DevicePage {
 public:
  void SetupFormAfterLoad() override {}

 protected:
  void Form_Load() override { SetSize(3000, 2000); }
};

QStringList MenuTexts(QMenu* menu) {
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text() + (action->isChecked() ? " *" : "");
  return texts;
}

}  // namespace

TEST_F(MainWindowParts, WindowMenuListsTheOpenChildWindowsWithTheActiveOneTicked) {
  StartWithChips({0x48, 0x4A});
  RegisterPage(PageKind::Share, [] { return std::make_unique<PlainPage>(); });
  frmMain& main = OpenMainWindow();
  QMenu* windows = main.Action("mnuWindow")->menu();
  ASSERT_NE(windows, nullptr);
  EXPECT_TRUE(MenuTexts(windows).isEmpty());

  OpenBlockDiagram(0);
  OpenDevicePage(PageKind::Share, 1);
  EXPECT_EQ(MenuTexts(windows),
            (QStringList{"&1 KRV7310 at SMBus Address = 0x48", "&2 Share Bus Settings (0x4A) *"}));
  // Choosing an entry brings that window to the front.
  windows->actions().at(0)->trigger();
  EXPECT_EQ(MenuTexts(windows),
            (QStringList{"&1 KRV7310 at SMBus Address = 0x48 *", "&2 Share Bus Settings (0x4A)"}));
  Pages(PageKind::Share).Existing(1)->Unload();
  FlushDeletes();
  EXPECT_EQ(MenuTexts(windows), (QStringList{"&1 KRV7310 at SMBus Address = 0x48 *"}));
  RegisterPage(PageKind::Share, nullptr);
}

TEST_F(MainWindowParts, StatusBarShowsStatusDateAndTime) {
  StartWithChips({0x48});
  frmMain& main = OpenMainWindow();
  auto* bar = support::Find<QStatusBar>(main, "sbStatusBar");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(support::Find<QLabel>(main, "sbPanel1")->text(), "Status");
  EXPECT_EQ(support::Find<QLabel>(main, "sbPanel2")->text(), "12/9/2026");
  EXPECT_EQ(support::Find<QLabel>(main, "sbPanel3")->text(), "10:30 AM");
  // The clock panels keep themselves current: their timer comes at least every second.
  ui::SetDateTimeText([] { return QStringLiteral("12/10/2026"); }, [] { return QStringLiteral("12:00 AM"); });
  QTimer* clock = support::FindTimer(main.Window(), QStringLiteral("tmrStatusClock"));
  ASSERT_NE(clock, nullptr);
  EXPECT_LE(clock->interval(), 1000);
  support::Fire(clock);
  EXPECT_EQ(support::Find<QLabel>(main, "sbPanel2")->text(), "12/10/2026");
  EXPECT_EQ(support::Find<QLabel>(main, "sbPanel3")->text(), "12:00 AM");
}

TEST_F(MainWindowParts, ToolbarHasKeyedButtonsWithTheirOwnImages) {
  StartWithChips({0x48, 0x4A});
  frmMain& main = OpenMainWindow();
  const QStringList keys = {"Reg", "Save", "Spy", "", "", "Device1", "Device2"};
  const QStringList texts = {"Reg", "Save", "Spy", "", "", "Dev1", "Dev2"};
  ASSERT_EQ(main.tbToolBar->actions().size(), 7);
  for (int i = 1; i <= 7; ++i) {
    QAction* button = main.ToolbarButton(i);
    EXPECT_EQ(button->data().toString(), keys[i - 1]) << i;
    EXPECT_EQ(button->text(), texts[i - 1]) << i;
    EXPECT_EQ(button->isSeparator(), i == 4 || i == 5) << i;
  }
  const std::vector<QIcon> images = ToolbarImages();
  ASSERT_EQ(images.size(), 8u);
  for (const QIcon& image : images) {
    const QImage pixels = image.pixmap(16, 16).toImage();
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += qAlpha(pixels.pixel(x, y)) > 0;
    EXPECT_GT(drawn, 20) << "an image with nothing on it";
  }
}

namespace {

// Runs the program's event loop as main() does, with the last window's close
// not quitting by itself, for the action and every event it leads to; true when
// something ended the loop meanwhile. No time passes: once the events the action
// posted have run, a loop still running is one the action left running.
bool EventLoopEnds(const std::function<void()>& action) {
  const bool quitOnLast = QApplication::quitOnLastWindowClosed();
  QApplication::setQuitOnLastWindowClosed(false);
  bool stillRunning = false;
  QTimer start, settle, verdict;
  for (QTimer* step : {&start, &settle, &verdict}) step->setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, [&] {
    action();
    settle.start(0);
  });
  // The windows the action closed are deleted too; an end that brings comes before the verdict.
  QObject::connect(&settle, &QTimer::timeout, [&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    verdict.start(0);
  });
  QObject::connect(&verdict, &QTimer::timeout, [&] {
    stillRunning = true;
    QCoreApplication::exit(1);
  });
  start.start(0);
  QCoreApplication::exec();
  QApplication::setQuitOnLastWindowClosed(quitOnLast);
  return !stillRunning;
}

}  // namespace

TEST_F(MainWindowParts, ClosingThePickerByItsCloseBoxEndsTheProgram) {
  StartWithChips({0x48});
  MultiDeviceForm().Show();
  EXPECT_TRUE(EventLoopEnds([] { MultiDeviceForm().Window()->close(); }))
      << "the program kept running without any window";
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
}

TEST_F(MainWindowParts, ThePickerUnloadedByOkLeavesTheProgramRunning) {
  StartWithChips({0x48});
  MultiDeviceForm().Show();
  EXPECT_FALSE(EventLoopEnds([] { support::Find<QPushButton>(MultiDeviceForm(), "cmdOK")->click(); }));
  ASSERT_TRUE(gMainForm);
  EXPECT_TRUE(gMainForm->IsVisible());
  gMainForm->tmrMaster->stop();
}

TEST_F(MainWindowParts, ClosingTheMainWindowEndsTheProgram) {
  StartWithChips({0x48});
  MultiDeviceForm().Show();
  support::Find<QPushButton>(MultiDeviceForm(), "cmdOK")->click();
  gMainForm->tmrMaster->stop();
  EXPECT_TRUE(EventLoopEnds([] { gMainForm->Window()->close(); }));
  EXPECT_FALSE(gDiagramOpen[0]);
}
