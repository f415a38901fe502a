#pragma once
// Scale arithmetic shared by the gauge and the strip chart: round steps for
// ticks, tick values, a value range rounded out to whole steps, the range a
// chart's value axis takes for its readings, round steps of time and the time
// of day, and the linear map between values and pixels. Plain C++, no widgets.

#include <vector>

namespace instruments {

// The smallest step of 1, 2 or 5 times a power of ten that divides span into at
// most maxSteps steps. A span that is not positive gives 1.
double NiceStep(double span, int maxSteps);

// The multiples of step from low to high, both ends included when they fall on
// a multiple (a little rounding slack allowed).
std::vector<double> TickValues(double low, double high, double step);

// value to the nearest multiple of step.
double SnapToStep(double value, double step);

struct ValueRange {
  double low = 0;
  double high = 1;
  double step = 1;  // the tick step the range was rounded to
};

// [low, high] widened out to whole steps of a round size, at most maxSteps of
// them; an empty range is opened around its value first.
ValueRange NiceRange(double low, double high, int maxSteps);

// The range of a value axis that shows readings from low to high: never less
// tall than a fiftieth of their size (so a flat line, or one that flickers by a
// step of its register, lies calm in the middle, and one at zero gets -1 to 1),
// with a twentieth of room above and below, rounded out to at most maxSteps
// round steps. Ends that are not finite give 0 to 1.
ValueRange FitRange(double low, double high, int maxSteps);

// The smallest round step of time (1, 2, 5, 10, 15 or 30 seconds, 1, 2, 5, 10,
// 15 or 30 minutes, 1 or 2 hours) that cuts span seconds into at most maxSteps.
double TimeStep(double span, int maxSteps);

// A time in seconds from a midnight, taken into the day: 86401 and 1 are both 1,
// -1 is 86399.
double TimeOfDay(double seconds);

// Values from minimum to maximum laid along pixels from start to end.
struct LinearMap {
  double minimum = 0;
  double maximum = 1;
  double start = 0;
  double end = 1;

  // The pixel of a value, held to the ends of the track.
  double ToPixel(double value) const;
  // The value at a pixel, held to the range.
  double ToValue(double pixel) const;
};

}  // namespace instruments
