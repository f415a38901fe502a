#include "ChildWindowKeys.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>

namespace forms {
namespace {

const char* const kInstalled = "childWindowKeys";

void AddShortcut(QMdiArea* area, const QKeySequence& keys, void (QMdiArea::*step)()) {
  // Taken before the area's own Ctrl+Tab, which swaps the two most recent windows
  // when tapped; the area's order is creation order, the Window menu's.
  auto* shortcut = new QShortcut(keys, area, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  QObject::connect(shortcut, &QShortcut::activated, area, step);
}

}  // namespace

void InstallChildWindowKeys(QMdiArea* area) {
  if (!area || area->property(kInstalled).toBool()) return;
  area->setProperty(kInstalled, true);
  AddShortcut(area, QKeySequence(Qt::CTRL | Qt::Key_Tab), &QMdiArea::activateNextSubWindow);
  // Shift+Tab arrives as Backtab from some keyboards and as Tab from others.
  AddShortcut(area, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &QMdiArea::activatePreviousSubWindow);
  AddShortcut(area, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), &QMdiArea::activatePreviousSubWindow);
}

void AddCloseKey(QMdiSubWindow* window) {
  QMenu* menu = window ? window->systemMenu() : nullptr;
  if (!menu) return;
  // The close item carries the platform's close keys; under X11 they lack Ctrl+F4.
  const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
  const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
  for (QAction* action : menu->actions()) {
    if (action->shortcuts().isEmpty() || action->shortcuts() != closeKeys) continue;
    if (!closeKeys.contains(ctrlF4)) action->setShortcuts(QList<QKeySequence>{ctrlF4} + closeKeys);
    return;
  }
}

QMdiSubWindow* PreviouslyActive(QMdiArea* area, const QMdiSubWindow* closing) {
  if (!area) return nullptr;
  // The most recently active window comes last.
  const QList<QMdiSubWindow*> history = area->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    if (*it != closing && !(*it)->isHidden()) return *it;
  }
  return nullptr;
}

}  // namespace forms
