#pragma once
// The OrFET control of one chip: thresholds, comparator bandwidth and the two
// enable boxes of register 0x30, each change written to the chip at once as a
// read-modify-write, so bits changed elsewhere survive.

#include <QPointer>

#include "OrFETFields.h"
#include "PageBase.h"
#include "platform/forms/Controls.h"
#include "platform/forms/PictureBox.h"

class frmOrFET : public ApplyPage {
 public:
  void SetupFormAfterLoad() override;
  void cmbReverseOff_Click();
  void cmbReverseOn_Click();
  void cmbFilter_Click();
  void chkBypassOff_Click();
  void chkBypassOn_Click();

  QPointer<forms::Frame> fraReverse;
  QPointer<forms::ComboBox> cmbReverseOff;
  QPointer<forms::ComboBox> cmbReverseOn;
  QPointer<forms::ComboBox> cmbFilter;
  QPointer<forms::CheckBox> chkBypassOff;
  QPointer<forms::CheckBox> chkBypassOn;
  QPointer<forms::CheckBox> chkReverseCurrent;
  QPointer<forms::PictureBox> Picture1;

 protected:
  void Form_Load() override;

 private:
  // Reads 0x30, puts one field's code in, writes it back.
  void WriteField(pagekit::BitField field, int code);
};
