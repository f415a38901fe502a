#pragma once
// The session the device picker's OK starts: the main window created into
// gMainForm and loaded, the register table, the reading scales, the master
// timer and the output-filter defaults set up, the device menus fitted to the
// chips found, and the main window shown.

#include <memory>

class frmMain;

// The main window, created when the session starts.
extern std::unique_ptr<frmMain> gMainForm;

// The whole sequence, in order: create and load the main window, InitSession,
// ConfigureMenusForDeviceCount, show the main window.
void StartSession();

void InitSession();
void ConfigureMenusForDeviceCount();
