#pragma once
// The general settings of one chip: temperature protection, PS ON and soft
// start, pin polarities and the sync-rectifier turn-off, read at set-up and
// written on Apply. The switching-frequency list is kept hidden; its choice only
// passes from set-up to Apply.

#include <QPointer>

#include "GeneralFields.h"
#include "ListTexts.h"
#include "PageBase.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"

class frmGeneral : public ApplyPage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click() override;

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

 protected:
  void Form_Load() override;

 private:
  pagekit::ListField mLinearize{general::kLinearize, general::LinearizeItems()};
  pagekit::ListField mThermistor{general::kThermistor, general::ThermistorItems()};
  pagekit::ListField mOTPThreshold{general::kOTPThreshold, settings::NumberItems(16)};
  pagekit::ListField mPSON{general::kPSON, general::PSONItems()};
  pagekit::ListField mSoftStart{general::kSoftStart, general::SoftStartItems()};
  pagekit::ListField mPGOOD{general::kPGOODPol, general::PolarityItems()};
  pagekit::ListField mGate{general::kGatePol, general::PolarityItems()};
  pagekit::ListField mPSONPol{general::kPSONPol, general::PolarityItems()};
  pagekit::ListField mSwitchFreq{general::kSwitchFreq, general::SwitchFreqItems()};
  pagekit::ListField mSyncRectOff{general::kSyncRectOff, general::SyncRectOffItems()};
};
