#include "LoopModel.h"

#include <cmath>
#include <functional>

#include "model/NumberText.h"

namespace filter {
namespace {

constexpr double kPiLiteral = 3.14159;
constexpr double kTwoPi = 6.28318;

float Omega(float f) { return static_cast<float>(kTwoPi * f); }

float PowerOfTen(float log10Freq) { return static_cast<float>(std::pow(10.0, static_cast<double>(log10Freq))); }

// The log10 f steps of a sweep, accumulated in float as the chart always has been.
std::vector<float> LogSweep(float from, float step) {
  std::vector<float> freqs;
  for (float l = from; l <= 6.0f; l += step) freqs.push_back(PowerOfTen(l));
  return freqs;
}

bool Finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

Curve SweepCurve(uint32_t rgb, const BodeChart& chart, const std::function<float(double)>& toY,
                 const std::function<double(float)>& value) {
  Curve curve{rgb, {}};
  bool havePrev = false;
  QPointF prev;
  for (float f : SweepFrequencies()) {
    const QPointF p(FreqToX(chart, f), toY(value(f)));
    if (!Finite(p)) {
      havePrev = false;
      continue;
    }
    if (havePrev) {
      QPointF a = prev, b = p;
      if (ClipToPicture(chart, a, b)) {
        if (curve.runs.empty() || curve.runs.back().back() != a) curve.runs.push_back({a});
        curve.runs.back().push_back(b);
      }
    }
    prev = p;
    havePrev = true;
  }
  return curve;
}

}  // namespace

DigitalFilter DigitalFilter::Of(const FilterSettings& set) {
  return {std::pow(10.0, set.HighFreqGain / 20.0), std::pow(10.0, set.LowFreqGain / 20.0), set.ZeroFreq, set.PoleFreq};
}

double DigitalFilter::Re(float f) const {
  const double a = fz / f, b = fp / f;
  return gHF * (a * b + 1) / (b * b + 1);
}

double DigitalFilter::Im(float f) const {
  const double a = fz / f, b = fp / f;
  return gHF * (b - a) / (b * b + 1) - gLF / f;
}

double DigitalFilter::PhaseDeg(float f) const { return std::atan(Im(f) / Re(f)) * 180 / kPiLiteral; }

double DigitalFilter::GainDb(float f) const {
  return 20.0 * Log10(static_cast<float>(std::hypot(Re(f), Im(f))));
}

LCFilter LCFilter::Of(const OutputFilter& typed, double zeroLoad) {
  return {typed.L * 1e-6, typed.C * 1e-6, typed.ESR * 1e-3, typed.Rload == 0 ? zeroLoad : typed.Rload};
}

namespace {

// The filter's response at f as the gain and phase read it: w, and 1 - LCw^2 and wL/R.
struct LCTerms {
  double w, d, x;
};
LCTerms TermsAt(const LCFilter& lc, float f) {
  const double w = Omega(f);
  return {w, 1 - lc.C * lc.L * w * w, w * lc.L / lc.R};
}

}  // namespace

double LCFilter::PhaseDeg(float f) const {
  const auto [w, d, x] = TermsAt(*this, f);
  const double t = d == 0 ? kPiLiteral / 2 : (d > 0 ? std::atan(x / d) : kPiLiteral - std::atan(x / std::fabs(d)));
  return (kPiLiteral / 2 - t) * 180 / kPiLiteral;
}

double LCFilter::GainDb(float f) const {
  const auto [w, d, x] = TermsAt(*this, f);
  return 20.0 * (static_cast<double>(Log10(static_cast<float>(w * ESR))) -
                 Log10(static_cast<float>(std::sqrt(d * d + x * x))));
}

double FullLoopGainDb(const DigitalFilter& digital, const LCFilter& lc, float f) {
  return digital.GainDb(f) + lc.GainDb(f);
}

double FullLoopPhaseDeg(const DigitalFilter& digital, const LCFilter& lc, float f) {
  return lc.PhaseDeg(f) + digital.PhaseDeg(f);
}

const std::vector<float>& SweepFrequencies() {
  static const std::vector<float> freqs = LogSweep(2.0f, 0.02f);
  return freqs;
}

LoopMargin CalcBandwidthAndMargin(const DigitalFilter& digital, const LCFilter& lc) {
  static const std::vector<float> scan = LogSweep(2.001f, 0.01f);
  LoopMargin result;
  float crossings[kMaxCrossings];
  int count = 0;
  double prev = FullLoopGainDb(digital, lc, 100.0f);
  bool havePrev = std::isfinite(prev);
  for (float f : scan) {
    const double g = FullLoopGainDb(digital, lc, f);
    // A gain that is no number says nothing about a crossing; the scan goes on past it.
    if (!std::isfinite(g)) continue;
    if (havePrev && ((prev < 0 && g > 0) || (prev > 0 && g < 0))) {
      if (count == kMaxCrossings) {
        result.kind = LoopMargin::Unchanged;
        return result;
      }
      crossings[count++] = f;
    }
    prev = g;
    havePrev = true;
  }
  if (count == 0) {
    result.marginText = QStringLiteral("-") + QChar(0x00B0);
    return result;
  }
  const float fc = crossings[count - 1];
  const double margin = FullLoopPhaseDeg(digital, lc, fc) + 180;
  if (!std::isfinite(margin)) {
    result.kind = LoopMargin::Unchanged;
    return result;
  }
  result.kind = LoopMargin::Crossing;
  result.crossingFreq = fc;
  result.bandwidthText = FormatHundredths(fc / 1000.0) + QStringLiteral(" kHz");
  result.marginText = QString::number(numtext::RoundToInt(margin)) + QChar(0x00B0);
  return result;
}

LoopPlot PlotLoop(const FilterSettings& set, const OutputFilter& typed, const PlotViews& views,
                  const BodeChart& chart) {
  LoopPlot plot;
  const DigitalFilter digital = DigitalFilter::Of(set);
  const auto phaseY = [&chart](double deg) { return PhaseToY(chart, static_cast<float>(deg)); };
  const auto gainY = [&chart](double dB) { return GainToY(chart, static_cast<float>(dB)); };
  if (views.digital) {
    plot.curves.push_back(
        SweepCurve(kDigitalPhaseColor, chart, phaseY, [&](float f) { return digital.PhaseDeg(f); }));
  }
  if (views.lc) {
    const LCFilter lc = LCFilter::Of(typed, kLCCurveZeroLoad);
    plot.curves.push_back(SweepCurve(kLCPhaseColor, chart, phaseY, [&](float f) { return lc.PhaseDeg(f); }));
    plot.curves.push_back(SweepCurve(kLCGainColor, chart, gainY, [&](float f) { return lc.GainDb(f); }));
  }
  if (views.fullLoop) {
    const LCFilter lc = LCFilter::Of(typed, kFullLoopZeroLoad);
    plot.curves.push_back(SweepCurve(kFullLoopPhaseColor, chart, phaseY,
                                     [&](float f) { return FullLoopPhaseDeg(digital, lc, f); }));
    plot.curves.push_back(
        SweepCurve(kFullLoopGainColor, chart, gainY, [&](float f) { return FullLoopGainDb(digital, lc, f); }));
    plot.hasMargin = true;
    plot.margin = CalcBandwidthAndMargin(digital, lc);
  }
  return plot;
}

bool ClipToPicture(const BodeChart& chart, QPointF& a, QPointF& b) {
  // Liang-Barsky against the picture's rectangle.
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x(), chart.Width - a.x(), a.y(), chart.Height - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const QPointF start = a;
  if (t0 > 0) a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
  if (t1 < 1) b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
  return true;
}

}  // namespace filter
