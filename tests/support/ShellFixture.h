#pragma once
// The fixture for tests of windows: the core fixture with the shell's part of a
// fatal end in place, and the main window on demand.

#include "shell/FormStuff.h"
#include "shell/Session.h"
#include "shell/frmMain.h"
#include "support/Fixture.h"
#include "support/Widgets.h"

namespace support {

class ShellFixture : public Fixture {
 protected:
  void SetUp() override;

  // The main window as the device picker's OK creates it (StartSession), with
  // its timer stopped: tests tick it by calling tmrMaster_Timer.
  frmMain& OpenMainWindow();
};

// The shell fixture in simulation mode, as after the user accepted it at start-up.
class SimulationFixture : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    StartInSimulation();
  }
};

}  // namespace support
