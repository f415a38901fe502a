// One whole session with two chips: start-up, the block diagrams polling, every
// settings page's Apply, save and recall, and the register map. Run once to
// count its register transfers, then once for each of them with that transfer
// failing. Every such run must end the program with one message, and make no
// transfer after the failed one. Each run happens in a child process, because
// the real end of the program is the only sound one inside a control's handler.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <sstream>
#include <thread>

#include "design/DesignPages.h"
#include "design/FilterCodec.h"
#include "link/BoardLink.h"
#include "platform/forms/Form.h"
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

// Every per-device page: the menu item that opens it, the button that sends its
// settings to the chip and the one that closes it.
struct PageVisit {
  const char* menu;
  const char* send;
  const char* close;
};
const PageVisit kPages[] = {
    {"mnuGeneral", "cmdApply", "cmdOK"},        {"mnuCurrentSense", "cmdApply", "cmdOK"},
    {"mnuVoltageSense", "cmdApply", "cmdOK"},   {"mnuShare", "cmdApply", "cmdOK"},
    {"mnuOrFET", "cmdApply", "cmdOK"},          {"mnuPWM", "cmdProgram", "cmdCancel"},
    {"mnuDigFilter", "cmdApply", "cmdCancel"},  {"mnuLimits", "cmdApply", "cmdClose"},
};

class FaultInjection : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RegisterSettingsPages();
    RegisterDesignPages();
    ASSERT_TRUE(folder_.isValid());
    // Every message box is answered with OK and counted; the session itself asks
    // nothing. A real box runs the event loop while it waits, so the master timer
    // goes on ticking behind it.
    ui::SetMsgBoxHandler([this](const QString& prompt, int, const QString&) {
      prompts_.push_back(prompt.toStdString());
      QCoreApplication::processEvents();
      if (gMainForm && gMainForm->IsLoaded()) Tick(2);
      return int(ui::vbOK);
    });
    ui::SetFileDialogHandler([this](const ui::FileDialogRequest&) { return folder_.filePath("session.sav"); });
  }

  void Click(const forms::Form& form, const char* name) {
    if (QPushButton* button = support::Find<QPushButton>(form, QString::fromLatin1(name))) button->click();
  }
  // The master timer's ticks. Windows closed since the last tick are deleted, as
  // the program's event loop would have done, so that no child inherits them.
  // Nothing is painted here: painting starts the raster engine's worker threads,
  // which a forked child would lack and then wait for.
  void Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
      for (const PageVisit& visit : kPages) {
        gMainForm->Action(QString::fromLatin1(visit.menu) + QString::fromLatin1(device))->trigger();
        auto* window = static_cast<QMdiSubWindow*>(gMainForm->mdiArea->activeSubWindow());
        const forms::Form* page = nullptr;
        for (forms::Form* form : forms::LoadedForms()) {
          if (form->Window() == window) page = form;
        }
        if (!page) {
          ADD_FAILURE() << visit.menu << device << " opened no window";
          continue;
        }
        Tick(2);
        Click(*page, visit.send);
        Click(*page, visit.close);
        Tick(1);
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
    for (int chip : {0x48, 0x4A}) {
      board.SetReg(chip, 0x3D, 0x41);
      // Edges inside every period and drawable filter sets, so the session itself asks nothing.
      for (int reg = 0x41; reg <= 0x5C; ++reg) board.SetReg(chip, reg, 0x10);
      for (int mode : {filter::kCCM, filter::kDCM}) {
        for (const filter::RegisterWrite& w : filter::DefaultFilterWrites(mode)) {
          board.SetReg(chip, w.reg, static_cast<uint8_t>(w.value));
        }
      }
    }
    return board;
  }

  QTemporaryDir folder_;
  std::vector<std::string> prompts_;
  float clock_ = 36000;
};

TEST_F(FaultInjection, EveryFailedTransferEndsTheProgramWithOneMessageAndNothingAfter) {
  usb::EmulatedBoard& board = Board2();
  // Before each register transfer the session forks: the child fails that very
  // transfer and must end, the parent goes on with the transfer done. The
  // children run side by side. Request 1 is the handshake, which start-up tries again.
  support::ChildPool children(static_cast<int>(std::max(2u, std::thread::hardware_concurrency())));
  bool inChild = false;
  int failing = 0;
  board.SetBeforeRequest([&](int number) {
    if (inChild || number < 2) return;
    const auto report = [this, &board] {
      std::ostringstream out;
      out << "messages " << prompts_.size();
      for (const auto& p : prompts_) out << " [" << p << "]";
      out << " requests " << board.RequestCount();
      return out.str();
    };
    if (children.Fork(number, report)) {
      inChild = true;
      failing = number;
      board.FailRequestNumber(number);
    }
  });
  RunSession();
  if (inChild) {
    std::fprintf(stderr, "the session went on after the failure of request %d\n", failing);
    std::_Exit(support::kChildDidNotEnd);
  }
  board.SetBeforeRequest(nullptr);
  EXPECT_TRUE(prompts_.empty()) << "the session itself asks nothing: " << prompts_.front();
  EXPECT_GT(board.RequestCount(), 1000) << "the session lost its way";

  std::vector<std::string> faults;
  const auto& results = children.Finish();
  for (const auto& [number, child] : results) {
    std::ostringstream expected;
    expected << "messages 1 [Communications Interrupted - Check USB connections] requests " << number;
    if (!child.exited || child.exitCode != 0 || child.report != expected.str()) {
      std::ostringstream fault;
      fault << "fault at request " << number << ": exit " << child.exitCode << " signal " << child.signal << ", "
            << child.report;
      faults.push_back(fault.str());
    }
  }
  EXPECT_EQ(static_cast<int>(results.size()), board.RequestCount() - 1) << "one child for every register transfer";
  std::printf("%d register transfers, each failed once\n", static_cast<int>(results.size()));
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first: " << faults.front();
}

}  // namespace
