#include "SettingsPages.h"

#include "shell/FormStuff.h"

void RegisterSettingsPages() {}
