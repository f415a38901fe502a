#pragma once
// The twelve switching frequencies a chip can run at. A frequency's position in
// the list is the index the chip stores (bits 3:0 of 0x5D for the main PWM
// outputs, bits 7:4 for AUX); the PWM editor and the filter designer share it.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "BitField.h"

namespace pagekit {

constexpr int kSwitchFreqReg = 0x5D;
constexpr BitField kMainFrequencyField{0, 4};  // 0x5D: the main PWM outputs
constexpr BitField kAuxFrequencyField{4, 4};   // 0x5D: the AUX output
constexpr int kSwitchingFrequencyCount = 12;
// One PWM step, in microseconds, as the single-precision value the editor holds.
constexpr float kStepUs = 0.005f;

struct SwitchingFrequency {
  QString text;          // the list item, "74.5kHz"
  float hz;              // 74500
  float periodUs;        // 1 / hz in microseconds, rounded to single precision at each step
  QString periodLabel;   // the period to three decimals, "13.423us"
  int32_t periodSteps;   // the shown period in 5 ns steps, rounded down: 2684
  int16_t timeDecimals;  // decimals of an edge time at this frequency: 3, 4 or 5
};

// Everything about a frequency, computed from a list item's text ("125kHz").
SwitchingFrequency SwitchingFrequencyFromText(const QString& itemText);
// The Hz of a text in kHz, a list item or a caption: "125kHz" gives 125000, "" gives 0.
float HzFromText(const QString& kHzText);
// A period in microseconds as whole 5 ns steps, rounded down.
int32_t PeriodSteps(double periodUs);
// The period in steps that a period label ("20.408us") stands for, rounded down.
int32_t PeriodStepsFromLabel(const QString& periodLabel);

// The twelve frequencies in index order.
const std::array<SwitchingFrequency, kSwitchingFrequencyCount>& SwitchingFrequencies();
// Their item texts, "49kHz" to "694kHz", for a frequency list.
QStringList SwitchingFrequencyItems();
// Whether a stored index names one of the frequencies: 0 to 11; above, the chip runs at no known period.
constexpr bool IsFrequencyIndex(int index) { return index >= 0 && index < kSwitchingFrequencyCount; }
// The frequency at a stored index, or nullptr for an index outside 0 to 11.
const SwitchingFrequency* SwitchingFrequencyAt(int index);

}  // namespace pagekit
