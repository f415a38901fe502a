#include "FilterSketch.h"

#include <QPointF>
#include <algorithm>
#include <limits>

#include "model/NumberText.h"
#include "pagekit/SwitchingFrequency.h"

namespace filter {
namespace {

// The value labels are where a dragged value is taken from, which gives the 10 Hz and 0.01 dB grain.
QString KHzCaption(float hz) { return FormatHundredths(hz / 1000.0) + QStringLiteral(" kHz"); }
QString DbCaption(float dB) { return FormatHundredths(dB) + QStringLiteral("dB"); }
float DbOfCaption(const QString& caption) { return static_cast<float>(numtext::Val(caption)); }

QString PoleCaption(const QString& gain, const QString& freq) {
  return QStringLiteral("Pole (") + FormatValueText(gain) + QStringLiteral(" @ ") + FormatValueText(freq) +
         QStringLiteral(")");
}
QString ZeroCaption(const QString& freq) { return QStringLiteral("Zero (") + FormatValueText(freq) + QStringLiteral(")"); }
QString LowGainCaption(const QString& gain) { return QStringLiteral("Low Gain (") + gain + QStringLiteral("@ 1Hz)"); }

// Halvings of the way from a handle to the pointer when looking for the end of its range.
constexpr int kEndSearchSteps = 20;

float Squared(float d) { return d * d; }

}  // namespace

bool FilterSetIsDrawable(const FilterSettings& set, const BodeChart& chart) {
  const double s = DecadeSlope(chart);
  const double xPole = FreqToX(chart, set.PoleFreq), xZero = FreqToX(chart, set.ZeroFreq);
  const double c1 = xPole * s + GainToY(chart, set.HighFreqGain);
  const float gz = YToGain(chart, static_cast<float>(c1 - s * xZero));
  const double c2 = GainToY(chart, set.LowFreqGain) - FreqToX(chart, 1) * s;
  // Written as "not above" so that a value that is no number fails too.
  if (!(set.PoleFreq > set.ZeroFreq)) return false;
  if (!(gz < set.HighFreqGain)) return false;
  if (!(static_cast<float>(s * xZero + c2) > GainToY(chart, gz))) return false;
  return static_cast<float>(s * xPole + c2) > GainToY(chart, set.HighFreqGain);
}

bool RestsInRange(const FilterSettings& set, int handle, const BodeChart& chart) {
  if (!FilterSetIsDrawable(set, chart)) return false;
  FilterSketch placed;
  placed.PlaceGeometry(set, chart);
  return placed.RestsInRange(handle, chart);
}

bool FilterSketch::RestsInRange(int handle, const BodeChart& chart) const {
  switch (handle) {
    case kPoleHandle:
      return MoveAllowed(kPoleHandle, Pole.CentreX(), Pole.CentreY(), chart);
    case kZeroHandle:
      return MoveAllowed(kZeroHandle, Zero.CentreX(), Zero.CentreY(), chart);
    case kLowGainHandle:
      return MoveAllowed(kLowGainHandle, chart.GridX[0], IstSlope.Y1, chart);
    default:
      return false;
  }
}

namespace {

// The set of codes around a target set nearest to it whose handle (the one
// being moved) rests in range; false when none of them does.
bool NearestWritableSet(const FilterSettings& target, int handle, float fs, const BodeChart& chart,
                        FilterSettings* nearest) {
  // Near in the chart's twips, and the values of the other handles nearer still:
  // an end of one handle's range moves the others as little as the codes allow.
  const auto weight = [handle](int owner) { return owner == handle ? 1.0f : 100.0f; };
  const auto distance = [&](const FilterSettings& c) {
    return weight(kPoleHandle) * (Squared(FreqToX(chart, c.PoleFreq) - FreqToX(chart, target.PoleFreq)) +
                                  Squared(GainToY(chart, c.HighFreqGain) - GainToY(chart, target.HighFreqGain))) +
           weight(kZeroHandle) * Squared(FreqToX(chart, c.ZeroFreq) - FreqToX(chart, target.ZeroFreq)) +
           weight(kLowGainHandle) * Squared(GainToY(chart, c.LowFreqGain) - GainToY(chart, target.LowFreqGain));
  };
  // Each code is the floor of its value or the one above it; the HF code is
  // taken against the pole and zero as the chip will hold them, and as Apply
  // takes it from the set, so that the codes Apply would write are among them.
  const FilterCodes floor = EncodeFilterSet(target, fs);
  float best = std::numeric_limits<float>::infinity();
  for (int pole = floor.pole; pole <= std::min(floor.pole + 1, 255); ++pole) {
    for (int zero = floor.zero; zero <= std::min(floor.zero + 1, 255); ++zero) {
      const int hf = HFGainToCode(target.HighFreqGain, ZeroPoleCodeToFreq(pole, fs), ZeroPoleCodeToFreq(zero, fs), fs);
      for (int h = std::min(hf, floor.hf); h <= std::min(std::max(hf, floor.hf) + 1, 255); ++h) {
        for (int lf = floor.lf; lf <= std::min(floor.lf + 1, 255); ++lf) {
          const FilterSettings candidate = DecodeFilterSet(lf, zero, pole, h, fs);
          const float d = distance(candidate);
          if (!(d < best) || !RestsInRange(candidate, handle, chart)) continue;
          best = d;
          *nearest = candidate;
        }
      }
    }
  }
  return best < std::numeric_limits<float>::infinity();
}

}  // namespace

bool FilterSketch::SetShown(bool shown, FilterSettings& set, const BodeChart& chart, float fs) {
  Shown = shown;
  if (shown) return false;
  OverPole = false;
  bool dropped = false;
  for (const auto& [picked, handle] :
       {std::pair{&PolePicked, kPoleHandle}, {&ZeroPicked, kZeroHandle}, {&LowGainPicked, kLowGainHandle}}) {
    dropped |= DropIfPicked(*picked, handle, set, chart, fs);
  }
  return dropped;
}

void FilterSketch::Drop() { PolePicked = ZeroPicked = LowGainPicked = OverPole = false; }

bool FilterSketch::DropIfPicked(bool& picked, int handle, FilterSettings& set, const BodeChart& chart, float fs) {
  if (!picked) return false;
  picked = false;
  // A set on its codes stays as it is: a pick and a drop with no move between
  // them change nothing, also where the handle rests off its range bars.
  if (HoldsItsCodes(set, fs)) return true;
  FilterSettings nearest;
  if (NearestWritableSet(set, handle, fs, chart, &nearest)) RestOn(nearest, set, chart);
  return true;
}

void FilterSketch::RestOn(const FilterSettings& codes, FilterSettings& set, const BodeChart& chart) {
  set = codes;
  UpdateFilterSketch(set, chart);
}

void FilterSketch::UpdateFilterSketch(const FilterSettings& set, const BodeChart& chart) {
  PlacePoleMarker(set, chart);
  PlaceZeroMarker(set, chart);
  PlaceLowGainLine(set, chart);
  DrawGainAsymptotes(chart);
}

void FilterSketch::PlaceGeometry(const FilterSettings& set, const BodeChart& chart) {
  PlacePole(set, chart);
  PlaceZero(set, chart);
  PlaceLowGain(set, chart);
  DrawGainAsymptotes(chart);
}

void FilterSketch::PlacePole(const FilterSettings& set, const BodeChart& chart) {
  Pole.Left = FreqToX(chart, set.PoleFreq) - Pole.Width / 2;
  Pole.Top = GainToY(chart, set.HighFreqGain) - Pole.Height / 2;
}

void FilterSketch::PlaceZero(const FilterSettings& set, const BodeChart& chart) {
  Zero.Left = FreqToX(chart, set.ZeroFreq) - Zero.Width / 2;
  Zero.Top = CalcSlopeYAtZeroFreq(set.ZeroFreq, chart) - Zero.Height / 2;
}

void FilterSketch::PlaceLowGain(const FilterSettings& set, const BodeChart& chart) {
  const float s = DecadeSlope(chart);
  const float c = GainToY(chart, set.LowFreqGain) - s * FreqToX(chart, 1);
  IstSlope.X1 = chart.GridX[0];
  IstSlope.Y1 = s * IstSlope.X1 + c;
  // Down to the bottom line for now; DrawGainAsymptotes ends it at the zero's level.
  IstSlope.X2 = (chart.BottomY - c) / s;
  IstSlope.Y2 = chart.BottomY;
}

void FilterSketch::PlacePoleMarker(const FilterSettings& set, const BodeChart& chart) {
  PlacePole(set, chart);
  PoleFreqText = KHzCaption(XToFreq(chart, Pole.CentreX()));
  HighFGainText = DbCaption(YToGain(chart, Pole.CentreY()));
  PolePosText = PoleCaption(HighFGainText, PoleFreqText);
}

float FilterSketch::CalcSlopeYAtZeroFreq(float zeroFreq, const BodeChart& chart) const {
  const float s = DecadeSlope(chart);
  const float xz = FreqToX(chart, zeroFreq);
  return Pole.CentreY() - s * (xz - Pole.CentreX());
}

void FilterSketch::PlaceZeroMarker(const FilterSettings& set, const BodeChart& chart) {
  PlaceZero(set, chart);
  ZeroFreqText = KHzCaption(XToFreq(chart, Zero.CentreX()));
  ZeroPosText = ZeroCaption(ZeroFreqText);
}

void FilterSketch::PlaceLowGainLine(const FilterSettings& set, const BodeChart& chart) {
  PlaceLowGain(set, chart);
  LowFGainText = FormatHundredths(set.LowFreqGain) + QStringLiteral("dB ");
  LowGainPosText = LowGainCaption(LowFGainText);
}

void FilterSketch::DrawGainAsymptotes(const BodeChart& chart) {
  const float s = DecadeSlope(chart);
  const float zx = Zero.CentreX(), zy = Zero.CentreY();
  const float px = Pole.CentreX(), py = Pole.CentreY();
  const float xe = (zy - IntegratorConstant(s)) / s;
  Slope2 = {zx, zy, px, py};
  Hor1 = {xe, zy, zx, zy};
  Hor2 = {px, py, chart.GridX[kGridLineCount - 1], py};
  IstSlope.X2 = xe;
  IstSlope.Y2 = zy;
}

bool FilterSketch::CheckMarkerMove(float x, float y, int handle, const BodeChart& chart) const {
  const float s = DecadeSlope(chart);
  const float cF = IntegratorConstant(s);
  const float zx = Zero.CentreX(), zy = Zero.CentreY();
  const float px = Pole.CentreX(), py = Pole.CentreY();
  switch (handle) {
    case kPoleHandle: {
      if (py > s * x + cF || x <= zx) return false;
      const float cR = y + s * x;
      const float yz = -s * zx + cR;
      const float yi = (cR + cF) / 2;
      return yz < yi && zx >= IstSlope.X2 && yz > IstSlope.Y1;
    }
    case kZeroHandle: {
      const float cR = py + s * px;
      const float yi = (cR + cF) / 2;
      const float yz = -s * x + cR;
      return yz < yi && x >= IstSlope.X2 && x < px && yz > IstSlope.Y1 && x > chart.PoleBarX1;
    }
    case kLowGainHandle: {
      const float cG = y - s * x;
      return s * chart.GridX[0] + cG <= zy && zy <= s * zx + cG;
    }
    default:
      return false;
  }
}

bool FilterSketch::IsOnZeroSlopeInRange(float x, const BodeChart& chart) const {
  const float s = DecadeSlope(chart);
  const float y = Zero.CentreY() - s * (x - Zero.CentreX());
  return chart.RowY[chart.ZerodBRow] <= y && y <= chart.BottomY;
}

bool FilterSketch::NearIntegratorLine(float x, float y, const BodeChart& chart) const {
  const float yL = IstSlope.Y1 + DecadeSlope(chart) * (x - chart.GridX[0]);
  return yL - 100 < y && y < yL + 100 && y <= Zero.CentreY();
}

bool FilterSketch::IsUnder(int handle, float x, float y, const BodeChart& chart) const {
  if (!Shown) return false;
  switch (handle) {
    case kPoleHandle: return Pole.Contains(x, y);
    case kZeroHandle: return Zero.Contains(x, y);
    case kLowGainHandle: return NearIntegratorLine(x, y, chart);
    default: return false;
  }
}

bool FilterSketch::MouseDown(float x, float y, FilterSettings& set, const BodeChart& chart, float fs) {
  bool dropped = false;
  const auto toggle = [&](bool& picked, int handle, bool hit) {
    if (DropIfPicked(picked, handle, set, chart, fs)) {
      dropped = true;
    } else if (hit) {
      picked = true;
    }
  };
  toggle(PolePicked, kPoleHandle, IsUnder(kPoleHandle, x, y, chart));
  toggle(ZeroPicked, kZeroHandle, IsUnder(kZeroHandle, x, y, chart));
  toggle(LowGainPicked, kLowGainHandle, IsUnder(kLowGainHandle, x, y, chart));
  return dropped;
}

bool FilterSketch::MoveAllowed(int handle, float x, float y, const BodeChart& chart) const {
  if (!CheckMarkerMove(x, y, handle, chart)) return false;
  switch (handle) {
    case kPoleHandle:
      return chart.PoleBarX1 <= x && x <= chart.PoleBarX2 && chart.HFBarY1 <= y && y <= chart.HFBarY2;
    case kZeroHandle:
      return IsOnZeroSlopeInRange(x, chart);
    case kLowGainHandle: {
      const float s = DecadeSlope(chart);
      const float y0 = s * chart.GridX[0] + (y - s * x);
      return chart.LFBarY1 < y0 && y0 < chart.LFBarY2;
    }
    default:
      return false;
  }
}

void FilterSketch::ApplyMove(int handle, float x, float y, FilterSettings& set, const BodeChart& chart) {
  const float s = DecadeSlope(chart);
  switch (handle) {
    case kPoleHandle:
      Pole.Left = x - Pole.Width / 2;
      Pole.Top = y - Pole.Height / 2;
      PoleFreqText = KHzCaption(XToFreq(chart, Pole.CentreX()));
      set.PoleFreq = pagekit::HzFromText(PoleFreqText);
      HighFGainText = DbCaption(YToGain(chart, Pole.CentreY()));
      set.HighFreqGain = DbOfCaption(HighFGainText);
      PolePosText = PoleCaption(HighFGainText, PoleFreqText);
      // The zero keeps its frequency and slides along the new rising line.
      PlaceZeroMarker(set, chart);
      DrawGainAsymptotes(chart);
      break;
    case kZeroHandle:
      ZeroFreqText = KHzCaption(XToFreq(chart, x));
      set.ZeroFreq = pagekit::HzFromText(ZeroFreqText);
      Zero.Left = x - Zero.Width / 2;
      Zero.Top = CalcSlopeYAtZeroFreq(set.ZeroFreq, chart) - Zero.Height / 2;
      ZeroPosText = ZeroCaption(ZeroFreqText);
      DrawGainAsymptotes(chart);
      break;
    case kLowGainHandle: {
      const float cG = y - s * x;
      IstSlope.Y1 = s * chart.GridX[0] + cG;
      DrawGainAsymptotes(chart);
      LowFGainText = FormatHundredths(YToGain(chart, s * FreqToX(chart, 1) + cG)) + QStringLiteral("dB ");
      set.LowFreqGain = DbOfCaption(LowFGainText);
      LowGainPosText = LowGainCaption(LowFGainText);
      break;
    }
    default:
      break;
  }
}

void FilterSketch::MoveHandle(int handle, float x, float y, FilterSettings& set, const BodeChart& chart, float fs) {
  if (MoveAllowed(handle, x, y, chart)) {
    FilterSketch moved = *this;
    FilterSettings values = set;
    moved.ApplyMove(handle, x, y, values, chart);
    if (filter::RestsInRange(WrittenSet(values, fs), handle, chart)) {
      *this = moved;
      set = values;
      return;
    }
  }
  // An end of the range: the handle goes as far toward the pointer as a set of
  // codes in range allows, and rests on that set, so that what it shows there
  // is what the chip will hold.
  const float s = DecadeSlope(chart);
  QPointF from, to(x, y);
  switch (handle) {
    case kPoleHandle:
      from = QPointF(Pole.CentreX(), Pole.CentreY());
      // Beyond a range bar the pointer counts as at its end.
      to = QPointF(std::clamp(x, chart.PoleBarX1, chart.PoleBarX2), std::clamp(y, chart.HFBarY1, chart.HFBarY2));
      break;
    case kZeroHandle:
      from = QPointF(Zero.CentreX(), y);
      break;
    default:
      from = QPointF(x, IstSlope.Y1 + s * (x - chart.GridX[0]));
      break;
  }
  const auto settleAt = [&](double t, FilterSettings* settled) {
    const QPointF at = from + t * (to - from);
    const float ax = static_cast<float>(at.x()), ay = static_cast<float>(at.y());
    if (!MoveAllowed(handle, ax, ay, chart)) return false;
    FilterSketch moved = *this;
    FilterSettings values = set;
    moved.ApplyMove(handle, ax, ay, values, chart);
    return NearestWritableSet(values, handle, fs, chart, settled);
  };
  FilterSettings settled;
  if (!settleAt(1, &settled)) {
    if (!settleAt(0, &settled)) return;  // nowhere to go: the move is ignored
    double in = 0, out = 1;
    for (int i = 0; i < kEndSearchSteps; ++i) {
      const double mid = (in + out) / 2;
      FilterSettings at;
      if (settleAt(mid, &at)) {
        in = mid;
        settled = at;
      } else {
        out = mid;
      }
    }
  }
  RestOn(settled, set, chart);
}

int FilterSketch::MouseMove(float x, float y, FilterSettings& set, const BodeChart& chart, float fs) {
  OverPole = IsUnder(kPoleHandle, x, y, chart);
  int under = OverPole ? kPoleHandle : kNoHandle;
  if (PolePicked) MoveHandle(kPoleHandle, x, y, set, chart, fs);

  if (IsUnder(kZeroHandle, x, y, chart)) under = kZeroHandle;
  if (ZeroPicked) MoveHandle(kZeroHandle, x, y, set, chart, fs);

  if (IsUnder(kLowGainHandle, x, y, chart)) under = kLowGainHandle;
  if (LowGainPicked) MoveHandle(kLowGainHandle, x, y, set, chart, fs);
  return under;
}

}  // namespace filter
