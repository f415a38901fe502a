// The start-up as the user lives it: splash, the board or its absence, the
// simulation question, the device picker and the first block diagram.

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "platform/ui/Seams.h"
#include "shell/SingleWindows.h"
#include "shell/StartUpMain.h"
#include "shell/frmDevice.h"
#include "shell/frmMultiDevice.h"
#include "shell/frmSplash.h"
#include "support/ChildProcess.h"
#include "support/ShellFixture.h"

namespace {

// What the splash showed while a question was on screen.
struct SplashView {
  bool visible = false;
  QString version, product, platform;
};

class StartUp : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    WatchMsgBoxes([this] {
      frmSplash& splash = SplashForm();
      views.push_back({splash.IsVisible(), splash.lblVersion ? splash.lblVersion->Caption() : QString(),
                       splash.lblProductName ? splash.lblProductName->Caption() : QString(),
                       splash.lblPlatform ? splash.lblPlatform->Caption() : QString()});
    });
  }
  QStringList PickerLines() {
    QStringList lines;
    frmMultiDevice& picker = MultiDeviceForm();
    if (!picker.IsVisible()) return lines;
    for (int i = 0; i < picker.lstDevices->count(); ++i) lines << picker.lstDevices->item(i)->text();
    return lines;
  }
  // The one message box was the question whether to go on in simulation mode.
  void ExpectOnlyTheSimulationQuestion(const char* prompt) {
    ASSERT_EQ(MsgBoxes().size(), 1u);
    EXPECT_EQ(MsgBoxes()[0].prompt, prompt);
    EXPECT_EQ(MsgBoxes()[0].style, ui::vbYesNo);
    EXPECT_EQ(MsgBoxes()[0].title, "KRV7310 Evaluation Software");
  }

  // What the splash showed at each message box.
  std::vector<SplashView> views;
};

}  // namespace

TEST_F(StartUp, WithoutBoardSimulationLeadsToTheLiveBlockDiagram) {
  AnswerMsgBox(ui::vbYes);
  Main();
  ASSERT_NO_FATAL_FAILURE(ExpectOnlyTheSimulationQuestion(
      "The KRV7310 evaluation board has not been found.\r\nContinue in simulation mode?"));
  EXPECT_TRUE(views[0].visible) << "the splash stays on screen during the question";
  EXPECT_EQ(views[0].version, "Version 2.0.5");
  EXPECT_EQ(views[0].product, "KRV7310 Evaluation Software");
  EXPECT_EQ(views[0].platform, "Windows XP/2000");

  EXPECT_FALSE(SplashForm().IsLoaded());
  EXPECT_EQ(PickerLines(), QStringList{"KRV7310 at address 0x48"});
  EXPECT_EQ(MultiDeviceForm().Caption(), "KRV7310 Devices Found");

  support::Find<QPushButton>(MultiDeviceForm(), "cmdOK")->click();
  ASSERT_TRUE(gMainForm && gMainForm->IsVisible());
  EXPECT_EQ(gMainForm->Caption(), "KRV7310 Evaluation Software (simulation mode)");
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());
  gMainForm->tmrMaster->stop();

  frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
  EXPECT_EQ(diagram.Caption(), "KRV7310 at SMBus Address = 0x48");
  EXPECT_TRUE(diagram.lblVS3->Caption().isEmpty());
  for (int tick = 0; tick <= 20; ++tick) {
    SetTimer(43200.0f + 0.05f * static_cast<float>(tick));
    gMainForm->tmrMaster_Timer();
  }
  EXPECT_EQ(diagram.lblVS3->Caption(), "12V");
  EXPECT_EQ(diagram.lblOutputCurrent->Caption(), "2A");
  EXPECT_EQ(diagram.lblShareVoltage->Caption(), "4V");
  EXPECT_FALSE(gMainForm->Action("mnuDevice2")->isEnabled());
}

TEST_F(StartUp, EnterPressesThePickersOKFromItsList) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    AnswerMsgBox(ui::vbYes);
    Main();
    frmMultiDevice& picker = MultiDeviceForm();
    QWidget* window = picker.lstDevices->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    picker.lstDevices->setFocus();
    QTest::keyClick(picker.lstDevices, key);
    ASSERT_TRUE(gMainForm && gMainForm->IsVisible());
    EXPECT_FALSE(picker.IsLoaded());
    gMainForm->tmrMaster->stop();
    gMainForm->Unload();
    gMainForm.reset();
  }
}

// Cancel ends the program from inside the key's handler, so the real end runs in a child process.
// Escape presses Cancel wherever the focus is; Enter presses the focused button, Cancel too.
TEST_F(StartUp, EscapeOrEnterOnCancelCancelsThePickerAndEndsTheProgram) {
  const struct {
    const char* focus;
    Qt::Key key;
  } cases[] = {{"lstDevices", Qt::Key_Escape}, {"cmdCancel", Qt::Key_Return}, {"cmdCancel", Qt::Key_Enter}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    const support::ChildResult child = support::RunUntilProgramEnds(
        [this, &c] {
          AnswerMsgBox(ui::vbYes);
          Main();
          QWidget* window = MultiDeviceForm().lstDevices->window();
          window->activateWindow();
          if (!QTest::qWaitForWindowActive(window)) return;
          QWidget* focus = support::Find<QWidget>(window, QLatin1String(c.focus));
          focus->setFocus();
          QTest::keyClick(focus, c.key);
        },
        [] { return std::string(MultiDeviceForm().IsLoaded() ? "picker loaded" : "picker unloaded"); });
    EXPECT_TRUE(child.exited);
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.report, "picker unloaded");
  }
}

TEST_F(StartUp, DecliningSimulationAfterAnEmptyScanEndsWithoutUsbMessage) {
  AttachBoard({});
  AnswerMsgBox(ui::vbNo);
  EXPECT_THROW(Main(), support::ProgramEnded);
  ASSERT_NO_FATAL_FAILURE(ExpectOnlyTheSimulationQuestion("No KRV7310 devices found - Continue in simulation mode?"));
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
  EXPECT_FALSE(gSimulationMode);
}

TEST_F(StartUp, AcceptingSimulationAfterAnEmptyScanOffersTheSimulatedChip) {
  AttachBoard({});
  AnswerMsgBox(ui::vbYes);
  Main();
  EXPECT_TRUE(gSimulationMode);
  EXPECT_EQ(PickerLines(), QStringList{"KRV7310 at address 0x48"});
}

TEST_F(StartUp, AFailedReadDuringTheScanEndsWithTheUsbMessage) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.FailRequestNumber(1 + 60);  // the handshake, then the read of address 59
  AnswerMsgBox(ui::vbOK);
  ui::SetAboutToEnd(nullptr);  // Main puts the shell's own in place
  EXPECT_THROW(Main(), support::ProgramEnded);
  ASSERT_EQ(MsgBoxes().size(), 1u);
  EXPECT_EQ(MsgBoxes()[0].prompt, "Communications Interrupted - Check USB connections");
  EXPECT_TRUE(MsgBoxes()[0].style & ui::vbCritical);
  ASSERT_EQ(board.Log().size(), 61u);
  EXPECT_EQ(board.Log().back().direction, 1) << "the failed request is a scan read";
  EXPECT_FALSE(MultiDeviceForm().IsLoaded());
  EXPECT_FALSE(SplashForm().IsLoaded()) << "every window is unloaded before the end";
}

TEST_F(StartUp, TwoChipsGiveAPickerOfTwoLinesAndBothDeviceMenus) {
  AttachBoard({0x4A, 0x48});
  Main();
  EXPECT_TRUE(MsgBoxes().empty());
  EXPECT_EQ(PickerLines(), (QStringList{"KRV7310 at address 0x48", "KRV7310 at address 0x4A"}));
  support::Find<QPushButton>(MultiDeviceForm(), "cmdOK")->click();
  gMainForm->tmrMaster->stop();
  EXPECT_EQ(gMainForm->Caption(), "KRV7310 Evaluation Software");
  EXPECT_TRUE(gMainForm->Action("mnuDevice2")->isEnabled());
  EXPECT_EQ(PageAt<frmDevice>(PageKind::Diagram, 0).Caption(), "KRV7310 at SMBus Address = 0x48");
}
