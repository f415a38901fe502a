// The strip chart: the cost of one 0.1 s refresh of a shown chart of eight
// channels (add a point to each, hand the plot the shown span and repaint when
// it has moved on) with 600 and with 36,000 points of history per channel, all
// refreshes and those that redraw; and the memory of an hour of history
// for the readings window's charts of two devices (16 channels each).
// Run: build/bin/strip_bench (offscreen unless QT_QPA_PLATFORM says otherwise).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cmath>
#include <memory>
#include <vector>

#include "BenchSession.h"
#include "platform/instruments/Strip.h"

namespace {

using instruments::Strip;

// A chart laid out as the readings window's first one: four bands, eight channels.
std::unique_ptr<Strip> EightChannelStrip(double& clock) {
  auto strip = std::make_unique<Strip>();
  strip->resize(620, 420);
  strip->SetClocks([&clock] { return clock; }, [&clock] { return clock; });
  const int input = strip->AddBand(QStringLiteral("Voltage (V)"));
  const int volts = strip->AddBand(QStringLiteral("Voltage (V)"));
  const int amps = strip->AddBand(QStringLiteral("Current (A)"));
  const int watts = strip->AddBand(QStringLiteral("Power (W)"));
  for (int band : {input, volts, volts, volts, amps, amps, watts, watts}) strip->AddChannel(QStringLiteral("ch"), band);
  return strip;
}

void AddRound(Strip& strip, double& clock, int round) {
  clock += 0.1;
  for (int c = 0; c < strip.ChannelCount(); ++c) strip.AddPoint(c, 10 * c + std::sin(round * 0.05 + c));
}

void BM_StripRefresh(benchmark::State& state) {
  const int history = static_cast<int>(state.range(0));
  double clock = 3600;
  auto strip = EightChannelStrip(clock);
  for (int i = 0; i < history; ++i) AddRound(*strip, clock, i);  // hidden: stored only
  strip->show();
  QCoreApplication::processEvents();
  // The plot's newest point tells whether a refresh redrew it.
  const auto newestShown = [&strip] { return (strip->Plot()->graph(0)->data()->constEnd() - 1)->key; };
  std::vector<double> redrawn;
  int round = history;
  for (auto _ : state) {
    const double shownBefore = newestShown();
    QElapsedTimer timer;
    timer.start();
    AddRound(*strip, clock, round++);
    QCoreApplication::processEvents();  // the plot takes the round's points when it has moved on
    strip->repaint();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    state.SetIterationTime(ms / 1000);
    if (newestShown() != shownBefore) redrawn.push_back(ms);
  }
  state.counters["history_points"] = static_cast<double>(strip->HistorySize(0));
  state.counters["shown_points"] = strip->ShownPoints(0).size();
  state.counters["median_redrawn_ms"] = bench::Median(redrawn);
}

BENCHMARK(BM_StripRefresh)
    ->Arg(600)
    ->Arg(36000)
    ->UseManualTime()
    ->Iterations(300)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Two devices, each with charts of 8, 4, 2 and 2 channels, filled for an hour.
void BM_HourOfHistoryMemory(benchmark::State& state) {
  for (auto _ : state) {
    malloc_trim(0);
    const size_t heapAtStart = bench::HeapInUse();
    double clock = 3600;
    std::vector<std::unique_ptr<Strip>> strips;
    for (int device = 0; device < 2; ++device) {
      for (int channels : {8, 4, 2, 2}) {
        auto strip = std::make_unique<Strip>();
        strip->SetClocks([&clock] { return clock; }, [&clock] { return clock; });
        strip->AddBand(QStringLiteral("Value"));
        for (int c = 0; c < channels; ++c) strip->AddChannel(QStringLiteral("ch"));
        strips.push_back(std::move(strip));
      }
    }
    const size_t heapEmpty = bench::HeapInUse();
    for (int i = 0; i < static_cast<int>(Strip::kHistoryPoints); ++i) {
      clock += 0.1;
      for (auto& strip : strips)
        for (int c = 0; c < strip->ChannelCount(); ++c) strip->AddPoint(c, c + i * 1e-3);
    }
    const size_t heapFull = bench::HeapInUse();
    size_t historyBytes = 0;
    for (auto& strip : strips) historyBytes += strip->HistoryBytes();
    state.counters["history_MB"] = historyBytes / 1e6;
    state.counters["heap_growth_MB"] = (static_cast<double>(heapFull) - static_cast<double>(heapEmpty)) / 1e6;
    state.counters["heap_with_charts_MB"] = (static_cast<double>(heapFull) - static_cast<double>(heapAtStart)) / 1e6;
    strips.clear();
  }
}

BENCHMARK(BM_HourOfHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
