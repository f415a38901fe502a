#include "frmSpy.h"

#include "FormStuff.h"

namespace {

QString PauseCaption() { return gSpyPaused ? QStringLiteral("Start") : QStringLiteral("Pause"); }

}  // namespace

frmSpy::~frmSpy() {
  if (GetBusMonitorSink() == this) SetBusMonitorSink(nullptr);
}

void frmSpy::Form_Load() {
  using forms::Make;
  SetCaption(QStringLiteral("Device I/O  Monitor"));
  SetSize(6240, 6675);
  CenterInMainForm(*this);
  QWidget* client = Client();

  lstSpy = Make<SpyListBox>(client, QStringLiteral("lstSpy"), 120, 120, 5880, 4680);

  chkReads = Make<forms::CheckBox>(client, QStringLiteral("chkReads"), 120, 4920, 1800, 285,
                                   QStringLiteral("Show Reads"));
  chkReads->onClick = [this] { chkReads_Click(); };
  chkWrites = Make<forms::CheckBox>(client, QStringLiteral("chkWrites"), 2040, 4920, 1800, 285,
                                    QStringLiteral("Show Writes"));
  chkIgnoreContinuousReads = Make<forms::CheckBox>(client, QStringLiteral("chkIgnoreContinuousReads"), 3960, 4920,
                                                   2040, 285, QStringLiteral("Ignore Polled Reads"));
  chkIgnoreContinuousReads->onClick = [this] { chkIgnoreContinuousReads_Click(); };

  cmdPause = Make<forms::CommandButton>(client, QStringLiteral("cmdPause"), 120, 5400, 1815, 375, PauseCaption());
  cmdPause->onClick = [this] { cmdPause_Click(); };
  cmdClear = Make<forms::CommandButton>(client, QStringLiteral("cmdClear"), 2153, 5400, 1815, 375,
                                        QStringLiteral("Clear"));
  cmdClear->onClick = [this] { cmdClear_Click(); };
  cmdClose = Make<forms::CommandButton>(client, QStringLiteral("cmdClose"), 4185, 5400, 1815, 375,
                                        QStringLiteral("Close"));
  cmdClose->onClick = [this] { cmdClose_Click(); };
  SetCancelButton(cmdClose);

  gSpyOpen = true;
  chkIgnoreContinuousReads->SetValue(gIgnoreContinuousReads ? 1 : 0);
  SetBusMonitorSink(this);
}

void frmSpy::Form_Unload() {
  gSpyOpen = false;
  if (GetBusMonitorSink() == this) SetBusMonitorSink(nullptr);
  // The widgets go a little later; the lines, which may be millions, go now.
  if (lstSpy) lstSpy->Clear();
}

void frmSpy::chkIgnoreContinuousReads_Click() {
  if (chkIgnoreContinuousReads) gIgnoreContinuousReads = chkIgnoreContinuousReads->Value() == 1;
}

void frmSpy::cmdPause_Click() {
  gSpyPaused = !gSpyPaused;
  if (cmdPause) cmdPause->setText(PauseCaption());
}

void frmSpy::cmdClear_Click() {
  if (lstSpy) lstSpy->Clear();
}

void frmSpy::cmdClose_Click() { Unload(); }

bool frmSpy::ShowReads() const { return chkReads && chkReads->Value() == 1; }
bool frmSpy::ShowWrites() const { return chkWrites && chkWrites->Value() == 1; }

void frmSpy::AddRecord(const BusRecord& record) {
  if (lstSpy) lstSpy->AddItem(record);
}
