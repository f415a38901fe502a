#include "frmDevice.h"

// Work in progress: the drawing, hot areas and value labels come with the block-diagram work.

void frmDevice::Form_Load() {
  SetSize(12705, 11340);
  CenterInMainForm(*this);
}

void frmDevice::SetupFormAfterLoad() {
  const int index = MatchingIndex();
  if (index >= 0) gDiagramOpen[static_cast<size_t>(index)] = true;
}

void frmDevice::Form_Unload() {
  const int index = MatchingIndex();
  if (index >= 0) gDiagramOpen[static_cast<size_t>(index)] = false;
}

void frmDevice::DisplayValues() {}
