#pragma once
// Makes the settings pages available to the main window's menus and the block diagram.

void RegisterSettingsPages();
