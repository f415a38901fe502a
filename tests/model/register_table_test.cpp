#include <QString>
#include <map>

#include "model/RegisterTable.h"
#include "support/Fixture.h"

namespace {

// Every address of the chip with its name as the register map and the saved file show it.
const std::map<int, QString> kExpectedNames = {
    {0x00, "Fault 1"},
    {0x01, "Fault 2"},
    {0x02, "Fault 3"},
    {0x03, "Fault 4"},
    {0x04, "Latched Fault 1"},
    {0x05, "Latched Fault 2"},
    {0x06, "Latched Fault 3"},
    {0x07, "Latched Fault 4"},
    {0x08, "Fault Config 1"},
    {0x09, "Fault Config 2"},
    {0x0A, "Fault Config 3"},
    {0x0B, "Fault Config 4"},
    {0x0C, "Fault Config 5"},
    {0x0D, "Fault Config 6"},
    {0x0E, "Fault Config 7"},
    {0x0F, "Fault Config 8"},
    {0x10, "First Flag"},
    {0x11, "VS1/PWM Value"},
    {0x12, "CS1 Value"},
    {0x13, "CS1*VS1/PWM Value"},
    {0x14, "VS1 Voltage Value"},
    {0x15, "VS2 Voltage Value"},
    {0x16, "VS3 Voltage Value"},
    {0x17, "CS2 Value"},
    {0x18, "CS2*VS3 Value"},
    {0x19, "Reserved"},
    {0x1A, "RTD Temperature Value"},
    {0x1B, "Subharmonic Value"},
    {0x1C, "ACSNS Timing Value"},
    {0x1D, "Share Bus Value"},
    {0x1E, "PWM Value"},
    {0x1F, "Line Impedance Value"},
    {0x20, "Efficiency Value"},
    {0x21, "CS1 Gain Trim"},
    {0x22, "CS1 OCP Limit"},
    {0x23, "CS2 Gain Trim"},
    {0x24, "CS2 Offset Trim"},
    {0x25, "Fast OCP Threshold"},
    {0x26, "OCP Setting"},
    {0x27, "Analog Share Bus Offset Setting"},
    {0x28, "Analog Share Bus Slope Setting"},
    {0x29, "Share Bus Setting"},
    {0x2A, "Reserved"},
    {0x2B, "Temperature Setting"},
    {0x2C, "PSON/Soft Start Setting"},
    {0x2D, "Pin Polarity Setting"},
    {0x2E, "PWM Limit"},
    {0x2F, "Subharmonic Limit"},
    {0x30, "OrFET"},
    {0x31, "VS3 Voltage Setting"},
    {0x32, "VS1 Overvoltage Limit (OVP)"},
    {0x33, "VS3 Overvoltage Limit (OVP)"},
    {0x34, "VS1 Undervoltage Limit (UVP)"},
    {0x35, "Line Impedance Limit"},
    {0x36, "Output Power Limit"},
    {0x37, "ACSNS Limit"},
    {0x38, "VS1 Trim"},
    {0x39, "VS2 Trim"},
    {0x3A, "VS3 Trim"},
    {0x3B, "Efficiency Limit"},
    {0x3C, "Sync Rec Disable Setting"},
    {0x3D, "Manufacturers ID"},
    {0x3E, "Device ID"},
    {0x3F, "Silicon Revision"},
    {0x40, "PWM and SR Pin Disable"},
    {0x41, "PWM1 Pos Edge Timing"},
    {0x42, "PWM1 Pos Edge Setting"},
    {0x43, "PWM1 Neg Edge Timing"},
    {0x44, "PWM1 Neg Edge Setting"},
    {0x45, "PWM2 Pos Edge Timing"},
    {0x46, "PWM2 Pos Edge Setting"},
    {0x47, "PWM2 Neg Edge Timing"},
    {0x48, "PWM2 Neg Edge Setting"},
    {0x49, "PWM3 Pos Edge Timing"},
    {0x4A, "PWM3 Pos Edge Setting"},
    {0x4B, "PWM3 Neg Edge Timing"},
    {0x4C, "PWM3 Neg Edge Setting"},
    {0x4D, "PWM4 Pos Edge Timing"},
    {0x4E, "PWM4 Pos Edge Setting"},
    {0x4F, "PWM4 Neg Edge Timing"},
    {0x50, "PWM4 Neg Edge Setting"},
    {0x51, "Sync Rect 1 Pos Edge Timing"},
    {0x52, "Sync Rect 1 Pos Edge Setting"},
    {0x53, "Sync Rect 1 Neg Edge Timing"},
    {0x54, "Sync Rect 1 Neg Edge Setting"},
    {0x55, "Sync Rect 2 Pos Edge Timing"},
    {0x56, "Sync Rect 2 Pos Edge Setting"},
    {0x57, "Sync Rect 2 Neg Edge Timing"},
    {0x58, "Sync Rect 2 Neg Edge Setting"},
    {0x59, "PWM AUX Pos Edge Timing"},
    {0x5A, "PWM AUX Pos Edge Setting"},
    {0x5B, "PWM AUX Neg Edge Timing"},
    {0x5C, "PWM AUX Neg Edge Setting"},
    {0x5D, "Switching Frequency Setting"},
    {0x5E, "Reserved"},
    {0x5F, "Reserved"},
    {0x60, "CCM Digital Filter LF Gain Setting"},
    {0x61, "CCM Digital Filter Zero Setting"},
    {0x62, "CCM Digital Filter Pole Setting"},
    {0x63, "CCM Digital Filter HF Gain Setting"},
    {0x64, "DCM Digital Filter LF Gain Setting"},
    {0x65, "DCM Digital Filter Zero Setting"},
    {0x66, "DCM Digital Filter Pole Setting"},
    {0x67, "DCM Digital Filter HF Gain Setting"},
    {0x68, "Password Lock"},
};

class RegisterTableTest : public support::Fixture {};

TEST_F(RegisterTableTest, EveryAddressCarriesItsName) {
  BuildRegisterTable();
  ASSERT_EQ(kExpectedNames.size(), size_t{kRegisterCount});
  for (const auto& [address, name] : kExpectedNames) {
    EXPECT_EQ(gRegTable[address].Name, name) << "address 0x" << std::hex << address;
    EXPECT_EQ(gRegTable[address].Address, address);
  }
}

TEST_F(RegisterTableTest, ExactlyFourAddressesAreReserved) {
  BuildRegisterTable();
  std::vector<int> reserved;
  for (int i = 0; i < kRegisterCount; ++i) {
    EXPECT_FALSE(gRegTable[i].Name.isEmpty()) << i;
    if (gRegTable[i].Name == kReservedName) reserved.push_back(i);
  }
  EXPECT_EQ(reserved, (std::vector<int>{0x19, 0x2A, 0x5E, 0x5F}));
  EXPECT_EQ(kReservedName, QStringLiteral("Reserved"));
  EXPECT_EQ(gRegTable[0x68].Name, QStringLiteral("Password Lock"));
}

TEST_F(RegisterTableTest, BuildingAgainReplacesRatherThanAppends) {
  BuildRegisterTable();
  const auto once = gRegTable;
  gRegTable[0x30].Name = QStringLiteral("changed");
  gRegTable[0x30].Address = 7;
  BuildRegisterTable();
  BuildRegisterTable();
  for (int i = 0; i < kRegisterCount; ++i) {
    EXPECT_EQ(gRegTable[i].Name, once[i].Name) << i;
    EXPECT_EQ(gRegTable[i].Address, once[i].Address) << i;
  }
}

}  // namespace
