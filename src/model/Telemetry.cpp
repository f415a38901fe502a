#include "Telemetry.h"

#include "DeviceInfo.h"
#include "NumberText.h"
#include "link/BoardLink.h"
#include "platform/globals/ProgramGlobals.h"

std::array<DeviceInfo, 2> gDevices{};
int16_t gDeviceCount = 0;
std::array<uint8_t, 2> gDevAddr{};
float gScaleInputVoltage = 0;
float gScaleInputCurrent = 0;
float gScaleVS1 = 0;
float gScaleVS2 = 0;
float gScaleVS3 = 0;
float gScaleOutputCurrent = 0;

namespace {

int16_t mPollPhase = 0;

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::State, &ResetDeviceState);

float Scaled(int32_t DevAddr, int32_t RegAddr, float factor) {
  const float value = Read12BitCode(DevAddr, RegAddr) * factor;
  return static_cast<float>(numtext::Round(value, 3));
}

}  // namespace

bool HasSecondChip() { return gDeviceCount == 2; }

int32_t DeviceAddress(int index) { return gDevAddr[static_cast<size_t>(index)]; }

int DeviceRecordIndex(int32_t DevAddr) { return DevAddr == gDevAddr[0] ? 0 : 1; }

int DeviceSlot(int32_t DevAddr) { return HasSecondChip() && DevAddr == gDevAddr[1] ? 1 : 0; }

int MatchingDeviceIndex(int32_t DevAddr) {
  if (DevAddr == gDevAddr[0]) return 0;
  if (DevAddr == gDevAddr[1]) return 1;
  return -1;
}

int16_t PollPhase() { return mPollPhase; }

float Read12BitCode(int32_t DevAddr, int32_t RegAddr) {
  const int first = ReadRegister(DevAddr, RegAddr);
  const int second = ReadRegister(DevAddr, RegAddr);
  return static_cast<float>(first * 16) + static_cast<float>(second) / 16.0f;
}

void PollDeviceReadings() {
  const float fInputVoltage = gScaleInputVoltage / 3000.0f;
  const float fInputCurrent = gScaleInputCurrent / 3000.0f;
  const float fVS1 = gScaleVS1 / 3000.0f;
  const float fVS2 = gScaleVS2 / 3000.0f;
  const float fVS3 = gScaleVS3 / 3000.0f;
  const float fOutputCurrent = gScaleOutputCurrent / 3000.0f;

  for (int i = 0; i < gDeviceCount && i < 2; ++i) {
    DeviceInfo& d = gDevices[i];
    const int32_t addr = d.Address;
    switch (mPollPhase) {
      case 0:
        d.InputVoltage = Scaled(addr, 0x11, fInputVoltage);
        d.InputCurrent = Scaled(addr, 0x12, fInputCurrent);
        d.InputPower = static_cast<float>(numtext::Round(d.InputCurrent * d.InputVoltage, 0));
        break;
      case 1:
        d.VS1 = Scaled(addr, 0x14, fVS1);
        d.VS2 = Scaled(addr, 0x15, fVS2);
        break;
      case 2:
        d.VS3 = Scaled(addr, 0x16, fVS3);
        d.OutputCurrent = Scaled(addr, 0x17, fOutputCurrent);
        d.OutputPower = static_cast<float>(numtext::Round(d.OutputCurrent * d.VS3, 3));
        break;
      case 3:
        d.Temperature = Read12BitCode(addr, 0x1A);
        d.Subharmonic = ReadRegister(addr, 0x1B);
        d.ACSNSTiming = ReadRegister(addr, 0x1C) & 0x7F;
        d.ShareBus = ReadRegister(addr, 0x1D);
        d.DutyCycle = ReadRegister(addr, 0x1E);
        d.LineImpedance = ReadRegister(addr, 0x1F);
        d.Efficiency = ReadRegister(addr, 0x20);
        break;
      default:
        ReadFaultFlags(addr);
        break;
    }
  }
  mPollPhase = static_cast<int16_t>((mPollPhase + 1) % 5);

  if (gSimulationMode) LoadSimulatedReadings();
}

void ReadFaultFlags(int32_t DevAddr) {
  DeviceInfo& d = gDevices[DeviceRecordIndex(DevAddr)];
  std::array<int, 4> fault{};
  for (int r = 0; r < 4; ++r) fault[r] = ReadRegister(DevAddr, r);
  int first = ReadRegister(DevAddr, 0x10);
  int second = ReadRegister(DevAddr, 0x10);
  if (gSimulationMode) {
    first = 0x3F;
    second = 0xC1;
  }
  d.FirstFlagValue = static_cast<float>(first * 16 + (second & 0xF0) / 16);
  d.FirstFlagSource = GetFaultSourceName(static_cast<int16_t>(second & 0x0F));

  // Flags 0-15: registers 0x00 and 0x01, bit 7 first. Flags 16-22: register 0x02
  // without its bit 3. Flags 23-29: register 0x03 bits 6 down to 0.
  int flag = 0;
  for (int r = 0; r < 2; ++r) {
    for (int bit = 7; bit >= 0; --bit) d.Flags[flag++] = (fault[r] >> bit) & 1;
  }
  for (int bit : {7, 6, 5, 4, 2, 1, 0}) d.Flags[flag++] = (fault[2] >> bit) & 1;
  for (int bit = 6; bit >= 0; --bit) d.Flags[flag++] = (fault[3] >> bit) & 1;
}

void LoadSimulatedReadings() {
  for (DeviceInfo& d : gDevices) {
    d.InputVoltage = 120;
    d.InputCurrent = 0.25f;
    d.InputPower = 30;
    d.VS1 = 12.1f;
    d.VS2 = 12.05f;
    d.VS3 = 12.0f;
    d.OutputCurrent = 2.0f;
    d.OutputPower = 24;
    d.Temperature = 25;
    d.ACSNS = 20;
    d.ShareBus = 4;
    d.DutyCycle = 45;
  }
}

void SetReadingFullScales() {
  gScaleInputVoltage = 670;
  gScaleInputCurrent = 0.4f;
  gScaleVS1 = 14.2f;
  gScaleVS2 = 14.2f;
  gScaleVS3 = 14.1f;
  gScaleOutputCurrent = 2.4f;
}

QString GetFaultSourceName(int16_t Code) {
  switch (Code) {
    case 0: return QStringLiteral("Power Supply");
    case 1: return QStringLiteral("OrFET");
    case 2: return QStringLiteral("PGood Fault");
    default: return QString();
  }
}

void ResetDeviceState() {
  gDevices = {};
  gDeviceCount = 0;
  gDevAddr = {};
  gScaleInputVoltage = gScaleInputCurrent = gScaleVS1 = gScaleVS2 = gScaleVS3 = gScaleOutputCurrent = 0;
  mPollPhase = 0;
}
