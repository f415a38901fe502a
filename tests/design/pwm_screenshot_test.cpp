// Pictures of the PWM editor for people to look at: fresh in simulation, and
// with a preset, a picked edge, modulation arrows and disabled rows.

#include "pwm_window_fixture.h"
#include "support/Snapshot.h"

namespace {

class PwmScreens : public PwmWindow {};

// What the layout check finds on the editor and the window keeps as it is:
// the disable boxes wrap their captions onto two lines, which the check
// measures as one; the nudge buttons are 255 twips square with one character,
// less than the check's margins, and 240 twips apart, so each overlaps its
// neighbours by a pixel.
const std::vector<std::string> kKnownCutOffs = {"chkDisable(", "cmdRisingLeft(", "cmdRisingRight(", "cmdFallingLeft(",
                                                "cmdFallingRight("};

TEST_F(PwmScreens, FreshAndEdited) {
  StartInSimulation();
  OpenMainWindow();
  frmPWM& page = OpenPWM();
  QCoreApplication::processEvents();
  support::Snap(page, QStringLiteral("pwm-fresh"), kKnownCutOffs);

  page.cmbTopology->SetText(QStringLiteral("Full bridge with synchronous rectifier"));
  Tick(page, QStringLiteral("chkDisable(3)"));
  Tick(page, QStringLiteral("chkEnableT1Mod(0)"));
  Click(page, 1, page.Ln[13]->X1());
  Move(page, 1, page.Ln[13]->X1() - 400);
  QCoreApplication::processEvents();
  support::Snap(page, QStringLiteral("pwm-edited"), kKnownCutOffs);
  EXPECT_EQ(page.Ln[13]->BorderColor(), QColor(0, 255, 0));
}

}  // namespace
