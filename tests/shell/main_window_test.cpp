// The main window: session set-up, menus for one or two devices, the master timer.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "model/DeviceInfo.h"
#include "model/RegisterTable.h"
#include "model/Telemetry.h"
#include "shell/SingleWindows.h"
#include "shell/frmMultiDevice.h"
#include "child_window_keys.h"
#include "support/ShellFixture.h"

#include <QListWidget>

using MainWindow = support::ShellFixture;

namespace {

// A live page type that counts its refreshes.
class CountingPage : public DevicePage {
 public:
  static inline int displays = 0;
  static inline int plots = 0;
  void SetupFormAfterLoad() override {}
  void DisplayValues() override { ++displays; }
  void PlotData() override { ++plots; }
};

}  // namespace

TEST_F(MainWindow, SessionSetUpFillsTableScalesFilterValuesAndStartsTimer) {
  StartWithChips({0x48, 0x4A});
  gMainForm = std::make_unique<frmMain>();
  gMainForm->Load();
  EXPECT_FALSE(gMainForm->tmrMaster->isActive());
  EXPECT_EQ(gMainForm->tmrMaster->interval(), 50);
  InitSession();
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());
  EXPECT_EQ(gRegTable[0x68].Name, "Password Lock");
  EXPECT_FLOAT_EQ(gScaleInputVoltage, 670);
  // The output filter of both chips: L, C, ESR and load.
  for (const DeviceInfo& d : gDevices) {
    EXPECT_EQ(std::tuple(d.L, d.C, d.ESR, d.Rload), std::tuple(10.f, 5000.f, 12.f, .5f));
  }
}

TEST_F(MainWindow, CaptionNamesSimulationMode) {
  StartInSimulation();
  EXPECT_EQ(OpenMainWindow().Caption(), "KRV7310 Evaluation Software (simulation mode)");
}

TEST_F(MainWindow, OneDeviceDisablesDevice2MenuAndButton7) {
  StartWithChips({0x48});
  frmMain& main = OpenMainWindow();
  EXPECT_EQ(main.Caption(), "KRV7310 Evaluation Software");
  EXPECT_FALSE(main.Action("mnuDevice2")->isEnabled());
  EXPECT_TRUE(main.Action("mnuDevice1")->isEnabled());
  EXPECT_EQ(main.ToolbarButton(7)->data().toString(), "Device2");
  EXPECT_FALSE(main.ToolbarButton(7)->isEnabled());
  EXPECT_TRUE(main.ToolbarButton(6)->isEnabled());
  EXPECT_TRUE(main.ToolbarButton(4)->isSeparator());
}

TEST_F(MainWindow, TwoDevicesKeepEverythingEnabled) {
  StartWithChips({0x48, 0x4A});
  frmMain& main = OpenMainWindow();
  EXPECT_TRUE(main.Action("mnuDevice2")->isEnabled());
  EXPECT_TRUE(main.ToolbarButton(7)->isEnabled());
}

TEST_F(MainWindow, MenusCarryTheirCaptions) {
  StartWithChips({0x48, 0x4A});
  frmMain& main = OpenMainWindow();
  EXPECT_EQ(main.Action("mnuFile")->text(), "&File");
  EXPECT_EQ(main.Action("mnuDevice1")->text(), "Device&1");
  EXPECT_EQ(main.Action("mnuDevice2")->text(), "Device&2");
  EXPECT_EQ(main.Action("mnuCommon")->text(), "&Common");
  EXPECT_EQ(main.Action("mnuWindow")->text(), "&Window");
  EXPECT_EQ(main.Action("mnuSave")->text(), "Save/Recall Registers");
  EXPECT_FALSE(main.Action("mnuLog")->isEnabled());
  EXPECT_EQ(main.Action("mnuVoltageSense2")->text(), "Voltage Sense Settings");
  EXPECT_EQ(main.Action("mnuSpy")->text(), "Monitor Communications");
  EXPECT_EQ(main.Action("mnuRegMap")->text(), "Register Map");
}

TEST_F(MainWindow, PickerListsTheDevicesAndOkOpensDevice1Diagram) {
  StartWithChips({0x48, 0x4A});
  frmMultiDevice& picker = MultiDeviceForm();
  picker.Show();
  EXPECT_EQ(picker.Caption(), "KRV7310 Devices Found");
  ASSERT_EQ(picker.lstDevices->count(), 2);
  EXPECT_EQ(picker.lstDevices->item(0)->text(), "KRV7310 at address 0x48");
  EXPECT_EQ(picker.lstDevices->item(1)->text(), "KRV7310 at address 0x4A");
  support::Find<QPushButton>(picker, "cmdOK")->click();
  ASSERT_TRUE(gMainForm);
  EXPECT_TRUE(gMainForm->IsVisible());
  EXPECT_FALSE(picker.IsLoaded());
  DevicePage* diagram = Pages(PageKind::Diagram).Existing(0);
  ASSERT_NE(diagram, nullptr);
  EXPECT_EQ(diagram->Caption(), "KRV7310 at SMBus Address = 0x48");
  EXPECT_TRUE(gDiagramOpen[0]);
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());
  EXPECT_EQ(gMainForm->WindowListTitles(), QStringList{"KRV7310 at SMBus Address = 0x48"});
}

TEST_F(MainWindow, PickerWithOneDeviceListsOneLine) {
  StartWithChips({0x0B});
  frmMultiDevice& picker = MultiDeviceForm();
  picker.Show();
  ASSERT_EQ(picker.lstDevices->count(), 1);
  EXPECT_EQ(picker.lstDevices->item(0)->text(), "KRV7310 at address 0xB");
}

TEST_F(MainWindow, PickerCancelEndsTheProgram) {
  StartWithChips({0x48});
  MultiDeviceForm().Show();
  EXPECT_THROW(MultiDeviceForm().cmdCancel_Click(), support::ProgramEnded);
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
}

TEST_F(MainWindow, ClosingMainWindowUnloadsChildrenAndPicker) {
  StartWithChips({0x48});
  MultiDeviceForm().Show();
  frmMain& main = OpenMainWindow();
  OpenBlockDiagram(0);
  EXPECT_TRUE(gDiagramOpen[0]);
  main.Window()->close();
  EXPECT_FALSE(main.IsLoaded());
  EXPECT_FALSE(gDiagramOpen[0]);
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
}

TEST_F(MainWindow, ExitEndsAtOnce) {
  StartWithChips({0x48});
  frmMain& main = OpenMainWindow();
  EXPECT_EQ(main.Action("mnuExit")->text(), "Exit");
  // The handler itself: the end must not unwind through Qt's signal code.
  EXPECT_THROW(main.mnuExit_Click(), support::ProgramEnded);
  EXPECT_TRUE(main.IsLoaded()) << "nothing is unloaded first";
}

TEST_F(MainWindow, TimerPollsOnlyWhileADiagramOrLimitsWindowIsOpen) {
  StartWithChips({0x48});
  frmMain& main = OpenMainWindow();
  using Lines = std::vector<std::string>;
  // One tick: its transfers, and the poll phase after it.
  const auto tick = [&] {
    ClearBus();
    main.tmrMaster_Timer();
    return std::pair<Lines, int>(Bus(), PollPhase());
  };
  EXPECT_EQ(tick(), std::pair(Lines{}, 0));
  gLimitsOpen[1] = true;
  EXPECT_EQ(tick(), std::pair(Lines{"read 0x11", "read 0x11", "read 0x12", "read 0x12"}, 1));
  gPollingDisabled = true;
  EXPECT_EQ(tick(), std::pair(Lines{}, 1));
}

TEST_F(MainWindow, VoltageSenseAloneRefreshesWithoutPolling) {
  StartWithChips({0x48});
  CountingPage::displays = 0;
  RegisterPage(PageKind::VoltageSense, [] { return std::make_unique<CountingPage>(); });
  frmMain& main = OpenMainWindow();
  OpenDevicePage(PageKind::VoltageSense, 0);
  gVoltageSenseOpen[0] = true;
  ClearBus();
  SetTimer(100);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::displays, 1);
  EXPECT_TRUE(Bus().empty());
  RegisterPage(PageKind::VoltageSense, nullptr);
}

TEST_F(MainWindow, EachRefreshRunsAtItsPeriodAndAgainAfterMidnight) {
  StartWithChips({0x48});
  CountingPage::displays = 0;
  CountingPage::plots = 0;
  RegisterPage(PageKind::VoltageSense, [] { return std::make_unique<CountingPage>(); });
  RegisterPage(PageKind::Limits, [] { return std::make_unique<CountingPage>(); });
  frmMain& main = OpenMainWindow();
  OpenDevicePage(PageKind::VoltageSense, 0);
  OpenDevicePage(PageKind::Limits, 0);
  gVoltageSenseOpen[0] = true;
  gLimitsOpen[0] = true;

  // Every last-refresh time starts at 0, so the first check runs each refresh.
  SetTimer(1000.0f);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::displays, 1);
  EXPECT_EQ(CountingPage::plots, 1);
  // 0.1 s later the limits refresh (0.1 s) is not yet due: strictly greater is needed.
  SetTimer(1000.0f + 0.0625f);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::plots, 1);
  SetTimer(1000.125f);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::plots, 2);
  EXPECT_EQ(CountingPage::displays, 1);
  SetTimer(1000.5625f);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::displays, 2);
  EXPECT_EQ(CountingPage::plots, 3);
  // Past midnight the clock is below every last time: both run at once.
  SetTimer(0.01f);
  main.tmrMaster_Timer();
  EXPECT_EQ(CountingPage::displays, 3);
  EXPECT_EQ(CountingPage::plots, 4);
  RegisterPage(PageKind::VoltageSense, nullptr);
  RegisterPage(PageKind::Limits, nullptr);
}

TEST_F(MainWindow, ToolbarOpensDiagramsOfEachDevice) {
  StartWithChips({0x48, 0x4A});
  frmMain& main = OpenMainWindow();
  main.ToolbarButton(7)->trigger();
  DevicePage* diagram = Pages(PageKind::Diagram).Existing(1);
  ASSERT_NE(diagram, nullptr);
  EXPECT_EQ(diagram->Caption(), "KRV7310 at SMBus Address = 0x4A");
  EXPECT_TRUE(gDiagramOpen[1]);
  EXPECT_FALSE(gDiagramOpen[0]);
}

TEST_F(MainWindow, ChildWindowKeysStepThroughTheWindowMenuAndCtrlF4Closes) {
  StartInSimulation();
  OpenMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(gMainForm->Window()));
  support::ExpectChildWindowKeys([](const support::Keys& k) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : gMainForm->Window(), k.key, k.modifiers);
  });
}
