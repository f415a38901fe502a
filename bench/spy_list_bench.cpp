// The bus monitor at 10,000 and at 10,000,000 lines: 20 transfers through the
// board link, then the event-loop turn that brings them on screen (scroll range,
// following the newest line, repaint); the memory each line holds; and Clear at
// 1,000,000 lines. The 20 lines come spread over the monitor's update interval
// on the program's clock, so each iteration's turn is the one that shows them.
// Run: build/bin/spy_list_bench; compare /10000 with /10000000.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>

#include "BenchSession.h"
#include "link/BoardLink.h"
#include "shell/Session.h"
#include "shell/FormStuff.h"
#include "shell/SingleWindows.h"
#include "shell/frmMain.h"
#include "shell/SpyListBox.h"
#include "shell/frmSpy.h"
#include "platform/ui/Seams.h"

namespace {

double gNow = 1000;  // the program's clock, seconds

// One transfer of each kind, as the program's traffic mixes them.
void Transfer(int i) {
  if (i % 4 == 0) {
    int32_t data = i & 0xFF;
    WriteRegister(0x48, 0x21 + (i & 0x0F), data);
  } else {
    ReadRegister(0x48, i & 0x7F);
  }
}

frmSpy& OpenMonitor() {
  gMainForm->mnuSpy_Click();
  frmSpy& spy = SpyForm();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
  bench::TwoChipSession::Settle();
  return spy;
}

void CloseMonitor(frmSpy& spy) {
  spy.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  malloc_trim(0);
}

void Fill(int lines) {
  for (int i = 0; i < lines; ++i) Transfer(i);
}

// The update interval passes on the program's clock.
void LetIntervalPass() { gNow += SpyListBox::kUpdateInterval; }

// Twenty transfers over one update interval: the last finds the interval passed.
void TwentyOverAnInterval(int& next) {
  for (int k = 0; k < 20; ++k) {
    gNow += SpyListBox::kUpdateInterval / 20;
    Transfer(next++);
  }
}

// Argument: lines already in the list.
void BM_Append20AndShow(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  frmSpy& spy = OpenMonitor();
  malloc_trim(0);
  const size_t heapBefore = bench::HeapInUse();
  Fill(lines);
  LetIntervalPass();
  Transfer(lines);
  QCoreApplication::processEvents();
  const double heapPerLine = (static_cast<double>(bench::HeapInUse()) - static_cast<double>(heapBefore)) / lines;
  const double storePerLine = static_cast<double>(spy.lstSpy->Store().MemoryBytes()) / lines;

  int next = lines + 1;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    TwentyOverAnInterval(next);
    // The monitor's update, then the repaint it asked for.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  state.counters["heap_bytes_per_line"] = heapPerLine;
  state.counters["store_bytes_per_line"] = storePerLine;
  state.counters["following"] = spy.lstSpy->TopIndex() == spy.lstSpy->ListCount() - spy.lstSpy->RowsInView();
  CloseMonitor(spy);
}

BENCHMARK(BM_Append20AndShow)
    ->Arg(10000)
    ->Arg(10000000)
    ->UseManualTime()
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Clear pressed with 1,000,000 lines in the list, with the repaint it causes.
void BM_ClearAtOneMillion(benchmark::State& state) {
  frmSpy& spy = OpenMonitor();
  for (auto _ : state) {
    Fill(1000000);
    LetIntervalPass();
    Transfer(0);
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    spy.cmdClear->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  CloseMonitor(spy);
}

BENCHMARK(BM_ClearAtOneMillion)->UseManualTime()->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench::Main(argc, argv, [] {
    bench::TwoChipSession session;
    // Transfers go to the simulated image, which keeps no log of its own.
    gSimulationMode = true;
    ui::SetMonotonicClock([] { return gNow; }, [](double seconds) { gNow += seconds; });
    benchmark::RunSpecifiedBenchmarks();
  });
}
