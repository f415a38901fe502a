#include "SwitchingFrequency.h"

#include <cmath>

#include "model/NumberText.h"

namespace pagekit {

SwitchingFrequency SwitchingFrequencyFromText(const QString& itemText) {
  SwitchingFrequency f;
  f.text = itemText;
  f.hz = HzFromText(itemText);
  // The period goes through single precision twice, as the chip's tools always computed it.
  const float perSecond = static_cast<float>(1.0 / f.hz);
  f.periodUs = static_cast<float>(static_cast<double>(perSecond) * 1000000.0);
  f.timeDecimals = f.hz < 125000 ? 3 : (f.hz < 400000 ? 4 : 5);
  f.periodLabel = numtext::Plain(numtext::Round(f.periodUs, 3)) + QStringLiteral("us");
  f.periodSteps = PeriodStepsFromLabel(f.periodLabel);
  return f;
}

float HzFromText(const QString& kHzText) { return static_cast<float>(numtext::Val(kHzText) * 1000); }

int32_t PeriodSteps(double periodUs) { return static_cast<int32_t>(std::floor(periodUs * 4000 / 20)); }

int32_t PeriodStepsFromLabel(const QString& periodLabel) { return PeriodSteps(numtext::Val(periodLabel)); }

const std::array<SwitchingFrequency, kSwitchingFrequencyCount>& SwitchingFrequencies() {
  static const std::array<SwitchingFrequency, kSwitchingFrequencyCount> table = [] {
    const char* texts[kSwitchingFrequencyCount] = {"49kHz",  "74.5kHz", "98kHz",  "125kHz", "149kHz", "195kHz",
                                                   "250kHz", "298kHz",  "390kHz", "500kHz", "595kHz", "694kHz"};
    std::array<SwitchingFrequency, kSwitchingFrequencyCount> t;
    for (int i = 0; i < kSwitchingFrequencyCount; ++i) t[i] = SwitchingFrequencyFromText(QString::fromLatin1(texts[i]));
    return t;
  }();
  return table;
}

QStringList SwitchingFrequencyItems() {
  QStringList items;
  for (const SwitchingFrequency& f : SwitchingFrequencies()) items << f.text;
  return items;
}

const SwitchingFrequency* SwitchingFrequencyAt(int index) {
  if (!IsFrequencyIndex(index)) return nullptr;
  return &SwitchingFrequencies()[index];
}

}  // namespace pagekit
