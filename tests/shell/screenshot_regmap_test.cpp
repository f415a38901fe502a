// Pictures of the register map, the bus monitor and the save window in
// simulation, written to SNAPSHOT_DIR when it is set.

#include <QTreeWidget>

#include "link/BoardLink.h"
#include "shell/SingleWindows.h"
#include "shell/frmRegMap.h"
#include "shell/frmSave.h"
#include "shell/frmSpy.h"
#include "support/ShellFixture.h"
#include "support/Snapshot.h"
#include "support/SpyView.h"

namespace {

class RegMapScreenshots : public support::SimulationFixture {
 protected:
  void SetUp() override {
    SimulationFixture::SetUp();
    OpenMainWindow();
  }
  // Each window is pictured alone, so the main window's other children hide nothing.
  void Snap(forms::Form& form, const QString& name) {
    form.Window()->repaint();
    support::Snap(form, name);
  }
  QTreeWidgetItem* Node(const QString& text) {
    const QList<QTreeWidgetItem*> found = RegMapForm().TreeView1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }
};

}  // namespace

TEST_F(RegMapScreenshots, RegisterMapWithAByteRegisterChosen) {
  gRegShadow[0x21] = 0x98;
  gMainForm->Action("mnuRegMap")->trigger();
  frmRegMap& map = RegMapForm();
  QTreeWidgetItem* node = Node("CS1 Gain Trim");
  ASSERT_NE(node, nullptr);
  map.TreeView1->setCurrentItem(node);
  map.TreeView1_NodeClick(node);
  map.txtWrite->SetText("98");
  EXPECT_EQ(map.lblHexVal->Caption(), "98h");
  Snap(map, "regmap_byte");
}

TEST_F(RegMapScreenshots, RegisterMapWithAReadingChosen) {
  gRegShadow[0x14] = 0x9C;
  gMainForm->Action("mnuRegMap")->trigger();
  frmRegMap& map = RegMapForm();
  QTreeWidgetItem* node = Node("VS1 Voltage Value");
  ASSERT_NE(node, nullptr);
  map.TreeView1->setCurrentItem(node);
  map.TreeView1_NodeClick(node);
  map.chkContRead->SetValue(1);
  map.chkDisablePolling->SetValue(1);
  EXPECT_EQ(map.Label9->Caption(), "Current 12-bit value (Hex)");
  Snap(map, "regmap_reading");
}

TEST_F(RegMapScreenshots, BusMonitorWithSomeLines) {
  gMainForm->Action("mnuSpy")->trigger();
  frmSpy& spy = SpyForm();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
  for (int reg = 0x20; reg < 0x38; ++reg) {
    ReadRegister(0x48, reg);
    int32_t data = reg * 3;
    if (reg % 4 == 0) WriteRegister(0x48, reg, data);
  }
  EXPECT_EQ(spy.lstSpy->ListCount(), 30);
  support::ShowPendingLines(*spy.lstSpy);
  Snap(spy, "spy");
}

TEST_F(RegMapScreenshots, SaveWindow) {
  gMainForm->Action("mnuSave")->trigger();
  SaveForm().txtComment->SetText("Bench set-up, 48 V input");
  Snap(SaveForm(), "save");
}
