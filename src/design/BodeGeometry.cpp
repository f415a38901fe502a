#include "BodeGeometry.h"

#include <cmath>

#include "FilterCodec.h"
#include "model/NumberText.h"

namespace filter {
namespace {

// Row index of a gain in dB, to the nearest row.
int RowOfGain(const BodeChart& chart, double dB) {
  return numtext::RoundToInt(dB / chart.dBPerDiv + chart.ZerodBRow);
}

float RowPitch(const BodeChart& chart) { return chart.RowY[1] - chart.RowY[2]; }

float GridFrequency(int i) {
  if (i <= 9) return static_cast<float>((i + 1) * 100);
  if (i <= 18) return static_cast<float>((i - 8) * 1000);
  if (i <= 27) return static_cast<float>((i - 17) * 10000);
  return static_cast<float>((i - 26) * 100000);
}

}  // namespace

BodeChart DesignTimeChart() {
  BodeChart chart;
  chart.GridX.fill(600);
  chart.RowY.fill(6300);
  chart.RowX2 = chart.Width - 1000;
  chart.BottomX2 = chart.Width;
  // As designed: the bars of the lowest switching frequency, gains at 0 dB until placed.
  chart.PoleBarX1 = 600;
  chart.PoleBarX2 = 6895;
  chart.HFBarX = chart.Width - 1000;
  chart.HFBarY1 = chart.HFBarY2 = 3360;
  chart.LFBarY1 = chart.LFBarY2 = 3360;
  return chart;
}

void LayoutPlotGrid(BodeChart& chart) {
  chart.BottomX2 = chart.Width;
  for (int i = 1; i < kGridLineCount; ++i) chart.GridX[i] = LogFreqToX(chart, Log10(GridFrequency(i)));
  const float spacing = chart.BottomY - chart.RowY[0];
  chart.RowX2 = chart.GridX[kGridLineCount - 1];
  for (int i = 1; i < kRowCount; ++i) chart.RowY[i] = chart.RowY[i - 1] - spacing;
  chart.GridY1 = chart.BottomY;
}

float LogFreqToX(const BodeChart& chart, double log10Freq) {
  const double x0 = chart.GridX[0];
  return static_cast<float>((chart.Width - 1000 - x0) / 4 * (log10Freq - 2) + x0);
}

float FreqToX(const BodeChart& chart, float freq) {
  const double x0 = chart.GridX[0];
  const double x36 = chart.GridX[kGridLineCount - 1];
  return static_cast<float>((x36 - x0) * (static_cast<double>(Log10(freq)) - 2) / 4 + x0);
}

float XToFreq(const BodeChart& chart, float x) {
  const double x0 = chart.GridX[0];
  const float l = static_cast<float>((x - x0) * 4 / (chart.Width - 1000 - x0) + 2);
  return static_cast<float>(numtext::Round(std::pow(10.0, static_cast<double>(l)), 2));
}

float GainToY(const BodeChart& chart, float dB) {
  const double y0 = chart.RowY[chart.ZerodBRow];
  return static_cast<float>(y0 - static_cast<double>(RowPitch(chart)) * dB / chart.dBPerDiv);
}

float YToGain(const BodeChart& chart, float y) {
  const double y0 = chart.RowY[chart.ZerodBRow];
  return static_cast<float>((y0 - y) * chart.dBPerDiv / RowPitch(chart));
}

float PhaseToY(const BodeChart& chart, float degrees) {
  const double y0 = chart.RowY[chart.ZeroDegRow];
  return static_cast<float>(y0 + static_cast<double>(chart.RowY[4] - chart.RowY[3]) * degrees / chart.DegPerDiv);
}

int Plus20dBRow(const BodeChart& chart) { return RowOfGain(chart, 20); }

float DecadeSlope(const BodeChart& chart) {
  const float decade = chart.GridX[9] - chart.GridX[0];
  const float rise = chart.RowY[chart.ZerodBRow] - chart.RowY[Plus20dBRow(chart)];
  return rise / decade;
}

QString FreqLabelText(int element) {
  static const char* const kTexts[kFreqLabelCount] = {"100Hz",  "500Hz",  "1kHz",   "5kHz",   "10kHz",
                                                      "200Hz",  "2kHz",   "20kHz",  "50kHz",  "100kHz",
                                                      "200kHz", "500kHz", "1MHz"};
  return element >= 0 && element < kFreqLabelCount ? QString::fromLatin1(kTexts[element]) : QString();
}

int FreqLabelGridLine(int element) {
  static const int kLines[kFreqLabelCount] = {0, 4, 9, 13, 18, 1, 10, 19, 22, 27, 28, 31, 36};
  return element >= 0 && element < kFreqLabelCount ? kLines[element] : 0;
}

QString GainLabelText(const BodeChart& chart, int row) {
  return QString::number(row * chart.dBPerDiv + chart.dBMin) + QStringLiteral("dB");
}

QString PhaseLabelText(const BodeChart& chart, int row) {
  return QString::number(row * chart.DegPerDiv + chart.DegMin) + QChar(0x00B0);
}

void PositionPoleZeroRange(BodeChart& chart, int frequencyIndex) {
  FrequencyRange range;
  if (!PoleZeroRange(frequencyIndex, &range)) return;
  chart.PoleBarX1 = FreqToX(chart, range.low);
  chart.PoleBarX2 = FreqToX(chart, range.high);
}

void PositionGainRangeLines(BodeChart& chart, int frequencyIndex) {
  chart.HFBarX = chart.GridX[kGridLineCount - 1];
  chart.HFBarY1 = GainToY(chart, GetHFGainLimit(0, frequencyIndex));
  chart.HFBarY2 = GainToY(chart, GetHFGainLimit(1, frequencyIndex));
  chart.LFBarY1 = chart.RowY[Plus20dBRow(chart)];
  chart.LFBarY2 = chart.RowY[RowOfGain(chart, -28)];
}

QString FormatHundredths(double value) { return numtext::Plain(numtext::Round(value, 2)); }

QString FormatValueText(const QString& text) {
  const QString unit = text.contains(QStringLiteral("dB")) ? QStringLiteral("dB") : QStringLiteral("kHz");
  const float x = static_cast<float>(numtext::Round(numtext::Val(text), 2));
  const float frac = x - std::floor(x);
  const QString s = numtext::Plain(numtext::Round(frac, 3)).trimmed();
  const QString suffix = s.size() <= 1 ? QStringLiteral(".00") : (s.size() == 2 ? QStringLiteral("0") : QString());
  return numtext::Plain(x).trimmed() + suffix + unit;
}

}  // namespace filter
