#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <limits>
#include <ostream>

#include "model/NumberText.h"

namespace {

// One number and its text with and without the leading blank.
struct TextCase {
  double value;
  bool single;  // held as a 32-bit float
  const char* withBlank;
  const char* plain;
};

std::ostream& operator<<(std::ostream& os, const TextCase& c) {
  return os << c.value << (c.single ? "f" : "") << " -> \"" << c.withBlank << "\"";
}

class NumberTextCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextCase, WritesThePlainForm) {
  const TextCase& c = GetParam();
  if (c.single) {
    EXPECT_EQ(numtext::Str(static_cast<float>(c.value)), QString::fromLatin1(c.withBlank));
    EXPECT_EQ(numtext::Plain(static_cast<float>(c.value)), QString::fromLatin1(c.plain));
  } else {
    EXPECT_EQ(numtext::Str(c.value), QString::fromLatin1(c.withBlank));
    EXPECT_EQ(numtext::Plain(c.value), QString::fromLatin1(c.plain));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, NumberTextCase,
    ::testing::Values(
        // No zero before the point below 1, the sign position kept for a blank.
        TextCase{0.4, true, " .4", ".4"}, TextCase{0.75, false, " .75", ".75"}, TextCase{-0.4, false, "-.4", "-.4"},
        TextCase{-0.4, true, "-.4", "-.4"}, TextCase{0, false, " 0", "0"}, TextCase{0, true, " 0", "0"},
        TextCase{12, false, " 12", "12"}, TextCase{12.1, true, " 12.1", "12.1"}, TextCase{-12.5, false, "-12.5", "-12.5"},
        TextCase{100, true, " 100", "100"}, TextCase{1.5, false, " 1.5", "1.5"},
        // 7 significant digits for a float, 15 for a double, trailing zeros dropped.
        TextCase{1.0 / 3.0, true, " .3333333", ".3333333"},
        TextCase{1.0 / 3.0, false, " .333333333333333", ".333333333333333"},
        TextCase{2.0 / 3.0, true, " .6666667", ".6666667"},
        TextCase{2.0 / 3.0, false, " .666666666666667", ".666666666666667"},
        TextCase{0.1 + 0.2, false, " .3", ".3"}, TextCase{0.1, true, " .1", ".1"},
        TextCase{1234.5678, true, " 1234.568", "1234.568"}, TextCase{9.9999999, true, " 10", "10"},
        // Large values: plain up to the digits a type carries, then an exponent.
        TextCase{9999999, true, " 9999999", "9999999"}, TextCase{1e7, true, " 1E+07", "1E+07"},
        TextCase{12345678, true, " 1.234568E+07", "1.234568E+07"},
        TextCase{123456789012345.0, false, " 123456789012345", "123456789012345"},
        TextCase{1e15, false, " 1E+15", "1E+15"}, TextCase{-1e20, false, "-1E+20", "-1E+20"},
        // Tiny values.
        TextCase{0.001, true, " .001", ".001"}, TextCase{0.0001, false, " .0001", ".0001"},
        TextCase{-0.0025, false, "-.0025", "-.0025"}, TextCase{1e-7, false, " 1E-07", "1E-07"},
        TextCase{2.5e-12, true, " 2.5E-12", "2.5E-12"}));

TEST(NumberText, FloatShowsItsOwnDigitsNotTheDoubleNoise) {
  // The same float widened to a double shows the binary noise a float hides.
  EXPECT_EQ(numtext::Str(12.1f), " 12.1");
  EXPECT_EQ(numtext::Str(static_cast<double>(12.1f)), " 12.1000003814697");
}

TEST(NumberText, WholeNumbers) {
  EXPECT_EQ(numtext::Str(2), " 2");
  EXPECT_EQ(numtext::Str(0), " 0");
  EXPECT_EQ(numtext::Str(-7), "-7");
  EXPECT_EQ(numtext::Plain(255), "255");
  EXPECT_EQ(numtext::Plain(-3), "-3");
  EXPECT_EQ(numtext::Str(3000000000LL), " 3000000000");
}

struct RoundCase {
  double value;
  int decimals;
  double expected;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
  return os << "Round(" << c.value << ", " << c.decimals << ") = " << c.expected;
}

class RoundHalfToEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfToEven, RoundsToNearestWithHalvesToEven) {
  const RoundCase& c = GetParam();
  EXPECT_DOUBLE_EQ(numtext::Round(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundHalfToEven,
                         ::testing::Values(RoundCase{2040.5, 0, 2040}, RoundCase{335.5, 0, 336}, RoundCase{2.5, 0, 2},
                                           RoundCase{3.5, 0, 4}, RoundCase{-2.5, 0, -2}, RoundCase{-3.5, 0, -4},
                                           RoundCase{0.5, 0, 0}, RoundCase{30.25, 0, 30}, RoundCase{30.5, 0, 30},
                                           RoundCase{31.5, 0, 32}, RoundCase{2.4999, 0, 2}, RoundCase{2.5001, 0, 3},
                                           RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                                           RoundCase{1.2345678, 3, 1.235}, RoundCase{12.81640625, 3, 12.816},
                                           RoundCase{-0.0625, 3, -0.062}, RoundCase{669.99994, 3, 670},
                                           RoundCase{7, 3, 7}));

TEST(NumberText, RoundingHugeValuesKeepsThem) {
  // The scaled product would overflow; such a value has no decimals left to round.
  EXPECT_EQ(numtext::Round(1.7e308, 3), 1.7e308);
  EXPECT_EQ(numtext::Round(-1e300, 10), -1e300);
  EXPECT_EQ(numtext::Round(9007199254740993.0, 2), 9007199254740993.0);
}

TEST(NumberText, RoundToIntHalvesToEvenAndSaturates) {
  EXPECT_EQ(numtext::RoundToInt(2.5), 2);
  EXPECT_EQ(numtext::RoundToInt(3.5), 4);
  EXPECT_EQ(numtext::RoundToInt(-0.5), 0);
  EXPECT_EQ(numtext::RoundToInt(-1.5), -2);
  EXPECT_EQ(numtext::RoundToInt(1e12), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(numtext::RoundToInt(-1e12), std::numeric_limits<int32_t>::min());
}

struct ValCase {
  const char* text;
  double expected;
};

std::ostream& operator<<(std::ostream& os, const ValCase& c) { return os << '"' << c.text << "\" -> " << c.expected; }

class LeadingNumber : public ::testing::TestWithParam<ValCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(numtext::Val(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(ValCase{" 12.5V", 12.5}, ValCase{"1 sec", 1}, ValCase{"-3", -3}, ValCase{"abc", 0},
                      ValCase{"", 0}, ValCase{"   ", 0}, ValCase{".75", 0.75}, ValCase{"-.4", -0.4}, ValCase{"+7", 7},
                      ValCase{"\t42 kHz", 42}, ValCase{"12.5.3", 12.5}, ValCase{"1.5E3", 1500},
                      ValCase{"2.5e-2 s", 0.025}, ValCase{"2e", 2}, ValCase{"-", 0}, ValCase{".", 0},
                      ValCase{"V12", 0}, ValCase{"&H48", 0x48}, ValCase{"&H48h", 0x48}, ValCase{"&H3D)", 0x3D},
                      ValCase{"&hff", 255}, ValCase{" &H1A2B", 0x1A2B}, ValCase{"&H", 0}, ValCase{"&Hxyz", 0}));

TEST(NumberText, HexValReadsLeadingHexDigits) {
  EXPECT_EQ(numtext::HexVal("48h"), 0x48);
  EXPECT_EQ(numtext::HexVal("48"), 0x48);
  EXPECT_EQ(numtext::HexVal("48)"), 0x48);
  EXPECT_EQ(numtext::HexVal("3d"), 0x3D);
  EXPECT_EQ(numtext::HexVal(""), 0);
  EXPECT_EQ(numtext::HexVal("zz"), 0);
  EXPECT_EQ(numtext::HexVal("FFFFFFFFFFFF"), std::numeric_limits<int32_t>::max());
}

TEST(NumberText, HexIsUpperCaseWithoutLeadingZeros) {
  EXPECT_EQ(numtext::Hex(0), "0");
  EXPECT_EQ(numtext::Hex(5), "5");
  EXPECT_EQ(numtext::Hex(10), "A");
  EXPECT_EQ(numtext::Hex(0x3D), "3D");
  EXPECT_EQ(numtext::Hex(255), "FF");
  EXPECT_EQ(numtext::Hex(0x0400), "400");
  EXPECT_EQ(numtext::Hex(0xABCDEF), "ABCDEF");
  EXPECT_EQ(numtext::Hex(-1), "FFFFFFFF");
}

TEST(NumberText, HexAndHexValAreInverse) {
  for (int v : {0, 1, 0x0F, 0x10, 0x48, 0x4A, 0xFF, 0x1234, 0x7FFFFFFF}) {
    EXPECT_EQ(numtext::HexVal(numtext::Hex(v)), v);
    EXPECT_EQ(numtext::Val(QStringLiteral("&H") + numtext::Hex(v)), v);
  }
}

}  // namespace
