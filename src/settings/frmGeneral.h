#pragma once
// The general settings of one chip: temperature protection, PS ON and soft
// start, pin polarities and the sync-rectifier turn-off, read at set-up and
// written on Apply. The switching-frequency list is kept hidden; its choice only
// passes from set-up to Apply.

#include <QPointer>

#include "GeneralFields.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"
#include "shell/FormStuff.h"

class frmGeneral : public DevicePage {
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
  pagekit::ListField mLinearize{general::kLinearize, 2};
  pagekit::ListField mThermistor{general::kThermistor, 2};
  pagekit::ListField mOTPThreshold{general::kOTPThreshold, 16};
  pagekit::ListField mPSON{general::kPSON, 2};
  pagekit::ListField mSoftStart{general::kSoftStart, 4};
  pagekit::ListField mPGOOD{general::kPGOODPol, 2};
  pagekit::ListField mGate{general::kGatePol, 2};
  pagekit::ListField mPSONPol{general::kPSONPol, 2};
  pagekit::ListField mSwitchFreq{general::kSwitchFreq, pagekit::kSwitchingFrequencyCount};
  pagekit::ListField mSyncRectOff{general::kSyncRectOff, 7};
};
