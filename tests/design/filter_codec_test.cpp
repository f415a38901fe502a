// The loop filter's register codec: decoding, encoding, the round trip of every
// code at every switching frequency, and the limits of the ranges.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "design/FilterCodec.h"
#include "pagekit/SwitchingFrequency.h"

namespace {

using namespace filter;

constexpr float k125kHz = 125000;

TEST(FilterCodec, ZeroAndPoleCodesDecodeToHz) {
  struct Row {
    int code;
    float hz;
  } rows[] = {{0x96, 10388}, {0xEE, 1449}, {0, 39788}, {255, 77}};
  for (const Row& r : rows) EXPECT_EQ(ZeroPoleCodeToFreq(r.code, k125kHz), r.hz) << r.code;
}

TEST(FilterCodec, DefaultSetDecodesAt125kHz) {
  const FilterSettings set = DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, k125kHz);
  EXPECT_EQ(set.ZeroFreq, 1449);
  EXPECT_EQ(set.PoleFreq, 10388);
  // 3/256 x 1560000 / 603.1853 and (pi 10388 + fs) 15/256 x 10 / (1449 + fs), in dB.
  EXPECT_NEAR(set.LowFreqGain, 20 * std::log10(3 / 256.0 * 1560000 / 603.1853), 1e-4);
  EXPECT_NEAR(set.HighFreqGain, 20 * std::log10((3.14159 * 10388 + 125000) * (15 / 256.0 * 10) / (1449 + 125000.0)),
              1e-4);
}

TEST(FilterCodec, Log10GivesMinus1000ForZero) {
  struct Row {
    float x, expected;
  } rows[] = {{0, -1000}, {1000, 3}, {1e6f, 6}, {1, 0}, {0.01f, -2}};
  for (const Row& r : rows) EXPECT_FLOAT_EQ(Log10(r.x), r.expected) << r.x;
  EXPECT_TRUE(std::isnan(Log10(-1)));
}

TEST(FilterCodec, GainCodeZeroIsMinus20000dB) {
  const FilterSettings set = DecodeFilterSet(0, 0xEE, 0x96, 0, k125kHz);
  EXPECT_EQ(set.LowFreqGain, -20000);
  EXPECT_EQ(set.HighFreqGain, -20000);
}

// Every code read from the chip and written back unchanged must be the same code:
// otherwise an Apply without a change walks the chip's gains down.
TEST(FilterCodec, EveryCodeRoundTripsAtEveryFrequency) {
  struct Field {
    const char* name;
    std::function<int(int code, float fs)> roundTrip;
  };
  const Field fields[] = {
      {"zero/pole", [](int code, float fs) { return ZeroPoleFreqToCode(ZeroPoleCodeToFreq(code, fs), fs); }},
      {"LF", [](int code, float) { return LFGainToCode(DecodeFilterSet(code, 0, 0, 0, 1).LowFreqGain); }},
  };
  for (const auto& f : pagekit::SwitchingFrequencies()) {
    for (const Field& field : fields) {
      for (int code = 0; code < 256; ++code) {
        ASSERT_EQ(field.roundTrip(code, f.hz), code) << field.name << " at " << f.text.toStdString();
      }
    }
    // The HF code is decoded against the pole and zero of its set.
    const int poleZeroPairs[][2] = {{0x96, 0xEE}, {0, 255}, {0x10, 0x80}, {200, 254}, {1, 2}};
    for (const auto& pz : poleZeroPairs) {
      for (int code = 0; code < 256; ++code) {
        const FilterSettings set = DecodeFilterSet(0x03, pz[1], pz[0], code, f.hz);
        ASSERT_EQ(HFGainToCode(set.HighFreqGain, set.PoleFreq, set.ZeroFreq, f.hz), code)
            << "HF at " << f.text.toStdString() << " pole code " << pz[0];
      }
    }
  }
}

TEST(FilterCodec, DefaultsWriteBackUnchanged) {
  for (const auto& f : pagekit::SwitchingFrequencies()) {
    const FilterSettings set = DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, f.hz);
    const auto writes = FilterSetWrites(kCCM, set, f.hz);
    EXPECT_EQ(writes[2].value, 0x0F) << f.text.toStdString();
    EXPECT_EQ(writes[3].value, 0x03) << f.text.toStdString();
  }
}

TEST(FilterCodec, CodesOutsideTheRegisterAreClamped) {
  struct Row {
    const char* what;
    int code, expected;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Row rows[] = {
      {"a zero above fs / pi", ZeroPoleFreqToCode(50000, k125kHz), 0},
      {"0 Hz", ZeroPoleFreqToCode(0, k125kHz), 255},
      {"a negative frequency", ZeroPoleFreqToCode(-100, k125kHz), 255},
      {"fs of 0", ZeroPoleFreqToCode(1000, 0), 0},
      {"fs of 0 and 0 Hz", ZeroPoleFreqToCode(0, 0), 0},
      {"a frequency that is no number", ZeroPoleFreqToCode(nan, k125kHz), 0},
      {"an HF gain of +100 dB", HFGainToCode(100, 10388, 1449, k125kHz), 255},
      {"an HF gain at fs of 0", HFGainToCode(0, 0, 0, 0), 0},
      {"an LF gain of +100 dB", LFGainToCode(100), 255},
      {"an LF gain of -20000 dB", LFGainToCode(-20000), 0},
  };
  for (const Row& r : rows) EXPECT_EQ(r.code, r.expected) << r.what;
}

TEST(FilterCodec, NoFrequencyDecodesWithoutNumbersThatAreNone) {
  const FilterSettings set = DecodeFilterSet(0x03, 0xEE, 0x96, 0x0F, 0);
  EXPECT_EQ(set.ZeroFreq, 0);
  EXPECT_EQ(set.PoleFreq, 0);
  EXPECT_EQ(set.HighFreqGain, -20000);
  EXPECT_TRUE(std::isfinite(set.LowFreqGain));
}

}  // namespace
