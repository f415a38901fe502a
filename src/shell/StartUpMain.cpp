#include "StartUpMain.h"

#include "SingleWindows.h"
#include "frmMultiDevice.h"
#include "frmSplash.h"
#include "model/DeviceInfo.h"
#include "model/StartUp.h"
#include "platform/forms/FormRegistry.h"
#include "platform/ui/Seams.h"

void InstallAboutToEnd() { ui::SetAboutToEnd(&forms::UnloadAllForms); }

void Main() {
  InstallAboutToEnd();
  frmSplash& splash = SplashForm();
  splash.Show();
  splash.Window()->repaint();

  ConnectAndFindDevices(splash);

  if (gDeviceCount == 0) {
    const int answer = ui::MsgBox(QStringLiteral("No KRV7310 devices found - Continue in simulation mode?"),
                                  ui::vbYesNo, ui::kAppTitle);
    if (answer != ui::vbYes) ui::End();
    EnterSimulation();
  }

  splash.Unload();
  MultiDeviceForm().Show();
}
