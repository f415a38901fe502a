#include "RegisterTable.h"

#include "platform/globals/ProgramGlobals.h"

std::array<RegisterInfo, kRegisterCount> gRegTable{};

namespace {

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::State, &ResetRegisterTable);

const char* const kNames[kRegisterCount] = {
    "Fault 1", "Fault 2", "Fault 3", "Fault 4",                                          // 0x00
    "Latched Fault 1", "Latched Fault 2", "Latched Fault 3", "Latched Fault 4",          // 0x04
    "Fault Config 1", "Fault Config 2", "Fault Config 3", "Fault Config 4",              // 0x08
    "Fault Config 5", "Fault Config 6", "Fault Config 7", "Fault Config 8",              // 0x0C
    "First Flag", "VS1/PWM Value", "CS1 Value", "CS1*VS1/PWM Value",                     // 0x10
    "VS1 Voltage Value", "VS2 Voltage Value", "VS3 Voltage Value", "CS2 Value",          // 0x14
    "CS2*VS3 Value", "Reserved", "RTD Temperature Value", "Subharmonic Value",           // 0x18
    "ACSNS Timing Value", "Share Bus Value", "PWM Value", "Line Impedance Value",        // 0x1C
    "Efficiency Value", "CS1 Gain Trim", "CS1 OCP Limit", "CS2 Gain Trim",               // 0x20
    "CS2 Offset Trim", "Fast OCP Threshold", "OCP Setting",                              // 0x24
    "Analog Share Bus Offset Setting",                                                   // 0x27
    "Analog Share Bus Slope Setting", "Share Bus Setting", "Reserved",                   // 0x28
    "Temperature Setting",                                                               // 0x2B
    "PSON/Soft Start Setting", "Pin Polarity Setting", "PWM Limit", "Subharmonic Limit",  // 0x2C
    "OrFET", "VS3 Voltage Setting", "VS1 Overvoltage Limit (OVP)",                       // 0x30
    "VS3 Overvoltage Limit (OVP)",                                                       // 0x33
    "VS1 Undervoltage Limit (UVP)", "Line Impedance Limit", "Output Power Limit",        // 0x34
    "ACSNS Limit",                                                                       // 0x37
    "VS1 Trim", "VS2 Trim", "VS3 Trim", "Efficiency Limit",                              // 0x38
    "Sync Rec Disable Setting", "Manufacturers ID", "Device ID", "Silicon Revision",     // 0x3C
    "PWM and SR Pin Disable", "PWM1 Pos Edge Timing", "PWM1 Pos Edge Setting",           // 0x40
    "PWM1 Neg Edge Timing",                                                              // 0x43
    "PWM1 Neg Edge Setting", "PWM2 Pos Edge Timing", "PWM2 Pos Edge Setting",            // 0x44
    "PWM2 Neg Edge Timing",                                                              // 0x47
    "PWM2 Neg Edge Setting", "PWM3 Pos Edge Timing", "PWM3 Pos Edge Setting",            // 0x48
    "PWM3 Neg Edge Timing",                                                              // 0x4B
    "PWM3 Neg Edge Setting", "PWM4 Pos Edge Timing", "PWM4 Pos Edge Setting",            // 0x4C
    "PWM4 Neg Edge Timing",                                                              // 0x4F
    "PWM4 Neg Edge Setting", "Sync Rect 1 Pos Edge Timing",                              // 0x50
    "Sync Rect 1 Pos Edge Setting", "Sync Rect 1 Neg Edge Timing",                       // 0x52
    "Sync Rect 1 Neg Edge Setting", "Sync Rect 2 Pos Edge Timing",                       // 0x54
    "Sync Rect 2 Pos Edge Setting", "Sync Rect 2 Neg Edge Timing",                       // 0x56
    "Sync Rect 2 Neg Edge Setting", "PWM AUX Pos Edge Timing",                           // 0x58
    "PWM AUX Pos Edge Setting", "PWM AUX Neg Edge Timing",                               // 0x5A
    "PWM AUX Neg Edge Setting", "Switching Frequency Setting", "Reserved", "Reserved",   // 0x5C
    "CCM Digital Filter LF Gain Setting", "CCM Digital Filter Zero Setting",             // 0x60
    "CCM Digital Filter Pole Setting", "CCM Digital Filter HF Gain Setting",             // 0x62
    "DCM Digital Filter LF Gain Setting", "DCM Digital Filter Zero Setting",             // 0x64
    "DCM Digital Filter Pole Setting", "DCM Digital Filter HF Gain Setting",             // 0x66
    "Password Lock",                                                                     // 0x68
};

}  // namespace

void BuildRegisterTable() {
  for (int i = 0; i < kRegisterCount; ++i) gRegTable[i].Name = QString::fromLatin1(kNames[i]);
  for (int i = 0; i < kRegisterCount; ++i) gRegTable[i].Address = i;
}

void ResetRegisterTable() { gRegTable = {}; }
