#pragma once
// What every benchmark of the windows starts from: the application offscreen
// with the design font, the page types known to the shell, and a session with
// an emulated board carrying two chips and the main window open.

#include <QObject>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace usb {
class EmulatedBoard;
}

namespace bench {

// The main of every benchmark program: offscreen at the program's font
// resolution, the application, the command line, then the run (by default
// every benchmark the command line names).
int Main(int argc, char** argv, const std::function<void()>& run = {});

// The middle of some figures (0 for none).
double Median(std::vector<double> values);

// Counts the paints a widget gets.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QObject* watched) { watched->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override;
  int count = 0;
};

// Bytes the heap has handed out: small blocks from the arenas plus the large
// blocks malloc maps on its own.
size_t HeapInUse();

// A board with chips at 0x48 and 0x4A, both found and both holding the default
// loop-filter set (so the filter designer opens without a message), and the
// main window shown with its master timer stopped, so that the benchmark ticks
// it by hand.
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
