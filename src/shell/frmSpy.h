#pragma once
// The bus monitor: a running list of the register transfers the program makes.

#include "platform/forms/Form.h"

class frmSpy : public forms::Form {
 public:
  frmSpy() : forms::Form(forms::WindowKind::Child) {}

 protected:
  void Form_Load() override;
};
