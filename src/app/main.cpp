// The program: its pages made known to the shell, then the start-up, then the event loop.

#include <QApplication>

#include "platform/forms/FormRegistry.h"
#include "settings/SettingsPages.h"
#include "shell/FormStuff.h"
#include "shell/StartUpMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  RegisterSettingsPages();
  Main();
  const int status = app.exec();
  // Every window goes while the application object still exists.
  ResetShellState();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
