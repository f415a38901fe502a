#pragma once
// The PWM edge-timing editor of one chip: the seven outputs as a timing
// diagram of two periods each, edges picked and dragged with the mouse or
// nudged a step at a time, disable and modulation boxes, the main and AUX
// frequencies, converter topology presets, and programming it all into the
// chip. The label text of an edge is what gets programmed.
// Each row's geometry and label texts live in its pure model (PWMRowModel);
// the procedures below change the models and ShowRow puts a row on its picture.

#include <QPointer>
#include <array>
#include <cstdint>

#include "PWMRegisters.h"
#include "PWMRowModel.h"
#include "pagekit/SwitchingFrequency.h"
#include "platform/forms/Controls.h"
#include "platform/forms/PictureBox.h"
#include "shell/FormStuff.h"

class frmPWM : public DevicePage {
 public:
  frmPWM() : DevicePage(&gPWMOpen) {}
  static constexpr int kRows = pwm::kRowCount;
  static constexpr int kMarkers = 2 * kRows;

  void SetupFormAfterLoad() override;

  void cmbFreq_Click();
  void cmbAuxFreq_Click();
  void cmbTopology_Click();
  void cmdProgram_Click();
  void cmdCancel_Click();
  void pctPWM_MouseDown(int Index, int Button, int Shift, float X, float Y);
  void pctPWM_MouseMove(int Index, int Button, int Shift, float X, float Y);
  void Form_MouseMove();
  void cmdRisingLeft_Click(int Index);
  void cmdRisingRight_Click(int Index);
  void cmdFallingLeft_Click(int Index);
  void cmdFallingRight_Click(int Index);
  void chkDisable_Click(int Index);
  void chkEnableT1Mod_Click(int Index);
  void chkEnableT2Mod_Click(int Index);

  void ReadPWMRegisters();
  // Edge time in steps from the row's rising (edge 1) or falling label.
  float LabelToEdgeTime(int row, int edge) const;
  QString FormatEdgeTime(float n) const;
  float EdgeTimeToX(int32_t t, int row) const;
  float XToEdgeTime(float X, int row) const;
  // These change the row's model only.
  void MoveEdge(float X, int kind, int row, bool keepLabel);
  void CopyWaveformToSecondPeriod(int row);
  void ShowModulationMarkers(int row);
  // Puts the whole row model on the row's picture.
  void ShowRow(int row);
  void ApplyTopologyPreset(const QString& text);

  // Controls, by their names in the window ("pctPWM(2)", "Ln(23)", "lblT1(4)").
  QPointer<forms::ComboBox> cmbTopology;
  QPointer<forms::ComboBox> cmbFreq;  // never shown: lblPWMFreq shows its text
  QPointer<forms::ComboBox> cmbAuxFreq;
  QPointer<forms::Label> lblPWMFreq;
  QPointer<forms::CommandButton> cmdProgram;
  QPointer<forms::CommandButton> cmdCancel;
  std::array<QPointer<forms::PictureBox>, kRows> pctPWM;
  std::array<QPointer<forms::LineItem>, kRows> LnStart, LnEnd, LnMid, Line3, LnGrid;
  std::array<QPointer<forms::LineItem>, 10 * kRows> Ln;
  std::array<QPointer<forms::LineItem>, kMarkers> Lmain, LLU, LLL, LRU, LRL;
  std::array<QPointer<forms::LabelItem>, kRows> lblT, lblT1, lblT2;
  std::array<QPointer<forms::CommandButton>, kRows> cmdRisingLeft, cmdRisingRight, cmdFallingLeft, cmdFallingRight;
  std::array<QPointer<forms::CheckBox>, kRows> chkDisable, chkEnableT1Mod, chkT1Sign, chkEnableT2Mod, chkT2Sign;

 protected:
  void Form_Load() override;

 private:
  void BuildRow(QWidget* client, int r);
  void BuildRowPicture(int r);
  void ApplyFrequency(const QString& itemText, bool aux);
  // A frequency index the list has no item for: these rows have no period.
  void ForgetPeriod(bool aux);
  void PlaceEdge(int row, int kind, int32_t t);
  void Nudge(int row, int kind, bool right);
  int32_t PeriodOf(int row) const { return row == pwm::kAuxRow ? mAuxPeriod : mPeriod; }
  float PeriodUsOf(int row) const { return row == pwm::kAuxRow ? mAuxPeriodUs : mPeriodUs; }
  forms::LabelItem* EdgeLabel(int row, int kind) const;

  pwm::EdgeTable mEdges{};
  std::array<pwm::RowModel, kRows> mRows{};
  float mFrequency = 0;
  float mAuxFrequency = 0;
  float mPeriodUs = 0;
  float mAuxPeriodUs = 0;
  int32_t mPeriod = 0;
  int32_t mAuxPeriod = 0;
  // A step from the start, so no edge text or label reading divides by zero.
  float mLSB = pagekit::kStepUs;
  float mAuxLSB = pagekit::kStepUs;
  // Before any frequency: the fewest decimals.
  static constexpr int16_t kNoPeriodTimeDecimals = 3;
  int16_t mTimeDecimals = kNoPeriodTimeDecimals;
  int16_t mHitTolerance = 100;
  float mMarkerWidth = 500;
  std::array<int16_t, kRows> mPickedEdge{};
};
