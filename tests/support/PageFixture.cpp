#include "PageFixture.h"

#include "design/DesignPages.h"
#include "settings/SettingsPages.h"

namespace support {

void PageFixture::SetUp() {
  ShellFixture::SetUp();
  RegisterSettingsPages();
  RegisterDesignPages();
}

usb::EmulatedBoard& PageFixture::StartBoard(const std::vector<int>& chips) {
  usb::EmulatedBoard& board = StartWithChips(chips);
  OpenMainWindow();
  ClearBus();
  return board;
}

QStringList PageFixture::Items(const forms::ComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->ListCount(); ++i) items << box->List(i);
  return items;
}

}  // namespace support
