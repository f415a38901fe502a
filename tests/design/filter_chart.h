#pragma once
// The Bode chart as the designer window lays it out: its grid, and at a
// frequency list position its range bars too.

#include "design/BodeGeometry.h"

namespace filtertest {

inline filter::BodeChart LaidOut() {
  filter::BodeChart chart = filter::DesignTimeChart();
  filter::LayoutPlotGrid(chart);
  return chart;
}

inline filter::BodeChart ChartAt(int frequencyIndex) {
  filter::BodeChart chart = LaidOut();
  filter::PositionPoleZeroRange(chart, frequencyIndex);
  filter::PositionGainRangeLines(chart, frequencyIndex);
  return chart;
}

}  // namespace filtertest
