#include "PWMRegisters.h"

#include <cmath>

namespace pwm {
namespace {

constexpr int kModEnableBit = 0x08;
constexpr int kModSignBit = 0x04;
constexpr int kCarriedBits = 0x03;

int32_t EdgeSteps(int timing, int setting) { return (timing & 0xFF) * 16 + (setting & 0xF0) / 16; }

void Clamp(int32_t& edge, int32_t period, bool& changed) {
  if (period > 0 && edge > period) {
    edge = period;
    changed = true;
  }
}

}  // namespace

EdgeInfo DecodeEdgeRow(int row, int riseTiming, int riseSetting, int fallTiming, int fallSetting, int disable) {
  EdgeInfo e;
  e.Rise = EdgeSteps(riseTiming, riseSetting);
  e.RiseModEnable = (riseSetting & kModEnableBit) != 0;
  e.RiseModSign = (riseSetting & kModSignBit) != 0;
  e.Fall = EdgeSteps(fallTiming, fallSetting);
  e.FallModEnable = (fallSetting & kModEnableBit) != 0;
  e.FallModSign = (fallSetting & kModSignBit) != 0;
  e.Enabled = (disable & (1 << (row + 1))) == 0;
  return e;
}

int EdgeTimingByte(int32_t steps) { return (steps & 0xFF0) / 16; }

int EdgeSettingByte(int32_t steps, bool modEnable, bool modSign, int heldSetting) {
  return (steps & 0xF) * 16 + (modEnable ? kModEnableBit : 0) + (modSign ? kModSignBit : 0) +
         (heldSetting & kCarriedBits);
}

int DisableByte(const std::array<bool, kRowCount>& disabled) {
  int mask = 0;
  for (int r = 0; r < kRowCount; ++r) {
    if (disabled[r]) mask += 1 << (r + 1);
  }
  return mask | 1;
}

int MainFrequencyIndex(int frequencyReg) { return frequencyReg & 0x0F; }
int AuxFrequencyIndex(int frequencyReg) { return (frequencyReg & 0xF0) / 16; }
int FrequencyByte(int auxIndex, int heldFrequencyReg) { return auxIndex * 16 + (heldFrequencyReg & 0x0F); }

int32_t PeriodSteps(float periodUs) { return static_cast<int32_t>(std::floor(periodUs * 4000.0 / 20)); }

bool ClampEdgesToPeriod(EdgeTable& edges, int32_t mainPeriod, int32_t auxPeriod) {
  bool changed = false;
  for (int r = 0; r < kRowCount; ++r) {
    const int32_t period = r == kAuxRow ? auxPeriod : mainPeriod;
    Clamp(edges[r].Rise, period, changed);
    Clamp(edges[r].Fall, period, changed);
  }
  return changed;
}

}  // namespace pwm
