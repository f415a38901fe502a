// The one reset of the program's globals: every module that keeps globals is
// back at its program-start values after it, and windows unload first, while
// the state their unload handling reads is still there.

#include <functional>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "model/DeviceInfo.h"
#include "model/RegisterTable.h"
#include "model/Telemetry.h"
#include "platform/globals/ProgramGlobals.h"
#include "platform/ui/Seams.h"
#include "shell/SingleWindows.h"
#include "shell/frmSpy.h"
#include "support/ShellFixture.h"

namespace {

struct ModuleCase {
  const char* name;
  std::function<void()> change;    // moves the module's globals away from their start
  std::function<bool()> atStart;   // true when they are back
};
void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

bool hookRan = false;

class ProgramReset : public support::ShellFixture, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(ProgramReset, PutsTheModuleBackAtProgramStart) {
  StartWithChips({0x48, 0x4A});
  GetParam().change();
  ASSERT_FALSE(GetParam().atStart()) << "the change did not move anything";
  globals::ResetProgramGlobals();
  EXPECT_TRUE(GetParam().atStart());
}

INSTANTIATE_TEST_SUITE_P(
    Modules, ProgramReset,
    ::testing::Values(
        ModuleCase{"BoardLink",
                   [] {
                     gSimulationMode = true;
                     gRegShadow[0x21] = 7;
                   },
                   [] { return !gSimulationMode && gRegShadow[0x21] == 0; }},
        ModuleCase{"BusMonitorFlags",
                   [] {
                     gSpyPaused = true;
                     gIgnoreContinuousReads = true;
                   },
                   [] { return !gSpyPaused && !gIgnoreContinuousReads && !GetBusMonitorSink(); }},
        ModuleCase{"DeviceRecords",
                   [] {
                     gDevices[1].VS3 = 12;
                     gScaleVS3 = 14.1f;
                   },
                   [] { return gDeviceCount == 0 && gDevAddr[1] == 0 && gDevices[1].VS3 == 0 && gScaleVS3 == 0; }},
        ModuleCase{"RegisterTable", [] { BuildRegisterTable(); }, [] { return gRegTable[0x68].Name.isEmpty(); }},
        ModuleCase{"UsbBoard", [] {}, [] { return usb::AttachedBoard() == nullptr; }},
        ModuleCase{"Seams",
                   [] {
                     ui::SetTimerClock([] { return -5.0f; });
                     ui::SetAboutToEnd([] { hookRan = true; });
                   },
                   [] {
                     hookRan = false;
                     ui::AboutToEnd();
                     return ui::Timer() >= 0 && !hookRan;
                   }},
        ModuleCase{"OpenFlags",
                   [] {
                     gDiagramOpen[1] = true;
                     gPollingDisabled = true;
                     gRegMapOpen = true;
                   },
                   [] { return !gDiagramOpen[1] && !gPollingDisabled && !gRegMapOpen; }},
        ModuleCase{"Session", [] { StartSession(); }, [] { return !gMainForm; }},
        ModuleCase{"Windows",
                   [] {
                     StartSession();
                     OpenBlockDiagram(1);
                     SpyForm().Show();
                   },
                   [] {
                     return forms::LoadedForms().empty() && !Pages(PageKind::Diagram).Existing(1) &&
                            Pages(PageKind::Diagram).Available() && !gSpyOpen;
                   }}),
    [](const ::testing::TestParamInfo<ModuleCase>& info) { return std::string(info.param.name); });

// A window that notes what it sees of the program while it unloads.
class WitnessForm : public forms::Form {
 public:
  WitnessForm() : forms::Form(forms::WindowKind::TopLevel) {}
  int16_t deviceCount = -1;
  bool simulation = false;
  int answer = 0;

 protected:
  void Form_Unload() override {
    deviceCount = gDeviceCount;
    simulation = gSimulationMode;
    answer = ui::MsgBox(QStringLiteral("Leaving?"), ui::vbYesNo);
  }
};

TEST_F(ProgramReset, WindowsUnloadBeforeTheStateTheyReadAndTheSeamsTheyUse) {
  StartInSimulation();
  WitnessForm witness;
  witness.Show();
  AnswerMsgBox(ui::vbNo);
  globals::ResetProgramGlobals();
  EXPECT_FALSE(witness.IsLoaded());
  EXPECT_EQ(witness.deviceCount, 1);
  EXPECT_TRUE(witness.simulation);
  EXPECT_EQ(witness.answer, ui::vbNo) << "the scripted answer, not a real box";
}

}  // namespace
