#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "platform/forms/Form.h"
#include "platform/ui/Seams.h"
#include "support/Fixture.h"

namespace {

// A window that notes when it is unloaded and may do something while it unloads.
class NotingForm : public forms::Form {
 public:
  NotingForm(std::string name, std::vector<std::string>* unloads, forms::WindowKind kind = forms::WindowKind::TopLevel)
      : forms::Form(kind), name_(std::move(name)), unloads_(unloads) {}
  std::function<void()> onUnload;

 protected:
  void Form_Unload() override {
    unloads_->push_back(name_);
    if (onUnload) onUnload();
  }

 private:
  std::string name_;
  std::vector<std::string>* unloads_;
};

class MonitorStub : public BusMonitorSink {
 public:
  bool ShowReads() const override { return true; }
  bool ShowWrites() const override { return true; }
  void AddRecord(const BusRecord& record) override { lines << BusMonitorLine(record); }
  QStringList lines;
};

struct Asked {
  QString prompt;
  int style;
  QString title;
};

class TransferFailure : public support::Fixture, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    // The message box of a failure; while it is up, the master timer may still tick.
    ui::SetMsgBoxHandler([this](const QString& prompt, int style, const QString& title) {
      asked.push_back({prompt, style, title});
      if (duringMessage) duringMessage();
      return int(ui::vbOK);
    });
    SetBusMonitorSink(&monitor);
    gSpyOpen = true;
    // What the shell does once a fatal message has been read.
    ui::SetAboutToEnd(&forms::UnloadAllForms);
  }

  // Reads and writes in turn until one fails; returns how many completed.
  static int Traffic(int& completed) {
    for (int i = 1; i <= 8; ++i) {
      if (i % 2 == 1) {
        ReadRegister(0x48, 0x30 + i);
      } else {
        WriteRegister(0x48, 0x30 + i, i);
      }
      ++completed;
    }
    return completed;
  }

  std::vector<Asked> asked;
  std::function<void()> duringMessage;
  MonitorStub monitor;
  std::vector<std::string> unloads;
};

TEST_P(TransferFailure, EndsTheProgramWithTheMessageAndNothingAfter) {
  const int failing = GetParam();  // odd: a read fails, even: a write
  usb::EmulatedBoard& board = StartWithChips({0x48});
  NotingForm second("second", &unloads), first("first", &unloads), child("child", &unloads, forms::WindowKind::Child);
  first.Show();
  second.Load();
  child.Show();
  board.FailRequestNumber(failing);

  int completed = 0;
  EXPECT_THROW(Traffic(completed), support::ProgramEnded);

  EXPECT_EQ(completed, failing - 1);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].prompt, "Communications Interrupted - Check USB connections");
  EXPECT_EQ(asked[0].style, ui::vbOKOnly | ui::vbCritical);
  EXPECT_EQ(asked[0].title, "KRV7310 Evaluation Software");
  EXPECT_EQ(unloads, (std::vector<std::string>{"first", "second", "child"})) << "every window, in load order";
  EXPECT_FALSE(first.IsLoaded() || second.IsLoaded() || child.IsLoaded());
  EXPECT_TRUE(forms::LoadedForms().empty());
  EXPECT_EQ(board.Log().size(), static_cast<size_t>(failing)) << "no transfer after the failed one";
  EXPECT_EQ(monitor.lines.size(), failing - 1) << "no line for the failed transfer";
}

INSTANTIATE_TEST_SUITE_P(AtRequest, TransferFailure, ::testing::Values(1, 2, 3, 4, 7, 8));

TEST_F(TransferFailure, NoTransferWhileTheMessageIsUpNorWhileWindowsUnload) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.FailRequestNumber(2);
  std::vector<int> readsDuringEnd;
  duringMessage = [&] {
    readsDuringEnd.push_back(ReadRegister(0x48, 0x3D));
    WriteRegister(0x48, 0x30, 5);
  };
  NotingForm form("form", &unloads);
  form.onUnload = [&] {
    readsDuringEnd.push_back(ReadRegister(0x48, 0x3D));
    WriteRegister(0x48, 0x30, 6);
  };
  form.Load();

  ReadRegister(0x48, 0x3D);
  EXPECT_THROW(WriteRegister(0x48, 0x30, 1), support::ProgramEnded);
  EXPECT_EQ(board.Log().size(), 2u);
  EXPECT_EQ(readsDuringEnd, (std::vector<int>{0, 0}));
  EXPECT_EQ(asked.size(), 1u) << "a second failure would stack a second message";
  EXPECT_EQ(monitor.lines.size(), 1);
  EXPECT_EQ(board.Reg(0x48, 0x30), 0);
}

TEST_F(TransferFailure, AboutToEndRunsOnceBetweenTheMessageAndTheEnd) {
  StartWithChips({0x48});
  std::vector<std::string> order;
  duringMessage = [&] { order.push_back("message"); };
  ui::SetAboutToEnd([&] { order.push_back("about to end"); });
  ui::SetEndHandler([&] {
    order.push_back("end");
    throw support::ProgramEnded{};
  });
  usb::AttachBoard(nullptr);
  EXPECT_THROW(WriteRegister(0x48, 0x30, 1), support::ProgramEnded);
  EXPECT_EQ(order, (std::vector<std::string>{"message", "about to end", "end"}));
}

TEST_F(TransferFailure, BoardPulledOutMidRunIsTheSameFailure) {
  StartWithChips({0x48});
  usb::AttachBoard(nullptr);
  EXPECT_THROW(ReadRegister(0x48, 0x00), support::ProgramEnded);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].prompt, "Communications Interrupted - Check USB connections");
}

TEST_F(TransferFailure, MessagesOfTheStartUpCodes) {
  const std::vector<std::pair<int16_t, QString>> codes = {
      {0, "Firmware failed to download - Check USB connections"},
      {2, "Initial Connection Failed - Check USB connections"},
      {3, "Communications Interrupted - Check USB connections"},
  };
  for (const auto& [code, text] : codes) {
    ResetBoardLink();
    NotingForm form("form", &unloads);
    form.Load();
    EXPECT_THROW(ShowUsbErrorAndEnd(code), support::ProgramEnded);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().prompt, text);
    EXPECT_EQ(asked.back().style, ui::vbOKOnly | ui::vbCritical);
    EXPECT_EQ(asked.back().title, "KRV7310 Evaluation Software");
    EXPECT_FALSE(form.IsLoaded());
  }
  EXPECT_EQ(unloads.size(), codes.size());
}

}  // namespace
