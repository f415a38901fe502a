#pragma once
// The loop-filter designer of one chip: the Bode chart with the digital
// filter's asymptote sketch, the output filter's and the full loop's curves,
// the loop bandwidth and phase margin; the CCM and DCM filter sets read from
// the chip, shaped by dragging and written back on Apply; printing.

#include <QPointer>
#include <array>

#include "BodeGeometry.h"
#include "FilterCodec.h"
#include "FilterSketch.h"
#include "model/DeviceInfo.h"
#include "platform/forms/Controls.h"
#include "platform/forms/PictureBox.h"
#include "shell/FormStuff.h"

class frmDigFilter : public DevicePage {
 public:
  void SetupFormAfterLoad() override;

  // Handlers of the window's controls.
  void cmbFreq_Click();
  void cmdApply_Click();
  void cmdPrint_Click();
  void cmdCancel_Click();
  void optFilterMode_Click(int Index);
  void chkShowLabels_Click();
  void chkDigFilter_Click();
  void chkFullLoop_Click();
  void chkLCFilter_Click();
  void pctFilter_MouseDown(int Button, int Shift, float X, float Y);
  void pctFilter_MouseMove(int Button, int Shift, float X, float Y);

  // Clears the curves and draws those the view boxes ask for.
  void RedrawPlots();

  // The chart.
  QPointer<forms::PictureBox> pctFilter;
  std::array<QPointer<forms::LineItem>, filter::kGridLineCount> LnGrid;
  std::array<QPointer<forms::LineItem>, filter::kRowCount> lnHGrid;
  QPointer<forms::LineItem> LnBottom;
  std::array<QPointer<forms::LabelItem>, filter::kFreqLabelCount> lblF;
  std::array<QPointer<forms::LabelItem>, filter::kRowCount> lbldB;
  std::array<QPointer<forms::LabelItem>, filter::kRowCount> lblPhase;
  QPointer<forms::LineItem> lnPoleLocation, lnHFGain, lnLFGain;
  QPointer<forms::LabelItem> lblPole, lblHF, lblLF;
  // The sketch.
  QPointer<forms::ShapeItem> shpPole, shpZero;
  QPointer<forms::LineItem> lnIstSlope, LnHor1, ln2ndSlope, LnHor2;
  QPointer<forms::LabelItem> lblPolePos, lblZeroPos, lblLowGainPos;

  // Beside the chart.
  QPointer<forms::CheckBox> chkShowLabels;
  QPointer<forms::Frame> Frame3;
  QPointer<forms::CheckBox> chkDigFilter, chkFullLoop, chkLCFilter;
  QPointer<forms::Frame> Frame2;
  QPointer<forms::TextBox> txtL, txtC, txtESR, txtRL;
  QPointer<forms::ComboBox> cmbFreq;
  std::array<QPointer<forms::OptionButton>, 2> optFilterMode;
  QPointer<forms::Label> lblPoleFreq, lblHighFGain, lblZeroFreq, lblLowFGain;
  QPointer<forms::Label> lblLoopBandwidth, lblLoopPhaseMargin;
  QPointer<forms::CommandButton> cmdPrint, cmdApply, cmdCancel;
  QPointer<forms::Label> lblPrinting;

  // The two sets (0 CCM, 1 DCM) and the one shown.
  std::array<filter::FilterSettings, 2> mFilter{};
  int mFilterMode = filter::kCCM;
  // The switching frequency in Hz of this window's chip, its list's choice:
  // every code of this window is decoded and encoded with it. 0 without a choice.
  float mSwitchingFrequency = 0;
  // Set by the first set-up; until then edits of the LC boxes are stored, not drawn.
  bool mLoaded = false;
  // Set while the set-up shows the chip's own frequency: the set-up judges the set itself.
  bool mChipChoosesFrequency = false;

 protected:
  void Form_Load() override;

 private:
  void BuildChart();
  void BuildLegend();
  void BuildSideControls();

  void LayoutPlotGrid();
  void PositionAxisLabels();
  void PositionPoleZeroRange();
  void PositionGainRangeLines();
  void ShowRangeBars();
  void ReadSwitchingFrequency();
  void ReadFilterRegisters(int Mode);
  bool CheckFilterSettings(int Mode);
  bool HasFrequency() const { return mSwitchingFrequency > 0; }
  void UpdateFilterSketch();
  // The sketch and its range bars follow the view box, when there is a frequency to draw them for.
  void ShowSketchView();
  void ShowSketch();
  void BringHandlesToFront();
  void LoadLCValues();
  void LCBoxChanged(forms::TextBox* box, float DeviceInfo::*field);

  // The chart's geometry and the sketch on it, as the items show them.
  filter::BodeChart mChart = filter::DesignTimeChart();
  filter::FilterSketch mSketch;
};
