#pragma once
// The fixture every test of the program starts from: globals at their start
// values, message boxes and dialogs scripted, the end of the program turned
// into an exception, virtual clocks, and an emulated board or simulation mode
// with the log of every vendor request.

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/usb/EmulatedBoard.h"
#include "platform/usb/USBFunctions.h"

namespace support {

// Thrown where the program would end.
struct ProgramEnded {};

struct AskedMsgBox {
  QString prompt;
  int style = 0;
  QString title;
};

// Turns the board log into lines a test can compare:
// "read 0x48 0x30" and "write 0x48 0x30 = 0x9B" (handshakes: "handshake").
std::vector<std::string> Transfers(const std::vector<usb::VendorRequest>& log, bool withDevice = true);

// The fields of one vendor request a test states: request, value, index, direction, length.
using RequestFields = std::tuple<int, int, int, int, int>;
inline RequestFields Fields(const usb::VendorRequest& r) {
  return {r.request, r.value, r.index, r.direction, r.length};
}

// Sets registers of the chip at this address: {register, value} pairs, in order.
inline void SetRegs(usb::EmulatedBoard& board, int chip, std::initializer_list<std::pair<int, int>> values) {
  for (const auto& [reg, value] : values) board.SetReg(chip, reg, static_cast<uint8_t>(value));
}

class Fixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Plugs in a board with chips at these addresses, firmware running.
  usb::EmulatedBoard& AttachBoard(const std::vector<int>& chipAddresses);
  // Plugs in a board with these chips and sets the device count, addresses and
  // records as discovery would have found them (at most two).
  usb::EmulatedBoard& StartWithChips(const std::vector<int>& chipAddresses);
  // Simulation mode with its one chip at 0x48, as after the user accepted it.
  void StartInSimulation();
  usb::EmulatedBoard& Board() { return *board_; }

  // The transfers since the last ClearBus, as Transfers() writes them.
  std::vector<std::string> Bus(bool withDevice = false) const;
  void ClearBus();

  // Answers for the next message boxes, in order; an unscripted box fails the test.
  void AnswerMsgBox(int answer) { answers_.push_back(answer); }
  const std::vector<AskedMsgBox>& MsgBoxes() const { return asked_; }
  // Runs at every message box before it is answered, to note what the screen shows meanwhile.
  void WatchMsgBoxes(std::function<void()> watch) { watch_ = std::move(watch); }

  // Seconds since midnight as the master timer reads them.
  void SetTimer(float seconds) { timer_ = seconds; }
  // Seconds passed on the monotonic clock (busy waits advance it at once).
  double Elapsed() const { return monotonic_; }

  // Runs the deferred deletions of unloaded windows.
  static void FlushDeletes();

 private:
  std::shared_ptr<usb::EmulatedBoard> board_;
  std::deque<int> answers_;
  std::vector<AskedMsgBox> asked_;
  std::function<void()> watch_;
  float timer_ = 36000;
  double monotonic_ = 0;
};

}  // namespace support
