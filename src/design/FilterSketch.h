#pragma once
// The digital filter's gain as an asymptote sketch on the Bode chart: an
// integrator line falling at 20 dB per decade, a flat part at the zero's level,
// a line rising from the zero marker to the pole marker and a flat part beyond.
// Holds where every sketch item is and what its captions say, which handle is
// under the pointer, and the click-to-pick, click-to-drop dragging of the pole,
// the zero and the integrator line; the designer window copies it into its
// items and shows the pointer shape for the handle under the pointer.

#include <QString>

#include "BodeGeometry.h"
#include "FilterCodec.h"

namespace filter {

struct SketchBox {
  float Left, Top, Width, Height;
  float CentreX() const { return Left + Width / 2; }
  float CentreY() const { return Top + Height / 2; }
  // Strictly inside: a point on the border is not.
  bool Contains(float x, float y) const { return Left < x && x < Left + Width && Top < y && y < Top + Height; }
};

struct SketchLine {
  float X1, Y1, X2, Y2;
};

// The sketch's three handles: whose move CheckMarkerMove judges, and what lies under the pointer.
enum SketchHandle { kNoHandle = 0, kPoleHandle = 1, kZeroHandle = 2, kLowGainHandle = 3 };

// Can the set's sketch be drawn: the pole above the zero, the zero below the HF
// gain, and the integrator line strictly lower on the chart than the zero marker
// at the zero frequency and than the pole marker at the pole frequency.
bool FilterSetIsDrawable(const FilterSettings& set, const BodeChart& chart);

// Can the set be drawn, with the handle (kPoleHandle, ...) resting where a move
// of its own could have put it, on its range bars.
bool RestsInRange(const FilterSettings& set, int handle, const BodeChart& chart);

class FilterSketch {
 public:
  SketchBox Pole{0, 0, 160, 160};
  SketchBox Zero{0, 0, 165, 165};
  SketchLine IstSlope{}, Hor1{}, Slope2{}, Hor2{};

  // The value labels beside the chart ("8.31 kHz", "-10.33dB", "60dB ") and the handles' captions.
  QString PoleFreqText, HighFGainText, ZeroFreqText, LowFGainText;
  QString PolePosText, ZeroPosText, LowGainPosText;

  bool PolePicked = false;
  bool ZeroPicked = false;
  bool LowGainPicked = false;
  bool OverPole = false;
  // Whether the handles are on view: hidden ones are neither picked nor followed.
  bool Shown = true;

  // Hiding drops every picked handle, as a click drops it. True when one was dropped.
  bool SetShown(bool shown, FilterSettings& set, const BodeChart& chart, float fs);
  // Nothing picked, and nothing moved: a new chart.
  void Drop();

  // Places the whole sketch from a set.
  void UpdateFilterSketch(const FilterSettings& set, const BodeChart& chart);
  void PlacePoleMarker(const FilterSettings& set, const BodeChart& chart);
  void PlaceZeroMarker(const FilterSettings& set, const BodeChart& chart);
  void PlaceLowGainLine(const FilterSettings& set, const BodeChart& chart);
  void DrawGainAsymptotes(const BodeChart& chart);

  // Y of the zero marker's centre for a zero frequency: on the rising line through the pole marker.
  float CalcSlopeYAtZeroFreq(float zeroFreq, const BodeChart& chart) const;
  // May the handle go to (x, y)? Nothing changes.
  bool CheckMarkerMove(float x, float y, int handle, const BodeChart& chart) const;
  // Would the zero at x stay between 0 dB and the bottom line?
  bool IsOnZeroSlopeInRange(float x, const BodeChart& chart) const;
  // Within 100 twips above or below the integrator line, and not below the zero's level.
  bool NearIntegratorLine(float x, float y, const BodeChart& chart) const;
  // Is the handle under the point: strictly inside the pole's or the zero's box,
  // or near the integrator line? Never while the handles are hidden.
  bool IsUnder(int handle, float x, float y, const BodeChart& chart) const;

  // A click: drops each picked handle and picks each resting one under the
  // pointer, pole, zero and integrator line in turn. A dropped handle that
  // moved rests on the set of codes at fs nearest to where it was left that
  // keeps it in range, which the set then holds exactly. True when one was
  // dropped (the curves are then drawn again).
  bool MouseDown(float x, float y, FilterSettings& set, const BodeChart& chart, float fs);
  // A pointer move: picked handles follow where their checks allow, storing
  // their values in the set in steps of 10 Hz and 0.01 dB, as long as the
  // codes they are written as at fs read back in range. Beyond that a handle
  // rests at the end of its range, on the set of codes nearest the pointer,
  // which the set then holds exactly. Returns the handle under the pointer,
  // kNoHandle for none: the integrator line wins over the zero, the zero over
  // the pole; the zero is judged once the pole has moved, the line once the zero has.
  int MouseMove(float x, float y, FilterSettings& set, const BodeChart& chart, float fs);

 private:
  friend bool RestsInRange(const FilterSettings& set, int handle, const BodeChart& chart);
  // The integrator line's constant: it is y = s x + c.
  float IntegratorConstant(float s) const { return IstSlope.Y1 - s * IstSlope.X1; }
  // Where the set puts the markers and lines; no caption.
  void PlaceGeometry(const FilterSettings& set, const BodeChart& chart);
  void PlacePole(const FilterSettings& set, const BodeChart& chart);
  void PlaceZero(const FilterSettings& set, const BodeChart& chart);
  void PlaceLowGain(const FilterSettings& set, const BodeChart& chart);
  bool RestsInRange(int handle, const BodeChart& chart) const;

  // A handle's move as its checks and range bars judge it, and the move itself.
  bool MoveAllowed(int handle, float x, float y, const BodeChart& chart) const;
  void ApplyMove(int handle, float x, float y, FilterSettings& set, const BodeChart& chart);
  void MoveHandle(int handle, float x, float y, FilterSettings& set, const BodeChart& chart, float fs);
  // Drops the handle if it is picked, resting a set it moved on its nearest codes; true when it was picked.
  bool DropIfPicked(bool& picked, int handle, FilterSettings& set, const BodeChart& chart, float fs);
  // The set takes a set of codes' values and the sketch stands on them.
  void RestOn(const FilterSettings& codes, FilterSettings& set, const BodeChart& chart);
};

}  // namespace filter
