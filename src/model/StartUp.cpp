#include "StartUp.h"

#include <cmath>

#include "DeviceInfo.h"
#include "NumberText.h"
#include "link/BoardLink.h"
#include "platform/ui/Seams.h"

void EnterSimulation() {
  gSimulationMode = true;
  gDeviceCount = 1;
  gDevAddr[0] = 0x48;
  gDevices[0].Address = 0x48;
  LoadSimulatedRegisters();
}

void ConnectAndFindDevices(StartUpProgress& progress) {
  const double unit = std::floor(std::nearbyint(progress.BarFullWidth()) / 100.0);
  double width = 0;
  progress.SetBarWidth(width);
  progress.ShowStatus(QStringLiteral("Downloading Firmware..."));
  progress.ShowBarAndStatus();

  gDevices[0].Name = QStringLiteral("KRV7310");
  gDevices[1].Name = QStringLiteral("KRV7310");

  if (DownloadFirmware() < 0) {
    const int answer = ui::MsgBox(QStringLiteral("The KRV7310 evaluation board has not been found.\r\n"
                                                 "Continue in simulation mode?"),
                                  ui::vbYesNo, ui::kAppTitle);
    if (answer == ui::vbYes) {
      EnterSimulation();
      return;
    }
    ShowUsbErrorAndEnd(0);
  }

  width = 33 * unit;
  progress.SetBarWidth(width);
  progress.ShowStatus(QStringLiteral("Enumerating..."));
  do {
    width += unit / 2;
    progress.SetBarWidth(width);
    Delay(50);
    progress.ProcessEvents();
  } while (width < 50 * unit);

  progress.ShowStatus(QStringLiteral("Connecting..."));
  bool connected = false;
  for (int tries = 0; tries < 20 && !connected; ++tries) {
    connected = Handshake();
    Delay(200);
    progress.ProcessEvents();
  }
  if (!connected) ShowUsbErrorAndEnd(2);

  progress.SetBarWidth(76 * unit);
  progress.ShowStatus(QStringLiteral("Searching for ") + gDevices[0].Name + QStringLiteral(" on USB..."));
  Delay(1000);

  gDeviceCount = 0;
  for (int addr = 0; addr <= 127; ++addr) {
    if (ReadRegister(addr, 0x3D) != 0x41) continue;
    if (gDeviceCount < 2) {
      gDevAddr[gDeviceCount] = static_cast<uint8_t>(addr);
      gDevices[gDeviceCount].Address = addr;
      ++gDeviceCount;
    }
  }

  progress.SetBarWidth(100 * unit);
  progress.ShowStatus(QStringLiteral("Found ") + numtext::Str(static_cast<int>(gDeviceCount)) + QStringLiteral(" ") +
                      gDevices[0].Name + QStringLiteral("(s) on the USB port"));
  Delay(2000);
}
