#pragma once
// The voltage-sense registers: output-voltage trim, over- and under-voltage
// limits with their debounce times, and the three sense-input trims.

#include <QStringList>

#include "pagekit/BitField.h"

namespace voltagesense {

constexpr int kOutputTrimReg = 0x31;
constexpr int kVS1OVPReg = 0x32;
constexpr int kVS3OVPReg = 0x33;
constexpr int kVS1UVPReg = 0x34;
constexpr int kFirstTrimReg = 0x38;  // VS1, VS2, VS3 trims at 0x38, 0x39, 0x3A

constexpr pagekit::BitField kWholeByte{0, 8};
constexpr pagekit::BitField kOVP{4, 4};       // 0x32, 0x33
constexpr pagekit::BitField kDebounce{0, 2};  // 0x32, 0x33
constexpr pagekit::BitField kUVP{0, 4};       // 0x34

inline QStringList DebounceItems() {
  return {QStringLiteral("100us Delay"), QStringLiteral("200us Delay"), QStringLiteral("300us Delay"),
          QStringLiteral("400us Delay")};
}

}  // namespace voltagesense
