#include "frmMain.h"

#include <QAction>
#include <QMainWindow>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <map>

#include "FormStuff.h"
#include "SingleWindows.h"
#include "ToolbarIcons.h"
#include "frmMultiDevice.h"
#include "frmRegMap.h"
#include "frmSave.h"
#include "frmSpy.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/Telemetry.h"
#include "platform/ui/Seams.h"

namespace {

struct DeviceMenuItem {
  const char* caption;
  const char* name;  // handler name without its device number
  PageKind kind;
};

constexpr DeviceMenuItem kDeviceMenu[] = {
    {"Block Diagram", "mnuBlockDiagram", PageKind::Diagram},
    {"General Settings", "mnuGeneral", PageKind::General},
    {"PWM Control", "mnuPWM", PageKind::PWM},
    {"Digital Filter", "mnuDigFilter", PageKind::DigFilter},
    {"Readings and Limits", "mnuLimits", PageKind::Limits},
    {"Current Sense Settings", "mnuCurrentSense", PageKind::CurrentSense},
    {"Voltage Sense Settings", "mnuVoltageSense", PageKind::VoltageSense},
    {"Share Bus Settings", "mnuShare", PageKind::Share},
    {"OrFET Control", "mnuOrFET", PageKind::OrFET},
};

// Keyed so that registering twice (tests register in every fixture) runs the action once.
std::map<QString, std::function<void()>>& MainFormLoadActions() {
  static std::map<QString, std::function<void()>> actions;
  return actions;
}

}  // namespace

void OnMainFormLoad(const QString& key, std::function<void()> action) { MainFormLoadActions()[key] = std::move(action); }

void RunMainFormLoadActions() {
  for (const auto& entry : MainFormLoadActions()) entry.second();
}

void frmMain::Form_Load() {
  auto* window = static_cast<QMainWindow*>(Window());
  window->setWindowTitle(ui::kAppTitle + (gSimulationMode ? QStringLiteral(" (simulation mode)") : QString()));

  mdiArea = new QMdiArea(window);
  mdiArea->setObjectName(QStringLiteral("mdiArea"));
  mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea->setBackground(QColor(128, 128, 128));
  window->setCentralWidget(mdiArea);
  forms::SetMdiArea(mdiArea);

  BuildMenus();
  BuildToolbar();
  BuildStatusBar();

  tmrMaster = new QTimer(window);
  tmrMaster->setObjectName(QStringLiteral("tmrMaster"));
  tmrMaster->setInterval(50);
  QObject::connect(tmrMaster, &QTimer::timeout, window, [this] { tmrMaster_Timer(); });
  mLastRefresh.fill(0);

  // The maximised size already, so that the first page opened is centred in it
  // before the window manager has answered.
  if (QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
  window->setWindowState(Qt::WindowMaximized);
  RunMainFormLoadActions();
}

void frmMain::Form_Unload() {
  if (tmrMaster) tmrMaster->stop();
  // Child windows go first, each clearing its own open flag.
  for (forms::Form* form : forms::LoadedForms()) {
    if (form->Kind() == forms::WindowKind::Child) form->Unload();
  }
  MultiDeviceForm().Unload();
  forms::SetMdiArea(nullptr);
  QCoreApplication::quit();
}

void frmMain::BuildMenus() {
  auto* window = static_cast<QMainWindow*>(Window());
  QMenuBar* bar = window->menuBar();

  auto addItem = [](QMenu* menu, const QString& caption, const QString& name, std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (handler) QObject::connect(action, &QAction::triggered, menu, [handler] { handler(); });
    return action;
  };

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
  addItem(file, QStringLiteral("Save/Recall Registers"), QStringLiteral("mnuSave"), [this] { mnuSave_Click(); });
  addItem(file, QStringLiteral("Log Data"), QStringLiteral("mnuLog"), nullptr)->setEnabled(false);
  addItem(file, QStringLiteral("Exit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); });

  for (int device = 1; device <= 2; ++device) {
    QMenu* menu = bar->addMenu(QStringLiteral("Device&%1").arg(device));
    menu->menuAction()->setObjectName(QStringLiteral("mnuDevice%1").arg(device));
    const int index = device - 1;
    for (const DeviceMenuItem& item : kDeviceMenu) {
      const PageKind kind = item.kind;
      QAction* action = addItem(menu, QString::fromLatin1(item.caption),
                                QString::fromLatin1(item.name) + QString::number(device), [kind, index] {
                                  if (kind == PageKind::Diagram) {
                                    OpenBlockDiagram(index);
                                  } else {
                                    OpenDevicePage(kind, index);
                                  }
                                });
      action->setProperty("pageKind", static_cast<int>(kind));
    }
    // A page type whose windows are not part of this build cannot be opened.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
      for (QAction* action : menu->actions()) {
        const QVariant kind = action->property("pageKind");
        if (kind.isValid()) action->setEnabled(Pages(static_cast<PageKind>(kind.toInt())).Available());
      }
    });
  }

  QMenu* common = bar->addMenu(QStringLiteral("&Common"));
  common->menuAction()->setObjectName(QStringLiteral("mnuCommon"));
  addItem(common, QStringLiteral("Monitor Communications"), QStringLiteral("mnuSpy"), [this] { mnuSpy_Click(); });
  addItem(common, QStringLiteral("Register Map"), QStringLiteral("mnuRegMap"), [this] { mnuRegMap_Click(); });

  mnuWindow = bar->addMenu(QStringLiteral("&Window"));
  mnuWindow->menuAction()->setObjectName(QStringLiteral("mnuWindow"));
  QObject::connect(mnuWindow, &QMenu::aboutToShow, mnuWindow, [this] { FillWindowMenu(); });
}

void frmMain::FillWindowMenu() {
  mnuWindow->clear();
  const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
  QMdiSubWindow* active = mdiArea->activeSubWindow();
  int number = 1;
  for (QMdiSubWindow* sub : windows) {
    if (!sub->isVisible()) continue;
    const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle())
                                     : QStringLiteral("%1 %2").arg(number).arg(sub->windowTitle());
    QAction* action = mnuWindow->addAction(text);
    action->setCheckable(true);
    action->setChecked(sub == active);
    QPointer<QMdiSubWindow> target = sub;
    QObject::connect(action, &QAction::triggered, mdiArea, [this, target] {
      if (target) mdiArea->setActiveSubWindow(target);
    });
    ++number;
  }
}

QStringList frmMain::WindowListTitles() const {
  QStringList titles;
  if (!mdiArea) return titles;
  for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
    if (sub->isVisible()) titles << sub->windowTitle();
  }
  return titles;
}

void frmMain::BuildToolbar() {
  auto* window = static_cast<QMainWindow*>(Window());
  tbToolBar = window->addToolBar(QStringLiteral("Toolbar"));
  tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar->setMovable(false);
  tbToolBar->setIconSize(QSize(16, 16));
  tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

  const std::vector<QIcon> images = ToolbarImages();  // imlToolbarIcons
  struct Button {
    const char* key;
    const char* text;
    int image;  // from 1; 0 = separator
  };
  constexpr Button kButtons[] = {{"Reg", "Reg", 5},         {"Save", "Save", 1}, {"Spy", "Spy", 2}, {"", "", 0},
                                 {"", "", 0},               {"Device1", "Dev1", 3}, {"Device2", "Dev2", 3}};
  for (const Button& b : kButtons) {
    if (b.image == 0) {
      tbToolBar->addSeparator();
      continue;
    }
    const QString key = QString::fromLatin1(b.key);
    QAction* action = tbToolBar->addAction(images[static_cast<size_t>(b.image - 1)], QString::fromLatin1(b.text));
    action->setObjectName(QStringLiteral("tb") + key);
    action->setData(key);
    QObject::connect(action, &QAction::triggered, tbToolBar, [this, key] { tbToolBar_ButtonClick(key); });
  }
  const QStringList tips = {QStringLiteral("Register Map"), QStringLiteral("Save/Recall Registers"),
                            QStringLiteral("Monitor Communications"), QStringLiteral("Device 1 Block Diagram"),
                            QStringLiteral("Device 2 Block Diagram")};
  int tip = 0;
  for (QAction* action : tbToolBar->actions()) {
    if (!action->isSeparator()) action->setToolTip(tips[tip++]);
  }
}

void frmMain::BuildStatusBar() {
  auto* window = static_cast<QMainWindow*>(Window());
  QStatusBar* bar = window->statusBar();
  bar->setObjectName(QStringLiteral("sbStatusBar"));
  auto* status = new QLabel(QStringLiteral("Status"));
  status->setObjectName(QStringLiteral("sbPanel1"));
  mDatePanel = new QLabel;
  mDatePanel->setObjectName(QStringLiteral("sbPanel2"));
  mTimePanel = new QLabel;
  mTimePanel->setObjectName(QStringLiteral("sbPanel3"));
  for (QLabel* panel : {status, mDatePanel.data(), mTimePanel.data()}) panel->setContentsMargins(8, 0, 8, 0);
  bar->addWidget(status, 1);
  bar->addPermanentWidget(mDatePanel);
  bar->addPermanentWidget(mTimePanel);
  UpdateStatusClock();
  // The date and time panels keep themselves current.
  auto* clock = new QTimer(window);
  clock->setObjectName(QStringLiteral("tmrStatusClock"));
  clock->setInterval(1000);
  QObject::connect(clock, &QTimer::timeout, window, [this] { UpdateStatusClock(); });
  clock->start();
}

void frmMain::UpdateStatusClock() {
  if (mDatePanel) mDatePanel->setText(ui::DateText());
  if (mTimePanel) mTimePanel->setText(ui::TimeText());
}

QAction* frmMain::Action(const QString& name) const {
  return Window() ? Window()->findChild<QAction*>(name) : nullptr;
}

QAction* frmMain::ToolbarButton(int index) const {
  if (!tbToolBar) return nullptr;
  const QList<QAction*> actions = tbToolBar->actions();
  return index >= 1 && index <= actions.size() ? actions[index - 1] : nullptr;
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
  if (key == QLatin1String("Reg")) {
    RegMapForm().Load();
    RegMapForm().Show();
    RegMapForm().ZOrder();
  } else if (key == QLatin1String("Save")) {
    SaveForm().Show();
  } else if (key == QLatin1String("Spy")) {
    SpyForm().Show();
  } else if (key == QLatin1String("Device1")) {
    OpenBlockDiagram(0);
  } else if (key == QLatin1String("Device2")) {
    OpenBlockDiagram(1);
  }
}

void frmMain::mnuSave_Click() { SaveForm().Show(); }
void frmMain::mnuExit_Click() { ui::End(); }
void frmMain::mnuSpy_Click() { SpyForm().Show(); }
void frmMain::mnuRegMap_Click() { RegMapForm().Show(); }

bool frmMain::Due(Refresh which, double period) {
  double& last = mLastRefresh[which];
  const double now = static_cast<double>(ui::Timer());
  if (now > last + period || now < last) {
    last = now;
    return true;
  }
  return false;
}

void frmMain::tmrMaster_Timer() {
  if (!gPollingDisabled) {
    if (gDiagramOpen[1] || gDiagramOpen[0] || gLimitsOpen[0] || gLimitsOpen[1]) PollDeviceReadings();
    if (gDiagramOpen[0] && Due(DiagramDev1, 0.5)) Pages(PageKind::Diagram).At(0)->DisplayValues();
    if (gDiagramOpen[1] && Due(DiagramDev2, 0.5)) Pages(PageKind::Diagram).At(1)->DisplayValues();
    if (gVoltageSenseOpen[0] && Due(VoltageDev1, 0.5)) {
      if (DevicePage* page = Pages(PageKind::VoltageSense).At(0)) page->DisplayValues();
    }
    if (gVoltageSenseOpen[1] && Due(VoltageDev2, 0.5)) {
      if (DevicePage* page = Pages(PageKind::VoltageSense).At(1)) page->DisplayValues();
    }
    for (int i = 0; i < 2; ++i) {
      if (gLimitsOpen[i] && Due(i == 0 ? LimitsDev1 : LimitsDev2, 0.1)) {
        if (DevicePage* page = Pages(PageKind::Limits).At(i)) {
          page->PlotData();
          page->DisplayData();
          page->UpdateFlags();
        }
      }
    }
  }
  if (gRegMapOpen && RegMapForm().ContinuousReadTicked() && Due(RegMap, 0.5)) RegMapForm().ContinuousRead();
}
