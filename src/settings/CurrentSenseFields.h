#pragma once
// The current-sense registers 0x21 to 0x26: gain trims, offset trim and
// over-current limits of the two sense inputs, and the over-current protection.

#include <QStringList>

#include "pagekit/BitField.h"

namespace currentsense {

constexpr int kCS1GainReg = 0x21;
constexpr int kCS1LimitReg = 0x22;
constexpr int kCS2GainReg = 0x23;
constexpr int kCS2OffsetReg = 0x24;
constexpr int kCS2LimitReg = 0x25;
constexpr int kOCPReg = 0x26;

constexpr pagekit::BitField kCS1Gain{3, 5};       // 0x21; bits 2:0 belong to others
constexpr pagekit::BitField kCS1Limit{3, 5};      // 0x22
constexpr pagekit::BitField kFastOCPDelay{0, 3};  // 0x22
constexpr pagekit::BitField kCS2Gain{0, 8};       // 0x23
constexpr pagekit::BitField kCS2Offset{0, 7};     // 0x24
constexpr pagekit::BitField kCS2Limit{0, 5};      // 0x25
constexpr pagekit::BitField kOCPBandwidth{5, 3};  // 0x26
constexpr pagekit::BitField kFoldback{4, 1};      // 0x26
constexpr pagekit::BitField kCCFromCS1{3, 1};     // 0x26: 1 = CS1, 0 = CS2
constexpr pagekit::BitField kOCPOffDelay{0, 3};   // 0x26

inline QStringList DelayItems() {
  return {QStringLiteral("0ns"),   QStringLiteral("40ns"),  QStringLiteral("80ns"),
          QStringLiteral("120ns"), QStringLiteral("160ns"), QStringLiteral("200ns")};
}
inline QStringList CCSourceItems() { return {QStringLiteral("CS1"), QStringLiteral("CS2")}; }
inline QStringList OCPOffDelayItems() {
  return {QStringLiteral("128us"), QStringLiteral("256us"), QStringLiteral("384us"), QStringLiteral("512us"),
          QStringLiteral("1 sec"), QStringLiteral("2 sec"), QStringLiteral("3 sec"), QStringLiteral("4sec")};
}

}  // namespace currentsense
