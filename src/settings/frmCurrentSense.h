#pragma once
// The current sensing of one chip: gain trims, offset trim and over-current
// limits of CS1 and CS2, and the over-current protection settings, read at
// set-up and written on Apply.

#include <QPointer>
#include <array>

#include "CurrentSenseFields.h"
#include "ListField.h"
#include "SettingsPage.h"
#include "platform/forms/Controls.h"

class frmCurrentSense : public SettingsPage {
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

  settings::ListField mCS1Gain{currentsense::kCS1Gain, 32};
  settings::ListField mCS1Limit{currentsense::kCS1Limit, 32};
  settings::ListField mDelay{currentsense::kFastOCPDelay, 6};
  settings::ListField mCS2Gain{currentsense::kCS2Gain, 256};
  settings::ListField mCS2Offset{currentsense::kCS2Offset, 64};
  settings::ListField mCS2Limit{currentsense::kCS2Limit, 32};
  settings::ListField mOCPBandwidth{currentsense::kOCPBandwidth, 8};
  settings::ListField mOCPOffDelay{currentsense::kOCPOffDelay, 8};
};
