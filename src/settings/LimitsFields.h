#pragma once
// The readings-and-limits window without its widgets: the fault-configuration
// registers and their fields, the fixed lists and captions, which fault flag
// lights which indicator, the gauges and chart channels with the readings they
// show, the scale-factor rows, and the duty-cycle limit markers.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "model/DeviceInfo.h"
#include "pagekit/BitField.h"

namespace limits {

// Fault configuration: register 0x08 + k holds rows 2k (high nibble) and 2k + 1.
constexpr int kFaultConfigReg = 0x08;
constexpr int kFaultRows = 14;

struct FaultFields {
  pagekit::BitField action;
  pagekit::BitField timing;
  pagekit::BitField resolve;
};
constexpr FaultFields FaultFieldsOfRow(int row) {
  return row % 2 == 0 ? FaultFields{{4, 2}, {6, 1}, {7, 1}} : FaultFields{{0, 2}, {2, 1}, {3, 1}};
}

QStringList FaultRowCaptions();
QStringList FaultColumnHeadings();
QStringList ActionItems();
QStringList ResolveItems();
QStringList TimingItems();

// The fault indicators: two columns of 16, two of them reserved.
constexpr int kIndicators = 32;
QStringList IndicatorCaptions();
QString IndicatorToolTip();
// The indicator that fault flag 0 to 29 lights: 20 and 24 have no flag.
constexpr int IndicatorOfFlag(int flag) { return flag < 20 ? flag : flag < 23 ? flag + 1 : flag + 2; }
// "0x" and the first-flag value in upper-case hexadecimal.
QString FirstFlagText(float value);

// The gauges, in the order a refresh sets them; there is no gauge 8.
struct GaugeSpec {
  int index;
  int frame;  // of GaugeFrameCaptions
  const char* label;
  float DeviceInfo::*reading;
  const char* unit;
  // The scale: the working range of the reading, where a normal one is read
  // at a glance; a reading beyond it pins the bar at the end.
  double minimum;
  double maximum;
};
extern const std::array<GaugeSpec, 12> kGauges;
QStringList GaugeFrameCaptions();
QString GaugeToolTip();
// A reading to 2 decimals as number text (blank or sign first), then its unit:
// " 12.1V"; "Overflow" for a reading that has overflowed the float (a scale
// value so large that the reading at a high code is beyond it).
QString GaugeCaption(float reading, const char* unit);

// The duty-cycle gauge's limit markers, from register 0x2E in 5 % steps.
constexpr int kDutyGauge = 12;
constexpr int kPWMLimitReg = 0x2E;
constexpr double LowerDutyMarker(int reg) { return (reg & 0x03) * 5; }
constexpr double UpperDutyMarker(int reg) { return ((reg & 0x70) / 16) * 5 + 40; }
constexpr double kLowerDutyMost = 15;   // a dragged lower marker goes back to at most this
constexpr double kUpperDutyLeast = 40;  // and an upper one to at least this

// The strip charts, all fed on every refresh; the graph choice shows one. A
// chart is cut into bands, each with a scale of its own: the input voltage,
// ten times the output's, has a band apart, so that the three sensed voltages
// a few hundredths apart can be told from one another.
constexpr int kCharts = 4;
struct ChannelSpec {
  float DeviceInfo::*reading;
  const char* legend;
  int band;        // into the chart's band titles
  unsigned color;  // 0xRRGGBB, the same for a reading on every chart
};
struct ChartSpec {
  std::array<const char*, 4> bands;  // titles; null past the last
  std::array<ChannelSpec, 8> channels;
  int channelCount;
};
extern const std::array<ChartSpec, kCharts> kChartSpecs;
QStringList GraphItems();

// The "Default Scale Factors" table; the first six rows set a scale value.
struct ScaleRow {
  const char* channel;
  const char* code;
  int box;  // txtDefault(box)
  const char* unit;
  float* scale;
};
extern const std::array<ScaleRow, 13> kScaleRows;
QStringList ScaleHeadings();
// The scale value a box stores: its leading number as a 32-bit float; none
// when it starts with no number or the float cannot hold it.
std::optional<float> ScaleValueOf(const QString& text);
// The message that refuses the box of a row.
QString ScaleRefusal(const char* channel);

}  // namespace limits
