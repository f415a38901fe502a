// What the design windows register with the rest of the program: the
// programmed topology that both PWM windows share is forgotten when a session
// starts and when the program's globals are reset.

#include "design/PWMGlobals.h"
#include "platform/globals/ProgramGlobals.h"
#include "support/PageFixture.h"

namespace {

// The fixture registers the design pages as main does.
using DesignPages = support::PageFixture;

TEST_F(DesignPages, ANewSessionStartsWithoutAProgrammedTopology) {
  StartWithChips({0x48, 0x4A});
  gTopologyIndex = 3;
  gMainForm = std::make_unique<frmMain>();
  gMainForm->Load();
  EXPECT_EQ(gTopologyIndex, -1);
}

TEST_F(DesignPages, TheProgramResetForgetsTheProgrammedTopology) {
  StartWithChips({0x48, 0x4A});
  gTopologyIndex = 3;
  globals::ResetProgramGlobals();
  EXPECT_EQ(gTopologyIndex, -1);
}

}  // namespace
