// The bus monitor: compact line storage, the lines in their exact text, the
// show, ignore and pause switches, and what survives closing the window.

#include <QScrollBar>
#include <QTest>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "shell/SingleWindows.h"
#include "shell/SpyLineStore.h"
#include "shell/SpyListBox.h"
#include "shell/frmSpy.h"
#include "support/ShellFixture.h"

// ---- Line storage -------------------------------------------------------------

class SpyLineRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(SpyLineRoundTrip, EveryLineComesBackExactly) {
  SpyLineStore store;
  store.Append("Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41");
  store.Append(GetParam());
  store.Append("Write Dev Addr=0x4A Addr Ptr=0x2B Data Out=0xFF");
  ASSERT_EQ(store.Size(), 3u);
  EXPECT_EQ(store.Line(0), "Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41");
  EXPECT_EQ(store.Line(1), GetParam());
  EXPECT_EQ(store.Line(2), "Write Dev Addr=0x4A Addr Ptr=0x2B Data Out=0xFF");
  EXPECT_EQ(store.Line(3), "");
}

INSTANTIATE_TEST_SUITE_P(Lines, SpyLineRoundTrip,
                         ::testing::Values("Read Dev Addr=0x00 Addr Ptr=0x00 Data In=0x00",
                                           "Write Dev Addr=0x7F Addr Ptr=0x68 Data Out=0x0A",
                                           "Read Dev Addr=0x148 Addr Ptr=0x3D Data In=0x41",
                                           "Read Dev Addr=0x48 Addr Ptr=0x3d Data In=0x41",
                                           "Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41 ",
                                           "Read Dev Addr=0x48 Addr Ptr=0x3D Data Out=0x41",
                                           "Write Dev Addr=0x48 Addr Ptr=0x3D Data Out=0x4", "", "hello"));

TEST(SpyLineStoreTest, KeepsTransferLinesInAFewBytesAndClearGivesTheMemoryBack) {
  SpyLineStore store;
  for (int i = 0; i < 100000; ++i) {
    store.Append(i % 2 == 0 ? "Read Dev Addr=0x48 Addr Ptr=0x11 Data In=0x7E"
                            : "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x98");
  }
  EXPECT_LE(store.MemoryBytes(), 100000u * 8u);
  EXPECT_EQ(store.Line(99999), "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x98");
  store.Clear();
  EXPECT_EQ(store.Size(), 0u);
  EXPECT_EQ(store.MemoryBytes(), 0u);
}

TEST(SpyListBoxTest, ScrollsByWholeRowsAndChoosesByClickAndKeys) {
  SpyListBox list;
  list.resize(300, 200);
  list.show();
  const int rows = list.verticalScrollBar()->pageStep();
  ASSERT_GT(rows, 3);
  for (int i = 0; i < 100; ++i) list.AddItem(QStringLiteral("Read Dev Addr=0x48 Addr Ptr=0x%1 Data In=0x00").arg(i % 10 + 10));
  QCoreApplication::processEvents();
  EXPECT_EQ(list.verticalScrollBar()->maximum(), 100 - rows);
  EXPECT_EQ(list.TopIndex(), 0) << "new lines do not move the view";
  EXPECT_EQ(list.ListIndex(), -1);

  const int rowHeight = list.viewport()->height() / rows;
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, rowHeight * 2 + rowHeight / 2));
  EXPECT_EQ(list.ListIndex(), 2);
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.ListIndex(), 3);
  QTest::keyClick(&list, Qt::Key_End);
  EXPECT_EQ(list.ListIndex(), 99);
  EXPECT_EQ(list.TopIndex(), 100 - rows) << "the chosen line is brought into view";
  QTest::keyClick(&list, Qt::Key_PageUp);
  EXPECT_EQ(list.ListIndex(), 99 - rows);
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(list.TopIndex(), 0);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.verticalScrollBar()->maximum(), 0);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, rowHeight / 2));
  EXPECT_EQ(list.ListIndex(), -1) << "a click on an empty list chooses nothing";
}

// ---- The window ---------------------------------------------------------------

namespace {

class BusMonitor : public support::ShellFixture {
 protected:
  frmSpy& Open() {
    if (!gMainForm) {
      StartWithChips({0x48, 0x4A});
      OpenMainWindow();
    }
    gMainForm->Action("mnuSpy")->trigger();
    return SpyForm();
  }
  QStringList Lines() {
    QStringList lines;
    for (int row = 0; row < SpyForm().lstSpy->ListCount(); ++row) lines << SpyForm().lstSpy->List(row);
    return lines;
  }
};

}  // namespace

TEST_F(BusMonitor, LoadShowsTheDesignedWindowAndRegistersItself) {
  frmSpy& spy = Open();
  EXPECT_EQ(spy.Caption(), "Device I/O  Monitor");
  EXPECT_EQ(spy.Width(), 6240);
  EXPECT_EQ(spy.Height(), 6675);
  EXPECT_EQ(spy.chkReads->text(), "Show Reads");
  EXPECT_EQ(spy.chkWrites->text(), "Show Writes");
  EXPECT_EQ(spy.chkIgnoreContinuousReads->text(), "Ignore Polled Reads");
  EXPECT_EQ(spy.cmdPause->text(), "Pause");
  EXPECT_EQ(spy.cmdClear->text(), "Clear");
  EXPECT_EQ(spy.cmdClose->text(), "Close");
  EXPECT_TRUE(gSpyOpen);
  EXPECT_EQ(GetBusMonitorSink(), &spy);
  spy.cmdClose->click();
  EXPECT_FALSE(gSpyOpen);
  EXPECT_EQ(GetBusMonitorSink(), nullptr);
}

TEST_F(BusMonitor, ShowsReadsAndWritesInTheirExactTextOnlyWhenTicked) {
  frmSpy& spy = Open();
  ReadRegister(0x48, 0x3D);
  int32_t data = 0x35;
  WriteRegister(0x4A, 0x2B, data);
  EXPECT_TRUE(Lines().isEmpty()) << "both boxes start unticked";

  spy.chkReads->click();
  ReadRegister(0x48, 0x3D);
  WriteRegister(0x4A, 0x2B, data);
  spy.chkWrites->click();
  data = 300;
  WriteRegister(0x4A, 0x2B, data);
  Board().SetReg(0x4A, 0x05, 0x0A);
  ReadRegister(0x4A, 0x05);
  EXPECT_EQ(Lines(), (QStringList{"Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41",
                                  "Write Dev Addr=0x4A Addr Ptr=0x2B Data Out=0xFF",
                                  "Read Dev Addr=0x4A Addr Ptr=0x05 Data In=0x0A"}));
  EXPECT_EQ(spy.lstSpy->ListCount(), 3);
  spy.cmdClear->click();
  EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(BusMonitor, IgnoredPolledReadsStayHiddenAcrossAReopen) {
  frmSpy& spy = Open();
  spy.chkReads->SetValue(1);
  spy.chkIgnoreContinuousReads->click();
  EXPECT_TRUE(gIgnoreContinuousReads);
  gLimitsOpen[0] = true;  // the master timer polls 0x11 and 0x12 in its first phase
  gMainForm->tmrMaster_Timer();
  EXPECT_TRUE(Lines().isEmpty());

  spy.cmdClose->click();
  FlushDeletes();
  EXPECT_TRUE(gIgnoreContinuousReads);
  Open();
  EXPECT_EQ(spy.chkIgnoreContinuousReads->Value(), 1);
  spy.chkReads->SetValue(1);
  ReadRegister(0x48, 0x16);
  ReadRegister(0x48, 0x10);
  ReadRegister(0x48, 0x18);
  EXPECT_EQ(Lines(), (QStringList{"Read Dev Addr=0x48 Addr Ptr=0x10 Data In=0x00",
                                  "Read Dev Addr=0x48 Addr Ptr=0x18 Data In=0x00"}));
  spy.chkIgnoreContinuousReads->SetValue(0);
  EXPECT_FALSE(gIgnoreContinuousReads);
  ReadRegister(0x48, 0x16);
  EXPECT_EQ(spy.lstSpy->ListCount(), 3);
  gLimitsOpen[0] = false;
}

TEST_F(BusMonitor, PausedAddsNothingAndStartResumes) {
  frmSpy& spy = Open();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
  spy.cmdPause->click();
  EXPECT_TRUE(gSpyPaused);
  EXPECT_EQ(spy.cmdPause->text(), "Start");
  ReadRegister(0x48, 0x3D);
  WriteRegister(0x48, 0x21, 0x11);
  EXPECT_TRUE(Lines().isEmpty());
  spy.cmdPause->click();
  EXPECT_FALSE(gSpyPaused);
  EXPECT_EQ(spy.cmdPause->text(), "Pause");
  WriteRegister(0x48, 0x21, 0x11);
  EXPECT_EQ(Lines(), QStringList{"Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x11"});
}

TEST_F(BusMonitor, ClosingLosesTheLinesAndBoxesButKeepsPauseWithItsCaption) {
  frmSpy& spy = Open();
  spy.chkReads->SetValue(1);
  spy.chkWrites->SetValue(1);
  ReadRegister(0x48, 0x3D);
  spy.cmdPause->click();
  spy.cmdClose->click();
  ReadRegister(0x48, 0x3D);  // no window: nothing kept anywhere
  FlushDeletes();

  Open();
  EXPECT_TRUE(Lines().isEmpty());
  EXPECT_EQ(spy.chkReads->Value(), 0);
  EXPECT_EQ(spy.chkWrites->Value(), 0);
  EXPECT_TRUE(gSpyPaused);
  EXPECT_EQ(spy.cmdPause->text(), "Start") << "the caption names what the next click does";
  spy.cmdPause->click();
  spy.chkReads->SetValue(1);
  ReadRegister(0x48, 0x3D);
  EXPECT_EQ(spy.lstSpy->ListCount(), 1);
}

TEST_F(BusMonitor, HoldsManyLinesWithTheNewestLast) {
  frmSpy& spy = Open();
  spy.chkWrites->SetValue(1);
  for (int i = 0; i < 200000; ++i) {
    int32_t data = i & 0xFF;
    WriteRegister(0x48, 0x21, data);
  }
  EXPECT_EQ(spy.lstSpy->ListCount(), 200000);
  EXPECT_EQ(spy.lstSpy->List(199999), "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x3F");
  EXPECT_EQ(spy.lstSpy->List(0), "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x00");
}
