#pragma once
// The general-settings registers: temperature protection, PS ON and soft start,
// pin polarities, the switching frequency and the sync-rectifier turn-off.

#include <QStringList>

#include "BitField.h"

namespace general {

constexpr int kTemperatureReg = 0x2B;
constexpr int kPSONReg = 0x2C;
constexpr int kPolarityReg = 0x2D;
// The register that holds the switching-frequency choice in bits 3:0, the same
// one the PWM editor and the filter designer use.
constexpr int kSwitchFreqReg = 0x5D;
constexpr int kSyncRectReg = 0x3C;

constexpr settings::BitField kLinearize{5, 1};     // 0x2B; bits 7:6 are written 0
constexpr settings::BitField kThermistor{4, 1};    // 0x2B
constexpr settings::BitField kOTPThreshold{0, 4};  // 0x2B
constexpr settings::BitField kSoftStart{1, 2};     // 0x2C
constexpr settings::BitField kPSON{0, 1};          // 0x2C
constexpr settings::BitField kPGOODPol{2, 1};      // 0x2D
constexpr settings::BitField kGatePol{1, 1};       // 0x2D
constexpr settings::BitField kPSONPol{0, 1};       // 0x2D
constexpr settings::BitField kSwitchFreq{0, 4};    // 0x5D
constexpr settings::BitField kSyncRectOff{0, 3};   // 0x3C

inline QStringList LinearizeItems() { return {QStringLiteral("Normal Mode"), QStringLiteral("Linearization Enabled")}; }
inline QStringList ThermistorItems() { return {QStringLiteral("10K"), QStringLiteral("100K")}; }
inline QStringList PSONItems() { return {QStringLiteral("Software PSON"), QStringLiteral("Hardware PSON")}; }
inline QStringList SoftStartItems() {
  return {QStringLiteral("300us"), QStringLiteral("10ms"), QStringLiteral("20ms"), QStringLiteral("40ms")};
}
inline QStringList PolarityItems() { return {QStringLiteral("Non-Inverted"), QStringLiteral("Inverted")}; }
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
