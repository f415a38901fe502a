#include "FilterCodec.h"

#include <cmath>

#include "pagekit/SwitchingFrequency.h"

namespace filter {
namespace {

constexpr double kCodeScale = 256;
constexpr float kLFEncodeFactor = 154415.4375f;  // 256 times the LF divisor, exactly
constexpr double kLFReference = 1560000;
constexpr float kLFDivisor = 603.1853f;
constexpr float kHFFactor = 10;
constexpr float kDbFactor = 20;
// What a value may fall short of a whole code through float rounding and still count as that code.
constexpr double kCodeTolerance = 0.001;

double Pi() { return kPi; }

float CodeFraction(int code) { return static_cast<float>(code / kCodeScale); }

int ToCode(double exact) {
  if (std::isnan(exact)) return 0;
  const double code = std::floor(exact + kCodeTolerance);
  if (code < 0) return 0;
  if (code > 255) return 255;
  return static_cast<int>(code);
}

float DbToGain(float db) { return static_cast<float>(std::pow(10.0, static_cast<double>(db) / kDbFactor)); }
float GainToDb(float gain) { return static_cast<float>(kDbFactor * static_cast<double>(Log10(gain))); }

}  // namespace

float Log10(float x) {
  if (x == 0) return -1000;
  return static_cast<float>(std::log(static_cast<double>(x)) / std::log(10.0));
}

float ZeroPoleCodeToFreq(int code, float fs) {
  const double z = CodeFraction(code);
  return static_cast<float>(std::floor((fs / Pi()) * (1 - z) / (z + 1)));
}

float LFGainCodeToGain(int code) {
  return static_cast<float>(CodeFraction(code) * kLFReference / static_cast<double>(kLFDivisor));
}

float HFGainCodeToGain(int code, float poleFreq, float zeroFreq, float fs) {
  const double z = CodeFraction(code);
  const float n = static_cast<float>((Pi() * poleFreq + fs) * (z * kHFFactor));
  const double d = static_cast<double>(zeroFreq) + fs;
  // Only at fs = 0 (no frequency chosen yet) with a zero at 0 Hz; no gain then, not 0 / 0.
  if (d == 0) return 0;
  return static_cast<float>(n / d);
}

FilterSettings DecodeFilterSet(int lfCode, int zeroCode, int poleCode, int hfCode, float fs) {
  FilterSettings set;
  set.ZeroFreq = ZeroPoleCodeToFreq(zeroCode, fs);
  set.PoleFreq = ZeroPoleCodeToFreq(poleCode, fs);
  set.LowFreqGain = GainToDb(LFGainCodeToGain(lfCode));
  set.HighFreqGain = GainToDb(HFGainCodeToGain(hfCode, set.PoleFreq, set.ZeroFreq, fs));
  return set;
}

int ZeroPoleFreqToCode(float freq, float fs) {
  const double pf = Pi() * freq;
  return ToCode(((fs - pf) * kCodeScale) / (fs + pf));
}

int HFGainToCode(float highFreqGainDb, float poleFreq, float zeroFreq, float fs) {
  const double g = DbToGain(highFreqGainDb);
  return ToCode(((static_cast<double>(fs) + zeroFreq) * (g * kCodeScale)) / ((Pi() * poleFreq + fs) * kHFFactor));
}

int LFGainToCode(float lowFreqGainDb) {
  return ToCode(static_cast<double>(DbToGain(lowFreqGainDb)) * kLFEncodeFactor / kLFReference);
}

FilterCodes EncodeFilterSet(const FilterSettings& set, float fs) {
  return {LFGainToCode(set.LowFreqGain), ZeroPoleFreqToCode(set.ZeroFreq, fs), ZeroPoleFreqToCode(set.PoleFreq, fs),
          HFGainToCode(set.HighFreqGain, set.PoleFreq, set.ZeroFreq, fs)};
}

FilterSettings WrittenSet(const FilterSettings& set, float fs) {
  const FilterCodes c = EncodeFilterSet(set, fs);
  return DecodeFilterSet(c.lf, c.zero, c.pole, c.hf, fs);
}

bool HoldsItsCodes(const FilterSettings& set, float fs) {
  const FilterSettings written = WrittenSet(set, fs);
  return written.LowFreqGain == set.LowFreqGain && written.PoleFreq == set.PoleFreq &&
         written.HighFreqGain == set.HighFreqGain && written.ZeroFreq == set.ZeroFreq;
}

std::array<RegisterWrite, 4> FilterSetWrites(int mode, const FilterSettings& set, float fs) {
  const FilterCodes c = EncodeFilterSet(set, fs);
  return {{{PoleReg(mode), c.pole}, {ZeroReg(mode), c.zero}, {HFGainReg(mode), c.hf}, {LFGainReg(mode), c.lf}}};
}

std::array<RegisterWrite, 4> DefaultFilterWrites(int mode) {
  return {{{LFGainReg(mode), 0x03}, {ZeroReg(mode), 0xEE}, {PoleReg(mode), 0x96}, {HFGainReg(mode), 0x0F}}};
}

QString InvalidSettingsMessage(int mode) {
  return QStringLiteral("The ") + (mode == kCCM ? QStringLiteral("CCM") : QStringLiteral("DCM")) +
         QStringLiteral(" Digital Filter settings are invalid\r\nClick OK to program default values.");
}

float GetHFGainLimit(int which, int frequencyIndex) {
  if (!pagekit::IsFrequencyIndex(frequencyIndex)) return 0;
  struct Limits {
    float upper, lower;
  };
  const Limits limits = frequencyIndex == 0   ? Limits{24, -24}
                        : frequencyIndex == 1 ? Limits{22, -26}
                        : frequencyIndex <= 3 ? Limits{21, -27}
                                              : Limits{20, -28};
  if (which == 0) return limits.upper;
  if (which == 1) return limits.lower;
  return 0;
}

bool PoleZeroRange(int frequencyIndex, FrequencyRange* range) {
  static const FrequencyRange kRanges[pagekit::kSwitchingFrequencyCount] = {
      {100, 15500},  {100, 15500},  {100, 31000},  {100, 31000},  {100, 31000},   {200, 62000},
      {200, 62000},  {200, 62000},  {400, 124000}, {400, 124000}, {800, 186000}, {1000, 217000}};
  if (!pagekit::IsFrequencyIndex(frequencyIndex)) return false;
  *range = kRanges[frequencyIndex];
  return true;
}

}  // namespace filter
