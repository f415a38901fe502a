#pragma once
// What every benchmark of the windows starts from: the application offscreen
// with the design font, the page types known to the shell, and a session with
// an emulated board carrying two chips and the main window open.

#include <memory>

namespace usb {
class EmulatedBoard;
}

namespace bench {

// Before benchmark::Initialize: the platform, the font resolution and the page types.
void PrepareProcess();

// A board with chips at 0x48 and 0x4A, both found, and the main window shown with
// its master timer stopped, so that the benchmark ticks it by hand.
class TwoChipSession {
 public:
  TwoChipSession();
  ~TwoChipSession();
  usb::EmulatedBoard& Board() { return *board_; }
  // Lets the event loop run until nothing is pending: posted events and repaints.
  static void Settle();

 private:
  std::shared_ptr<usb::EmulatedBoard> board_;
};

}  // namespace bench
