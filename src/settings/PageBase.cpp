#include "PageBase.h"

QWidget* SettingsPage::OpenWindow(const QString& caption, int width, int height) {
  SetCaption(caption);
  SetSize(width, height);
  CenterInMainForm(*this);
  return Client();
}

const DeviceInfo* SettingsPage::Record() const {
  const int index = MatchingIndex();
  return index < 0 ? nullptr : &gDevices[static_cast<std::size_t>(index)];
}

void SettingsPage::SetOpen(std::array<bool, 2>& flags, bool open) const {
  const int index = MatchingIndex();
  if (index >= 0) flags[static_cast<std::size_t>(index)] = open;
}
