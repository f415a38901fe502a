#pragma once
// The bus monitor: a running list of the register transfers the program makes.

#include <QPointer>

#include "SpyListBox.h"
#include "link/BusMonitor.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmSpy : public forms::Form, public BusMonitorSink {
 public:
  frmSpy() : forms::Form(forms::WindowKind::Child) {}
  ~frmSpy() override;

  void chkReads_Click() {}
  void chkIgnoreContinuousReads_Click();
  void cmdPause_Click();
  void cmdClear_Click();
  void cmdClose_Click();

  // BusMonitorSink
  bool ShowReads() const override;
  bool ShowWrites() const override;
  void AddRecord(const BusRecord& record) override;

  QPointer<SpyListBox> lstSpy;
  QPointer<forms::CheckBox> chkReads;
  QPointer<forms::CheckBox> chkWrites;
  QPointer<forms::CheckBox> chkIgnoreContinuousReads;
  QPointer<forms::CommandButton> cmdPause;
  QPointer<forms::CommandButton> cmdClear;
  QPointer<forms::CommandButton> cmdClose;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};
