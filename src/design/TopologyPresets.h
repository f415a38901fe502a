#pragma once
// The converter topologies of the PWM editor's "Converter Topology" list and
// what choosing one does to the window: which main rows are enabled, which
// edges are modulated, and where the enabled rows' edges lie in the period.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pwm {

constexpr int kTopologyCount = 8;

// The list items, in list order.
QStringList TopologyItems();
// The first list position whose item equals text exactly, -1 for none.
int TopologyIndexOf(const QString& text);

// Where an edge lies as a share of the main period.
enum class PeriodShare { Zero, Quarter, Half, ThreeQuarters, Whole };
// The step count of a share of period P, rounded to the nearest step with
// halves to even; three quarters is taken of 3 * P.
int32_t ShareOfPeriod(PeriodShare share, int32_t P);

// One change a preset makes to the window, in the order it makes them. Box
// changes go through the boxes, so their handlers run.
struct PresetStep {
  enum Kind { SetDisable, SetRiseModulation, SetFallModulation, PlaceEdges } kind;
  int row;
  int value;    // box value 0 or 1 for the box kinds
  int32_t rise;  // steps, PlaceEdges only
  int32_t fall;
};

// The steps of the preset at a list position for main period P: disable boxes
// of rows 0-5 then the AUX row, every main modulation box cleared, the
// preset's modulation boxes ticked, then the edges of each enabled row. With
// no period known (P = 0) no edges are placed. Empty for a position outside
// the list.
std::vector<PresetStep> PresetSteps(int topology, int32_t P);

}  // namespace pwm
