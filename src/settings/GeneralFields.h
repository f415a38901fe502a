#pragma once
// The general-settings registers: temperature protection, PS ON and soft start,
// pin polarities, the switching frequency and the sync-rectifier turn-off.

#include <QStringList>

#include "pagekit/BitField.h"
#include "pagekit/SwitchingFrequency.h"

namespace general {

constexpr int kTemperatureReg = 0x2B;
constexpr int kPSONReg = 0x2C;
constexpr int kPolarityReg = 0x2D;
// The hidden frequency choice is the main switching frequency the PWM editor
// and the filter designer use: its register and field are the kit's.
using pagekit::kSwitchFreqReg;
constexpr int kSyncRectReg = 0x3C;

constexpr pagekit::BitField kLinearize{5, 1};     // 0x2B; bits 7:6 are written 0
constexpr pagekit::BitField kThermistor{4, 1};    // 0x2B
constexpr pagekit::BitField kOTPThreshold{0, 4};  // 0x2B
constexpr pagekit::BitField kSoftStart{1, 2};     // 0x2C
constexpr pagekit::BitField kPSON{0, 1};          // 0x2C
constexpr pagekit::BitField kPGOODPol{2, 1};      // 0x2D
constexpr pagekit::BitField kGatePol{1, 1};       // 0x2D
constexpr pagekit::BitField kPSONPol{0, 1};       // 0x2D
constexpr pagekit::BitField kSwitchFreq = pagekit::kMainFrequencyField;
constexpr pagekit::BitField kSyncRectOff{0, 3};   // 0x3C

inline QStringList LinearizeItems() { return {QStringLiteral("Normal Mode"), QStringLiteral("Linearization Enabled")}; }
inline QStringList ThermistorItems() { return {QStringLiteral("10K"), QStringLiteral("100K")}; }
inline QStringList PSONItems() { return {QStringLiteral("Software PSON"), QStringLiteral("Hardware PSON")}; }
inline QStringList SoftStartItems() {
  return {QStringLiteral("300us"), QStringLiteral("10ms"), QStringLiteral("20ms"), QStringLiteral("40ms")};
}
inline QStringList PolarityItems() { return {QStringLiteral("Non-Inverted"), QStringLiteral("Inverted")}; }
// The page's own texts for the kit's twelve frequencies, in index order.
inline QStringList SwitchFreqItems() {
  return {QStringLiteral("50 kHz"),  QStringLiteral("75 kHz"),  QStringLiteral("100 kHz"), QStringLiteral("125 kHz"),
          QStringLiteral("150 kHz"), QStringLiteral("200 kHz"), QStringLiteral("250 kHz"), QStringLiteral("300 kHz"),
          QStringLiteral("400 kHz"), QStringLiteral("500 kHz"), QStringLiteral("600 kHz"), QStringLiteral("700 kHz")};
}
inline QStringList SyncRectOffItems() {
  return {QStringLiteral("5%"),  QStringLiteral("10%"), QStringLiteral("15%"), QStringLiteral("20%"),
          QStringLiteral("25%"), QStringLiteral("30%"), QStringLiteral("35%")};
}

}  // namespace general
