#include "ProgramGlobals.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace globals {
namespace {

// Filled while globals are initialised, before main; a function's own static
// is built on first use, whichever module registers first.
std::vector<std::pair<ResetStage, void (*)()>>& Resets() {
  static std::vector<std::pair<ResetStage, void (*)()>> resets;
  return resets;
}

}  // namespace

bool RegisterReset(ResetStage stage, void (*reset)()) {
  Resets().emplace_back(stage, reset);
  return true;
}

void ResetProgramGlobals() {
  auto resets = Resets();
  std::stable_sort(resets.begin(), resets.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& entry : resets) entry.second();
}

}  // namespace globals
