#pragma once
// The chip's PWM edge registers: where each row's edges, modulation bits and
// disable bit live, how a read-back turns into edges and edges into bytes, and
// the main and AUX frequency indices of the switching-frequency register.

#include <array>
#include <cstdint>

namespace pwm {

constexpr int kRowCount = 7;
constexpr int kAuxRow = 6;
constexpr int kDisableReg = 0x40;
// The frequency-register value written when the AUX list shows no item.
constexpr int kNoFrequencyIndex = 12;

// Registers of row r: timing (bits 11:4 of an edge) and setting (bits 3:0,
// modulation enable and sign, two bits carried as read) of each edge.
constexpr int RiseTimingReg(int row) { return 0x41 + 4 * row; }
constexpr int RiseSettingReg(int row) { return 0x42 + 4 * row; }
constexpr int FallTimingReg(int row) { return 0x43 + 4 * row; }
constexpr int FallSettingReg(int row) { return 0x44 + 4 * row; }

// One row's edges as the chip holds them.
struct EdgeInfo {
  int32_t Rise = 0;  // steps
  bool RiseModEnable = false;
  bool RiseModSign = false;
  int32_t Fall = 0;  // steps
  bool FallModEnable = false;
  bool FallModSign = false;
  bool Enabled = true;  // the row's disable bit is clear
};
using EdgeTable = std::array<EdgeInfo, kRowCount>;

// A row from its four edge registers and the disable register.
EdgeInfo DecodeEdgeRow(int row, int riseTiming, int riseSetting, int fallTiming, int fallSetting, int disable);

// The timing byte of an edge: bits 11:4 of its step count.
int EdgeTimingByte(int32_t steps);
// The setting byte of an edge: bits 3:0 of its step count, the modulation bits,
// and bits 1:0 of the setting byte the chip held.
int EdgeSettingByte(int32_t steps, bool modEnable, bool modSign, int heldSetting);

// The disable register: bit r+1 for each disabled row, bit 0 always set.
int DisableByte(const std::array<bool, kRowCount>& disabled);

// The frequency indices the switching-frequency register holds.
int MainFrequencyIndex(int frequencyReg);
int AuxFrequencyIndex(int frequencyReg);
// The register with a new AUX index and the main index it held.
int FrequencyByte(int auxIndex, int heldFrequencyReg);

// Limits every edge to its row's period (rows 0-5 the main period, row 6 the
// AUX period, in steps); true when an edge changed. A row whose period is not
// known yet (0) keeps its edges: nothing can be judged against it.
bool ClampEdgesToPeriod(EdgeTable& edges, int32_t mainPeriod, int32_t auxPeriod);

}  // namespace pwm
