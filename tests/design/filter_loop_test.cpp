// The loop models, their curves on the chart, and the bandwidth and phase margin
// checked against the loop computed here with complex numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "design/LoopModel.h"
#include "filter_chart.h"

namespace {

using namespace filter;
using Complex = std::complex<double>;
using filtertest::LaidOut;

// The default set as the chip holds it at 125 kHz, and the default output filter.
const FilterSettings kDefaultSet = DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, 125000);
const OutputFilter kDefaultLC{10, 5000, 12, 0.5};

// A filter set with an output filter, as a row of a table names them.
struct LoopCase {
  const char* what;
  FilterSettings set;
  OutputFilter lc;
};

// The full loop written out: (gHF (jf + fz) / (jf + fp) + gLF / jf) x jw ESR / (1 - w^2 L C + jw L / R).
Complex ReferenceLoop(const FilterSettings& s, const OutputFilter& o, double f) {
  const Complex jf(0, f);
  const Complex digital =
      std::pow(10.0, s.HighFreqGain / 20.0) * (jf + double(s.ZeroFreq)) / (jf + double(s.PoleFreq)) +
      std::pow(10.0, s.LowFreqGain / 20.0) / jf;
  const double w = 2 * M_PI * f, L = o.L * 1e-6, C = o.C * 1e-6, esr = o.ESR * 1e-3;
  const double r = o.Rload == 0 ? 1e-5 : o.Rload;
  return digital * Complex(0, w * esr) / Complex(1 - w * w * L * C, w * L / r);
}

struct Expected {
  int crossings;
  QString bandwidth, margin;
};

// The last 0 dB crossing on the scan's grid (log10 f from 2.001 in float steps of 0.01).
Expected ReferenceMargin(const FilterSettings& s, const OutputFilter& o) {
  Expected e{0, {}, QStringLiteral("-°")};
  double prev = 20 * std::log10(std::abs(ReferenceLoop(s, o, 100)));
  double fc = 0;
  for (float l = 2.001f; l <= 6.0f; l += 0.01f) {
    const double f = static_cast<float>(std::pow(10.0, double(l)));
    const double g = 20 * std::log10(std::abs(ReferenceLoop(s, o, f)));
    if ((prev < 0 && g > 0) || (prev > 0 && g < 0)) {
      ++e.crossings;
      fc = f;
    }
    prev = g;
  }
  if (e.crossings > 0) {
    e.bandwidth = QString::number(std::round(fc / 10) / 100) + QStringLiteral(" kHz");
    if (e.bandwidth.startsWith(QStringLiteral("0."))) e.bandwidth.remove(0, 1);  // no zero before the point
    e.margin = QString::number(std::lround(std::arg(ReferenceLoop(s, o, fc)) * 180 / M_PI + 180)) + QStringLiteral("°");
  }
  return e;
}

TEST(LoopModel, SweepHas201PointsFrom100HzTo1MHz) {
  const auto& f = SweepFrequencies();
  ASSERT_EQ(f.size(), 201u);
  EXPECT_EQ(f.front(), 100);
  EXPECT_NEAR(f.back(), std::pow(10.0, 5.999996), 1);
  EXPECT_LT(f.back(), 1e6);
}

TEST(LoopModel, BandwidthAndMarginMatchTheLoopWrittenOut) {
  struct Row : LoopCase {
    int crossings;
  } rows[] = {
      {"defaults", kDefaultSet, kDefaultLC, 1},
      {"three crossings around the LC resonance", {39, 20227, -2, 370}, {13, 3387, 13, 3.8f}, 3},
      {"two crossings", {29.63f, 10388, -10, 1449}, {10, 5000, 3, 0.5f}, 2},
      {"no crossing", {29.63f, 10388, -2.73f, 1449}, {1, 100, 12, 5}, 0},
      {"a load of 0 counts as 10^-5 Ohm", {80, 10388, 10, 1449}, {10, 5000, 12, 0}, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const Expected e = ReferenceMargin(r.set, r.lc);
    ASSERT_EQ(e.crossings, r.crossings);
    const LoopMargin m = CalcBandwidthAndMargin(DigitalFilter::Of(r.set), LCFilter::Of(r.lc, kFullLoopZeroLoad));
    EXPECT_EQ(m.kind, r.crossings ? LoopMargin::Crossing : LoopMargin::NoCrossing);
    EXPECT_EQ(m.bandwidthText, e.bandwidth);
    EXPECT_EQ(m.marginText, e.margin);
  }
}

TEST(LoopModel, MoreThanElevenCrossingsChangeNothing) {
  // No HF gain, no L or C: the loop is flat at gLF 2 pi ESR, here 0 dB, and float
  // rounding tips it either side of 0 dB time and again (24 times on the scan).
  const OutputFilter lc{0, 0, 195.5, 0.5f};
  const LoopMargin m =
      CalcBandwidthAndMargin(DigitalFilter::Of({-1.78652525f, 10388, -20000, 1449}), LCFilter::Of(lc, 1e-5));
  EXPECT_EQ(m.kind, LoopMargin::Unchanged);
  EXPECT_TRUE(m.bandwidthText.isEmpty());
  EXPECT_TRUE(m.marginText.isEmpty());
}

TEST(LoopModel, ValuesThatAreNoNumberNeverReachTheChartOrTheMargin) {
  const BodeChart chart = LaidOut();
  struct Row : LoopCase {
    bool mayCross;
  } rows[] = {
      {"negative ESR", kDefaultSet, {10, 5000, -12, 0.5f}, false},
      {"negative L and load", kDefaultSet, {-10, 5000, 12, -0.5f}, true},
      {"infinite C", kDefaultSet, {10, INFINITY, 12, 0.5f}, false},
      {"ESR of 0", kDefaultSet, {10, 5000, 0, 0.5f}, false},
      {"no switching frequency", DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, 0), kDefaultLC, true},
      {"a set that is no number", {NAN, NAN, NAN, NAN}, kDefaultLC, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const LoopPlot plot = PlotLoop(r.set, r.lc, {true, true, true}, chart);
    ASSERT_EQ(plot.curves.size(), 5u);
    for (const Curve& c : plot.curves) {
      for (const auto& run : c.runs) {
        EXPECT_GE(run.size(), 2u);
        for (const QPointF& p : run) {
          EXPECT_TRUE(p.x() >= 0 && p.x() <= chart.Width && p.y() >= 0 && p.y() <= chart.Height)
              << p.x() << ", " << p.y();
        }
      }
    }
    if (!r.mayCross) {
      EXPECT_NE(plot.margin.kind, LoopMargin::Crossing);
    }
  }
}

TEST(LoopModel, ViewsChooseTheCurvesAndTheirOrder) {
  struct Row {
    PlotViews views;
    std::vector<uint32_t> colours;
    bool margin;
  } rows[] = {
      {{false, false, false}, {}, false},
      {{true, false, false}, {kDigitalPhaseColor}, false},
      {{false, true, false}, {kLCPhaseColor, kLCGainColor}, false},
      {{true, true, true},
       {kDigitalPhaseColor, kLCPhaseColor, kLCGainColor, kFullLoopPhaseColor, kFullLoopGainColor},
       true},
  };
  for (const Row& r : rows) {
    const LoopPlot plot = PlotLoop(kDefaultSet, kDefaultLC, r.views, LaidOut());
    std::vector<uint32_t> colours;
    for (const Curve& c : plot.curves) colours.push_back(c.rgb);
    EXPECT_EQ(colours, r.colours);
    EXPECT_EQ(plot.hasMargin, r.margin);
  }
}

TEST(LoopModel, OpenLoadIsAMicroOhmOnTheLCCurveAndTenOnTheFullLoop) {
  const BodeChart chart = LaidOut();
  const LoopPlot plot = PlotLoop(kDefaultSet, {10, 5000, 12, 0}, {false, true, true}, chart);
  const DigitalFilter digital = DigitalFilter::Of(kDefaultSet);
  const LCFilter lcCurves{10e-6, 5000e-6, 12e-3, 1e-6}, lcLoop{10e-6, 5000e-6, 12e-3, 1e-5};
  ASSERT_EQ(plot.curves.size(), 4u);
  const Curve& lcGain = plot.curves[1];
  const Curve& loopGain = plot.curves[3];
  ASSERT_EQ(lcGain.runs.size(), 1u);
  ASSERT_EQ(loopGain.runs.size(), 1u);
  for (int i : {0, 57, 120}) {
    const float f = SweepFrequencies()[i];
    EXPECT_FLOAT_EQ(lcGain.runs[0][i].x(), FreqToX(chart, f));
    EXPECT_FLOAT_EQ(lcGain.runs[0][i].y(), GainToY(chart, lcCurves.GainDb(f)));
    EXPECT_FLOAT_EQ(loopGain.runs[0][i].y(), GainToY(chart, digital.GainDb(f) + lcLoop.GainDb(f)));
  }
  // The LC phase runs from +90 degrees to -90.
  const LCFilter lc = LCFilter::Of(kDefaultLC, kLCCurveZeroLoad);
  EXPECT_NEAR(lc.PhaseDeg(1), 90, 0.01);
  EXPECT_NEAR(lc.PhaseDeg(1e6f), -90, 0.01);
}

TEST(LoopModel, DigitalPhaseHasNoQuadrantCorrection) {
  // A zero below 0 Hz turns Re H negative below sqrt(-fz fp): the phase jumps by 180 degrees there.
  const DigitalFilter d = DigitalFilter::Of({0, 10000, 0, -1000});
  for (float f : {500.0f, 2000.0f, 50000.0f}) {
    const double arg = std::arg(Complex(d.Re(f), d.Im(f))) * 180 / M_PI;
    const double shown = d.PhaseDeg(f);
    EXPECT_LE(std::fabs(shown), 90);
    EXPECT_NEAR(std::fabs(shown - arg), d.Re(f) < 0 ? 180 : 0, 1e-3) << f;
  }
}

TEST(LoopModel, ClippingKeepsTheVisiblePartOfASegment) {
  const BodeChart chart = LaidOut();
  struct Row {
    QPointF a, b;
    bool visible;
    QPointF ca, cb;
  } rows[] = {
      {{100, 100}, {200, 200}, true, {100, 100}, {200, 200}},
      {{100, 7000}, {100, 9000000}, true, {100, 7000}, {100, 7455}},
      {{-100, 100}, {100, 300}, true, {0, 200}, {100, 300}},
      {{20000, 100}, {30000, 100}, false, {}, {}},
  };
  for (const Row& r : rows) {
    QPointF a = r.a, b = r.b;
    ASSERT_EQ(ClipToPicture(chart, a, b), r.visible);
    if (!r.visible) continue;
    EXPECT_NEAR(a.x(), r.ca.x(), 1e-9);
    EXPECT_NEAR(a.y(), r.ca.y(), 1e-9);
    EXPECT_NEAR(b.x(), r.cb.x(), 1e-9);
    EXPECT_NEAR(b.y(), r.cb.y(), 1e-9);
  }
}

}  // namespace
