// Pictures of the five settings pages in simulation mode after set-up, and a
// check that nothing on them is cut off: every caption, list item, check box
// and frame title fits its place, and every control lies inside its parent.

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "model/DeviceInfo.h"
#include "platform/ui/Seams.h"
#include "settings/frmLimits.h"
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
    const QString file = support::SaveSnapshot(page.Window(), shot.file);
    if (!qEnvironmentVariableIsEmpty("SNAPSHOT_DIR")) {
      EXPECT_FALSE(file.isEmpty()) << shot.file;
    }
    page.Unload();
  }
}

// Widest text a list must show, with room for its arrow and frame.
int NeededWidth(const QComboBox* box) {
  QComboBox probe;
  probe.setFont(box->font());
  for (int i = 0; i < box->count(); ++i) probe.addItem(box->itemText(i));
  return probe.sizeHint().width();
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

// Every named control of a window lies inside its parent, shows its whole text,
// and overlaps no sibling; only what is shown now is looked at.
void ExpectNothingCutOff(QWidget* client, const char* file) {
  for (QWidget* w : client->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    if (!w->isVisibleTo(client)) continue;
    const std::string name = w->objectName().toStdString() + " on " + file;
    const QRect inside = w->parentWidget()->rect();
    EXPECT_TRUE(inside.contains(w->geometry())) << name << " leaves its parent";
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->wordWrap()) {
        const QRect needed = fm.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << name;
        EXPECT_LE(needed.height(), label->contentsRect().height()) << name;
      } else {
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->contentsRect().width()) << name;
      }
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
      EXPECT_LE(NeededWidth(box), box->width() + 4) << name;
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      EXPECT_LE(check->sizeHint().width(), check->width()) << name;
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      EXPECT_LE(fm.horizontalAdvance(button->text()) + 12, button->width()) << name;
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
      EXPECT_LE(fm.horizontalAdvance(frame->title()) + 24, frame->width()) << name;
    }
  }
  // Rows of one group never overlap each other.
  for (QWidget* group : client->findChildren<QWidget*>()) {
    QList<QWidget*> kids;
    for (QObject* o : group->children()) {
      auto* kid = qobject_cast<QWidget*>(o);
      if (kid && !kid->objectName().isEmpty() && kid->isVisibleTo(client)) kids << kid;
    }
    for (int i = 0; i < kids.size(); ++i) {
      for (int j = i + 1; j < kids.size(); ++j) {
        EXPECT_FALSE(kids[i]->geometry().intersects(kids[j]->geometry()))
            << kids[i]->objectName().toStdString() << " overlaps " << kids[j]->objectName().toStdString() << " on "
            << file;
      }
    }
  }
}

TEST_P(SettingsLayout, NothingIsCutOff) {
  StartInSimulation();
  OpenMainWindow();
  for (const ShotCase& shot : kPages) {
    OpenDevicePage(shot.kind, 0);
    DevicePage& page = *Pages(shot.kind).Existing(0);
    ExpectNothingCutOff(page.Client(), shot.file);
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
    ExpectNothingCutOff(page.Client(), kLimitsTabs[tab]);
    const QString file = support::SaveSnapshot(page.Window(), kLimitsTabs[tab]);
    if (!qEnvironmentVariableIsEmpty("SNAPSHOT_DIR")) {
      EXPECT_FALSE(file.isEmpty()) << kLimitsTabs[tab];
    }
  }
  // The other three charts of the graph choice.
  page.SSTab1->setCurrentIndex(3);
  for (int choice = 1; choice < 4; ++choice) {
    page.cmbGraph->SetListIndex(choice);
    QCoreApplication::processEvents();
    const QString name = QStringLiteral("limits-graphs-%1").arg(choice);
    const QString file = support::SaveSnapshot(page.Window(), name);
    if (!qEnvironmentVariableIsEmpty("SNAPSHOT_DIR")) {
      EXPECT_FALSE(file.isEmpty()) << choice;
    }
  }
}

}  // namespace
