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

void SettingsPage::SetOpen(bool open) const {
  const int index = MatchingIndex();
  if (openFlags_ && index >= 0) (*openFlags_)[static_cast<std::size_t>(index)] = open;
}
