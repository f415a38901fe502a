// The bus monitor: compact line storage, the lines in their exact text, the
// show, ignore and pause switches, and what survives closing the window.

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "platform/ui/Seams.h"
#include "shell/SingleWindows.h"
#include "shell/SpyLineStore.h"
#include "shell/SpyListBox.h"
#include "shell/frmSpy.h"
#include "support/ShellFixture.h"
#include "support/SpyView.h"

// ---- Line storage -------------------------------------------------------------

struct RecordLine {
  BusRecord record;
  const char* line;
};
void PrintTo(const RecordLine& c, std::ostream* os) { *os << c.line; }

class SpyLineRoundTrip : public ::testing::TestWithParam<RecordLine> {};

TEST_P(SpyLineRoundTrip, EveryRecordComesBackAsItsExactLine) {
  SpyLineStore store;
  store.Append({BusRecord::Read, 0x48, 0x3D, 0x41});
  store.Append(GetParam().record);
  store.Append({BusRecord::Write, 0x4A, 0x2B, 0xFF});
  ASSERT_EQ(store.Size(), 3u);
  EXPECT_EQ(store.Line(0), "Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41");
  EXPECT_EQ(store.Line(1), GetParam().line);
  EXPECT_EQ(store.Record(1), GetParam().record);
  EXPECT_EQ(store.Line(2), "Write Dev Addr=0x4A Addr Ptr=0x2B Data Out=0xFF");
  EXPECT_EQ(store.Line(3), "");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SpyLineRoundTrip,
    ::testing::Values(RecordLine{{BusRecord::Read, 0x00, 0x00, 0x00}, "Read Dev Addr=0x00 Addr Ptr=0x00 Data In=0x00"},
                      RecordLine{{BusRecord::Write, 0x7F, 0x68, 0x0A}, "Write Dev Addr=0x7F Addr Ptr=0x68 Data Out=0x0A"},
                      RecordLine{{BusRecord::Read, 0x48, 0x0F, 0x10}, "Read Dev Addr=0x48 Addr Ptr=0x0F Data In=0x10"},
                      RecordLine{{BusRecord::Write, 0x48, 0xFF, 0x04}, "Write Dev Addr=0x48 Addr Ptr=0xFF Data Out=0x04"}));

TEST(SpyLineStoreTest, KeepsLinesInAFewBytesAcrossBlocksAndClearGivesTheMemoryBack) {
  SpyLineStore store;
  constexpr int kLines = 100000;  // many blocks, the last one part full
  for (int i = 0; i < kLines; ++i) {
    store.Append({i % 2 == 0 ? BusRecord::Read : BusRecord::Write, 0x48, static_cast<uint8_t>(i % 251),
                  static_cast<uint8_t>(i & 0xFF)});
  }
  EXPECT_LE(store.MemoryBytes(), static_cast<size_t>(kLines) * 8u);
  for (int i : {0, 4095, 4096, 8191, 8192, kLines - 1}) {
    const BusRecord expected{i % 2 == 0 ? BusRecord::Read : BusRecord::Write, 0x48, static_cast<uint8_t>(i % 251),
                             static_cast<uint8_t>(i & 0xFF)};
    EXPECT_EQ(store.Record(static_cast<size_t>(i)), expected) << "row " << i;
  }
  EXPECT_EQ(store.Line(kLines - 1), "Write Dev Addr=0x48 Addr Ptr=0x65 Data Out=0x9F");
  store.Clear();
  EXPECT_EQ(store.Size(), 0u);
  EXPECT_EQ(store.MemoryBytes(), 0u);
  store.Append({BusRecord::Read, 0x48, 0x3D, 0x41});
  EXPECT_EQ(store.Line(0), "Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41") << "usable again after Clear";
}

// On the fixture's clocks, so the view's interval passes at once.
using SpyListBoxTest = support::Fixture;

TEST_F(SpyListBoxTest, ScrollsByWholeRowsAndChoosesByClickAndKeys) {
  SpyListBox list;
  list.resize(300, 200);
  list.show();
  const int rows = list.verticalScrollBar()->pageStep();
  ASSERT_GT(rows, 3);
  for (int i = 0; i < 100; ++i) list.AddItem({BusRecord::Read, 0x48, static_cast<uint8_t>(i % 10 + 16), 0});
  support::ShowPendingLines(list);
  EXPECT_EQ(list.verticalScrollBar()->maximum(), 100 - rows);
  EXPECT_EQ(list.TopIndex(), 100 - rows) << "an empty list shows its newest line, so it follows new lines";
  EXPECT_EQ(list.ListIndex(), -1);
  QTest::keyClick(&list, Qt::Key_Home);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(list.TopIndex(), 0);

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
  // The monitor showing writes only: its list.
  SpyListBox& OpenOnWrites() {
    frmSpy& spy = Open();
    spy.chkWrites->SetValue(1);
    return *spy.lstSpy;
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
  SpyListBox& list = OpenOnWrites();
  for (int i = 0; i < 200000; ++i) {
    int32_t data = i & 0xFF;
    WriteRegister(0x48, 0x21, data);
  }
  EXPECT_EQ(list.ListCount(), 200000);
  EXPECT_EQ(list.List(199999), "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x3F");
  EXPECT_EQ(list.List(0), "Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x00");
}

// ---- Following new lines, and one update per burst ------------------------------

namespace {

void WriteLines(int count) {
  for (int i = 0; i < count; ++i) WriteRegister(0x48, 0x21, i & 0xFF);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// What the user does between two bursts of lines, and whether the view then follows them.
struct ScrollCase {
  const char* name;
  std::function<void(SpyListBox&)> act;
  bool follows;
};
void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.name; }

class MonitorFollowing : public BusMonitor, public ::testing::WithParamInterface<ScrollCase> {};

}  // namespace

TEST_P(MonitorFollowing, FollowsNewLinesOnlyWhileTheNewestIsInView) {
  SpyListBox& list = OpenOnWrites();
  WriteLines(50);
  support::ShowPendingLines(list);
  ASSERT_EQ(list.TopIndex(), 50 - list.RowsInView()) << "an opened monitor shows the newest lines";

  GetParam().act(list);
  QCoreApplication::processEvents();
  const int before = list.TopIndex();
  WriteLines(30);
  support::ShowPendingLines(list);
  EXPECT_EQ(list.ListCount(), 80);
  if (GetParam().follows) {
    EXPECT_EQ(list.TopIndex(), 80 - list.RowsInView());
  } else {
    EXPECT_EQ(list.TopIndex(), before) << "the view stays where the user put it";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonitorFollowing,
    ::testing::Values(
        ScrollCase{"Untouched", [](SpyListBox&) {}, true},
        ScrollCase{"OneRowUp",
                   [](SpyListBox& l) { l.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); },
                   false},
        ScrollCase{"HomeKey", [](SpyListBox& l) { QTest::keyClick(&l, Qt::Key_Home); }, false},
        ScrollCase{"UpAndBackToTheEnd",
                   [](SpyListBox& l) {
                     l.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
                     l.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
                   },
                   true},
        ScrollCase{"EndKeyChoosesTheNewest",
                   [](SpyListBox& l) {
                     QTest::keyClick(&l, Qt::Key_Home);
                     QTest::keyClick(&l, Qt::Key_End);
                   },
                   true}),
    [](const ::testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

TEST_F(BusMonitor, ABurstOfLinesIsOneUpdateOnceTheIntervalHasPassed) {
  SpyListBox& list = OpenOnWrites();
  QCoreApplication::processEvents();
  QSignalSpy ranges(list.verticalScrollBar(), &QAbstractSlider::rangeChanged);
  PaintCounter viewport;
  list.viewport()->installEventFilter(&viewport);

  for (int burst = 1; burst <= 2; ++burst) {
    WriteLines(500);
    // The timer comes, but the interval has not passed on the program's clock.
    support::Fire(support::FindTimer(&list, QStringLiteral("tmrShowLines")));
    QCoreApplication::processEvents();
    EXPECT_EQ(ranges.count(), burst - 1) << "burst " << burst;
    EXPECT_EQ(viewport.paints, burst - 1) << "burst " << burst;
    EXPECT_EQ(list.ListCount(), 500 * burst) << "lines are kept at once, only the view waits";
    support::ShowPendingLines(list);
    EXPECT_EQ(ranges.count(), burst) << "one update for the whole burst";
    EXPECT_EQ(viewport.paints, burst);
    EXPECT_EQ(list.TopIndex(), 500 * burst - list.RowsInView());
  }

  // A line that comes once the interval has passed is shown at the next turn of the event loop.
  WriteLines(1);
  ui::SleepSeconds(SpyListBox::kUpdateInterval);
  WriteLines(1);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(ranges.count(), 3);
  EXPECT_EQ(list.TopIndex(), 1002 - list.RowsInView());
  list.viewport()->removeEventFilter(&viewport);
}
