#include "TestApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "platform/forms/DesignFont.h"
#include "platform/ui/WindowSystemSeams.h"

namespace support {

int RunTests(int& argc, char** argv) {
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  forms::ApplyDesignFont();
  ui::InstallWindowSystemSeams();
  return RUN_ALL_TESTS();
}

}  // namespace support
