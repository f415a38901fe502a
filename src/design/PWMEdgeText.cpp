#include "PWMEdgeText.h"

#include <cmath>

#include "model/NumberText.h"

namespace pwm {
namespace {

// The text after the first "=", or nothing when there is none.
QString AfterEquals(const QString& label) {
  const int eq = label.indexOf(QLatin1Char('='));
  return eq < 0 ? QString() : label.mid(eq + 1);
}

}  // namespace

QString FormatEdgeTime(float n, float lsb, int16_t decimals) {
  const float t = static_cast<float>(numtext::Round(static_cast<float>(lsb * n), decimals));
  const float f = static_cast<float>(numtext::Round(t - std::trunc(t), decimals));
  const int fractionLength = numtext::Plain(f).size();
  // Pads the fraction to three decimals: "0" and ".5" have length 1 and 2.
  QString pad;
  if (fractionLength <= 1) {
    pad = QStringLiteral(".000");
  } else if (fractionLength == 2) {
    pad = QStringLiteral("00");
  } else if (fractionLength == 3) {
    pad = QStringLiteral("0");
  }
  return numtext::Plain(t) + pad + QStringLiteral("us");
}

float LabelToEdgeTime(const QString& label, float lsb) {
  return static_cast<float>(numtext::Val(AfterEquals(label)) / lsb);
}

QString EdgeLabelText(int edgeNumber, const QString& timeText) {
  return QStringLiteral("T") + QString::number(edgeNumber) + QStringLiteral(" = ") + timeText;
}

int EdgeNumber(int row, int kind) { return 2 * row + (kind == 1 ? 1 : 2); }

std::optional<Nudge> NudgeEdge(const QString& label, int edgeNumber, NudgeDirection direction, float step,
                               float periodUs, int16_t decimals) {
  if (!(periodUs > 0)) return std::nullopt;
  const double current = numtext::Val(AfterEquals(label));
  const double time = direction == NudgeDirection::Left ? current - step : current + step;
  if (direction == NudgeDirection::Left && time < 0) return std::nullopt;
  if (direction == NudgeDirection::Right && static_cast<float>(time) > periodUs) return std::nullopt;
  Nudge n;
  n.label = EdgeLabelText(edgeNumber, numtext::Plain(numtext::Round(time, decimals)) + QStringLiteral("us"));
  n.steps = numtext::RoundToInt(time / step);
  return n;
}

}  // namespace pwm
