#include "LimitsFields.h"

#include <cmath>

#include "model/NumberText.h"

namespace limits {

namespace {
QStringList Texts(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* t : texts) list << QString::fromUtf8(t);
  return list;
}
}  // namespace

QStringList FaultRowCaptions() {
  return Texts({"ACSNS Timing", "ACSNS Amplitude", "Fast OCP", "OCP CS1", "OCP CS2", "Voltage Sense", "UVP",
                "Reverse Voltage", "Ground Fault", "Load OVP (VS2 or VS3)", "Local OVP (VS1)", "OTP", "Share Bus",
                "External Flag Input (FLAGIN)"});
}

QStringList FaultColumnHeadings() { return Texts({"Action", "Resolve Issue", "Timing"}); }

QStringList ActionItems() {
  return Texts({"Ignore Flag Completely", "Disable Sync Rec", "Disable OrFET", "Disable Power Supply"});
}

QStringList ResolveItems() {
  return Texts({"Re-enable 1 second after flag=0", "Remain Disabled. Only PSON can re-enable"});
}

QStringList TimingItems() { return Texts({"After Delay", "Immediately"}); }

QStringList IndicatorCaptions() {
  return Texts({"Power Supply",
                "OrFET",
                "PGood Fault",
                "ACSNS Timing",
                "ACSNS Amplitude",
                "Fast OCP",
                "OCP CS1",
                "OCP CS2",
                "Voltage Sense",
                "UVP",
                "Reverse Voltage",
                "Vdd UV",
                "Vdd OV",
                "Ground Fault",
                "Load OVP",
                "Local OVP",
                "OTP",
                "Share Bus",
                "Chip Temp Alert",
                "Constant Power",
                "Reserved",
                "Line Impedance",
                "Efficiency",
                "External Flag",
                "Reserved",
                "ADDRESS",
                "DCM",
                "Subharmonic",
                "Duty Cycle",
                "Loop Stability",
                "CRC Fault",
                "EEPROM Unlocked"});
}

QString IndicatorToolTip() { return QStringLiteral("Interrupt Status: Green=OK, Red=Bad, Invisible=Disabled"); }

QString FirstFlagText(float value) { return QStringLiteral("0x") + numtext::Hex(static_cast<long long>(value)); }

// Scaled readings run to their value at register code 3000 with the default
// scale values, rounded up; the duty cycle to 100 %; the temperature over the
// chip's operating range.
const std::array<GaugeSpec, 12> kGauges = {{
    {0, 0, "I/P Voltage", &DeviceInfo::InputVoltage, "V", 0, 700},
    {1, 0, "I/P Current", &DeviceInfo::InputCurrent, "A", 0, 0.4},
    {2, 0, "I/P Power", &DeviceInfo::InputPower, "W", 0, 300},
    {3, 2, "VS1", &DeviceInfo::VS1, "V", 0, 15},
    {4, 2, "VS2", &DeviceInfo::VS2, "V", 0, 15},
    {5, 1, "O/P Voltage", &DeviceInfo::VS3, "V", 0, 15},
    {6, 1, "O/P Current", &DeviceInfo::OutputCurrent, "A", 0, 2.5},
    {7, 1, "O/P Power", &DeviceInfo::OutputPower, "W", 0, 35},
    {9, 2, "ACSNS", &DeviceInfo::ACSNS, "V", 0, 50},
    {10, 2, "Temperature", &DeviceInfo::Temperature, "°C", -40, 125},
    {11, 2, "Share Bus", &DeviceInfo::ShareBus, "V", 0, 10},
    {12, 2, "Duty Cycle", &DeviceInfo::DutyCycle, "%", 0, 100},
}};

QStringList GaugeFrameCaptions() { return Texts({"Input", "Output", "General"}); }

QString GaugeToolTip() { return QStringLiteral("Drag the sliders to change the limits"); }

QString GaugeCaption(float reading, const char* unit) {
  // Number text writes what is not finite as 0, which would read as a sound reading.
  if (!std::isfinite(reading)) return QStringLiteral("Overflow");
  return numtext::Str(numtext::Round(static_cast<double>(reading), 2)) + QString::fromUtf8(unit);
}

namespace {
constexpr unsigned kInputVoltageColor = 0xD62728;
constexpr unsigned kVS3Color = 0x1F77B4;
constexpr unsigned kVS1Color = 0x2CA02C;
constexpr unsigned kVS2Color = 0xFF7F0E;
constexpr unsigned kInputCurrentColor = 0x9467BD;
constexpr unsigned kOutputCurrentColor = 0x17869A;
constexpr unsigned kInputPowerColor = 0x8C564B;
constexpr unsigned kOutputPowerColor = 0xD6409F;
}  // namespace

const std::array<ChartSpec, kCharts> kChartSpecs = {{
    {{"Voltage (V)", "Voltage (V)", "Current (A)", "Power (W)"},
     {{{&DeviceInfo::InputVoltage, "I/P Voltage", 0, kInputVoltageColor},
       {&DeviceInfo::VS3, "VS3 (O/P Voltage)", 1, kVS3Color},
       {&DeviceInfo::VS1, "VS1", 1, kVS1Color},
       {&DeviceInfo::VS2, "VS2", 1, kVS2Color},
       {&DeviceInfo::InputCurrent, "I/P Current", 2, kInputCurrentColor},
       {&DeviceInfo::OutputCurrent, "O/P Current", 2, kOutputCurrentColor},
       {&DeviceInfo::InputPower, "I/P Power", 3, kInputPowerColor},
       {&DeviceInfo::OutputPower, "O/P Power", 3, kOutputPowerColor}}},
     8},
    {{"Voltage (V)", "Voltage (V)", nullptr, nullptr},
     {{{&DeviceInfo::InputVoltage, "I/P Voltage", 0, kInputVoltageColor},
       {&DeviceInfo::VS3, "O/P Voltage (VS3)", 1, kVS3Color},
       {&DeviceInfo::VS1, "VS1", 1, kVS1Color},
       {&DeviceInfo::VS2, "VS2", 1, kVS2Color}}},
     4},
    {{"Current(A)", nullptr, nullptr, nullptr},
     {{{&DeviceInfo::InputCurrent, "I/P Current", 0, kInputCurrentColor},
       {&DeviceInfo::OutputCurrent, "O/P Current", 0, kOutputCurrentColor}}},
     2},
    {{"Power(W)", nullptr, nullptr, nullptr},
     {{{&DeviceInfo::InputPower, "I/P Power", 0, kInputPowerColor},
       {&DeviceInfo::OutputPower, "O/P Power", 0, kOutputPowerColor}}},
     2},
}};

QStringList GraphItems() { return Texts({"Voltage, Current and Power", "Voltage Only", "Current Only", "Power Only"}); }

const std::array<ScaleRow, 13> kScaleRows = {{
    {"I/P Voltage", "3000", 0, "V", &gScaleInputVoltage},
    {"O/P Voltage (VS3)", "3000", 1, "V", &gScaleVS3},
    {"VS1", "3000", 2, "V", &gScaleVS1},
    {"VS2", "3000", 3, "V", &gScaleVS2},
    {"I/P Current", "3000", 4, "A", &gScaleInputCurrent},
    {"O/P Current", "3000", 5, "A", &gScaleOutputCurrent},
    {"Temperature", "3000", 9, "°C", nullptr},
    {"Subharmonic", "200", 10, "?", nullptr},
    {"ACSNS Timing", "100", 11, "?", nullptr},
    {"Share Bus", "200", 12, "V", nullptr},
    {"PWM Value", "200", 13, "%", nullptr},
    {"Line Impedance", "?", 14, "Ohm", nullptr},
    {"Efficiency", "?", 15, "%", nullptr},
}};

QStringList ScaleHeadings() { return Texts({"Channel", "Register Code", "Value"}); }

std::optional<float> ScaleValueOf(const QString& text) {
  const std::optional<double> number = numtext::LeadingNumber(text);
  // From the float's largest value and half its last step on, a number rounds
  // to infinity (1e39, 1e400), and every reading then with it; below, it rounds
  // to a float ("3.4028235e38" is the largest).
  constexpr double kRoundsToInfinity = 0x1.ffffffp+127;
  if (!number || !(std::fabs(*number) < kRoundsToInfinity)) return std::nullopt;
  return static_cast<float>(*number);
}

QString ScaleRefusal(const char* channel) {
  return QStringLiteral("Enter a number for the ") + QString::fromUtf8(channel) + QStringLiteral(" scale value.");
}

}  // namespace limits
