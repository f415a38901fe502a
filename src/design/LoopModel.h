#pragma once
// The control loop as the designer draws it: the digital filter of the shown set,
// the output LC filter, and their product (the full loop), swept over 100 Hz to
// 1 MHz into chart curves, with the loop bandwidth and phase margin.

#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

#include "BodeGeometry.h"
#include "FilterCodec.h"

namespace filter {

// The digital filter H(f) = gHF (jf + fz) / (jf + fp) + gLF / (jf).
struct DigitalFilter {
  double gHF, gLF, fz, fp;
  static DigitalFilter Of(const FilterSettings& set);
  double Re(float f) const;
  double Im(float f) const;
  // Plain arctangent of Im / Re, in degrees: no quadrant correction.
  double PhaseDeg(float f) const;
  double GainDb(float f) const;
};

// The output filter as typed: L in uH, C in uF, ESR in mOhm, load in Ohm.
struct OutputFilter {
  double L = 0, C = 0, ESR = 0, Rload = 0;
};

// A load of exactly 0 stands for these, in the LC curves and in the full loop.
constexpr double kLCCurveZeroLoad = 1e-6;
constexpr double kFullLoopZeroLoad = 1e-5;

// H_LC = j w ESR / (1 - w^2 L C + j w L / R), in SI units.
struct LCFilter {
  double L, C, ESR, R;
  static LCFilter Of(const OutputFilter& typed, double zeroLoad);
  double PhaseDeg(float f) const;
  double GainDb(float f) const;
};

double FullLoopGainDb(const DigitalFilter& digital, const LCFilter& lc, float f);
double FullLoopPhaseDeg(const DigitalFilter& digital, const LCFilter& lc, float f);

// The chart's sweep: log10 f from 2 in float steps of 0.02 while not above 6, 201 points.
const std::vector<float>& SweepFrequencies();

// What the full loop's gain crossings say. Unchanged: more crossings than the
// scan keeps, the labels stay as they are. NoCrossing: the margin shows "-°" and
// the bandwidth label stays. Crossing: both labels change.
struct LoopMargin {
  enum Kind { Unchanged, NoCrossing, Crossing };
  Kind kind = NoCrossing;
  float crossingFreq = 0;  // Hz, the last crossing
  QString bandwidthText;   // "12.35 kHz"
  QString marginText;      // "97°", or "-°"
};
constexpr int kMaxCrossings = 11;
LoopMargin CalcBandwidthAndMargin(const DigitalFilter& digital, const LCFilter& lc);

// One drawn curve in chart twips: runs of joined points. A point that is no
// number breaks the run, and every segment is clipped to the picture.
struct Curve {
  uint32_t rgb;  // 0xRRGGBB
  std::vector<std::vector<QPointF>> runs;
};

constexpr uint32_t kDigitalPhaseColor = 0x00FF00;
constexpr uint32_t kLCGainColor = 0xFF00FF;
constexpr uint32_t kLCPhaseColor = 0xFF8000;
constexpr uint32_t kFullLoopPhaseColor = 0x808080;
constexpr uint32_t kFullLoopGainColor = 0x000000;

struct PlotViews {
  bool digital = true;
  bool lc = false;
  bool fullLoop = true;
};

struct LoopPlot {
  std::vector<Curve> curves;  // in drawing order
  bool hasMargin = false;     // the full loop was drawn
  LoopMargin margin;
};

// Every curve the views ask for, in the order they are drawn: digital phase, LC
// phase and gain, full-loop phase and gain; with the bandwidth and margin when
// the full loop is on.
LoopPlot PlotLoop(const FilterSettings& set, const OutputFilter& typed, const PlotViews& views,
                  const BodeChart& chart);

// The part of a segment inside the picture; false when none of it is.
bool ClipToPicture(const BodeChart& chart, QPointF& a, QPointF& b);

}  // namespace filter
