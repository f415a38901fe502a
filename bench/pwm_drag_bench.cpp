// The PWM editor's drag: one pointer move over a row picture while an edge of
// that row is picked (handler, the row reshaped, its label and modulation
// arrow, and the repaint it causes), against repainting that whole row picture
// and the whole window through the same event-loop turn. Counters give the
// median and 95th percentile, the handler's share and the pixels painted per move.
// Run: build/bin/pwm_drag_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "BenchSession.h"
#include "design/frmPWM.h"
#include "platform/usb/EmulatedBoard.h"
#include "support/PictureMouse.h"

namespace {

constexpr int kRow = 1;

// Counts the pixels painted, and in which widgets, between two Clear calls.
class PaintCount : public QObject {
 public:
  void Clear() {
    pixels_ = 0;
    others_ = 0;
  }
  long long Pixels() const { return pixels_; }
  long long OtherWidgets() const { return others_; }
  QWidget* watched = nullptr;
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    long long area = 0;
    for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) area += static_cast<long long>(r.width()) * r.height();
    if (receiver == watched) {
      pixels_ += area;
    } else {
      ++others_;
    }
    return false;
  }

 private:
  long long pixels_ = 0;
  long long others_ = 0;
};

// The PWM page of device 1 at 49kHz, row 1 with edges at 1000 and 3000 steps
// and both modulation arrows shown.
frmPWM& OpenRow(usb::EmulatedBoard& board) {
  board.SetReg(0x48, 0x5D, 0x00);
  board.SetReg(0x48, 0x45, 0x3E);
  board.SetReg(0x48, 0x46, 0x88);
  board.SetReg(0x48, 0x47, 0xBB);
  board.SetReg(0x48, 0x48, 0x88);
  OpenDevicePage(PageKind::PWM, 0);
  auto& page = static_cast<frmPWM&>(*Pages(PageKind::PWM).Existing(0));
  bench::TwoChipSession::Settle();
  return page;
}

void Send(forms::PictureBox* pct, QEvent::Type type, double x) { support::MouseAt(pct, type, QPointF(x, 500)); }

void Report(benchmark::State& state, std::vector<double>& micros) {
  if (micros.empty()) return;
  std::sort(micros.begin(), micros.end());
  state.counters["p50_us"] = micros[micros.size() / 2];
  state.counters["p95_us"] = micros[std::min(micros.size() - 1, micros.size() * 95 / 100)];
}

void BM_DragMove(benchmark::State& state) {
  bench::TwoChipSession session;
  frmPWM& page = OpenRow(session.Board());
  forms::PictureBox* pct = page.pctPWM[kRow];
  Send(pct, QEvent::MouseButtonPress, page.Ln[10 * kRow + 1]->X1());
  Send(pct, QEvent::MouseButtonRelease, page.Ln[10 * kRow + 1]->X1());
  bench::TwoChipSession::Settle();
  PaintCount paint;
  paint.watched = pct;
  qApp->installEventFilter(&paint);
  std::vector<double> micros;
  long long pixels = 0, others = 0, moves = 0;
  int step = 0;
  double handler = 0;
  for (auto _ : state) {
    // Back and forth across period 1, a new position every move.
    const double x = 1300 + 10.0 * (step < 250 ? step : 500 - step);
    step = (step + 1) % 500;
    paint.Clear();
    QElapsedTimer clock;
    clock.start();
    Send(pct, QEvent::MouseMove, x);
    const double h = static_cast<double>(clock.nsecsElapsed());
    QCoreApplication::processEvents();
    const double ns = static_cast<double>(clock.nsecsElapsed());
    handler += h / 1000;
    state.SetIterationTime(ns / 1e9);
    micros.push_back(ns / 1000);
    pixels += paint.Pixels();
    others += paint.OtherWidgets();
    ++moves;
  }
  qApp->removeEventFilter(&paint);
  Report(state, micros);
  state.counters["handler_us"] = handler / std::max(1LL, moves);
  state.counters["painted_px_per_move"] = static_cast<double>(pixels) / std::max(1LL, moves);
  state.counters["row_picture_px"] = static_cast<double>(pct->width()) * pct->height();
  state.counters["other_widgets_painted"] = static_cast<double>(others);
}

// A whole picture repainted through the event loop, as a move's repaint goes.
void RepaintWhole(benchmark::State& state, bool window) {
  bench::TwoChipSession session;
  frmPWM& page = OpenRow(session.Board());
  QWidget* whole = window ? page.Window() : page.pctPWM[kRow].data();
  std::vector<double> micros;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    whole->update();
    QCoreApplication::processEvents();
    const double ns = static_cast<double>(clock.nsecsElapsed());
    state.SetIterationTime(ns / 1e9);
    micros.push_back(ns / 1000);
  }
  Report(state, micros);
}

void BM_RepaintRow(benchmark::State& state) { RepaintWhole(state, false); }
void BM_RepaintWindow(benchmark::State& state) { RepaintWhole(state, true); }

}  // namespace

BENCHMARK(BM_DragMove)->UseManualTime()->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintRow)->UseManualTime()->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintWindow)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return bench::Main(argc, argv); }
