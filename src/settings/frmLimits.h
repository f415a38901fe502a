#pragma once
// Fault configuration, fault flags and live readings of one chip: the fault
// action grid (registers 0x08 to 0x0E), 32 fault indicators with the first-flag
// report, twelve gauges, four strip charts and the reading scale factors. The
// master timer refreshes it every 0.1 s while it is open.

#include <QPointer>
#include <array>
#include <vector>

#include "PageBase.h"
#include "pagekit/ListField.h"
#include "platform/forms/Controls.h"
#include "platform/instruments/LGauge.h"
#include "platform/instruments/Strip.h"
#include "platform/instruments/Toggle.h"

class QTabWidget;

class frmLimits : public SettingsPage {
 public:
  frmLimits();

  void SetupFormAfterLoad() override;
  void PlotData() override;
  void DisplayData() override;
  void UpdateFlags() override;

  void cmdApply_Click();
  void cmdClose_Click();
  void cmbGraph_Click();
  void cmdSet_Click();
  void ggeReadings_PointerMoved(int Index);
  // The six scale values in force, into their boxes.
  void ShowScaleValues();

  QPointer<QTabWidget> SSTab1;
  // "Flags"
  QPointer<forms::Frame> fraStatus;
  std::array<QPointer<instruments::Toggle>, 32> tglStatus;
  QPointer<forms::Frame> fraFirstFlag;
  QPointer<forms::Label> lblFlag;
  QPointer<forms::Label> lblFlagValue;
  // "Fault Configuration"
  std::array<QPointer<forms::ComboBox>, 14> cmbConfig;
  std::array<QPointer<forms::ComboBox>, 14> cmbResolve;
  std::array<QPointer<forms::ComboBox>, 14> cmbTiming;
  QPointer<forms::CommandButton> cmdApply;
  QPointer<forms::CommandButton> cmdClose;
  // "Readings and Limits": index 8 stays empty
  std::array<QPointer<instruments::LGauge>, 13> ggeReadings;
  // "Graphs"
  QPointer<forms::ComboBox> cmbGraph;
  std::array<QPointer<instruments::Strip>, 4> stpGraph;
  // "Defaults": boxes 0 to 5 and 9 to 15
  std::array<QPointer<forms::TextBox>, 16> txtDefault;
  QPointer<forms::CommandButton> cmdSet;

 protected:
  void Form_Load() override;

 private:
  void BuildFlagsTab(QWidget* tab);
  void BuildFaultTab(QWidget* tab);
  void BuildReadingsTab(QWidget* tab);
  void BuildGraphsTab(QWidget* tab);
  void BuildDefaultsTab(QWidget* tab);
  void SetupDutyGaugeLimits();

  std::vector<pagekit::ListField> mAction;
  std::vector<pagekit::ListField> mResolve;
  std::vector<pagekit::ListField> mTiming;
};
