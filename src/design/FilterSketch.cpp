#include "FilterSketch.h"

#include "model/NumberText.h"

namespace filter {
namespace {

// The value labels are where a dragged value is taken from, which gives the 10 Hz and 0.01 dB grain.
QString KHzCaption(float hz) { return FormatHundredths(hz / 1000.0) + QStringLiteral(" kHz"); }
QString DbCaption(float dB) { return FormatHundredths(dB) + QStringLiteral("dB"); }
float HzOfCaption(const QString& kHzCaption) { return static_cast<float>(numtext::Val(kHzCaption) * 1000); }
float DbOfCaption(const QString& caption) { return static_cast<float>(numtext::Val(caption)); }

QString PoleCaption(const QString& gain, const QString& freq) {
  return QStringLiteral("Pole (") + FormatValueText(gain) + QStringLiteral(" @ ") + FormatValueText(freq) +
         QStringLiteral(")");
}
QString ZeroCaption(const QString& freq) { return QStringLiteral("Zero (") + FormatValueText(freq) + QStringLiteral(")"); }
QString LowGainCaption(const QString& gain) { return QStringLiteral("Low Gain (") + gain + QStringLiteral("@ 1Hz)"); }

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

void FilterSketch::UpdateFilterSketch(const FilterSettings& set, const BodeChart& chart) {
  PlacePoleMarker(set, chart);
  PlaceZeroMarker(set, chart);
  PlaceLowGainLine(set, chart);
  DrawGainAsymptotes(chart);
}

void FilterSketch::PlacePoleMarker(const FilterSettings& set, const BodeChart& chart) {
  Pole.Left = FreqToX(chart, set.PoleFreq) - Pole.Width / 2;
  Pole.Top = GainToY(chart, set.HighFreqGain) - Pole.Height / 2;
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
  Zero.Left = FreqToX(chart, set.ZeroFreq) - Zero.Width / 2;
  Zero.Top = CalcSlopeYAtZeroFreq(set.ZeroFreq, chart) - Zero.Height / 2;
  ZeroFreqText = KHzCaption(XToFreq(chart, Zero.CentreX()));
  ZeroPosText = ZeroCaption(ZeroFreqText);
}

void FilterSketch::PlaceLowGainLine(const FilterSettings& set, const BodeChart& chart) {
  const float s = DecadeSlope(chart);
  const float c = GainToY(chart, set.LowFreqGain) - s * FreqToX(chart, 1);
  IstSlope.X1 = chart.GridX[0];
  IstSlope.Y1 = s * IstSlope.X1 + c;
  // Down to the bottom line for now; DrawGainAsymptotes ends it at the zero's level.
  IstSlope.X2 = (chart.BottomY - c) / s;
  IstSlope.Y2 = chart.BottomY;
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

bool FilterSketch::MouseDown(float x, float y, const BodeChart& chart) {
  bool dropped = false;
  const auto toggle = [&dropped](bool& picked, bool hit) {
    if (picked) {
      picked = false;
      dropped = true;
    } else if (hit) {
      picked = true;
    }
  };
  toggle(PolePicked, Pole.Contains(x, y));
  toggle(ZeroPicked, Zero.Contains(x, y));
  toggle(LowGainPicked, NearIntegratorLine(x, y, chart));
  return dropped;
}

int FilterSketch::MouseMove(float x, float y, FilterSettings& set, const BodeChart& chart) {
  const float s = DecadeSlope(chart);
  OverPole = Pole.Contains(x, y);
  int pointer = OverPole ? kPointerSizeAll : kPointerDefault;

  if (CheckMarkerMove(x, y, kPoleHandle, chart) && PolePicked && chart.PoleBarX1 <= x && x <= chart.PoleBarX2 &&
      chart.HFBarY1 <= y && y <= chart.HFBarY2) {
    Pole.Left = x - Pole.Width / 2;
    Pole.Top = y - Pole.Height / 2;
    PoleFreqText = KHzCaption(XToFreq(chart, Pole.CentreX()));
    set.PoleFreq = HzOfCaption(PoleFreqText);
    HighFGainText = DbCaption(YToGain(chart, Pole.CentreY()));
    set.HighFreqGain = DbOfCaption(HighFGainText);
    PolePosText = PoleCaption(HighFGainText, PoleFreqText);
    // The zero keeps its frequency and slides along the new rising line.
    PlaceZeroMarker(set, chart);
    DrawGainAsymptotes(chart);
  }

  if (Zero.Contains(x, y)) {
    pointer = kPointerSizeWE;
  } else if (!OverPole) {
    pointer = kPointerDefault;
  }

  if (CheckMarkerMove(x, y, kZeroHandle, chart) && ZeroPicked && IsOnZeroSlopeInRange(x, chart)) {
    ZeroFreqText = KHzCaption(XToFreq(chart, x));
    set.ZeroFreq = HzOfCaption(ZeroFreqText);
    Zero.Left = x - Zero.Width / 2;
    Zero.Top = CalcSlopeYAtZeroFreq(set.ZeroFreq, chart) - Zero.Height / 2;
    ZeroPosText = ZeroCaption(ZeroFreqText);
    DrawGainAsymptotes(chart);
  }

  if (NearIntegratorLine(x, y, chart)) pointer = kPointerSizeNS;

  const float cG = y - s * x;
  const float y0 = s * chart.GridX[0] + cG;
  if (CheckMarkerMove(x, y, kLowGainHandle, chart) && LowGainPicked && chart.LFBarY1 < y0 && y0 < chart.LFBarY2) {
    IstSlope.Y1 = y0;
    DrawGainAsymptotes(chart);
    LowFGainText = FormatHundredths(YToGain(chart, s * FreqToX(chart, 1) + cG)) + QStringLiteral("dB ");
    set.LowFreqGain = DbOfCaption(LowFGainText);
    LowGainPosText = LowGainCaption(LowFGainText);
  }
  return pointer;
}

}  // namespace filter
