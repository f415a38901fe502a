#include "ShellFixture.h"

#include <QTimer>

#include "shell/StartUpMain.h"

namespace support {

void ShellFixture::SetUp() {
  Fixture::SetUp();
  InstallAboutToEnd();
}

frmMain& ShellFixture::OpenMainWindow() {
  StartSession();
  gMainForm->tmrMaster->stop();
  return *gMainForm;
}

}  // namespace support
