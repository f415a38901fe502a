#pragma once
// The current sensing of one chip: gain trims, offset trim and over-current
// limits of CS1 and CS2, and the over-current protection settings, read at
// set-up and written on Apply.

#include <QPointer>
#include <array>

#include "CurrentSenseFields.h"
#include "ListTexts.h"
#include "PageBase.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"

class frmCurrentSense : public ApplyPage {
 public:
  void SetupFormAfterLoad() override;
  void cmdApply_Click() override;

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

 protected:
  void Form_Load() override;

 private:
  pagekit::ListField mCS1Gain{currentsense::kCS1Gain, settings::NumberItems(32)};
  pagekit::ListField mCS1Limit{currentsense::kCS1Limit, settings::CS1LimitItems()};
  pagekit::ListField mDelay{currentsense::kFastOCPDelay, currentsense::DelayItems()};
  pagekit::ListField mCS2Gain{currentsense::kCS2Gain, settings::NumberItems(256)};
  // Half the field's codes: offsets above 63 have no item.
  pagekit::ListField mCS2Offset{currentsense::kCS2Offset, settings::NumberItems(64)};
  pagekit::ListField mCS2Limit{currentsense::kCS2Limit, settings::CS2LimitItems()};
  pagekit::ListField mOCPBandwidth{currentsense::kOCPBandwidth, settings::OCPBandwidthItems()};
  pagekit::ListField mOCPOffDelay{currentsense::kOCPOffDelay, currentsense::OCPOffDelayItems()};
};
