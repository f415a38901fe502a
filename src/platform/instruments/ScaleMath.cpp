#include "ScaleMath.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace instruments {

namespace {
constexpr double kSlack = 1e-9;  // relative rounding slack when comparing with multiples
}

double NiceStep(double span, int maxSteps) {
  if (!(span > 0) || maxSteps < 1) return 1;
  const double raw = span / maxSteps;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * magnitude >= raw * (1 - kSlack)) return m * magnitude;
  }
  return 10 * magnitude;
}

std::vector<double> TickValues(double low, double high, double step) {
  std::vector<double> ticks;
  if (!(step > 0) || high < low) return ticks;
  const double first = std::ceil(low / step - kSlack);
  const double last = std::floor(high / step + kSlack);
  for (double k = first; k <= last; ++k) {
    const double v = k * step;
    ticks.push_back(v == 0 ? 0.0 : v);  // no "-0" labels
  }
  return ticks;
}

double SnapToStep(double value, double step) {
  if (!(step > 0)) return value;
  const double v = std::round(value / step) * step;
  return v == 0 ? 0.0 : v;
}

ValueRange NiceRange(double low, double high, int maxSteps) {
  if (high < low) std::swap(low, high);
  if (high - low <= std::max(std::fabs(low), std::fabs(high)) * 1e-6) {
    // A flat line: give it room of a tenth of its size (or one unit at zero).
    const double half = low == 0 ? 1.0 : std::fabs(low) * 0.1;
    low -= half;
    high += half;
  }
  double step = NiceStep(high - low, maxSteps);
  // Rounding out can need one step more than the span itself; grow the step until it fits.
  for (int i = 0; i < 4; ++i) {
    const double lo = std::floor(low / step + kSlack) * step;
    const double hi = std::ceil(high / step - kSlack) * step;
    if ((hi - lo) / step <= maxSteps + kSlack) return {lo == 0 ? 0.0 : lo, hi == 0 ? 0.0 : hi, step};
    step = NiceStep(step * 1.001, 1);  // the next round step up
  }
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

ValueRange FitRange(double low, double high, int maxSteps) {
  if (!std::isfinite(low) || !std::isfinite(high)) return {0, 1, 0.2};
  if (high < low) std::swap(low, high);
  const double least = std::max(std::fabs(low), std::fabs(high)) / 50;
  if (high - low < least) {
    const double middle = low / 2 + high / 2;
    low = middle - least / 2;
    high = middle + least / 2;
  }
  const double room = (high - low) / 20;
  return NiceRange(low - room, high + room, maxSteps);
}

double TimeStep(double span, int maxSteps) {
  static constexpr double kSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200};
  if (!(span > 0) || maxSteps < 1) return kSteps[0];
  for (double step : kSteps) {
    if (span / step <= maxSteps * (1 + kSlack)) return step;
  }
  return kSteps[std::size(kSteps) - 1];
}

double TimeOfDay(double seconds) {
  constexpr double kDay = 86400;
  const double t = std::fmod(seconds, kDay);
  return t < 0 ? t + kDay : t;
}

double LinearMap::ToPixel(double value) const {
  if (maximum == minimum || std::isnan(value)) return start;
  const double v = std::clamp(value, std::min(minimum, maximum), std::max(minimum, maximum));
  return start + (v - minimum) * (end - start) / (maximum - minimum);
}

double LinearMap::ToValue(double pixel) const {
  if (end == start) return minimum;
  const double v = minimum + (pixel - start) * (maximum - minimum) / (end - start);
  return std::clamp(v, std::min(minimum, maximum), std::max(minimum, maximum));
}

}  // namespace instruments
