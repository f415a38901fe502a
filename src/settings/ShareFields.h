#pragma once
// The analog share bus registers: offset trim, slope trim, and the bandwidth,
// voltage capture and enable bit of the share-bus setting register.

#include <QStringList>

#include "pagekit/BitField.h"

namespace share {

constexpr int kOffsetReg = 0x27;
constexpr int kSlopeReg = 0x28;
constexpr int kSettingReg = 0x29;

constexpr pagekit::BitField kTrim{0, 8};
constexpr pagekit::BitField kBandwidth{3, 5};
constexpr pagekit::BitField kCapture{1, 2};
constexpr pagekit::BitField kEnable{0, 1};

inline QStringList CaptureItems() {
  return {QStringLiteral("1%"), QStringLiteral("2%"), QStringLiteral("3%"), QStringLiteral("4%")};
}

}  // namespace share
