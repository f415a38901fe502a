#include "PageBase.h"

QWidget* SettingsPage::OpenWindow(const QString& caption, int width, int height) {
  SetCaption(caption);
  SetSize(width, height);
  CenterInMainForm(*this);
  return Client();
}

const DeviceInfo* SettingsPage::Record() const {
  const int index = MatchingIndex();
  return !IsDeviceIndex(index) ? nullptr : &gDevices[static_cast<std::size_t>(index)];
}
