// Pictures of the five settings pages and of the readings window's tabs in
// simulation mode after set-up, and the pages' layout at the font sizes a
// desktop may choose: nothing on them is cut off at either.

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "model/DeviceInfo.h"
#include "platform/ui/Seams.h"
#include "settings/frmLimits.h"
#include "support/Layout.h"
#include "support/PageFixture.h"
#include "support/Snapshot.h"

namespace {

struct ShotCase {
  const char* file;
  PageKind kind;
};

const ShotCase kPages[] = {{"settings-share", PageKind::Share},
                           {"settings-current-sense", PageKind::CurrentSense},
                           {"settings-voltage-sense", PageKind::VoltageSense},
                           {"settings-general", PageKind::General},
                           {"settings-orfet", PageKind::OrFET}};

class SettingsScreens : public support::PageFixture {};

TEST_F(SettingsScreens, EveryPageAfterSetUp) {
  StartInSimulation();
  OpenMainWindow();
  gDevices[0].VS1 = 12.04f;
  gDevices[0].VS2 = 11.98f;
  gDevices[0].VS3 = 12.0f;
  for (const ShotCase& shot : kPages) {
    OpenDevicePage(shot.kind, 0);
    DevicePage& page = *Pages(shot.kind).Existing(0);
    page.DisplayValues();
    support::Snap(page, shot.file);
    page.Unload();
  }
}

class SettingsLayout : public support::PageFixture, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    saved_ = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), GetParam()));
  }
  void TearDown() override {
    PageFixture::TearDown();
    QApplication::setFont(saved_);
  }
  QFont saved_;
};

TEST_P(SettingsLayout, NothingIsCutOff) {
  StartInSimulation();
  OpenMainWindow();
  for (const ShotCase& shot : kPages) {
    OpenDevicePage(shot.kind, 0);
    DevicePage& page = *Pages(shot.kind).Existing(0);
    support::ExpectNothingCutOff(page.Client(), shot.file);
    page.Unload();
  }
}

INSTANTIATE_TEST_SUITE_P(FontSizes, SettingsLayout, ::testing::Values(8, 9));

}  // namespace

namespace {

const char* const kLimitsTabs[] = {"limits-flags", "limits-fault-configuration", "limits-readings", "limits-graphs",
                                   "limits-defaults"};

// The readings window's five tabs in simulation, after some seconds of
// refreshes by the master timer, at the program's own font.
TEST_F(SettingsScreens, LimitsWindowTabsAfterSomeSeconds) {
  StartInSimulation();
  frmMain& main = OpenMainWindow();
  main.Action(QStringLiteral("mnuLimits1"))->trigger();
  auto& page = PageAt<frmLimits>(PageKind::Limits, 0);
  float now = 36000;
  for (int tick = 0; tick < 60; ++tick) {
    SetTimer(now += 0.11f);
    ui::SleepSeconds(0.11);  // the charts' own clock
    main.tmrMaster_Timer();
  }
  page.SSTab1->tabBar()->setFocus();
  for (int tab = 0; tab < 5; ++tab) {
    QTest::mouseClick(page.SSTab1->tabBar(), Qt::LeftButton, {}, page.SSTab1->tabBar()->tabRect(tab).center());
    ASSERT_EQ(page.SSTab1->currentIndex(), tab);
    QCoreApplication::processEvents();
    support::Snap(page, kLimitsTabs[tab]);
  }
  // The other three charts of the graph choice.
  page.SSTab1->setCurrentIndex(3);
  for (int choice = 1; choice < 4; ++choice) {
    page.cmbGraph->SetListIndex(choice);
    QCoreApplication::processEvents();
    support::Snap(page, QStringLiteral("limits-graphs-%1").arg(choice));
  }
}

}  // namespace
