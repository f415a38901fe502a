#include "Session.h"

#include <QAction>
#include <QTimer>

#include "frmMain.h"
#include "model/DeviceInfo.h"
#include "model/RegisterTable.h"
#include "model/Telemetry.h"
#include "platform/globals/ProgramGlobals.h"

std::unique_ptr<frmMain> gMainForm;

namespace {

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::Windows, [] { gMainForm.reset(); });

}  // namespace

void StartSession() {
  gMainForm = std::make_unique<frmMain>();
  gMainForm->Load();
  InitSession();
  ConfigureMenusForDeviceCount();
  gMainForm->Show();
}

void InitSession() {
  BuildRegisterTable();
  SetReadingFullScales();
  if (gMainForm && gMainForm->tmrMaster) gMainForm->tmrMaster->start();
  DeviceInfo& first = gDevices[0];
  first.L = 10;
  first.C = 5000;
  first.ESR = 12;
  first.Rload = 0.5f;
  gDevices[1].L = first.L;
  gDevices[1].C = first.C;
  gDevices[1].ESR = first.ESR;
  gDevices[1].Rload = first.Rload;
}

void ConfigureMenusForDeviceCount() {
  if (gDeviceCount != 1 || !gMainForm) return;
  if (QAction* menu = gMainForm->Action(QStringLiteral("mnuDevice2"))) menu->setEnabled(false);
  if (QAction* button = gMainForm->ToolbarButton(7)) button->setEnabled(false);
}
