#pragma once
// The main window: the document area every child window opens in, the menus,
// the toolbar, the status bar, and the master timer that polls the chips and
// refreshes the live windows.

#include <QPointer>
#include <QString>
#include <array>
#include <functional>

#include "platform/forms/Form.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

// Work of the folders above the shell that must happen whenever the main window
// loads; an action given again under the same key replaces the earlier one.
void OnMainFormLoad(const QString& key, std::function<void()> action);
void RunMainFormLoadActions();

class frmMain : public forms::Form {
 public:
  frmMain() : forms::Form(forms::WindowKind::MdiParent) {}

  QPointer<QTimer> tmrMaster;  // 50 ms, enabled by InitSession
  QPointer<QMdiArea> mdiArea;
  QPointer<QToolBar> tbToolBar;

  // One tick of the master timer.
  void tmrMaster_Timer();
  // Toolbar buttons by key: "Reg", "Save", "Spy", "Device1", "Device2".
  void tbToolBar_ButtonClick(const QString& key);

  void mnuSave_Click();
  void mnuExit_Click();
  void mnuSpy_Click();
  void mnuRegMap_Click();

  // The menu item or toolbar button with this object name ("mnuDevice2", "tbDevice2").
  QAction* Action(const QString& name) const;
  // Toolbar button by its index from 1, separators included.
  QAction* ToolbarButton(int index) const;
  // The titles the Window menu lists: every open child window.
  QStringList WindowListTitles() const;

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // Last-refresh times in seconds since midnight: limits 1 and 2, block diagram 1
  // and 2, voltage sense 1 and 2, register map.
  enum Refresh { LimitsDev1, LimitsDev2, DiagramDev1, DiagramDev2, VoltageDev1, VoltageDev2, RegMap };
  std::array<double, 7> mLastRefresh{};
  bool Due(Refresh which, double period);

  void BuildMenus();
  void BuildToolbar();
  void BuildStatusBar();
  void FillWindowMenu();
  void UpdateStatusClock();

  QPointer<QMenu> mnuWindow;
  QPointer<QLabel> mDatePanel;
  QPointer<QLabel> mTimePanel;
};
