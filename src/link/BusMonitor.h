#pragma once
// Where register transfers leave their trace: the bus monitor window, while it
// is loaded, unpaused and showing that kind of transfer, receives one line each.

#include <QString>

extern bool gSpyOpen;                // the monitor window is loaded
extern bool gSpyPaused;              // the user paused the monitor
extern bool gIgnoreContinuousReads;  // reads of the polled telemetry registers make no line

// What the monitor window offers the board link while it is loaded.
class BusMonitorSink {
 public:
  virtual ~BusMonitorSink() = default;
  virtual bool ShowReads() const = 0;   // "Show Reads" ticked
  virtual bool ShowWrites() const = 0;  // "Show Writes" ticked
  virtual void AddLine(const QString& line) = 0;
};

// The monitor window registers itself when it loads and clears it when it unloads.
void SetBusMonitorSink(BusMonitorSink* sink);
BusMonitorSink* GetBusMonitorSink();

// Back to the state at program start.
void ResetBusMonitor();
