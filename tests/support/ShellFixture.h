#pragma once
// The fixture for tests of windows: the core fixture plus every shell window
// destroyed and every shell flag reset, and the main window on demand.

#include "shell/FormStuff.h"
#include "shell/frmMain.h"
#include "support/Fixture.h"
#include "support/Widgets.h"

namespace support {

class ShellFixture : public Fixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The main window as the device picker's OK creates it (InitSession,
  // ConfigureMenusForDeviceCount, shown), with its timer stopped: tests tick it
  // by calling tmrMaster_Timer.
  frmMain& OpenMainWindow();
};

}  // namespace support
