#pragma once
// What the settings pages share: each opens its window the same way, the live
// ones read their chip's record, and those with the OK/Apply/Close row hold it
// here with the Apply that writes the page.

#include <QString>
#include <array>

#include "model/DeviceInfo.h"
#include "pagekit/PageLayout.h"
#include "shell/FormStuff.h"

class SettingsPage : public DevicePage {
 protected:
  explicit SettingsPage(std::array<bool, 2>* openFlags = nullptr) : DevicePage(openFlags) {}

  // Captions and sizes (twips) the window and centres it on the main window;
  // gives the client area to build in.
  QWidget* OpenWindow(const QString& caption, int width, int height);
  // The record of the chip the caption names; nullptr when it names neither.
  const DeviceInfo* Record() const;
};

// A settings page with the OK/Apply/Close row.
class ApplyPage : public SettingsPage {
 public:
  explicit ApplyPage(std::array<bool, 2>* openFlags = nullptr) : SettingsPage(openFlags) {}

  // Writes the page's controls to the chip; OK does it too, then closes. A
  // page whose every change is already on the chip keeps this, which writes nothing.
  virtual void cmdApply_Click() {}

  pagekit::OkApplyClose buttons;

 protected:
  void AddButtons(const pagekit::ButtonPlaces& at, pagekit::Closing closing) {
    buttons.Build(*this, at, closing, [this] { cmdApply_Click(); });
  }
};
