#include "PWMGlobals.h"

#include "platform/globals/ProgramGlobals.h"

int16_t gTopologyIndex = -1;

namespace {

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::State, &ResetPWMGlobals);

}  // namespace

void ResetPWMGlobals() { gTopologyIndex = -1; }
