// Opening every window of the program, from the start of the opening to the
// end of its first paint, with an emulated board carrying two chips: pages are
// set up from their chip as the menus open them. Cold: the first opening in
// the process; warm: later ones. And the heap that opening, painting and
// closing a window 1,000 times leaves behind.
// Run: build/bin/open_bench; for a cold figure one window alone, as
//   build/bin/open_bench --benchmark_filter=BM_ColdOpen/ReadingsAndLimits

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "BenchSession.h"
#include "platform/usb/EmulatedBoard.h"
#include "shell/Session.h"
#include "shell/FormStuff.h"
#include "shell/SingleWindows.h"
#include "shell/frmMain.h"
#include "shell/frmMultiDevice.h"
#include "shell/frmRegMap.h"
#include "shell/frmSave.h"
#include "shell/frmSplash.h"
#include "shell/frmSpy.h"

namespace {

struct WindowCase {
  std::string name;
  std::function<forms::Form&()> open;  // as the program opens it
};

forms::Form& Page(PageKind kind) {
  OpenDevicePage(kind, 0);
  return *Pages(kind).Existing(0);
}

std::vector<WindowCase> Windows() {
  return {
      // Its master timer stays stopped: it is started by the session, not by the window.
      {"MainWindow", [] () -> forms::Form& { gMainForm->Load(); gMainForm->Show(); return *gMainForm; }},
      {"Splash", [] () -> forms::Form& { SplashForm().Show(); return SplashForm(); }},
      {"DevicePicker", [] () -> forms::Form& { MultiDeviceForm().Show(); return MultiDeviceForm(); }},
      {"BlockDiagram", [] () -> forms::Form& { OpenBlockDiagram(0); return *Pages(PageKind::Diagram).Existing(0); }},
      {"RegisterMap", [] () -> forms::Form& { gMainForm->mnuRegMap_Click(); return RegMapForm(); }},
      {"BusMonitor", [] () -> forms::Form& { gMainForm->mnuSpy_Click(); return SpyForm(); }},
      {"SaveRecall", [] () -> forms::Form& { gMainForm->mnuSave_Click(); return SaveForm(); }},
      {"ShareBus", [] () -> forms::Form& { return Page(PageKind::Share); }},
      {"CurrentSense", [] () -> forms::Form& { return Page(PageKind::CurrentSense); }},
      {"VoltageSense", [] () -> forms::Form& { return Page(PageKind::VoltageSense); }},
      {"GeneralSettings", [] () -> forms::Form& { return Page(PageKind::General); }},
      {"OrFET", [] () -> forms::Form& { return Page(PageKind::OrFET); }},
      {"PWM", [] () -> forms::Form& { return Page(PageKind::PWM); }},
      {"FilterDesigner", [] () -> forms::Form& { return Page(PageKind::DigFilter); }},
      {"ReadingsAndLimits", [] () -> forms::Form& { return Page(PageKind::Limits); }},
  };
}

// Notes the widgets painted since the last Clear; a top-level window may be
// painted before its Show returns.
class PaintWatch : public QObject {
 public:
  void Clear() { painted_.clear(); }
  bool PaintedPartOf(const forms::Form& form) const {
    for (const QPointer<QWidget>& widget : painted_) {
      for (const QWidget* part : {form.Window(), form.Client()}) {
        if (widget && part && (widget == part || part->isAncestorOf(widget))) return true;
      }
    }
    return false;
  }
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::Paint && receiver->isWidgetType()) painted_.emplace_back(static_cast<QWidget*>(receiver));
    return false;
  }

 private:
  std::vector<QPointer<QWidget>> painted_;
};

// Opens a window as the program does and lets the event loop run until part
// of it has been painted; false when it never was.
bool OpenAndPaint(const WindowCase& window, PaintWatch& paint, forms::Form*& opened) {
  paint.Clear();
  QElapsedTimer clock;
  clock.start();
  opened = &window.open();
  while (!paint.PaintedPartOf(*opened) && clock.elapsed() < 5000) QCoreApplication::processEvents();
  return paint.PaintedPartOf(*opened);
}

void Close(forms::Form& form) {
  form.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Opening a window, from the start to the end of its first paint. Cold: the
// first opening of the window in the process, with the main window already up
// (what Qt and the window build once is paid here; meaningful for the first
// window of a run, so run one alone by its name). Warm: later ones.
void BM_Open(benchmark::State& state, const WindowCase& window, bool cold) {
  bench::TwoChipSession session;
  PaintWatch paint;
  qApp->installEventFilter(&paint);
  forms::Form* form = nullptr;
  if (!cold) {
    OpenAndPaint(window, paint, form);  // the first opening, not counted
    Close(*form);
  }
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    const bool painted = OpenAndPaint(window, paint, form);
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (!painted) state.SkipWithError("the window was never painted");
    Close(*form);
  }
  qApp->removeEventFilter(&paint);
}

// Small blocks from the arenas plus the large blocks malloc maps on its own.
size_t HeapInUse() {
  malloc_trim(0);
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Opening, painting and closing one window again and again must not leave
// memory behind: the heap after 1,000 cycles against the heap after the first ten.
void BM_OpenCloseCycles(benchmark::State& state, const WindowCase& window) {
  bench::TwoChipSession session;
  PaintWatch paint;
  qApp->installEventFilter(&paint);
  static const int kCycles = qEnvironmentVariableIntValue("CYCLES") > 0 ? qEnvironmentVariableIntValue("CYCLES") : 1000;
  bool painted = true;
  // The emulated board's log of every request is the bench's, not the program's: emptied each cycle.
  const auto cycle = [&] {
    forms::Form* form = nullptr;
    painted = OpenAndPaint(window, paint, form) && painted;
    Close(*form);
    session.Board().ClearLog();
  };
  for (auto _ : state) {
    for (int i = 0; i < 10; ++i) cycle();
    const size_t before = HeapInUse();
    for (int i = 0; i < kCycles; ++i) cycle();
    const double grown = static_cast<double>(HeapInUse()) - static_cast<double>(before);
    state.counters["grown_KB"] = grown / 1024;
    state.counters["bytes_per_cycle"] = grown / kCycles;
    if (!painted) state.SkipWithError("a window was never painted");
  }
  qApp->removeEventFilter(&paint);
}

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv, [] {
    static const std::vector<WindowCase> windows = Windows();
    for (const WindowCase& window : windows) {
      if (window.name == "MainWindow") continue;
      benchmark::RegisterBenchmark(("BM_ColdOpen/" + window.name).c_str(), BM_Open, window, true)
          ->UseManualTime()
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
    for (const WindowCase& window : windows) {
      benchmark::RegisterBenchmark(("BM_WarmOpen/" + window.name).c_str(), BM_Open, window, false)
          ->UseManualTime()
          ->Iterations(20)
          ->Repetitions(3)
          ->ReportAggregatesOnly(true)
          ->Unit(benchmark::kMillisecond);
    }
    // One cycle opens, paints and closes every window in turn.
    static PaintWatch everyPaint;
    static const WindowCase every{"EveryWindow", [] () -> forms::Form& {
                                    qApp->installEventFilter(&everyPaint);
                                    forms::Form* last = nullptr;
                                    for (const WindowCase& w : windows) {
                                      if (w.name == "MainWindow") continue;
                                      if (last) Close(*last);
                                      OpenAndPaint(w, everyPaint, last);
                                    }
                                    qApp->removeEventFilter(&everyPaint);
                                    return *last;
                                  }};
    benchmark::RegisterBenchmark("BM_OpenCloseCycles/EveryWindow", BM_OpenCloseCycles, every)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    for (const WindowCase& window : windows) {
      // The main window lives as long as the session; the others open and close.
      if (window.name == "MainWindow") continue;
      benchmark::RegisterBenchmark(("BM_OpenCloseCycles/" + window.name).c_str(), BM_OpenCloseCycles, window)
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
  });
}
