#pragma once
// The windows that exist once in the program, each created on first use.

class frmSplash;
class frmMultiDevice;
class frmRegMap;
class frmSave;
class frmSpy;

frmSplash& SplashForm();
frmMultiDevice& MultiDeviceForm();
frmRegMap& RegMapForm();
frmSave& SaveForm();
frmSpy& SpyForm();

// Destroys the single windows (program-start state).
void ResetSingleWindows();
