#pragma once
// Where things stand in a PWM timing row, in twips inside the row picture:
// edge time <-> X, the ten waveform lines and how an edge move reshapes them,
// which edge is under the pointer, the copy into the second period and the
// modulation arrows.
// S is the start marker's X, M the mid marker's X (end of period 1), P the
// row's period in steps.

#include <array>
#include <cstdint>

namespace pwm {

constexpr float kStartMarkerX = 1200;
constexpr float kEndMarkerX = 7215;
constexpr int kRisingEdge = 1;
constexpr int kFallingEdge = 3;

struct Levels {
  float high;
  float low;
};
// Signal levels of a row: the AUX row sits higher in its picture.
Levels RowLevels(int row);

// The boundary between the two periods, halfway between start and end markers.
float MidMarkerX(float startX, float endX);
// The grid line in the middle of period 1.
float GridX(float startX, float midX);

// X of an edge time. Without a period every time lies on the start marker.
float EdgeTimeToX(int32_t t, float S, float M, int32_t P);
// The whole step count at X (halves to even).
float XToEdgeTime(float X, float S, float M, int32_t P);

struct Line {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const Line& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
};

// The ten waveform lines of a row: 0 level before the earlier edge, 1 rising
// edge, 2 level between the edges, 3 falling edge, 4 level after the later
// edge; 5 to 9 are 0 to 4 shifted into period 2.
using RowWave = std::array<Line, 10>;

// A row before any edge is placed: both edges on the start marker.
RowWave InitialRowWave(int row, float S, float M);

// Which edge a click or the pointer at x is on: the rising (kind 1) or the
// falling (kind 3) edge line within the tolerance of x, both bounds strict and
// rounded to Single first; the rising edge wins when both are; 0 for neither.
int EdgeUnder(const RowWave& wave, float x, float tolerance);

// Puts the rising (kind 1) or falling (kind 3) edge at X and redraws the row
// around it, high or low between the edges by which comes first (a tie counts
// as rising first), then repeats it in period 2. X outside S..M changes
// nothing and gives false.
bool MoveEdgeLine(RowWave& wave, int kind, float X, float S, float M);

// Period 2 as an exact copy of period 1, one period width (M - S) later.
void CopyWaveformToSecondPeriod(RowWave& wave, float S, float M);

// A modulation arrow: shaft, left head upper and lower stroke, right head
// upper and lower stroke.
struct Marker {
  Line shaft, leftUpper, leftLower, rightUpper, rightLower;
};
// Marker m (0-6 a row's rising edge, 7-13 its falling edge) centred on X.
Marker PlaceModulationMarker(int m, float X, float width);

}  // namespace pwm
