#pragma once
// The block diagram of one chip: its function blocks, each a hot area that opens
// the block's page, and the live output voltage, current and share-bus value.

#include "FormStuff.h"

class frmDevice : public DevicePage {
 public:
  void SetupFormAfterLoad() override;
  void DisplayValues() override;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};
