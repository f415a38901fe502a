#pragma once
// The voltage sensing of one chip: the sense-input and output-voltage trims,
// written the moment one is chosen; the over- and under-voltage limits with
// their debounce times, written on Apply; and the live sense voltages.

#include <QPointer>
#include <array>

#include "ListTexts.h"
#include "PageBase.h"
#include "VoltageSenseFields.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"
#include "platform/forms/PictureBox.h"

class frmVoltageSense : public ApplyPage {
 public:
  frmVoltageSense() : ApplyPage(&gVoltageSenseOpen) {}

  void SetupFormAfterLoad() override;
  void DisplayValues() override;
  void cmbTrim_Click(int Index);
  void cmbVS3Trim_Click();
  void cmdApply_Click() override;

  QPointer<forms::Frame> fraVS1;
  QPointer<forms::Frame> fraVS3;
  std::array<QPointer<forms::ComboBox>, 2> cmbOVP;
  QPointer<forms::ComboBox> cmbVS1Debounce;
  QPointer<forms::ComboBox> cmbVS3Debounce;
  QPointer<forms::ComboBox> cmbUVP;
  std::array<QPointer<forms::ComboBox>, 3> cmbTrim;
  QPointer<forms::ComboBox> cmbVS3Trim;
  QPointer<forms::Label> lblVS1Val;
  QPointer<forms::Label> lblVS2Val;
  QPointer<forms::Label> lblVS3Val;
  QPointer<forms::Label> lblOutputVal;
  QPointer<forms::PictureBox> Picture1;

 protected:
  void Form_Load() override;

 private:
  void LayOutPicture();

  pagekit::ListField mOutputTrim{voltagesense::kWholeByte, settings::OutputTrimItems()};
  std::array<pagekit::ListField, 2> mOVP{{{voltagesense::kOVP, settings::PercentItems(105, 16)},
                                          {voltagesense::kOVP, settings::PercentItems(105, 16)}}};
  pagekit::ListField mVS1Debounce{voltagesense::kDebounce, voltagesense::DebounceItems()};
  pagekit::ListField mVS3Debounce{voltagesense::kDebounce, voltagesense::DebounceItems()};
  pagekit::ListField mUVP{voltagesense::kUVP, settings::PercentItems(80, 16)};
  std::array<pagekit::ListField, 3> mTrim{{{voltagesense::kWholeByte, settings::NumberItems(256)},
                                           {voltagesense::kWholeByte, settings::NumberItems(256)},
                                           {voltagesense::kWholeByte, settings::NumberItems(256)}}};
};
