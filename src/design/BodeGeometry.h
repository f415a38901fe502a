#pragma once
// The Bode chart's geometry in twips inside its picture: four decades from 100 Hz
// to 1 MHz, fourteen rows read as gain and as phase, the bottom line and the three
// range bars; and the mappings between frequency, gain, phase and chart position.
// The designer window copies these positions into its line items.

#include <QString>
#include <array>

namespace filter {

constexpr int kGridLineCount = 37;  // 100 Hz and every 1..9 step of four decades
constexpr int kRowCount = 14;
constexpr int kFreqLabelCount = 13;

struct BodeChart {
  float Width = 13095;  // the picture's size
  float Height = 7455;

  int dBPerDiv = 10;
  int dBMin = -70;
  int ZerodBRow = 7;
  int DegPerDiv = 15;
  int DegMin = -120;
  int ZeroDegRow = 8;

  // Vertical lines (X1 = X2), running from Y1 (the bottom line) up to 0.
  std::array<float, kGridLineCount> GridX{};
  float GridY1 = 0;
  // Horizontal rows, from RowX1 to RowX2.
  std::array<float, kRowCount> RowY{};
  float RowX1 = 600;
  float RowX2 = 600;
  // The dotted bottom line, one row below row 0, from 0 to BottomX2.
  float BottomY = 6720;
  float BottomX2 = 0;

  // Pole/zero frequency range, on the bottom line.
  float PoleBarX1 = 0;
  float PoleBarX2 = 0;
  // HF gain range, on the 1 MHz line.
  float HFBarX = 0;
  float HFBarY1 = 0;
  float HFBarY2 = 0;
  // LF gain range, on the 100 Hz line.
  float LFBarX = 600;
  float LFBarY1 = 0;
  float LFBarY2 = 0;
};

// The chart as designed, before it is laid out: every grid line and row at its first element.
BodeChart DesignTimeChart();
// Lays out the grid lines and rows from the first of each.
void LayoutPlotGrid(BodeChart& chart);

float LogFreqToX(const BodeChart& chart, double log10Freq);
float FreqToX(const BodeChart& chart, float freq);
float XToFreq(const BodeChart& chart, float x);
float GainToY(const BodeChart& chart, float dB);
float YToGain(const BodeChart& chart, float y);
float PhaseToY(const BodeChart& chart, float degrees);

// The +20 dB row, and the chart's 20 dB per decade as a slope in twips per twip.
int Plus20dBRow(const BodeChart& chart);
float DecadeSlope(const BodeChart& chart);

// Frequency labels: their texts, and the grid line each is centred on (element 0
// keeps its designed place on the 100 Hz line).
QString FreqLabelText(int element);
int FreqLabelGridLine(int element);
// "-70dB" .. "60dB" and "-120°" .. "75°" for the rows.
QString GainLabelText(const BodeChart& chart, int row);
QString PhaseLabelText(const BodeChart& chart, int row);

// Moves the range bars for a switching-frequency list position; a position outside
// the list leaves the pole/zero bar where it was.
void PositionPoleZeroRange(BodeChart& chart, int frequencyIndex);
void PositionGainRangeLines(BodeChart& chart, int frequencyIndex);

// Value captions on the chart: "12.5 kHz" becomes "12.50kHz", "-10 dB" "-10.00dB".
QString FormatValueText(const QString& text);
// A value rounded to hundredths in its shortest plain form: 8.31427 gives "8.31", 0.5 ".5".
QString FormatHundredths(double value);

}  // namespace filter
