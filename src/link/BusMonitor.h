#pragma once
// Where register transfers leave their trace: the bus monitor window, while it
// is loaded, unpaused and showing that kind of transfer, receives one record
// each. The link hands over the transfer itself; its text is made only when a
// line is shown.

#include <QString>
#include <cstdint>

extern bool gSpyOpen;                // the monitor window is loaded
extern bool gSpyPaused;              // the user paused the monitor
extern bool gIgnoreContinuousReads;  // reads of the polled telemetry registers make no line

// One register transfer as the monitor keeps it: four bytes. SMBus chip
// addresses are 7-bit, register addresses and data one byte each.
struct BusRecord {
  enum Kind : uint8_t { Read, Write };
  Kind kind;
  uint8_t chip;
  uint8_t reg;
  uint8_t data;
  bool operator==(const BusRecord& other) const {
    return kind == other.kind && chip == other.chip && reg == other.reg && data == other.data;
  }
};

// The monitor's line for a transfer:
// "Read Dev Addr=0x48 Addr Ptr=0x3D Data In=0x41", "Write Dev Addr=0x48 Addr Ptr=0x2B Data Out=0xFF".
QString BusMonitorLine(const BusRecord& record);

// What the monitor window offers the board link while it is loaded.
class BusMonitorSink {
 public:
  virtual ~BusMonitorSink() = default;
  virtual bool ShowReads() const = 0;   // "Show Reads" ticked
  virtual bool ShowWrites() const = 0;  // "Show Writes" ticked
  virtual void AddRecord(const BusRecord& record) = 0;
};

// The monitor window registers itself when it loads and clears it when it unloads.
void SetBusMonitorSink(BusMonitorSink* sink);
BusMonitorSink* GetBusMonitorSink();

// Back to the state at program start.
void ResetBusMonitor();
