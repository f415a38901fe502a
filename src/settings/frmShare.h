#pragma once
// The analog share bus of one chip: offset and slope trims, bandwidth, voltage
// capture and the enable bit, read at set-up and written on Apply.

#include <QPointer>

#include "ShareFields.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"
#include "shell/FormStuff.h"

class frmShare : public DevicePage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  QPointer<forms::Frame> fraShare;
  QPointer<forms::ComboBox> cmbOffset;
  QPointer<forms::ComboBox> cmbSlope;
  QPointer<forms::ComboBox> cmbBandwidth;
  QPointer<forms::ComboBox> cmbCapture;
  QPointer<forms::CheckBox> chkEnableShare;
  QPointer<forms::CommandButton> cmdOK;
  QPointer<forms::CommandButton> cmdApply;
  QPointer<forms::CommandButton> cmdCancel;

 protected:
  void Form_Load() override;

 private:
  pagekit::ListField mOffset{share::kTrim, 256};
  pagekit::ListField mSlope{share::kTrim, 256};
  pagekit::ListField mBandwidth{share::kBandwidth, 32};
  pagekit::ListField mCapture{share::kCapture, 4};
};
