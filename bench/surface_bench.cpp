// The drawing surface on its own: a 400 x 300 pixel picture holding 400 line
// items, one of which moves to a new place each time, with the repaint the
// move asks for, as a chart's drag moves one line among several hundred.
// Counters: median and 95th percentile in ms per move, and the pixels painted.
// Run: build/bin/surface_bench

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "BenchSession.h"
#include "platform/forms/PictureBox.h"

namespace {

// Adds up the pixels a widget is asked to paint.
class PaintedPixels : public QObject {
 public:
  long long pixels = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += static_cast<long long>(r.width()) * r.height();
    return false;
  }
};

void BM_MoveOneOfManyLines(benchmark::State& state) {
  QWidget host;
  host.resize(420, 320);
  auto* picture = new forms::PictureBox(&host);
  picture->setGeometry(0, 0, 404, 304);  // a 400 x 300 pixel drawing inside the 2-pixel border
  picture->SetBackColor(Qt::white);
  std::vector<forms::LineItem*> lines;
  for (int i = 0; i < 400; ++i) {
    const double y = 15.0 * (i % 280);
    lines.push_back(picture->AddLine(QStringLiteral("Ln(%1)").arg(i), 0, y, 5900, y));
  }
  host.show();
  // Timing repaints of a picture nobody sees would say nothing.
  if (!QTest::qWaitForWindowExposed(&host)) std::abort();
  QCoreApplication::processEvents();
  PaintedPixels painted;
  picture->installEventFilter(&painted);
  std::vector<double> ms;
  int move = 0;
  for (auto _ : state) {
    forms::LineItem* edge = lines[static_cast<size_t>(move % 10)];
    const double x = 300 + 15 * (move % 300);
    ++move;
    QElapsedTimer clock;
    clock.start();
    edge->SetPoints(x, 0, x, 4000);
    QCoreApplication::processEvents();  // the repaint the move asked for
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    state.SetIterationTime(ms.back() / 1000);
  }
  picture->removeEventFilter(&painted);
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p95_ms"] = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
  state.counters["painted_px_per_move"] = static_cast<double>(painted.pixels) / static_cast<double>(ms.size());
}
BENCHMARK(BM_MoveOneOfManyLines)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::Main(argc, argv); }
