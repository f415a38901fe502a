// Escape and Enter on every window with a Close or Cancel, opened as the menus
// open them: Escape from any control closes the window as its button does, with
// the same bus traffic; Enter presses a focused button and nothing else, so it
// writes only from a button that writes.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <map>

#include "support/PageFixture.h"

namespace {

struct WindowCase {
  const char* menu;
  const char* close;  // the Close or Cancel button
  const char* write;  // a button that writes to the chip, or nullptr
};
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.menu; }

// One control of each kind that can hold the focus, found again after the window is loaded anew.
struct Target {
  QString kind;  // its class
  int tab;       // the tab it is on, -1 without tabs
  int index;     // among the window's widgets
};

class WindowKeys : public support::PageFixture, public ::testing::WithParamInterface<WindowCase> {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    usb::EmulatedBoard& board = StartBoard();
    // A valid filter set at 125 kHz, so the filter designer opens without a question.
    const int filter[] = {0x03, 0xEE, 0x96, 0x0F, 0x05, 0xE0, 0x80, 0x20};
    for (int i = 0; i < 8; ++i) board.SetReg(0x48, 0x60 + i, static_cast<uint8_t>(filter[i]));
    board.SetReg(0x48, 0x5D, 0xA3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(gMainForm->Window()));
  }
  QWidget* Open() {
    gMainForm->Action(QLatin1String(GetParam().menu))->trigger();
    QWidget* window = gMainForm->mdiArea->activeSubWindow();
    ClearBus();
    return window;
  }
  static bool Loaded(QWidget* window) {
    return window && gMainForm->mdiArea->subWindowList().contains(static_cast<QMdiSubWindow*>(window));
  }
  static void ShowTab(QWidget* window, int tab) {
    if (tab < 0) return;
    if (auto* tabs = window->findChild<QTabWidget*>()) tabs->setCurrentIndex(tab);
  }
  static std::vector<Target> Targets(QWidget* window) {
    std::vector<Target> targets;
    auto* tabs = window->findChild<QTabWidget*>();
    for (int tab = tabs ? 0 : -1; tab < (tabs ? tabs->count() : 0); ++tab) {
      ShowTab(window, tab);
      const QList<QWidget*> widgets = window->findChildren<QWidget*>();
      for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        const QString kind = QString::fromLatin1(w->metaObject()->className());
        // A control that hands its focus on (a tab container to its tab bar) is met as that one.
        if (w->focusPolicy() == Qt::NoFocus || w->focusProxy() || !w->isVisibleTo(window) || !w->isEnabled()) continue;
        if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QAbstractButton*>(w)->isCheckable()) continue;
        if (std::none_of(targets.begin(), targets.end(), [&](const Target& t) { return t.kind == kind; }))
          targets.push_back({kind, tab, i});
      }
    }
    return targets;
  }
  static QWidget* Focus(QWidget* window, const Target& t) {
    ShowTab(window, t.tab);
    QWidget* w = window->findChildren<QWidget*>().value(t.index);
    if (!w) return nullptr;
    w->setFocus();
    return QApplication::focusWidget() == w ? w : nullptr;
  }
  static bool Writes(const Lines& bus) {
    return std::any_of(bus.begin(), bus.end(), [](const std::string& l) { return l.find("write") != std::string::npos; });
  }
};

TEST_P(WindowKeys, EscapeClosesAsCloseDoesAndEnterWritesOnlyFromAWritingButton) {
  const WindowCase& c = GetParam();
  QWidget* window = Open();
  ASSERT_NE(window, nullptr);
  const std::vector<Target> targets = Targets(window);
  QTest::mouseClick(support::Find<QAbstractButton>(window, QLatin1String(c.close)), Qt::LeftButton);
  ASSERT_FALSE(Loaded(window));
  const Lines closed = Bus();

  for (const Target& t : targets) {
    SCOPED_TRACE("focus on " + t.kind.toStdString());
    window = Open();
    QWidget* focus = Focus(window, t);
    ASSERT_NE(focus, nullptr) << "cannot take the focus";
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(focus, key);
    EXPECT_FALSE(Writes(Bus())) << "Enter wrote";
    EXPECT_TRUE(Loaded(window)) << "Enter closed the window";
    ClearBus();
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(Loaded(window)) << "Escape did not close the window";
    EXPECT_EQ(Bus(), closed);
    if (Loaded(window)) QTest::mouseClick(support::Find<QAbstractButton>(window, QLatin1String(c.close)), Qt::LeftButton);
  }

  if (!c.write) return;
  window = Open();
  if (auto* data = window->findChild<QLineEdit*>(QStringLiteral("txtWrite"))) data->setText(QStringLiteral("35"));
  auto* button = support::Find<QAbstractButton>(window, QLatin1String(c.write));
  ShowTab(window, window->findChild<QTabWidget*>() ? window->findChild<QTabWidget*>()->indexOf(button->parentWidget()) : -1);
  QTest::mouseClick(button, Qt::LeftButton);
  const Lines clicked = Bus();
  EXPECT_TRUE(Writes(clicked));
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    ClearBus();
    button->setFocus();
    QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(Bus(), clicked) << "Enter on " << c.write;
  }
}

std::string WindowName(const ::testing::TestParamInfo<WindowCase>& info) {
  return std::string(info.param.menu).substr(3);
}

INSTANTIATE_TEST_SUITE_P(DevicePages, WindowKeys,
                         ::testing::Values(WindowCase{"mnuShare1", "cmdCancel", "cmdApply"},
                                           WindowCase{"mnuCurrentSense1", "cmdCancel", "cmdApply"},
                                           WindowCase{"mnuVoltageSense1", "cmdClose", "cmdApply"},
                                           WindowCase{"mnuGeneral1", "cmdCancel", "cmdApply"},
                                           WindowCase{"mnuOrFET1", "cmdClose", nullptr},
                                           WindowCase{"mnuPWM1", "cmdCancel", "cmdProgram"},
                                           WindowCase{"mnuDigFilter1", "cmdCancel", "cmdApply"},
                                           WindowCase{"mnuLimits1", "cmdClose", "cmdApply"}),
                         WindowName);

INSTANTIATE_TEST_SUITE_P(CommonWindows, WindowKeys,
                         ::testing::Values(WindowCase{"mnuRegMap", "cmdClose", "cmdWrite"},
                                           WindowCase{"mnuSpy", "cmdClose", nullptr},
                                           WindowCase{"mnuSave", "cmdClose", nullptr}),
                         WindowName);

}  // namespace
