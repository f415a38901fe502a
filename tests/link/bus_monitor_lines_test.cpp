#include <QStringList>
#include <ostream>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "support/Fixture.h"

namespace {

// The monitor window as the board link sees it.
class MonitorStub : public BusMonitorSink {
 public:
  bool ShowReads() const override { return reads; }
  bool ShowWrites() const override { return writes; }
  void AddRecord(const BusRecord& record) override { lines << BusMonitorLine(record); }
  bool reads = true;
  bool writes = true;
  QStringList lines;
};

class BusMonitorLines : public support::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    SetBusMonitorSink(&monitor);
    gSpyOpen = true;
  }
  MonitorStub monitor;
};

TEST_F(BusMonitorLines, ReadAndWriteLinesInTheirExactText) {
  StartWithChips({0x48});
  ReadRegister(0x48, 0x3D);
  int32_t data = 300;
  WriteRegister(0x48, 0x2B, data);
  WriteRegister(0x4A, 0x05, 0x0C);
  EXPECT_EQ(monitor.lines, (QStringList{"Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41",
                                        "Write Dev Addr=0x48 Addr Ptr=0x2B Data Out=0xFF",
                                        "Write Dev Addr=0x4A Addr Ptr=0x05 Data Out=0x0C"}));
}

TEST_F(BusMonitorLines, SimulationMakesTheSameLines) {
  StartInSimulation();
  WriteRegister(0x48, 0x30, 0x9B);
  ReadRegister(0x48, 0x30);
  EXPECT_EQ(monitor.lines, (QStringList{"Write Dev Addr=0x48 Addr Ptr=0x30 Data Out=0x9B",
                                        "Read Dev Addr=0x48 Addr Ptr=0x30 Data In=0x9B"}));
}

// Which transfers make a line: monitor loaded, not paused, and its box ticked.
struct Gate {
  bool open, paused, reads, writes;
  int readLines, writeLines;
};

std::ostream& operator<<(std::ostream& os, const Gate& g) {
  return os << "open " << g.open << " paused " << g.paused << " reads " << g.reads << " writes " << g.writes;
}

class MonitorGate : public BusMonitorLines, public ::testing::WithParamInterface<Gate> {};

TEST_P(MonitorGate, LinesOnlyWhileOpenUnpausedAndTicked) {
  const Gate& g = GetParam();
  StartWithChips({0x48});
  gSpyOpen = g.open;
  gSpyPaused = g.paused;
  monitor.reads = g.reads;
  monitor.writes = g.writes;
  ReadRegister(0x48, 0x30);
  EXPECT_EQ(monitor.lines.size(), g.readLines);
  monitor.lines.clear();
  WriteRegister(0x48, 0x30, 1);
  EXPECT_EQ(monitor.lines.size(), g.writeLines);
  EXPECT_EQ(Board().Log().size(), 2u) << "the monitor never changes the traffic";
}

INSTANTIATE_TEST_SUITE_P(Cases, MonitorGate,
                         ::testing::Values(Gate{true, false, true, true, 1, 1}, Gate{true, false, true, false, 1, 0},
                                           Gate{true, false, false, true, 0, 1}, Gate{true, false, false, false, 0, 0},
                                           Gate{true, true, true, true, 0, 0}, Gate{false, false, true, true, 0, 0},
                                           Gate{false, true, true, true, 0, 0}));

TEST_F(BusMonitorLines, NoSinkNoLineAndNoCrash) {
  StartWithChips({0x48});
  SetBusMonitorSink(nullptr);
  ReadRegister(0x48, 0x30);
  WriteRegister(0x48, 0x30, 1);
  EXPECT_TRUE(monitor.lines.isEmpty());
}

TEST_F(BusMonitorLines, PolledReadsHiddenWhileIgnoringThem) {
  StartWithChips({0x48});
  gIgnoreContinuousReads = true;
  const std::vector<int> polled = {0x11, 0x12, 0x14, 0x15, 0x16, 0x17, 0x19,
                                   0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20};
  for (int reg = 0; reg <= 0x68; ++reg) {
    monitor.lines.clear();
    ReadRegister(0x48, reg);
    const bool hidden = std::find(polled.begin(), polled.end(), reg) != polled.end();
    EXPECT_EQ(monitor.lines.size(), hidden ? 0 : 1) << "register " << reg;
    EXPECT_EQ(IsSpyLoggedRead(reg), !hidden) << "register " << reg;
  }
  monitor.lines.clear();
  ReadRegister(0x48, 0x16);
  ReadRegister(0x48, 0x10);
  ReadRegister(0x48, 0x18);
  for (int reg : polled) WriteRegister(0x48, reg, 0);
  EXPECT_EQ(monitor.lines.size(), 2 + static_cast<int>(polled.size())) << "every write is shown";
  EXPECT_EQ(monitor.lines[0], "Read Dev Addr=0x48 Addr Ptr=0x10 Data In=0x00");
  EXPECT_EQ(monitor.lines[1], "Read Dev Addr=0x48 Addr Ptr=0x18 Data In=0x00");
}

TEST_F(BusMonitorLines, EveryReadShownWhenNotIgnoring) {
  StartWithChips({0x48});
  for (int reg = 0; reg < 256; ++reg) EXPECT_TRUE(IsSpyLoggedRead(reg)) << reg;
  ReadRegister(0x48, 0x16);
  EXPECT_EQ(monitor.lines.size(), 1);
}

}  // namespace
