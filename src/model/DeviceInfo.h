#pragma once
// What the program knows about each of the (at most two) chips between
// register transfers: live readings, fault flags, the first-flag report and
// the output-filter values of the loop design.

#include <QString>
#include <array>
#include <cstdint>

constexpr int kFaultFlagCount = 30;

struct DeviceInfo {
  QString Name;
  int32_t Address = 0;
  float InputVoltage = 0;
  float InputCurrent = 0;
  float InputPower = 0;
  float VS1 = 0;
  float VS2 = 0;
  float VS3 = 0;
  float OutputCurrent = 0;
  float OutputPower = 0;
  float Reserved = 0;
  float Temperature = 0;
  float Subharmonic = 0;
  float ACSNS = 0;
  float ACSNSTiming = 0;
  float ShareBus = 0;
  float DutyCycle = 0;
  float LineImpedance = 0;
  float Efficiency = 0;
  std::array<bool, kFaultFlagCount> Flags{};
  float FirstFlagValue = 0;
  QString FirstFlagSource;
  float L = 0;      // output-filter inductance, uH
  float C = 0;      // output-filter capacitance, uF
  float ESR = 0;    // capacitor series resistance, mOhm
  float Rload = 0;  // load resistance, Ohm
};

// Index 0 is device 1.
extern std::array<DeviceInfo, 2> gDevices;
// Number of chips found at start-up: 1 or 2 (1 in simulation).
extern int16_t gDeviceCount;
// 7-bit SMBus addresses of device 1 and device 2; 0 where no chip was found.
extern std::array<uint8_t, 2> gDevAddr;

// The engineering value each scaled reading shows at register code 3000.
extern float gScaleInputVoltage;
extern float gScaleInputCurrent;
extern float gScaleVS1;
extern float gScaleVS2;
extern float gScaleVS3;
extern float gScaleOutputCurrent;

// The rules on a device index (0 for device 1, 1 for device 2), each said here once.

// Whether an index names one of the two devices.
constexpr bool IsDeviceIndex(int index) { return index == 0 || index == 1; }
// Whether start-up found a second chip.
bool HasSecondChip();
// The SMBus address of the chip at a device index.
int32_t DeviceAddress(int index);
// The record index of a chip address: 0 for device 1's address, 1 for anything
// else. Records, open flags and window pairs are all found this way.
int DeviceRecordIndex(int32_t DevAddr);
// For the live windows that show nothing for a chip they do not know: 0 or 1
// for the address of device 1 or 2, -1 for an address of neither.
int MatchingDeviceIndex(int32_t DevAddr);
// The device whose windows serve the chip at an address: device 2 only for the
// second chip's address, and only when there is a second chip.
int DeviceSlot(int32_t DevAddr);
