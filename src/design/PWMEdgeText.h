#pragma once
// The text forms of a PWM edge time: the edge label ("T1 = 2.500us") written
// from a step count, read back into steps, and stepped by the nudge buttons.

#include <QString>
#include <cstdint>
#include <optional>

namespace pwm {

// The time text of n steps of lsb microseconds, to `decimals` decimals and
// padded to at least three, with its unit: 150 steps give ".750us".
QString FormatEdgeTime(float n, float lsb, int16_t decimals);

// The edge time in steps that an edge label stands for: the number after its
// first "=" divided by the step. A label without "=" or number stands for 0.
float LabelToEdgeTime(const QString& label, float lsb);

// "T" and the edge number, " = ", then the time text: "T4 = 1.250us".
QString EdgeLabelText(int edgeNumber, const QString& timeText);

// The number of the rising (kind 1) or falling (kind 3) edge of a row: T1..T14.
int EdgeNumber(int row, int kind);

enum class NudgeDirection { Left, Right };

// What one press of a nudge button makes of an edge: its new label and the
// whole step count its line moves to.
struct Nudge {
  QString label;
  int32_t steps;
};

// One step left or right from the time an edge label shows. Refused (nullopt)
// below 0, beyond the period, and whenever the row has no period yet, since the
// line could not be placed.
std::optional<Nudge> NudgeEdge(const QString& label, int edgeNumber, NudgeDirection direction, float step,
                               float periodUs, int16_t decimals);

}  // namespace pwm
