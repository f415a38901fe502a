#pragma once
// The child windows' keys as a user taps them, one test body for every
// platform: the test binary says how a key reaches the program.

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

#include "shell/Session.h"
#include "shell/SingleWindows.h"
#include "shell/frmMain.h"
#include "shell/frmRegMap.h"

namespace support {

struct Keys {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

inline QString ActiveChildTitle() {
  QMdiSubWindow* active = gMainForm && gMainForm->mdiArea ? gMainForm->mdiArea->activeSubWindow() : nullptr;
  return active ? active->windowTitle() : QString();
}

// With the main window open and active: three child windows opened from the
// menus, stepped through with Ctrl+Tab and Ctrl+Shift+Tab, closed with Ctrl+F4.
inline void ExpectChildWindowKeys(const std::function<void(const Keys&)>& press) {
  const QString map = QStringLiteral("RegisterAccess");
  const QString spy = QStringLiteral("Device I/O  Monitor");
  const QString save = QStringLiteral("Save/Recall Settings");
  for (const char* item : {"mnuRegMap", "mnuSpy", "mnuSave"}) gMainForm->Action(QLatin1String(item))->trigger();
  ASSERT_EQ(gMainForm->WindowListTitles(), (QStringList{map, spy, save}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return ActiveChildTitle() == save; }));

  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  const struct Step {
    Keys keys;
    QString active;
  } steps[] = {
      // Taps go round all of them in the Window menu's order, either way.
      {{Qt::Key_Tab, ctrl}, map},       {{Qt::Key_Tab, ctrl}, spy},       {{Qt::Key_Tab, ctrl}, save},
      {{Qt::Key_Tab, ctrlShift}, spy},  {{Qt::Key_Tab, ctrlShift}, map},  {{Qt::Key_Tab, ctrlShift}, save},
      {{Qt::Key_Tab, ctrl}, map},
      // Closing the active window returns to the one active before it, not to the next one created.
      {{Qt::Key_F4, ctrl}, save},
  };
  int n = 0;
  for (const Step& step : steps) {
    press(step.keys);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveChildTitle() == step.active; }, 2000))
        << "step " << n << ": " << ActiveChildTitle().toStdString() << " is active, not " << step.active.toStdString();
    ++n;
  }
  EXPECT_FALSE(RegMapForm().IsLoaded()) << "Ctrl+F4 unloads, as the close box does";
  EXPECT_EQ(gMainForm->WindowListTitles(), (QStringList{spy, save}));
}

}  // namespace support
