#pragma once
// Saving the registers of a chip to a .sav file and recalling such a file into a chip.

#include "platform/forms/Form.h"

class frmSave : public forms::Form {
 public:
  frmSave() : forms::Form(forms::WindowKind::Child) {}

 protected:
  void Form_Load() override;
};
