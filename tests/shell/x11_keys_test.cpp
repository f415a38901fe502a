// The keyboard of a bare X11 desktop, no window manager and no click: the
// start-up answered with keys alone, a page opened by the Device menu's
// accelerator and closed with Escape, and the child windows' keys.

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QTimer>
#include <QWindow>

#include "child_window_keys.h"
#include "link/BoardLink.h"
#include "platform/ui/Seams.h"
#include "settings/frmGeneral.h"
#include "shell/StartUpMain.h"
#include "shell/frmRegMap.h"
#include "shell/frmMultiDevice.h"
#include "shell/frmSplash.h"
#include "support/PageFixture.h"

namespace {

// Keys typed at the X server, which hands them to the window with the focus.
void Type(const QString& keys) {
  ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}), 0) << "xdotool " << keys.toStdString();
}

QString XKeys(const support::Keys& k) {
  QString keys;
  if (k.modifiers & Qt::ControlModifier) keys += QStringLiteral("ctrl+");
  if (k.modifiers & Qt::ShiftModifier) keys += QStringLiteral("shift+");
  return keys + (k.key == Qt::Key_F4 ? QStringLiteral("F4") : QStringLiteral("Tab"));
}

bool HasFocus(const forms::Form& form) {
  QWindow* focus = QGuiApplication::focusWindow();
  return form.IsLoaded() && focus && focus == form.Window()->windowHandle();
}

// Presses Return once the next modal box has the keyboard, from inside the loop that shows it.
class ReturnOnModalBox : public QTimer {
 public:
  ReturnOnModalBox() {
    connect(this, &QTimer::timeout, [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box || QGuiApplication::focusWindow() != box->windowHandle()) return;
      stop();
      Type(QStringLiteral("Return"));
    });
    start(20);
  }
};

class X11Keys : public support::PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    // Away from every window: no window gets the keys by lying under the pointer.
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
  }
};

TEST_F(X11Keys, StartUpIsAnsweredByKeysAloneAndEscapeClosesThePage) {
  // The splash alone, as the start shows it before any question.
  SplashForm().Show();
  EXPECT_TRUE(QTest::qWaitFor([] { return HasFocus(SplashForm()); }, 5000)) << "the splash takes the keyboard";
  SplashForm().Unload();

  // No board: the simulation question, the real box, answered by Return while it waits.
  ui::SetMsgBoxHandler(nullptr);
  const ReturnOnModalBox answer;
  Main();
  EXPECT_TRUE(gSimulationMode);

  frmMultiDevice& picker = MultiDeviceForm();
  ASSERT_TRUE(QTest::qWaitFor([&] { return HasFocus(picker); }, 5000)) << "the picker takes the keyboard";
  Type(QStringLiteral("Return"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !picker.IsLoaded() && gMainForm && gMainForm->IsVisible(); }, 5000));
  gMainForm->tmrMaster->stop();
  ASSERT_TRUE(QTest::qWaitFor([&] { return HasFocus(*gMainForm); }, 5000)) << "the main window takes the keyboard";

  // Device&1, then the item below "Block Diagram".
  Type(QStringLiteral("alt+1"));
  ASSERT_TRUE(QTest::qWaitFor([] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu && menu->menuAction()->objectName() == QLatin1String("mnuDevice1");
  }, 5000));
  Type(QStringLiteral("Down"));
  Type(QStringLiteral("Return"));
  DevicePage* general = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    general = Pages(PageKind::General).Existing(0);
    return general && general->IsVisible() && support::ActiveChildTitle() == general->Caption();
  }, 5000));
  EXPECT_EQ(general->Caption(), "General Settings (0x48)");

  ClearBus();
  Type(QStringLiteral("Escape"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !general->IsLoaded(); }, 5000)) << "Escape presses Cancel";
  EXPECT_TRUE(Bus().empty());
}

// No window manager hands the keyboard back when a box closes: the program does.
TEST_F(X11Keys, AfterAMessageBoxTheKeysReachTheWindowAgain) {
  StartBoard();
  gMainForm->Window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([] { return HasFocus(*gMainForm); }, 5000));
  gMainForm->Action(QStringLiteral("mnuRegMap"))->trigger();
  RegMapForm().txtWrite->setText(QStringLiteral("ZZ"));
  ui::SetMsgBoxHandler(nullptr);
  const ReturnOnModalBox answer;
  RegMapForm().cmdWrite->click();
  EXPECT_FALSE(answer.isActive()) << "the refusal was answered";
  ASSERT_TRUE(QTest::qWaitFor([] { return HasFocus(*gMainForm); }, 5000)) << "the main window has the keyboard again";
  Type(QStringLiteral("Escape"));
  EXPECT_TRUE(QTest::qWaitFor([] { return !RegMapForm().IsLoaded(); }, 5000));
  EXPECT_TRUE(Bus().empty());
}

TEST_F(X11Keys, ChildWindowKeys) {
  StartInSimulation();
  OpenMainWindow();
  // Whether or not the window takes the keyboard by itself: these keys are the test.
  gMainForm->Window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([] { return HasFocus(*gMainForm); }, 5000));
  support::ExpectChildWindowKeys([](const support::Keys& k) { Type(XKeys(k)); });
}

}  // namespace
