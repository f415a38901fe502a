// The readings window's 0.1 s refresh (PlotData, DisplayData, UpdateFlags and
// the repaint of the shown chart) with 600 and with 36,000 points of history
// per channel, showing the last minute (span 60) or, zoomed out, the whole hour
// (span 3600): all refreshes, and apart the medians of those that redraw the
// chart (it moves on by a few pixels at a time) and those that do not; the
// memory an hour of refreshes takes in the charts of both devices' windows (16
// channels each); and the share of a core the program takes left alone with
// both windows' charts shown.
// Run: build/bin/limits_bench; compare median_redrawn_ms of the three.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <qcustomplot.h>

#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

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

// The program's clocks, both run by the benchmark: a point every 0.1 s.
void RunClocks(double& now) {
  ui::SetTimerClock([&now] { return static_cast<float>(now); });
  ui::SetMonotonicClock([&now] { return now; }, [](double) {});
}

void BM_LimitsRefresh(benchmark::State& state) {
  const int history = static_cast<int>(state.range(0));
  bench::TwoChipSession session;
  double now = 36000;
  RunClocks(now);
  frmLimits& page = OpenLimits(1);
  page.SSTab1->setCurrentIndex(kGraphsTab);
  bench::TwoChipSession::Settle();
  page.stpGraph[0]->SetSpan(static_cast<double>(state.range(1)));
  int step = 0;
  for (; step < history; ++step) {
    now += 0.1;
    Vary(step);
    page.PlotData();
  }
  bench::TwoChipSession::Settle();
  bench::PaintCount plotPaints(page.stpGraph[0]->Plot());
  std::vector<double> redrawn, kept;
  for (auto _ : state) {
    now += 0.1;
    Vary(step++);
    const int paintsBefore = plotPaints.count;
    QElapsedTimer clock;
    clock.start();
    page.PlotData();
    page.DisplayData();
    page.UpdateFlags();
    bench::TwoChipSession::Settle();  // the chart takes the new points and, when it moves on, repaints
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    state.SetIterationTime(ms / 1000);
    (plotPaints.count != paintsBefore ? redrawn : kept).push_back(ms);
  }
  state.counters["history_points"] = static_cast<double>(page.stpGraph[0]->HistorySize(0));
  state.counters["median_redrawn_ms"] = bench::Median(redrawn);
  state.counters["median_not_redrawn_ms"] = bench::Median(kept);
  state.counters["redrawn_share"] =
      static_cast<double>(redrawn.size()) / static_cast<double>(redrawn.size() + kept.size());
  page.Unload();
  ui::ResetSeams();
}

BENCHMARK(BM_LimitsRefresh)
    ->ArgNames({"history", "span"})
    ->Args({600, 60})
    ->Args({36000, 60})
    ->UseManualTime()
    ->Iterations(300)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
// Zoomed out to the hour, the chart moves on a few pixels every twenty seconds
// or so: ten minutes of refreshes give some thirty redraws.
BENCHMARK(BM_LimitsRefresh)
    ->ArgNames({"history", "span"})
    ->Args({36000, 3600})
    ->UseManualTime()
    ->Iterations(6000)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_HourOfRefreshesMemory(benchmark::State& state) {
  for (auto _ : state) {
    bench::TwoChipSession session;
    double now = 36000;
    RunClocks(now);
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

// The program left alone with both readings windows on their Graphs tab: the
// master timer running on the real clocks, polling two chips and refreshing
// both windows. The share of one core its process uses over a minute
// (IDLE_SECONDS=<n> changes the length).
void BM_IdleWithChartsShown(benchmark::State& state) {
  static const int seconds =
      qEnvironmentVariableIntValue("IDLE_SECONDS") > 0 ? qEnvironmentVariableIntValue("IDLE_SECONDS") : 60;
  for (auto _ : state) {
    bench::TwoChipSession session;
    for (int device : {1, 2}) OpenLimits(device).SSTab1->setCurrentIndex(kGraphsTab);
    bench::TwoChipSession::Settle();
    gMainForm->tmrMaster->start();
    timespec cpuStart{}, cpuEnd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuStart);
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuEnd);
    const double cpu = static_cast<double>(cpuEnd.tv_sec - cpuStart.tv_sec) + (cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e9;
    state.counters["core_share_percent"] = 100 * cpu / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
    gMainForm->tmrMaster->stop();
  }
}

BENCHMARK(BM_IdleWithChartsShown)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
