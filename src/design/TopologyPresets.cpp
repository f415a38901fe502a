#include "TopologyPresets.h"

#include <array>

#include "PWMRegisters.h"
#include "model/NumberText.h"

namespace pwm {
namespace {

constexpr int kMainRows = 6;

struct Edges {
  bool enabled;
  PeriodShare rise;
  PeriodShare fall;
};
struct ModBox {
  int row;
  bool falling;
};
struct Preset {
  const char* text;
  std::vector<ModBox> modulation;  // ticked in this order
  std::array<Edges, kMainRows> rows;
};

using S = PeriodShare;
constexpr Edges kOff{false, S::Zero, S::Zero};

const std::array<Preset, kTopologyCount>& Presets() {
  static const Preset forward{
      "Forward converter", {{0, true}}, {{{true, S::Zero, S::Half}, kOff, kOff, kOff, kOff, kOff}}};
  static const Preset twoSwitch{"2-Switch forward converter",
                                {{0, true}, {1, true}},
                                {{{true, S::Zero, S::Half}, {true, S::Half, S::Whole}, kOff, kOff, kOff, kOff}}};
  static const std::array<Preset, kTopologyCount> presets = {
      Preset{"Full bridge with synchronous rectifier",
             {{4, false}, {5, false}, {1, true}, {3, true}},
             {{{true, S::Zero, S::Half},
               {true, S::Half, S::ThreeQuarters},
               {true, S::Half, S::Whole},
               {true, S::Zero, S::Quarter},
               {true, S::ThreeQuarters, S::Half},
               {true, S::Quarter, S::Whole}}}},
      Preset{"Full bridge without synchronous rectifier",
             {{1, true}, {3, true}},
             {{{true, S::Zero, S::Half},
               {true, S::Half, S::ThreeQuarters},
               {true, S::Half, S::Whole},
               {true, S::Zero, S::Quarter},
               kOff,
               kOff}}},
      Preset{"Half bridge",
             {{1, true}},
             {{{true, S::Zero, S::Half}, {true, S::Zero, S::Quarter}, kOff, kOff, kOff, kOff}}},
      Preset{"Phase shift ZVT",
             {{0, true}, {1, true}, {2, true}, {3, true}},
             {{{true, S::Zero, S::Quarter},
               {true, S::Quarter, S::Half},
               {true, S::Half, S::ThreeQuarters},
               {true, S::ThreeQuarters, S::Whole},
               kOff,
               kOff}}},
      forward,
      // A flyback is driven like a forward converter.
      Preset{"Flyback converter", forward.modulation, forward.rows},
      twoSwitch,
      // A push-pull stage is driven like a 2-switch forward converter.
      Preset{"Push-Pull", twoSwitch.modulation, twoSwitch.rows},
  };
  return presets;
}

}  // namespace

QStringList TopologyItems() {
  QStringList items;
  for (const Preset& p : Presets()) items << QString::fromLatin1(p.text);
  return items;
}

int TopologyIndexOf(const QString& text) { return TopologyItems().indexOf(text); }

int32_t ShareOfPeriod(PeriodShare share, int32_t P) {
  switch (share) {
    case PeriodShare::Zero: return 0;
    case PeriodShare::Quarter: return numtext::RoundToInt(P / 4.0);
    case PeriodShare::Half: return numtext::RoundToInt(P / 2.0);
    case PeriodShare::ThreeQuarters: return numtext::RoundToInt(3.0 * P / 4.0);
    case PeriodShare::Whole: return P;
  }
  return 0;
}

std::vector<PresetStep> PresetSteps(int topology, int32_t P) {
  std::vector<PresetStep> steps;
  if (topology < 0 || topology >= kTopologyCount) return steps;
  const Preset& p = Presets()[topology];
  for (int r = 0; r < kMainRows; ++r) steps.push_back({PresetStep::SetDisable, r, p.rows[r].enabled ? 0 : 1, 0, 0});
  steps.push_back({PresetStep::SetDisable, kAuxRow, 1, 0, 0});
  for (int r = 0; r < kMainRows; ++r) {
    steps.push_back({PresetStep::SetRiseModulation, r, 0, 0, 0});
    steps.push_back({PresetStep::SetFallModulation, r, 0, 0, 0});
  }
  for (const ModBox& m : p.modulation) {
    steps.push_back({m.falling ? PresetStep::SetFallModulation : PresetStep::SetRiseModulation, m.row, 1, 0, 0});
  }
  if (P <= 0) return steps;
  for (int r = 0; r < kMainRows; ++r) {
    const Edges& e = p.rows[r];
    if (e.enabled) steps.push_back({PresetStep::PlaceEdges, r, 0, ShareOfPeriod(e.rise, P), ShareOfPeriod(e.fall, P)});
  }
  return steps;
}

}  // namespace pwm
