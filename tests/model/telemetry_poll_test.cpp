#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "model/Telemetry.h"
#include "support/Fixture.h"

namespace {

using Lines = std::vector<std::string>;

class TelemetryPoll : public support::Fixture {
 protected:
  // Every scale at 3000 makes a scaled reading equal to its 12-bit code.
  static void UnitScales() {
    gScaleInputVoltage = gScaleInputCurrent = gScaleVS1 = gScaleVS2 = gScaleVS3 = gScaleOutputCurrent = 3000;
  }
  static void PollTimes(int n) {
    for (int i = 0; i < n; ++i) PollDeviceReadings();
  }
};

// The reads one poll call makes of one chip, per phase.
const std::vector<Lines> kPhaseReads = {
    {"read 0x11", "read 0x11", "read 0x12", "read 0x12"},
    {"read 0x14", "read 0x14", "read 0x15", "read 0x15"},
    {"read 0x16", "read 0x16", "read 0x17", "read 0x17"},
    {"read 0x1A", "read 0x1A", "read 0x1B", "read 0x1C", "read 0x1D", "read 0x1E", "read 0x1F", "read 0x20"},
    {"read 0x00", "read 0x01", "read 0x02", "read 0x03", "read 0x10", "read 0x10"},
};

Lines OfChip(const std::string& chip, const Lines& reads) {
  Lines out;
  for (const std::string& r : reads) out.push_back(chip + " " + r);
  return out;
}

TEST_F(TelemetryPoll, EachPhaseReadsItsRegistersOfDeviceOneThenDeviceTwo) {
  StartWithChips({0x48, 0x4A});
  SetReadingFullScales();
  for (int round = 0; round < 2; ++round) {
    for (int phase = 0; phase < 5; ++phase) {
      ASSERT_EQ(PollPhase(), phase);
      ClearBus();
      PollDeviceReadings();
      Lines expected = OfChip("0x48", kPhaseReads[phase]);
      const Lines second = OfChip("0x4A", kPhaseReads[phase]);
      expected.insert(expected.end(), second.begin(), second.end());
      EXPECT_EQ(Bus(true), expected) << "phase " << phase;
    }
  }
  EXPECT_EQ(PollPhase(), 0);
}

TEST_F(TelemetryPoll, ReadCountsPerPhaseWithOneChip) {
  StartWithChips({0x4A});
  SetReadingFullScales();
  std::vector<size_t> counts;
  for (int phase = 0; phase < 5; ++phase) {
    ClearBus();
    PollDeviceReadings();
    counts.push_back(Bus().size());
  }
  EXPECT_EQ(counts, (std::vector<size_t>{4, 4, 4, 8, 6}));
}

TEST_F(TelemetryPoll, NoDeviceMeansNoTrafficButThePhaseStillAdvances) {
  AttachBoard({0x48});
  PollDeviceReadings();
  EXPECT_TRUE(Bus().empty());
  EXPECT_EQ(PollPhase(), 1);
}

TEST_F(TelemetryPoll, TwelveBitCodeUsesARealDivisionOfTheSecondByte) {
  StartWithChips({0x48});
  Board().QueueReads(0x48, 0x1A, {0x12, 0x88, 0x12, 0x80, 0xFF, 0xFF});
  EXPECT_FLOAT_EQ(Read12BitCode(0x48, 0x1A), 0x120 + 8.5f);
  EXPECT_FLOAT_EQ(Read12BitCode(0x48, 0x1A), 0x128);
  EXPECT_FLOAT_EQ(Read12BitCode(0x48, 0x1A), 4095.9375f);
}

TEST_F(TelemetryPoll, TemperatureIsTheUnscaledCode) {
  StartWithChips({0x48});
  SetReadingFullScales();
  PollTimes(3);
  Board().QueueReads(0x48, 0x1A, {0x01, 0x99});
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].Temperature, 16 + 0x99 / 16.0f);
}

// A scaled reading: register, the record field it fills, its scale value, and the phase that reads it.
struct ScaledReading {
  const char* name;
  int reg;
  float DeviceInfo::*field;
  float* scale;
  float defaultScale;
  int phase;
};

std::ostream& operator<<(std::ostream& os, const ScaledReading& r) { return os << r.name; }

class ScaledReadings : public TelemetryPoll, public ::testing::WithParamInterface<ScaledReading> {};

TEST_P(ScaledReadings, FullScaleAtCode3000AndRoundedToThreeDecimals) {
  const ScaledReading& r = GetParam();
  StartWithChips({0x48});
  SetReadingFullScales();
  EXPECT_FLOAT_EQ(*r.scale, r.defaultScale);
  for (int i = 0; i < r.phase; ++i) PollDeviceReadings();
  // 0xBB x 16 + 0x80 / 16 = 3000, then 2000, then 1.
  Board().QueueReads(0x48, r.reg, {0xBB, 0x80});
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].*r.field, r.defaultScale);

  PollTimes(4);
  Board().QueueReads(0x48, r.reg, {0x7D, 0x00});
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].*r.field, static_cast<float>(numtext::Round(r.defaultScale * 2000.0 / 3000.0, 3)));
}

INSTANTIATE_TEST_SUITE_P(
    Registers, ScaledReadings,
    ::testing::Values(ScaledReading{"InputVoltage", 0x11, &DeviceInfo::InputVoltage, &gScaleInputVoltage, 670, 0},
                      ScaledReading{"InputCurrent", 0x12, &DeviceInfo::InputCurrent, &gScaleInputCurrent, 0.4f, 0},
                      ScaledReading{"VS1", 0x14, &DeviceInfo::VS1, &gScaleVS1, 14.2f, 1},
                      ScaledReading{"VS2", 0x15, &DeviceInfo::VS2, &gScaleVS2, 14.2f, 1},
                      ScaledReading{"VS3", 0x16, &DeviceInfo::VS3, &gScaleVS3, 14.1f, 2},
                      ScaledReading{"OutputCurrent", 0x17, &DeviceInfo::OutputCurrent, &gScaleOutputCurrent, 2.4f, 2}),
    [](const ::testing::TestParamInfo<ScaledReading>& info) { return std::string(info.param.name); });

TEST_F(TelemetryPoll, InputVoltageOfCode3000Is670Volts) {
  StartWithChips({0x48});
  SetReadingFullScales();
  Board().QueueReads(0x48, 0x11, {0xBB, 0x80});
  PollDeviceReadings();
  EXPECT_EQ(gDevices[0].InputVoltage, 670.0f);
}

TEST_F(TelemetryPoll, ScaledReadingKeepsThreeDecimals) {
  StartWithChips({0x48});
  SetReadingFullScales();
  // Code 2000 at 0.4 A full scale is 0.2666.. A.
  Board().QueueReads(0x48, 0x12, {0x7D, 0x00});
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].InputCurrent, 0.267f);
}

struct PowerCase {
  uint8_t voltsFirst, voltsSecond;  // 12-bit code of the input voltage
  uint8_t ampsFirst, ampsSecond;    // 12-bit code of the input current
  float expectedPower;
};

std::ostream& operator<<(std::ostream& os, const PowerCase& c) {
  return os << "codes " << int(c.voltsFirst) << "/" << int(c.voltsSecond) << " and " << int(c.ampsFirst) << "/"
            << int(c.ampsSecond) << " -> " << c.expectedPower << " W";
}

class InputPower : public TelemetryPoll, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(InputPower, IsRoundedToAWholeNumberHalvesToEven) {
  const PowerCase& c = GetParam();
  StartWithChips({0x48});
  UnitScales();
  Board().QueueReads(0x48, 0x11, {c.voltsFirst, c.voltsSecond});
  Board().QueueReads(0x48, 0x12, {c.ampsFirst, c.ampsSecond});
  PollDeviceReadings();
  EXPECT_EQ(gDevices[0].InputPower, c.expectedPower)
      << gDevices[0].InputVoltage << " V x " << gDevices[0].InputCurrent << " A";
}

INSTANTIATE_TEST_SUITE_P(Cases, InputPower,
                         ::testing::Values(PowerCase{0x07, 0x90, 0x00, 0x04, 30},  // 121 V x .25 A = 30.25
                                           PowerCase{0x07, 0xA0, 0x00, 0x04, 30},  // 122 V x .25 A = 30.5
                                           PowerCase{0x07, 0xE0, 0x00, 0x04, 32},  // 126 V x .25 A = 31.5
                                           PowerCase{0x07, 0xB0, 0x00, 0x04, 31},  // 123 V x .25 A = 30.75
                                           PowerCase{0x00, 0x00, 0x00, 0x04, 0}));

TEST_F(TelemetryPoll, OutputPowerIsRoundedToThreeDecimals) {
  StartWithChips({0x48});
  UnitScales();
  PollTimes(2);
  Board().QueueReads(0x48, 0x16, {0x00, 0xC1});  // 12.0625 V
  Board().QueueReads(0x48, 0x17, {0x00, 0x12});  // 1.125 A
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].VS3, 12.062f) << "each reading is itself rounded, halves to even";
  EXPECT_FLOAT_EQ(gDevices[0].OutputCurrent, 1.125f);
  EXPECT_FLOAT_EQ(gDevices[0].OutputPower, 13.57f);  // 13.56975

  PollTimes(4);
  Board().QueueReads(0x48, 0x16, {0x00, 0xC8});  // 12.5 V
  Board().QueueReads(0x48, 0x17, {0x00, 0x12});  // 1.125 A
  PollDeviceReadings();
  EXPECT_FLOAT_EQ(gDevices[0].OutputPower, 14.062f);  // 14.0625
}

TEST_F(TelemetryPoll, PhaseThreeStoresRawBytesAndTimingWithoutBitSeven) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  SetReadingFullScales();
  support::SetRegs(board, 0x48, {{0x1B, 0x21}, {0x1C, 0xC5}, {0x1D, 0x33}, {0x1E, 0x44}, {0x1F, 0x55}, {0x20, 0xF6}});
  PollTimes(4);
  const DeviceInfo& d = gDevices[0];
  EXPECT_EQ(d.Subharmonic, 0x21);
  EXPECT_EQ(d.ACSNSTiming, 0x45);
  EXPECT_EQ(d.ShareBus, 0x33);
  EXPECT_EQ(d.DutyCycle, 0x44);
  EXPECT_EQ(d.LineImpedance, 0x55);
  EXPECT_EQ(d.Efficiency, 0xF6);
  EXPECT_EQ(d.ACSNS, 0) << "no register feeds it with a board";
}

TEST_F(TelemetryPoll, EachChipFillsItsOwnRecord) {
  usb::EmulatedBoard& board = StartWithChips({0x48, 0x4A});
  SetReadingFullScales();
  board.SetReg(0x48, 0x1D, 1);
  board.SetReg(0x4A, 0x1D, 2);
  board.SetReg(0x4A, 0x00, 0x80);
  PollTimes(5);
  EXPECT_EQ(gDevices[0].ShareBus, 1);
  EXPECT_EQ(gDevices[1].ShareBus, 2);
  EXPECT_FALSE(gDevices[0].Flags[0]);
  EXPECT_TRUE(gDevices[1].Flags[0]);
}

// One bit of one fault register and the flag it sets (-1: the bit is not used).
struct FlagBit {
  int reg;
  int bit;
  int flag;
};

std::vector<FlagBit> AllFaultBits() {
  const int map[4][8] = {
      // bit 7 .. bit 0
      {0, 1, 2, 3, 4, 5, 6, 7},
      {8, 9, 10, 11, 12, 13, 14, 15},
      {16, 17, 18, 19, -1, 20, 21, 22},
      {-1, 23, 24, 25, 26, 27, 28, 29},
  };
  std::vector<FlagBit> bits;
  for (int reg = 0; reg < 4; ++reg) {
    for (int i = 0; i < 8; ++i) bits.push_back({reg, 7 - i, map[reg][i]});
  }
  return bits;
}

std::ostream& operator<<(std::ostream& os, const FlagBit& b) {
  return os << "register " << b.reg << " bit " << b.bit << " -> flag " << b.flag;
}

class FaultFlagMapping : public support::Fixture, public ::testing::WithParamInterface<FlagBit> {};

TEST_P(FaultFlagMapping, OneBitSetsExactlyItsFlag) {
  const FlagBit& b = GetParam();
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.SetReg(0x48, b.reg, static_cast<uint8_t>(1 << b.bit));
  ReadFaultFlags(0x48);
  for (int f = 0; f < kFaultFlagCount; ++f) EXPECT_EQ(gDevices[0].Flags[f], f == b.flag) << "flag " << f;

  // And with every other bit of the four registers set, only that flag is clear.
  for (int reg = 0; reg < 4; ++reg) board.SetReg(0x48, reg, reg == b.reg ? static_cast<uint8_t>(~(1 << b.bit)) : 0xFF);
  ReadFaultFlags(0x48);
  for (int f = 0; f < kFaultFlagCount; ++f) EXPECT_EQ(gDevices[0].Flags[f], f != b.flag) << "flag " << f;
}

INSTANTIATE_TEST_SUITE_P(AllBits, FaultFlagMapping, ::testing::ValuesIn(AllFaultBits()),
                         [](const ::testing::TestParamInfo<FlagBit>& info) {
                           return "Reg" + std::to_string(info.param.reg) + "Bit" + std::to_string(info.param.bit);
                         });

TEST_F(TelemetryPoll, FaultByte0x85SetsFlagsZeroFiveAndSeven) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.SetReg(0x48, 0x00, 0x85);
  ReadFaultFlags(0x48);
  const auto& f = gDevices[0].Flags;
  EXPECT_TRUE(f[0] && f[5] && f[7]);
  EXPECT_FALSE(f[1] || f[2] || f[3] || f[4] || f[6]);
}

struct FirstFlagCase {
  uint8_t first, second;
  float value;
  const char* source;
};

std::ostream& operator<<(std::ostream& os, const FirstFlagCase& c) {
  return os << int(c.first) << ", " << int(c.second) << " -> " << c.value << " \"" << c.source << '"';
}

class FirstFlag : public support::Fixture, public ::testing::WithParamInterface<FirstFlagCase> {};

TEST_P(FirstFlag, ValueFromBothBytesSourceFromTheLowNibble) {
  const FirstFlagCase& c = GetParam();
  StartWithChips({0x48});
  Board().QueueReads(0x48, 0x10, {c.first, c.second});
  ReadFaultFlags(0x48);
  EXPECT_EQ(gDevices[0].FirstFlagValue, c.value);
  EXPECT_EQ(gDevices[0].FirstFlagSource, QString::fromLatin1(c.source));
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstFlag,
                         ::testing::Values(FirstFlagCase{0x3F, 0xC1, 1020, "OrFET"},
                                           FirstFlagCase{0x12, 0x50, 0x125, "Power Supply"},
                                           FirstFlagCase{0x00, 0x02, 0, "PGood Fault"},
                                           FirstFlagCase{0xFF, 0xFF, 4095, ""},
                                           FirstFlagCase{0x01, 0x03, 16, ""}));

TEST_F(TelemetryPoll, FaultFlagsReadTheirRegistersInOrder) {
  StartWithChips({0x48});
  ReadFaultFlags(0x48);
  EXPECT_EQ(Bus(true), OfChip("0x48", kPhaseReads[4]));
}

TEST_F(TelemetryPoll, AnAddressOfNeitherDeviceFillsRecordTwo) {
  usb::EmulatedBoard& board = StartWithChips({0x48, 0x4A});
  board.AddChip(0x50);
  board.SetReg(0x50, 0x00, 0x80);
  ReadFaultFlags(0x50);
  EXPECT_TRUE(gDevices[1].Flags[0]);
  EXPECT_FALSE(gDevices[0].Flags[0]);
  EXPECT_EQ(DeviceRecordIndex(0x48), 0);
  EXPECT_EQ(DeviceRecordIndex(0x4A), 1);
  EXPECT_EQ(DeviceRecordIndex(0x50), 1);
}

TEST_F(TelemetryPoll, DeviceIndexOfAnAddressByRecordAndByMatch) {
  struct Row {
    std::vector<int> chips;
    int32_t address;
    int record;    // records, open flags, window pairs
    int matching;  // live windows that show nothing for a chip they do not know
  };
  const Row rows[] = {
      {{0x48, 0x4A}, 0x48, 0, 0}, {{0x48, 0x4A}, 0x4A, 1, 1}, {{0x48, 0x4A}, 0x50, 1, -1},
      {{0x48}, 0x48, 0, 0},       {{0x48}, 0x00, 1, 1},       {{0x48}, -1, 1, -1},
  };
  for (const Row& row : rows) {
    gDevAddr = {};
    StartWithChips(row.chips);
    EXPECT_EQ(DeviceRecordIndex(row.address), row.record) << row.address;
    EXPECT_EQ(MatchingDeviceIndex(row.address), row.matching) << row.address;
  }
}

TEST_F(TelemetryPoll, SimulationGivesTheFixedReadingsWhateverTheScales) {
  StartInSimulation();
  gScaleInputVoltage = gScaleVS3 = 1;
  gScaleInputCurrent = gScaleVS1 = gScaleVS2 = gScaleOutputCurrent = 99999;
  gRegShadow[0x1D] = 0x77;
  gRegShadow[0x1F] = 0x66;
  for (int phase = 0; phase < 5; ++phase) {
    PollDeviceReadings();
    for (const DeviceInfo& d : gDevices) {
      EXPECT_EQ(d.InputVoltage, 120);
      EXPECT_EQ(d.InputCurrent, 0.25f);
      EXPECT_EQ(d.InputPower, 30);
      EXPECT_EQ(d.VS1, 12.1f);
      EXPECT_EQ(d.VS2, 12.05f);
      EXPECT_EQ(d.VS3, 12.0f);
      EXPECT_EQ(d.OutputCurrent, 2.0f);
      EXPECT_EQ(d.OutputPower, 24);
      EXPECT_EQ(d.Temperature, 25);
      EXPECT_EQ(d.ACSNS, 20);
      EXPECT_EQ(d.ShareBus, 4);
      EXPECT_EQ(d.DutyCycle, 45);
    }
  }
  // Fields without a fixed value keep what the poll read from the simulated image.
  EXPECT_EQ(gDevices[0].LineImpedance, 0x66);
  EXPECT_EQ(gDevices[1].LineImpedance, 0);
}

TEST_F(TelemetryPoll, SimulationFirstFlagIs1020FromOrFETAndFlagsComeFromTheImage) {
  StartInSimulation();
  gRegShadow[0x10] = 0x00;
  PollTimes(5);
  const DeviceInfo& d = gDevices[0];
  EXPECT_EQ(d.FirstFlagValue, 1020);
  EXPECT_EQ(d.FirstFlagSource, "OrFET");
  // Preset image: 0x00 = 0x85, 0x01 = 0x71, 0x02 = 0xFF, 0x03 = 0x22.
  const std::vector<int> expectedTrue = {0, 5, 7, 9, 10, 11, 15, 16, 17, 18, 19, 20, 21, 22, 24, 28};
  for (int f = 0; f < kFaultFlagCount; ++f) {
    const bool on = std::find(expectedTrue.begin(), expectedTrue.end(), f) != expectedTrue.end();
    EXPECT_EQ(d.Flags[f], on) << "flag " << f;
  }
}

TEST_F(TelemetryPoll, FullScaleDefaults) {
  SetReadingFullScales();
  EXPECT_EQ(gScaleInputVoltage, 670.0f);
  EXPECT_EQ(gScaleInputCurrent, 0.4f);
  EXPECT_EQ(gScaleVS1, 14.2f);
  EXPECT_EQ(gScaleVS2, 14.2f);
  EXPECT_EQ(gScaleVS3, 14.1f);
  EXPECT_EQ(gScaleOutputCurrent, 2.4f);
}

TEST(FaultSourceName, OnlyCodesZeroToTwoHaveNames) {
  EXPECT_EQ(GetFaultSourceName(0), "Power Supply");
  EXPECT_EQ(GetFaultSourceName(1), "OrFET");
  EXPECT_EQ(GetFaultSourceName(2), "PGood Fault");
  for (int16_t code = 3; code <= 15; ++code) EXPECT_EQ(GetFaultSourceName(code), QString()) << code;
  EXPECT_EQ(GetFaultSourceName(-1), QString());
}

}  // namespace
