#pragma once
// Saving the registers of a chip to a .sav file and recalling such a file into a chip.

#include <QPointer>
#include <cstdint>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class QFileDevice;

// The settings file that save or recall has open; nullptr when none is.
extern QFileDevice* gSaveFileNum;

class frmSave : public forms::Form {
 public:
  frmSave() : forms::Form(forms::WindowKind::Child) {}

  void cmdsave_Click();
  void cmdRecall_Click();
  void cmdClose_Click();

  QPointer<forms::ComboBox> cmbDevAddr;
  QPointer<forms::TextBox> txtComment;
  QPointer<forms::CommandButton> cmdsave;
  QPointer<forms::CommandButton> cmdRecall;
  QPointer<forms::CommandButton> cmdClose;

 protected:
  void Form_Load() override;

 private:
  int32_t ChipAddress() const;
};
