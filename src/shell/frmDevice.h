#pragma once
// The block diagram of one chip: its function blocks, each a hot area that opens
// the block's page, and the live output voltage, current and share-bus value.

#include <QPointer>
#include <array>
#include <cstdint>

#include "FormStuff.h"
#include "platform/forms/Controls.h"
#include "platform/forms/PictureBox.h"

class frmDevice : public DevicePage {
 public:
  frmDevice() : DevicePage(&gDiagramOpen) {}
  static constexpr int kHotAreas = 8;

  void SetupFormAfterLoad() override;
  void DisplayValues() override;

  void lblSelection_Click(int Index);
  void lblSelection_DblClick(int Index);
  void lblSelection_MouseMove(int Index, int Button, int Shift, float X, float Y);
  void pctDevice_MouseMove(int Button, int Shift, float X, float Y);

  QPointer<forms::PictureBox> pctDevice;
  std::array<QPointer<forms::LabelItem>, kHotAreas> lblSelection;
  std::array<QPointer<forms::LineItem>, 4 * kHotAreas> ln;
  std::array<QPointer<forms::LineItem>, 4> Line1;
  std::array<QPointer<forms::LineItem>, 4> Line2;
  QPointer<forms::LabelItem> lblExtra;
  QPointer<forms::LabelItem> Label3;
  std::array<QPointer<forms::LabelItem>, 3> Label4;
  QPointer<forms::LabelItem> lblVS3;
  QPointer<forms::LabelItem> lblOutputCurrent;
  QPointer<forms::LabelItem> lblShareVoltage;
  QPointer<forms::Label> Label1;
  QPointer<forms::Label> Label2;

 protected:
  void Form_Load() override;

 private:
  void HighlightBlock(int16_t Index);
  void OpenBlockPage(int Index);
  void BuildHotAreas();
  void BuildLabels();
};
