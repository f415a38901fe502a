#include "SettingsPage.h"

#include "link/BoardLink.h"

int SettingsPage::Read(int reg) const { return ReadRegister(ChipAddress(), reg); }

void SettingsPage::Write(int reg, int value) const { WriteRegister(ChipAddress(), reg, value); }
