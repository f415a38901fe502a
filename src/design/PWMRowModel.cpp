#include "PWMRowModel.h"

#include "PWMEdgeText.h"
#include "PWMRegisters.h"

namespace pwm {

RowModel NewRow(int row, const QString& edgeTimeText) {
  const Levels lv = RowLevels(row);
  const float S = kStartMarkerX;
  const float M = MidMarkerX(S, kEndMarkerX);
  const float grid = GridX(S, M);
  RowModel model;
  model.row = row;
  model.start = {S, 0, S, lv.low};
  // Only its X1 counts; the line leans a little, as it was always drawn.
  model.end = {kEndMarkerX, 0, 7200, 1080};
  model.mid = {M, 0, M, lv.low};
  model.grid = {grid, 0, grid, lv.low};
  model.baseline = {0, lv.low, 7200, lv.low};
  model.wave = InitialRowWave(row, S, M);
  model.riseText = EdgeLabelText(EdgeNumber(row, kRisingEdge), edgeTimeText);
  model.fallText = EdgeLabelText(EdgeNumber(row, kFallingEdge), edgeTimeText);
  return model;
}

void ShowModulation(RowModel& model, bool onRise, bool onFall, float width) {
  const bool shown[] = {onRise, onFall};
  const int kinds[] = {kRisingEdge, kFallingEdge};
  for (int i = 0; i < 2; ++i) {
    // Markers 0-6 sit on the rows' rising edges, 7-13 on their falling edges.
    if (shown[i]) model.arrows[i] = PlaceModulationMarker(model.row + kRowCount * i, model.EdgeX(kinds[i]), width);
    model.arrowShown[i] = shown[i];
  }
}

}  // namespace pwm
