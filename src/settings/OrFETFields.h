#pragma once
// The OrFET register 0x30: reverse-voltage turn-off and forward-voltage turn-on
// thresholds, their disable bits, and the comparator bandwidth.

#include <QStringList>

#include "pagekit/BitField.h"

namespace orfet {

constexpr int kOrFETReg = 0x30;

constexpr pagekit::BitField kReverseOff{6, 2};
constexpr pagekit::BitField kForwardOn{4, 2};
constexpr pagekit::BitField kReverseOffDisabled{3, 1};  // 1 when the turn-off is not enabled
constexpr pagekit::BitField kForwardOnDisabled{2, 1};   // 1 when the turn-on is not enabled
constexpr pagekit::BitField kFilter{0, 2};

inline QStringList ReverseOffItems() {
  return {QStringLiteral("10mV"), QStringLiteral("15mV"), QStringLiteral("20mV"), QStringLiteral("25mV")};
}
inline QStringList ForwardOnItems() {
  return {QStringLiteral("1%"), QStringLiteral("2%"), QStringLiteral("4%"), QStringLiteral("8%")};
}
inline QStringList FilterItems() {
  return {QStringLiteral("50 nsecs"), QStringLiteral("100 nsecs"), QStringLiteral("200 nsecs"),
          QStringLiteral("400 nsecs")};
}

}  // namespace orfet
