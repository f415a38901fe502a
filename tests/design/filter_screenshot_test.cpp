// Pictures of the loop-filter designer in simulation mode, for people to look at:
// after set-up (CCM), with the LC curves, on the DCM set, and with the handle captions.

#include <QTest>

#include "design/frmDigFilter.h"
#include "platform/ui/Seams.h"
#include "support/PageFixture.h"
#include "support/Snapshot.h"

namespace {

// A click on a check box's or option's own box.
void Press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2)); }

class FilterScreens : public support::PageFixture {};

TEST_F(FilterScreens, SetUpDCMLCCurvesAndCaptions) {
  StartInSimulation();
  OpenMainWindow();
  // The simulated chip holds no filter set yet: both are offered the defaults.
  AnswerMsgBox(ui::vbOK);
  frmDigFilter& page = Open<frmDigFilter>(PageKind::DigFilter);
  ASSERT_TRUE(page.IsVisible());
  struct Shot {
    const char* file;
    std::function<void()> change;
  } shots[] = {
      {"filter-ccm", [] {}},
      {"filter-lc-curves", [&] { Press(page.chkLCFilter); }},
      {"filter-dcm",
       [&] {
         AnswerMsgBox(ui::vbOK);
         Press(page.optFilterMode[1]);
       }},
      {"filter-captions", [&] { Press(page.chkShowLabels); }},
  };
  for (const Shot& shot : shots) {
    shot.change();
    support::Snap(page, shot.file);
  }
  EXPECT_EQ(MsgBoxes().size(), 2u);
  EXPECT_EQ(page.mFilterMode, 1);
  EXPECT_EQ(page.chkLCFilter->Value(), 1);
  EXPECT_TRUE(page.lblPolePos->Visible());
}

}  // namespace
