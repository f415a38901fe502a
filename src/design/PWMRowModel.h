#pragma once
// What one timing row of the PWM editor shows, held apart from the items that
// show it: the dotted markers, the ten waveform lines, the two modulation
// arrows and the texts of the period and edge labels. The editor changes it
// with the functions of PWMGeometry and PWMEdgeText and puts the whole row on
// its picture after each change; it never reads a position back from an item.

#include <QString>
#include <array>

#include "PWMGeometry.h"

namespace pwm {

// The period label sits on the low level, centred on the mid marker.
constexpr float kPeriodLabelWidth = 900;

struct RowModel {
  int row = 0;
  // Dotted: the start, end and mid markers, the grid line halfway through period 1, the baseline.
  Line start, end, mid, grid, baseline;
  RowWave wave{};
  // The arrows on the rising (0) and the falling (1) edge; a hidden one keeps its last place.
  std::array<Marker, 2> arrows{};
  std::array<bool, 2> arrowShown{};
  QString periodText;
  QString riseText, fallText;

  float S() const { return start.x1; }
  float M() const { return mid.x1; }
  // The X of the rising (kind 1) or falling (kind 3) edge.
  float EdgeX(int kind) const { return wave[kind].x1; }
  const QString& EdgeText(int kind) const { return kind == kRisingEdge ? riseText : fallText; }
  QString& EdgeText(int kind) { return kind == kRisingEdge ? riseText : fallText; }
  float PeriodLabelLeft() const { return M() - kPeriodLabelWidth / 2; }
};

// Row r as a new picture shows it: both edges on the start marker, no arrow, no
// period text, and both edge labels at the given time text ("T1 = " and so on).
RowModel NewRow(int row, const QString& edgeTimeText);

// Shows the arrows the two enable boxes ask for, each centred on its edge; the
// shaft is `width` long.
void ShowModulation(RowModel& model, bool onRise, bool onFall, float width);

}  // namespace pwm
