#pragma once
// The fixture of the settings pages: the shell fixture with the pages
// registered, a board with chips and the main window open, and pages opened as
// the menus open them.

#include "platform/forms/Controls.h"
#include "settings/SettingsPages.h"
#include "support/ShellFixture.h"

class SettingsFixture : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RegisterSettingsPages();
  }

  // A board with these chips, the main window open, the bus log empty.
  usb::EmulatedBoard& StartBoard(const std::vector<int>& chips = {0x48}) {
    usb::EmulatedBoard& board = StartWithChips(chips);
    OpenMainWindow();
    ClearBus();
    return board;
  }

  // Opens a page as the Device menu does and returns it.
  template <typename T>
  T& Open(PageKind kind, int index = 0) {
    OpenDevicePage(kind, index);
    return PageAt<T>(kind, index);
  }

  using Lines = std::vector<std::string>;
};

// Every item of a list, in order.
inline QStringList Items(const forms::ComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->ListCount(); ++i) items << box->List(i);
  return items;
}
