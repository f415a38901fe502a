// Every test binary but the X11 one starts here, on the offscreen platform
// unless another is named.

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/TestApplication.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return support::RunTests(argc, argv);
}
