// The readings window's 0.1 s refresh (PlotData, DisplayData, UpdateFlags and
// the repaint of the shown chart) with 600 and with 36,000 points of history
// per channel, and the memory an hour of refreshes takes in the charts of both
// devices' windows (16 channels each).
// Run: build/bin/limits_bench; compare the medians of /600 and /36000.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAction>
#include <QTabWidget>
#include <cmath>

#include "BenchSession.h"
#include "model/DeviceInfo.h"
#include "platform/ui/Seams.h"
#include "settings/frmLimits.h"
#include "shell/Session.h"
#include "shell/frmMain.h"

namespace {

constexpr int kGraphsTab = 3;

// Readings that move, as the poll would bring them, so the lines are not flat.
void Vary(int step) {
  for (DeviceInfo& record : gDevices) {
    const float wave = static_cast<float>(std::sin(step * 0.05));
    record.InputVoltage = 120 + 5 * wave;
    record.InputCurrent = 0.25f + 0.02f * wave;
    record.InputPower = 30 + 2 * wave;
    record.VS1 = 12.1f + 0.1f * wave;
    record.VS2 = 12.05f - 0.1f * wave;
    record.VS3 = 12 + 0.2f * wave;
    record.OutputCurrent = 2 + 0.3f * wave;
    record.OutputPower = 24 + 3 * wave;
    record.Flags[static_cast<size_t>(step % kFaultFlagCount)] =
        !record.Flags[static_cast<size_t>(step % kFaultFlagCount)];
  }
}

frmLimits& OpenLimits(int device) {
  gMainForm->Action(QStringLiteral("mnuLimits%1").arg(device))->trigger();
  return PageAt<frmLimits>(PageKind::Limits, device - 1);
}

void BM_LimitsRefresh(benchmark::State& state) {
  const int history = static_cast<int>(state.range(0));
  bench::TwoChipSession session;
  double now = 36000;
  ui::SetTimerClock([&now] { return static_cast<float>(now); });
  frmLimits& page = OpenLimits(1);
  page.SSTab1->setCurrentIndex(kGraphsTab);
  int step = 0;
  for (; step < history; ++step) {
    now += 0.1;
    Vary(step);
    page.PlotData();
  }
  bench::TwoChipSession::Settle();
  for (auto _ : state) {
    now += 0.1;
    Vary(step++);
    page.PlotData();
    page.DisplayData();
    page.UpdateFlags();
    bench::TwoChipSession::Settle();  // the chart takes the new points and repaints
  }
  state.counters["history_points"] = static_cast<double>(page.stpGraph[0]->HistorySize(0));
  page.Unload();
  ui::ResetSeams();
}

BENCHMARK(BM_LimitsRefresh)
    ->Arg(600)
    ->Arg(36000)
    ->Iterations(300)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_HourOfRefreshesMemory(benchmark::State& state) {
  for (auto _ : state) {
    bench::TwoChipSession session;
    double now = 36000;
    ui::SetTimerClock([&now] { return static_cast<float>(now); });
    frmLimits& first = OpenLimits(1);
    frmLimits& second = OpenLimits(2);
    bench::TwoChipSession::Settle();
    malloc_trim(0);
    const size_t before = bench::HeapInUse();
    for (int i = 0; i < 36000; ++i) {
      now += 0.1;
      Vary(i);
      first.PlotData();
      second.PlotData();
    }
    bench::TwoChipSession::Settle();
    const size_t after = bench::HeapInUse();
    size_t history = 0;
    for (frmLimits* page : {&first, &second})
      for (const auto& strip : page->stpGraph) history += strip->HistoryBytes();
    state.counters["heap_growth_MB"] = (static_cast<double>(after) - static_cast<double>(before)) / 1e6;
    state.counters["history_MB"] = static_cast<double>(history) / 1e6;
    first.Unload();
    second.Unload();
    ui::ResetSeams();
  }
}

BENCHMARK(BM_HourOfRefreshesMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
