#pragma once
// The register map: every named register in a tree, read as a byte or a
// reading, its bits shown and toggled, written, and re-read continuously.

#include "platform/forms/Form.h"

class frmRegMap : public forms::Form {
 public:
  frmRegMap() : forms::Form(forms::WindowKind::Child) {}
  void cmdRead_Click();
  // "Continuous Read" ticked.
  bool ContinuousReadTicked() const;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};
