#include "PWMGeometry.h"

#include "model/NumberText.h"

namespace pwm {

Levels RowLevels(int row) { return row == 6 ? Levels{120, 720} : Levels{240, 840}; }

float MidMarkerX(float startX, float endX) { return startX + (endX - startX) / 2; }
float GridX(float startX, float midX) { return (midX + startX) / 2; }

float EdgeTimeToX(int32_t t, float S, float M, int32_t P) {
  if (P == 0) return S;
  return static_cast<float>(S + (static_cast<double>(M) - S) * t / P);
}

float XToEdgeTime(float X, float S, float M, int32_t P) {
  if (M == S) return 0;
  return static_cast<float>(numtext::Round((static_cast<double>(X) - S) * P / (static_cast<double>(M) - S)));
}

RowWave InitialRowWave(int row, float S, float M) {
  const Levels lv = RowLevels(row);
  RowWave w;
  w[0] = {S, lv.low, S, lv.low};
  w[1] = {S, lv.high, S, lv.low};
  w[2] = {S, lv.high, S, lv.high};
  w[3] = {S, lv.high, S, lv.low};
  w[4] = {S, lv.low, M, lv.low};
  MoveEdgeLine(w, kRisingEdge, S, S, M);
  return w;
}

int EdgeUnder(const RowWave& w, float x, float tolerance) {
  for (int kind : {kRisingEdge, kFallingEdge}) {
    const double at = w[kind].x1;
    const float low = static_cast<float>(at - tolerance);
    const float high = static_cast<float>(at + tolerance);
    if (low < x && x < high) return kind;
  }
  return 0;
}

bool MoveEdgeLine(RowWave& w, int kind, float X, float S, float M) {
  if (X < S || X > M) return false;
  w[kind].x1 = X;
  w[kind].x2 = w[kind].x1;
  w[2].x1 = w[1].x1;
  w[2].x2 = w[3].x1;
  const bool riseFirst = w[1].x1 <= w[3].x1;
  w[0].x2 = riseFirst ? w[2].x1 : w[2].x2;
  w[4].x1 = riseFirst ? w[2].x2 : w[2].x1;
  // Low before a rising edge, high before a falling one.
  w[0].y1 = riseFirst ? w[1].y2 : w[1].y1;
  w[2].y1 = riseFirst ? w[1].y1 : w[1].y2;
  w[4].y1 = w[0].y1;
  w[0].y2 = w[0].y1;
  w[2].y2 = w[2].y1;
  w[4].y2 = w[4].y1;
  CopyWaveformToSecondPeriod(w, S, M);
  return true;
}

void CopyWaveformToSecondPeriod(RowWave& w, float S, float M) {
  for (int k = 0; k < 5; ++k) {
    Line& copy = w[k + 5];
    copy.y1 = w[k].y1;
    copy.y2 = w[k].y2;
    copy.x1 = M + w[k].x1 - S;
    copy.x2 = M + w[k].x2 - S;
  }
}

Marker PlaceModulationMarker(int m, float X, float width) {
  const float y = m < 7 ? 605 : 455;
  Marker k;
  k.shaft = {X - width / 2, y, X + width / 2, y};
  const float l = k.shaft.x1;
  const float r = k.shaft.x2;
  k.leftUpper = {l, y - 5, l + 150, y - 65};
  k.leftLower = {l, y - 5, l + 150, y + 35};
  k.rightUpper = {r + 5, y - 5, r - 145, y - 65};
  k.rightLower = {r + 5, y, r - 145, y + 40};
  return k;
}

}  // namespace pwm
