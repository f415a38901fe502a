// The program: its pages made known to the shell, then the start-up, then the event loop.

#include <QApplication>

#include "design/DesignPages.h"
#include "platform/forms/DesignFont.h"
#include "platform/globals/ProgramGlobals.h"
#include "platform/ui/WindowSystemSeams.h"
#include "settings/SettingsPages.h"
#include "shell/StartUpMain.h"

int main(int argc, char** argv) {
  // Windows are laid out in twips at 15 to the pixel, which is 96 dots per inch;
  // fonts in points must be measured at the same resolution or captions outgrow their boxes.
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  forms::ApplyDesignFont();
  ui::InstallWindowSystemSeams();
  RegisterSettingsPages();
  RegisterDesignPages();
  Main();
  const int status = app.exec();
  // Every window goes while the application object still exists.
  globals::ResetProgramGlobals();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
