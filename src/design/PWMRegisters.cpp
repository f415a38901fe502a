#include "PWMRegisters.h"

#include "pagekit/SwitchingFrequency.h"

namespace pwm {
namespace {

using pagekit::BitField;

// An edge's 12-bit step count is split over its timing and setting registers.
constexpr BitField kStepsHigh{4, 8};  // of the step count: the timing byte
constexpr BitField kStepsLow{0, 4};   // of the step count
constexpr BitField kSettingSteps{4, 4};
constexpr BitField kModEnable{3, 1};
constexpr BitField kModSign{2, 1};
// Not interpreted here: written back as the chip held them.
constexpr BitField kCarried{0, 2};

int32_t EdgeSteps(int timing, int setting) {
  return kStepsHigh.Place(timing) | kStepsLow.Place(kSettingSteps.Get(setting));
}

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
  e.RiseModEnable = kModEnable.Get(riseSetting) != 0;
  e.RiseModSign = kModSign.Get(riseSetting) != 0;
  e.Fall = EdgeSteps(fallTiming, fallSetting);
  e.FallModEnable = kModEnable.Get(fallSetting) != 0;
  e.FallModSign = kModSign.Get(fallSetting) != 0;
  e.Enabled = BitField{row + 1, 1}.Get(disable) == 0;
  return e;
}

int EdgeTimingByte(int32_t steps) { return kStepsHigh.Get(steps); }

int EdgeSettingByte(int32_t steps, bool modEnable, bool modSign, int heldSetting) {
  return kSettingSteps.Place(kStepsLow.Get(steps)) | kModEnable.Place(modEnable) | kModSign.Place(modSign) |
         kCarried.Place(heldSetting);
}

int DisableByte(const std::array<bool, kRowCount>& disabled) {
  int mask = 0;
  for (int r = 0; r < kRowCount; ++r) mask |= BitField{r + 1, 1}.Place(disabled[r]);
  return mask | 1;
}

int MainFrequencyIndex(int frequencyReg) { return pagekit::kMainFrequencyField.Get(frequencyReg); }
int AuxFrequencyIndex(int frequencyReg) { return pagekit::kAuxFrequencyField.Get(frequencyReg); }
int FrequencyByte(int auxIndex, int heldFrequencyReg) {
  return pagekit::kAuxFrequencyField.Put(heldFrequencyReg, auxIndex);
}

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
