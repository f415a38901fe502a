#pragma once
// The loop filter's register codes and their engineering values: the switching
// frequency, the two filter sets (CCM and DCM) of four byte registers each, and
// the limits the chart draws for them. No widget; the designer window only wires it.

#include <QString>
#include <array>
#include <cstdint>

#include "pagekit/BitField.h"

namespace filter {

// One filter set, as the window keeps and shows it.
struct FilterSettings {
  float LowFreqGain = 0;   // dB, the integrator's gain at 1 Hz
  float PoleFreq = 0;      // Hz
  float HighFreqGain = 0;  // dB
  float ZeroFreq = 0;      // Hz
};

constexpr int kCCM = 0;
constexpr int kDCM = 1;

constexpr int kPinDisableReg = 0x40;
constexpr pagekit::BitField kProgrammedBit{0, 1};  // 0x40: set by every Apply
constexpr int LFGainReg(int mode) { return 0x60 + 4 * mode; }
constexpr int ZeroReg(int mode) { return 0x61 + 4 * mode; }
constexpr int PoleReg(int mode) { return 0x62 + 4 * mode; }
constexpr int HFGainReg(int mode) { return 0x63 + 4 * mode; }

// pi as the chip's tools carry it, a single-precision 3.14159.
constexpr float kPi = 3.14159f;

// log10 as a float, with 0 giving -1000 so that a zero gain lands far off the chart.
float Log10(float x);

// Decoding, at the switching frequency fs in Hz.
float ZeroPoleCodeToFreq(int code, float fs);
float LFGainCodeToGain(int code);
float HFGainCodeToGain(int code, float poleFreq, float zeroFreq, float fs);
// The four codes as the chip holds them, decoded in the order they are read.
FilterSettings DecodeFilterSet(int lfCode, int zeroCode, int poleCode, int hfCode, float fs);

// Encoding. Each code is the floor of its exact value, taken with a thousandth of
// a code to spare: a value decoded from a code lands a hair below that code through
// float rounding and must give the same code back. Results are clamped to 0..255
// (a frequency above fs / pi gives 0, 0 Hz gives 255); a value that is no number gives 0.
int ZeroPoleFreqToCode(float freq, float fs);
int HFGainToCode(float highFreqGainDb, float poleFreq, float zeroFreq, float fs);
int LFGainToCode(float lowFreqGainDb);

// A set's four codes, as Apply writes them at fs.
struct FilterCodes {
  int lf, zero, pole, hf;
};
FilterCodes EncodeFilterSet(const FilterSettings& set, float fs);
// The set as the chip holds it once written: its codes at fs, read back.
FilterSettings WrittenSet(const FilterSettings& set, float fs);
// Does the set hold exactly what its codes at fs read back as?
bool HoldsItsCodes(const FilterSettings& set, float fs);

struct RegisterWrite {
  int reg;
  int value;
};

// Apply's writes of one set, in the chip's order: pole, zero, HF gain, LF gain.
std::array<RegisterWrite, 4> FilterSetWrites(int mode, const FilterSettings& set, float fs);
// The factory set offered for a set that cannot be drawn, in its write order: LF, zero, pole, HF.
std::array<RegisterWrite, 4> DefaultFilterWrites(int mode);
// "The CCM Digital Filter settings are invalid" and the offer to program the defaults.
QString InvalidSettingsMessage(int mode);

// The HF gain range at a frequency list position, in dB; Which 0 is the upper
// limit, 1 the lower. A position outside the list, or another Which, gives 0.
float GetHFGainLimit(int which, int frequencyIndex);

// The frequencies between which the pole and zero may be dragged at a list position.
struct FrequencyRange {
  float low;
  float high;
};
// false for a position outside the list.
bool PoleZeroRange(int frequencyIndex, FrequencyRange* range);

}  // namespace filter
