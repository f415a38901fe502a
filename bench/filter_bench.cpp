// The loop-filter designer's chart, with the window open on a chip holding the
// default filter set at 125 kHz:
//
// BM_RedrawPlots: RedrawPlots with all three views (digital phase, LC and
//   full-loop curves, bandwidth and margin) and the repaint it causes.
// BM_PoleMove: one pointer move while the pole marker is picked, the marker,
//   zero, sketch lines and captions following, and the repaint it causes; the
//   curves are not drawn again until the drop. Counters: median and p95 in ms.
//   beyond_the_end:1 moves the pointer beyond the end of the pole's range,
//   where each move looks for the last place the chip's codes can hold.
// BM_DrawnLayerAfterRedraws: the bytes the chart's drawn layer holds after the
//   first redraw and after every further one; they must stay the same.
// Run: build/bin/filter_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BenchSession.h"
#include "design/frmDigFilter.h"
#include "platform/usb/EmulatedBoard.h"
#include "support/PictureMouse.h"

namespace {

frmDigFilter& OpenFilterWindow(bench::TwoChipSession& session) {
  session.Board().SetReg(0x48, 0x5D, 0x03);  // the session's chips hold the default filter set
  OpenDevicePage(PageKind::DigFilter, 0);
  frmDigFilter& page = PageAt<frmDigFilter>(PageKind::DigFilter, 0);
  page.chkLCFilter->SetValue(1);
  bench::TwoChipSession::Settle();
  // Timing repaints of a chart nobody sees would say nothing.
  if (!page.pctFilter->isVisible()) std::abort();
  return page;
}

void Send(frmDigFilter& page, QEvent::Type type, double x, double y) {
  support::MouseAt(page.pctFilter, type, QPointF(x, y));
}

// The repaints that were asked for.
void Paint() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// Times each run of a step with the repaints it asks for; median and p95 as counters.
void TimeEach(benchmark::State& state, const std::function<void()>& step) {
  std::vector<double> ms;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    step();
    Paint();
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    state.SetIterationTime(ms.back() / 1000.0);
  }
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p95_ms"] = Percentile(ms, 0.95);
}

void BM_RedrawPlots(benchmark::State& state) {
  bench::TwoChipSession session;
  frmDigFilter& page = OpenFilterWindow(session);
  TimeEach(state, [&page] { page.RedrawPlots(); });
}
BENCHMARK(BM_RedrawPlots)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PoleMove(benchmark::State& state) {
  bench::TwoChipSession session;
  frmDigFilter& page = OpenFilterWindow(session);
  const QPointF pole = support::Centre(*page.shpPole);
  const double x = pole.x(), y = pole.y();
  Send(page, QEvent::MouseButtonPress, x, y);
  Send(page, QEvent::MouseButtonRelease, x, y);
  Paint();
  // Inside the range every move is accepted; beyond its right end each one looks for the end.
  const bool beyond = state.range(0) == 1;
  const double from = beyond ? page.lnPoleLocation->X2() + 300 : x;
  int step = 0;
  TimeEach(state, [&] {
    // Back and forth across 150 twips.
    const double dx = 15.0 * (step % 20 < 10 ? step % 10 : 10 - step % 10);
    ++step;
    Send(page, QEvent::MouseMove, from + dx, beyond ? y : y + dx / 2);
  });
}
BENCHMARK(BM_PoleMove)->ArgName("beyond_the_end")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DrawnLayerAfterRedraws(benchmark::State& state) {
  bench::TwoChipSession session;
  frmDigFilter& page = OpenFilterWindow(session);
  page.RedrawPlots();
  const double first = static_cast<double>(page.pctFilter->DrawnMemoryBytes());
  for (auto _ : state) page.RedrawPlots();
  state.counters["bytes_after_first"] = first;
  state.counters["bytes_after_all"] = static_cast<double>(page.pctFilter->DrawnMemoryBytes());
}
BENCHMARK(BM_DrawnLayerAfterRedraws)->Iterations(2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
