// Edge labels: a step count written as time text, read back, and nudged.

#include <gtest/gtest.h>

#include <cmath>

#include "design/PWMEdgeText.h"

namespace {

constexpr float kLsb = 0.005f;

TEST(FormatEdgeTime, PadsToThreeDecimalsAndKeepsMore) {
  struct Row {
    float steps;
    int16_t decimals;
    const char* text;
  } rows[] = {
      {0, 3, "0.000us"},      {150, 3, ".750us"},    {500, 3, "2.500us"},    {2040, 3, "10.200us"},
      {4081, 3, "20.405us"},  {200, 3, "1.000us"},   {2400, 4, "12.000us"},  {1, 3, ".005us"},
      {3, 4, ".015us"},       {201, 4, "1.005us"},   {401, 5, "2.005us"},    {1599, 4, "7.995us"},
      {287, 5, "1.435us"},    {4095, 3, "20.475us"}, {2.6f, 5, ".013us"},    {0.08f, 3, "0.000us"},
      {3.3f, 4, ".0165us"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.steps);
    EXPECT_EQ(pwm::FormatEdgeTime(r.steps, kLsb, r.decimals), QString::fromLatin1(r.text));
  }
}

TEST(LabelToEdgeTime, ReadsTheNumberAfterTheFirstEquals) {
  struct Row {
    const char* label;
    float steps;
  } rows[] = {
      {"T1 = 2.500us", 500}, {"T2 = .750us", 150},  {"T13 = 20.405us", 4081}, {"T1 = 0us", 0},
      {"T4 = us", 0},        {"T4", 0},             {"T3 = 1.5us = 2", 300},  {"T9 =   1.005us", 201},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label);
    EXPECT_EQ(std::floor(pwm::LabelToEdgeTime(QString::fromLatin1(r.label), kLsb)), r.steps);
  }
}

TEST(LabelToEdgeTime, EveryWrittenStepCountReadsBackExactly) {
  for (int16_t decimals : {3, 4, 5}) {
    for (int n = 0; n <= 4095; ++n) {
      const QString label = pwm::EdgeLabelText(1, pwm::FormatEdgeTime(static_cast<float>(n), kLsb, decimals));
      ASSERT_EQ(std::floor(pwm::LabelToEdgeTime(label, kLsb)), n) << label.toStdString();
    }
  }
}

TEST(EdgeLabelText, NumbersTheEdgesOfEachRow) {
  EXPECT_EQ(pwm::EdgeLabelText(pwm::EdgeNumber(0, 1), ".750us"), QStringLiteral("T1 = .750us"));
  EXPECT_EQ(pwm::EdgeLabelText(pwm::EdgeNumber(0, 3), "0.000us"), QStringLiteral("T2 = 0.000us"));
  EXPECT_EQ(pwm::EdgeNumber(4, 1), 9);
  EXPECT_EQ(pwm::EdgeNumber(6, 3), 14);
}

constexpr float k49kHzUs = 20.408163f;

TEST(NudgeEdge, StepsWithinZeroAndThePeriod) {
  using D = pwm::NudgeDirection;
  struct Row {
    const char* label;
    int edge;
    D direction;
    float periodUs;
    int16_t decimals;
    const char* result;  // nullptr: refused
    int32_t steps;
  } rows[] = {
      {"T1 = .005us", 1, D::Left, 8, 4, "T1 = 0us", 0},
      {"T1 = 0us", 1, D::Left, 8, 4, nullptr, 0},
      {"T1 = 0.000us", 1, D::Left, 8, 4, nullptr, 0},
      {"T2 = 7.995us", 2, D::Right, 8, 4, "T2 = 8us", 1600},
      {"T2 = 8us", 2, D::Right, 8, 4, nullptr, 0},
      {"T2 = 7.99500001us", 2, D::Right, 8, 4, "T2 = 8us", 1600},  // equal to the period in single precision
      {"T2 = 20.400us", 2, D::Right, k49kHzUs, 3, "T2 = 20.405us", 4081},
      {"T2 = 20.405us", 2, D::Right, k49kHzUs, 3, nullptr, 0},
      {"T13 = 2.500us", 13, D::Right, 20, 3, "T13 = 2.505us", 501},
      {"T14 = .750us", 14, D::Left, 2, 5, "T14 = .745us", 149},
      {"T5 = none", 5, D::Right, 8, 4, "T5 = .005us", 1},
      {"T6 = 1.000us", 6, D::Right, 0, 3, nullptr, 0},  // no period yet
      {"T6 = 1.000us", 6, D::Left, 0, 3, nullptr, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.label);
    const auto n = pwm::NudgeEdge(QString::fromLatin1(r.label), r.edge, r.direction, kLsb, r.periodUs, r.decimals);
    if (!r.result) {
      EXPECT_FALSE(n.has_value());
      continue;
    }
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->label, QString::fromLatin1(r.result));
    EXPECT_EQ(n->steps, r.steps);
  }
}

}  // namespace
