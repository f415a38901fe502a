#pragma once
// The fixture of the per-device pages: the shell fixture with every page type
// of the program registered as main registers them, a board with chips and the
// main window open, and pages opened as the menus open them.

#include <QStringList>
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "support/ShellFixture.h"

namespace support {

class PageFixture : public ShellFixture {
 protected:
  void SetUp() override;

  // A board with these chips, the main window open, the bus log empty.
  usb::EmulatedBoard& StartBoard(const std::vector<int>& chips = {0x48});

  // Opens a page as the Device menu does and returns it.
  template <typename T>
  T& Open(PageKind kind, int index = 0) {
    OpenDevicePage(kind, index);
    return PageAt<T>(kind, index);
  }

  // Every item of a list, in order.
  static QStringList Items(const forms::ComboBox* box);

  using Lines = std::vector<std::string>;
};

}  // namespace support
