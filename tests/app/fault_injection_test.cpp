// One whole session with two chips: start-up, the block diagrams polling, every
// settings page's Apply, save and recall, and the register map. Run once to
// count its register transfers, then once for each of them with that transfer
// failing. Every such run must end the program with one message, and make no
// transfer after the failed one. Each run happens in a child process, because
// the real end of the program is the only sound one inside a control's handler.

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <sstream>

#include "link/BoardLink.h"
#include "platform/ui/Seams.h"
#include "settings/SettingsPages.h"
#include "shell/SingleWindows.h"
#include "shell/StartUpMain.h"
#include "shell/frmMultiDevice.h"
#include "shell/frmRegMap.h"
#include "shell/frmSave.h"
#include "support/ChildProcess.h"
#include "support/ShellFixture.h"

namespace {

const char* const kSettingsMenus[] = {"mnuGeneral", "mnuCurrentSense", "mnuVoltageSense", "mnuShare", "mnuOrFET"};

class FaultInjection : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RegisterSettingsPages();
    ASSERT_TRUE(folder_.isValid());
    // Every message box is answered with OK and counted; the session itself asks
    // nothing. A real box runs the event loop while it waits, so the master timer
    // goes on ticking behind it.
    ui::SetMsgBoxHandler([this](const QString& prompt, int, const QString&) {
      prompts_.push_back(prompt.toStdString());
      QCoreApplication::processEvents();
      if (gMainForm && gMainForm->IsLoaded()) Tick(10);
      return int(ui::vbOK);
    });
    ui::SetFileDialogHandler([this](const ui::FileDialogRequest&) { return folder_.filePath("session.sav"); });
  }

  void Click(const forms::Form& form, const char* name) {
    if (QPushButton* button = support::Find<QPushButton>(form, QString::fromLatin1(name))) button->click();
  }
  void Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      clock_ += 0.05f;
      SetTimer(clock_);
      gMainForm->tmrMaster_Timer();
    }
  }

  // The session a user might have in ten minutes, driven through menus and buttons.
  void RunSession() {
    Main();
    Click(MultiDeviceForm(), "cmdOK");
    gMainForm->tmrMaster->stop();
    gMainForm->Action("mnuBlockDiagram2")->trigger();
    Tick(20);
    for (const char* device : {"1", "2"}) {
      for (const char* menu : kSettingsMenus) {
        gMainForm->Action(QString::fromLatin1(menu) + QString::fromLatin1(device))->trigger();
        const int index = device[0] - '1';
        for (int kind = 0; kind < kPageKindCount; ++kind) {
          DevicePage* page = Pages(static_cast<PageKind>(kind)).Existing(index);
          if (page && page->IsVisible() && page->Window()->findChild<QPushButton*>(QStringLiteral("cmdApply"))) {
            Click(*page, "cmdApply");
            Click(*page, "cmdOK");
          }
        }
      }
    }
    Tick(10);
    gMainForm->Action("mnuSave")->trigger();
    Click(SaveForm(), "cmdsave");
    SaveForm().cmbDevAddr->SetText(SaveForm().cmbDevAddr->List(1));
    Click(SaveForm(), "cmdRecall");
    Click(SaveForm(), "cmdClose");
    gMainForm->Action("mnuRegMap")->trigger();
    frmRegMap& map = RegMapForm();
    map.txtAddrPtr->SetText("2Bh");
    map.txtWrite->SetText("35");
    Click(map, "cmdWrite");
    Click(map, "cmdRead");
    Tick(10);
  }

  usb::EmulatedBoard& Board2() {
    usb::EmulatedBoard& board = AttachBoard({0x48, 0x4A});
    for (int reg = 0; reg < 0x69; ++reg) {
      board.SetReg(0x48, reg, static_cast<uint8_t>(reg * 3));
      board.SetReg(0x4A, reg, static_cast<uint8_t>(reg * 5 + 1));
    }
    board.SetReg(0x48, 0x3D, 0x41);
    board.SetReg(0x4A, 0x3D, 0x41);
    return board;
  }

  QTemporaryDir folder_;
  std::vector<std::string> prompts_;
  float clock_ = 36000;
};

TEST_F(FaultInjection, EveryFailedTransferEndsTheProgramWithOneMessageAndNothingAfter) {
  usb::EmulatedBoard& board = Board2();
  // Before each register transfer the session forks: the child fails that very
  // transfer and must end, the parent goes on with the transfer done.
  // Request 1 is the handshake, which start-up tries again.
  bool inChild = false;
  int failing = 0;
  std::vector<std::string> faults;
  board.SetBeforeRequest([&](int number) {
    if (inChild || number < 2) return;
    support::ChildResult child;
    const auto report = [this, &board] {
      std::ostringstream out;
      out << "messages " << prompts_.size();
      for (const auto& p : prompts_) out << " [" << p << "]";
      out << " requests " << board.RequestCount();
      return out.str();
    };
    if (support::ForkUntilProgramEnds(report, child)) {
      inChild = true;
      failing = number;
      board.FailRequestNumber(number);
      return;
    }
    std::ostringstream expected;
    expected << "messages 1 [Communications Interrupted - Check USB connections] requests " << number;
    if (!child.exited || child.exitCode != 0 || child.report != expected.str()) {
      std::ostringstream fault;
      fault << "fault at request " << number << ": exit " << child.exitCode << " signal " << child.signal << ", "
            << child.report;
      faults.push_back(fault.str());
    }
  });
  RunSession();
  if (inChild) {
    std::fprintf(stderr, "the session went on after the failure of request %d\n", failing);
    std::_Exit(support::kChildDidNotEnd);
  }
  board.SetBeforeRequest(nullptr);
  EXPECT_TRUE(prompts_.empty()) << "the session itself asks nothing: " << prompts_.front();
  EXPECT_GT(board.RequestCount(), 600) << "the session lost its way";
  std::printf("%d register transfers, each failed once\n", board.RequestCount() - 1);
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first: " << faults.front();
}

}  // namespace
