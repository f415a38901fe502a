// One tick of the master timer with every window of both chips open: the block
// diagrams, the voltage-sense pages, the PWM editors, the filter designers, the
// readings windows on their Graphs tab (charts shown), the register map reading
// continuously and the bus monitor showing reads and writes. The readings
// change every tick.
// Each tick is timed from the handler to the end of the repaints it caused.
//
// /program_clock: ticks back to back, while the program's clocks (seconds since
//   midnight for the refresh periods, the monotonic clock for the monitor's
//   coalesced update) advance 50 ms per tick, so that every refresh and monitor
//   update falls on the tick it would fall on in the program.
// /real_pace: ticks 50 ms apart in real time, the process asleep in between, as
//   the program runs; a shared or idle machine makes these slower.
// Counters per tick, in ms: the median and 90th percentile of all ticks, and the
// medians of the ticks with and without an update of the monitor's view.
// Run: build/bin/tick_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <thread>
#include <vector>

#include "BenchSession.h"
#include "model/DeviceInfo.h"
#include "platform/ui/Seams.h"
#include "platform/usb/EmulatedBoard.h"
#include "settings/frmLimits.h"
#include "shell/Session.h"
#include "shell/FormStuff.h"
#include "shell/SingleWindows.h"
#include "shell/frmMain.h"
#include "shell/frmRegMap.h"
#include "shell/frmSpy.h"

namespace {

constexpr double kTick = 0.05;  // seconds

// Reading registers the poll and the pages read, each given a new value.
void ChangeTelemetry(usb::EmulatedBoard& board, int tick) {
  for (int chip : {0x48, 0x4A}) {
    for (int reg = 0x11; reg <= 0x20; ++reg) board.SetReg(chip, reg, static_cast<uint8_t>((tick * 7 + reg + chip) & 0xFF));
    board.SetReg(chip, 0x00, static_cast<uint8_t>(tick & 0x0F));
  }
}

void OpenEveryLiveWindow() {
  constexpr int kGraphsTab = 3;
  for (int device = 0; device < 2; ++device) {
    OpenBlockDiagram(device);
    OpenDevicePage(PageKind::VoltageSense, device);
    OpenDevicePage(PageKind::PWM, device);
    OpenDevicePage(PageKind::DigFilter, device);
    OpenDevicePage(PageKind::Limits, device);
    PageAt<frmLimits>(PageKind::Limits, device).SSTab1->setCurrentIndex(kGraphsTab);
  }
  gMainForm->mnuRegMap_Click();
  frmRegMap& map = RegMapForm();
  map.txtAddrPtr->SetText(QStringLiteral("16"));
  map.chkContRead->SetValue(1);
  gMainForm->mnuSpy_Click();
  frmSpy& spy = SpyForm();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
}

void BM_MasterTimerTick(benchmark::State& state) {
  const bool realPace = state.range(0) != 0;
  double programSeconds = 36000;
  if (!realPace) {
    ui::SetTimerClock([&programSeconds] { return static_cast<float>(programSeconds); });
    ui::SetMonotonicClock([&programSeconds] { return programSeconds; }, [](double) {});
  }
  {
    bench::TwoChipSession session;
    OpenEveryLiveWindow();
    bench::TwoChipSession::Settle();
    int monitorUpdates = 0;
    QObject::connect(SpyForm().lstSpy->verticalScrollBar(), &QScrollBar::rangeChanged, [&monitorUpdates] { ++monitorUpdates; });

    std::vector<double> all, withUpdate, withoutUpdate;
    int tick = 0;
    auto next = std::chrono::steady_clock::now();
    for (auto _ : state) {
      if (realPace) {
        next += std::chrono::milliseconds(50);
        std::this_thread::sleep_until(next);
      } else {
        programSeconds += kTick;
      }
      ChangeTelemetry(session.Board(), tick++);
      const int updatesBefore = monitorUpdates;
      QElapsedTimer clock;
      clock.start();
      gMainForm->tmrMaster_Timer();
      // The timers now due, then the repaints that they and the handler asked for.
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents();
      const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      state.SetIterationTime(ms / 1000.0);
      all.push_back(ms);
      (monitorUpdates != updatesBefore ? withUpdate : withoutUpdate).push_back(ms);
    }
    state.counters["tick_median_ms"] = bench::Median(all);
    std::sort(all.begin(), all.end());
    state.counters["tick_p90_ms"] = all[all.size() * 9 / 10];
    state.counters["median_without_monitor_update_ms"] = bench::Median(withoutUpdate);
    state.counters["median_with_monitor_update_ms"] = bench::Median(withUpdate);
    state.counters["monitor_updates"] = static_cast<double>(withUpdate.size());
  }
  ui::ResetSeams();
}

BENCHMARK(BM_MasterTimerTick)
    ->ArgName("real_pace")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(200)
    ->Repetitions(3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
