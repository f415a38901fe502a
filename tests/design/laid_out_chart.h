#pragma once
// The Bode chart as the filter designer lays it out when it loads, for the
// tests of the pure geometry and loop maths.

#include "design/BodeGeometry.h"

inline filter::BodeChart LaidOutChart() {
  filter::BodeChart chart = filter::DesignTimeChart();
  filter::LayoutPlotGrid(chart);
  return chart;
}
