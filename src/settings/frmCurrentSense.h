#pragma once
// The current sensing of one chip: gain trims, offset trim and over-current
// limits of CS1 and CS2, and the over-current protection settings, read at
// set-up and written on Apply.

#include <QPointer>
#include <array>

#include "CurrentSenseFields.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"
#include "shell/FormStuff.h"

class frmCurrentSense : public DevicePage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  QPointer<forms::Frame> fraCS1;
  QPointer<forms::Frame> fraCS2;
  QPointer<forms::Frame> fraOCP;
  std::array<QPointer<forms::ComboBox>, 2> cmbGainCal;
  std::array<QPointer<forms::ComboBox>, 2> cmbCS;
  QPointer<forms::ComboBox> cmbDelay;
  QPointer<forms::ComboBox> cmbOffsetCal;
  QPointer<forms::ComboBox> cmbOCPBandWidth;
  QPointer<forms::CheckBox> chkFoldback;
  QPointer<forms::ComboBox> cmbCCSource;
  QPointer<forms::ComboBox> cmbOCPOffDelay;
  QPointer<forms::CommandButton> cmdOK;
  QPointer<forms::CommandButton> cmdApply;
  QPointer<forms::CommandButton> cmdCancel;

 protected:
  void Form_Load() override;

 private:
  void FillCurrentSenseLists();

  pagekit::ListField mCS1Gain{currentsense::kCS1Gain, 32};
  pagekit::ListField mCS1Limit{currentsense::kCS1Limit, 32};
  pagekit::ListField mDelay{currentsense::kFastOCPDelay, 6};
  pagekit::ListField mCS2Gain{currentsense::kCS2Gain, 256};
  pagekit::ListField mCS2Offset{currentsense::kCS2Offset, 64};
  pagekit::ListField mCS2Limit{currentsense::kCS2Limit, 32};
  pagekit::ListField mOCPBandwidth{currentsense::kOCPBandwidth, 8};
  pagekit::ListField mOCPOffDelay{currentsense::kOCPOffDelay, 8};
};
