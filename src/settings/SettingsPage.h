#pragma once
// Base of the settings pages: register transfers with the page's own chip, the
// one its caption names.

#include "shell/FormStuff.h"

class SettingsPage : public DevicePage {
 protected:
  int Read(int reg) const;
  void Write(int reg, int value) const;
};
