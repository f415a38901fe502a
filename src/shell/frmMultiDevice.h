#pragma once
// The device picker: the first window after the splash, listing the chips found.

#include <QPointer>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class QListWidget;

class frmMultiDevice : public forms::Form {
 public:
  frmMultiDevice() : forms::Form(forms::WindowKind::TopLevel) {}

  void cmdOK_Click();
  void cmdCancel_Click();

  QPointer<QListWidget> lstDevices;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};
