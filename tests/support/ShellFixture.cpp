#include "ShellFixture.h"

#include <QTimer>

namespace support {

void ShellFixture::SetUp() {
  Fixture::SetUp();
  ResetShellState();
}

void ShellFixture::TearDown() {
  ResetShellState();
  FlushDeletes();
  Fixture::TearDown();
}

frmMain& ShellFixture::OpenMainWindow() {
  gMainForm = std::make_unique<frmMain>();
  gMainForm->Load();
  InitSession();
  ConfigureMenusForDeviceCount();
  gMainForm->Show();
  gMainForm->tmrMaster->stop();
  return *gMainForm;
}

}  // namespace support
