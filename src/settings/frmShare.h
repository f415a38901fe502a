#pragma once
// The analog share bus of one chip: offset and slope trims, bandwidth, voltage
// capture and the enable bit, read at set-up and written on Apply.

#include <QPointer>

#include "ListTexts.h"
#include "PageBase.h"
#include "ShareFields.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"

class frmShare : public ApplyPage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click() override;

  QPointer<forms::Frame> fraShare;
  QPointer<forms::ComboBox> cmbOffset;
  QPointer<forms::ComboBox> cmbSlope;
  QPointer<forms::ComboBox> cmbBandwidth;
  QPointer<forms::ComboBox> cmbCapture;
  QPointer<forms::CheckBox> chkEnableShare;

 protected:
  void Form_Load() override;

 private:
  pagekit::ListField mOffset{share::kTrim, settings::NumberItems(256)};
  pagekit::ListField mSlope{share::kTrim, settings::NumberItems(256)};
  pagekit::ListField mBandwidth{share::kBandwidth, settings::ShareBandwidthItems()};
  pagekit::ListField mCapture{share::kCapture, share::CaptureItems()};
};
