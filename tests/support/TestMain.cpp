// Every test binary starts here: a QApplication on the offscreen platform with
// a fixed font and locale, so widgets have real metrics and texts are stable.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "platform/forms/DesignFont.h"
#include "platform/ui/WindowSystemSeams.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  forms::ApplyDesignFont();
  ui::InstallWindowSystemSeams();
  return RUN_ALL_TESTS();
}
