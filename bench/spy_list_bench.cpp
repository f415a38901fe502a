// The bus monitor's list at 10,000 and 1,000,000 lines: the cost of appending
// 20 lines through the board link and repainting, and the memory each line holds.
// Run: build/bin/spy_list_bench (offscreen unless QT_QPA_PLATFORM says otherwise);
// compare the medians of /10000/x and /1000000/x.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QScrollBar>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "shell/SingleWindows.h"
#include "shell/frmSpy.h"

namespace {

// Small blocks from the arenas plus the large blocks malloc maps on its own.
size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4096;
}

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
  frmSpy& spy = SpyForm();
  spy.Show();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
  QCoreApplication::processEvents();
  return spy;
}

void CloseMonitor(frmSpy& spy) {
  spy.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  malloc_trim(0);
}

// Arguments: lines already in the list; 1 to keep the newest line in view.
void BM_Append20AndRepaint(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const bool followEnd = state.range(1) != 0;
  frmSpy& spy = OpenMonitor();
  SpyListBox* list = spy.lstSpy;

  malloc_trim(0);
  const size_t heapBefore = HeapInUse();
  const long residentBefore = ResidentBytes();
  for (int i = 0; i < lines; ++i) Transfer(i);
  QCoreApplication::processEvents();
  if (followEnd) list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
  list->viewport()->repaint();
  const double heapPerLine = (static_cast<double>(HeapInUse()) - static_cast<double>(heapBefore)) / lines;
  const double residentPerLine = static_cast<double>(ResidentBytes() - residentBefore) / lines;

  int next = lines;
  for (auto _ : state) {
    for (int k = 0; k < 20; ++k) Transfer(next++);
    QCoreApplication::processEvents();
    if (followEnd) list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    list->viewport()->repaint();
  }
  state.counters["heap_bytes_per_line"] = heapPerLine;
  state.counters["rss_bytes_per_line"] = residentPerLine;
  state.counters["lines_at_end"] = list->ListCount();
  CloseMonitor(spy);
}

BENCHMARK(BM_Append20AndRepaint)
    ->ArgsProduct({{10000, 1000000}, {0, 1}})
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  gSimulationMode = true;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ResetSingleWindows();
  return 0;
}
