#include "SingleWindows.h"

#include <memory>

#include "frmMultiDevice.h"
#include "frmRegMap.h"
#include "frmSave.h"
#include "frmSplash.h"
#include "frmSpy.h"
#include "platform/globals/ProgramGlobals.h"

namespace {

std::unique_ptr<frmSplash> gSplash;
std::unique_ptr<frmMultiDevice> gMultiDevice;
std::unique_ptr<frmRegMap> gRegMap;
std::unique_ptr<frmSave> gSave;
std::unique_ptr<frmSpy> gSpy;

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::Windows, &ResetSingleWindows);

template <typename T>
T& Single(std::unique_ptr<T>& slot) {
  if (!slot) slot = std::make_unique<T>();
  return *slot;
}

}  // namespace

frmSplash& SplashForm() { return Single(gSplash); }
frmMultiDevice& MultiDeviceForm() { return Single(gMultiDevice); }
frmRegMap& RegMapForm() { return Single(gRegMap); }
frmSave& SaveForm() { return Single(gSave); }
frmSpy& SpyForm() { return Single(gSpy); }

void ResetSingleWindows() {
  gSplash.reset();
  gMultiDevice.reset();
  gRegMap.reset();
  gSave.reset();
  gSpy.reset();
}
