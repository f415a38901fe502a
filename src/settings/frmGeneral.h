#pragma once
// The general settings of one chip: temperature protection, PS ON and soft
// start, pin polarities and the sync-rectifier turn-off, read at set-up and
// written on Apply. The switching-frequency list is kept hidden; its choice only
// passes from set-up to Apply.

#include <QPointer>

#include "GeneralFields.h"
#include "ListField.h"
#include "SettingsPage.h"
#include "platform/forms/Controls.h"

class frmGeneral : public SettingsPage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  QPointer<forms::Frame> fraTemperature;
  QPointer<forms::Frame> fraPSON;
  QPointer<forms::Frame> fraPolarity;
  QPointer<forms::Frame> fraSwitchFreq;
  QPointer<forms::Frame> fraSyncRect;
  QPointer<forms::ComboBox> cmbLinearize;
  QPointer<forms::ComboBox> cmbThermistorVal;
  QPointer<forms::ComboBox> cmbOTPThreshold;
  QPointer<forms::ComboBox> cmbPSON;
  QPointer<forms::ComboBox> cmbSoftStart;
  QPointer<forms::ComboBox> cmbPSONPol;
  QPointer<forms::ComboBox> cmbGate;
  QPointer<forms::ComboBox> cmbPGOOD;
  QPointer<forms::ComboBox> cmbSwitchFreq;
  QPointer<forms::ComboBox> cmbSyncRectOff;
  QPointer<forms::CommandButton> cmdOK;
  QPointer<forms::CommandButton> cmdApply;
  QPointer<forms::CommandButton> cmdCancel;

 protected:
  void Form_Load() override;

 private:
  settings::ListField mLinearize{general::kLinearize, 2};
  settings::ListField mThermistor{general::kThermistor, 2};
  settings::ListField mOTPThreshold{general::kOTPThreshold, 16};
  settings::ListField mPSON{general::kPSON, 2};
  settings::ListField mSoftStart{general::kSoftStart, 4};
  settings::ListField mPGOOD{general::kPGOODPol, 2};
  settings::ListField mGate{general::kGatePol, 2};
  settings::ListField mPSONPol{general::kPSONPol, 2};
  settings::ListField mSwitchFreq{general::kSwitchFreq, 12};
  settings::ListField mSyncRectOff{general::kSyncRectOff, 7};
};
