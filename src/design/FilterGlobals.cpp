#include "FilterGlobals.h"

#include "platform/globals/ProgramGlobals.h"

float gSwitchingFrequency = 0;

namespace {

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::State, &ResetFilterGlobals);

}  // namespace

void ResetFilterGlobals() { gSwitchingFrequency = 0; }
