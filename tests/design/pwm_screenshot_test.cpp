// Pictures of the PWM editor for people to look at: fresh in simulation, and
// with a preset, a picked edge, modulation arrows and disabled rows.

#include "pwm_window_fixture.h"
#include "support/Snapshot.h"

namespace {

class PwmScreens : public PwmWindow {};

TEST_F(PwmScreens, FreshAndEdited) {
  StartInSimulation();
  OpenMainWindow();
  frmPWM& page = OpenPWM();
  QCoreApplication::processEvents();
  support::SaveSnapshot(page.Window(), QStringLiteral("pwm-fresh"));

  page.cmbTopology->SetText(QStringLiteral("Full bridge with synchronous rectifier"));
  Tick(page, QStringLiteral("chkDisable(3)"));
  Tick(page, QStringLiteral("chkEnableT1Mod(0)"));
  Click(page, 1, page.Ln[13]->X1());
  Move(page, 1, page.Ln[13]->X1() - 400);
  QCoreApplication::processEvents();
  const QString file = support::SaveSnapshot(page.Window(), QStringLiteral("pwm-edited"));
  if (!qEnvironmentVariableIsEmpty("SNAPSHOT_DIR")) {
    EXPECT_FALSE(file.isEmpty());
  }
  EXPECT_EQ(page.Ln[13]->BorderColor(), QColor(0, 255, 0));
}

}  // namespace
