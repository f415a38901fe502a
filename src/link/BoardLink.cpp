#include "BoardLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "BusMonitor.h"
#include "platform/globals/ProgramGlobals.h"
#include "platform/ui/Seams.h"
#include "platform/usb/USBFunctions.h"

bool gSimulationMode = false;
std::array<uint8_t, 256> gRegShadow{};

bool gSpyOpen = false;
bool gSpyPaused = false;
bool gIgnoreContinuousReads = false;

namespace {

constexpr int16_t kVendorRequest = 0xDE;
constexpr int16_t kHandshakeRequest = 0xDD;
constexpr int kPathBufferSize = 513;

uint8_t mReadBuffer = 0;
QString mFirmwarePath;
std::array<char, kPathBufferSize> mPathBytes{};
BusMonitorSink* gSink = nullptr;
// Set once the program is on its way out after a failed transfer. The message
// box runs an event loop in which the master timer still ticks; nothing may
// reach the board again, nor may a second failure stack a second message.
bool mEnding = false;

bool MonitorTakes(bool reads) {
  if (gSpyPaused || !gSpyOpen || !gSink) return false;
  return reads ? gSink->ShowReads() : gSink->ShowWrites();
}

BusRecord Record(BusRecord::Kind kind, int32_t DevAddr, int32_t reg, int32_t data) {
  return {kind, static_cast<uint8_t>(DevAddr), static_cast<uint8_t>(reg), static_cast<uint8_t>(data)};
}

// Register addresses are one byte on the bus; a larger number must not reach
// past the image or spill into the data byte of a write.
int32_t RegisterByte(int32_t RegAddr) { return RegAddr & 0xFF; }

[[maybe_unused]] const bool kResetRegistered = globals::RegisterReset(globals::ResetStage::State, &ResetBoardLink);

}  // namespace

int16_t ReadRegister(int32_t DevAddr, int32_t RegAddr) {
  if (mEnding) return 0;
  const int32_t reg = RegisterByte(RegAddr);
  uint8_t byte;
  if (gSimulationMode) {
    byte = gRegShadow[reg];
  } else {
    mReadBuffer = 0;
    const int16_t status = VendorIORequest(kVendorRequest, DevAddr, reg, 1, 1, &mReadBuffer);
    if (status != 0) ShowUsbErrorAndEnd(3);
    byte = mReadBuffer;
  }
  if (MonitorTakes(true) && IsSpyLoggedRead(reg)) gSink->AddRecord(Record(BusRecord::Read, DevAddr, reg, byte));
  return byte;
}

int16_t WriteRegister(int32_t DevAddr, int32_t RegAddr, int32_t& Data) {
  if (Data > 255) Data = 255;
  if (Data < 0) Data = 0;
  if (mEnding) return 0;
  const int32_t reg = RegisterByte(RegAddr);
  if (gSimulationMode) {
    gRegShadow[reg] = static_cast<uint8_t>(Data);
  } else {
    uint8_t unused = 0;
    const int16_t status = VendorIORequest(kVendorRequest, DevAddr, Data * 256 + reg, 0, 0, &unused);
    if (status != 0) ShowUsbErrorAndEnd(3);
    AfterRegisterWrite(reg);
  }
  if (MonitorTakes(false)) gSink->AddRecord(Record(BusRecord::Write, DevAddr, reg, Data));
  return 0;
}

int16_t DownloadFirmware() { return DownloadFirmwareFrom(QCoreApplication::applicationDirPath()); }

int16_t DownloadFirmwareFrom(const QString& directory) {
  mFirmwarePath = directory + QDir::separator() + QStringLiteral("KRV7310FW.Hex");
  // A path the buffer cannot hold is a failed download, never a shortened path.
  if (!StringToPathBytes(mFirmwarePath)) return -1;
  return LoadFirmWare(mPathBytes.data());
}

bool Handshake() {
  uint8_t buffer = 0;
  return VendorIORequest(kHandshakeRequest, 0x30, 0x33, 0, 0, &buffer) == 0;
}

bool StringToPathBytes(const QString& Text) {
  const QByteArray bytes = QFile::encodeName(Text);
  if (bytes.size() > kPathBufferSize - 1) return false;
  std::copy(bytes.begin(), bytes.end(), mPathBytes.begin());
  mPathBytes[static_cast<size_t>(bytes.size())] = 0;
  return true;
}

const char* FirmwarePathBytes() { return mPathBytes.data(); }

void LoadSimulatedRegisters() {
  static constexpr std::pair<int, uint8_t> kPreset[] = {
      {0x00, 0x85}, {0x01, 0x71}, {0x02, 0xFF}, {0x03, 0x22}, {0x08, 0x45}, {0x09, 0x21},
      {0x0A, 0xFF}, {0x0B, 0xCA}, {0x0C, 0x19}, {0x0D, 0x82}, {0x0E, 0xE3}, {0x3D, 0x41},
  };
  for (const auto& [reg, value] : kPreset) gRegShadow[reg] = value;
}

bool IsSpyLoggedRead(int32_t RegAddr) {
  if (!gIgnoreContinuousReads) return true;
  switch (RegAddr) {
    case 0x11: case 0x12: case 0x14: case 0x15: case 0x16: case 0x17: case 0x19:
    case 0x1A: case 0x1B: case 0x1C: case 0x1D: case 0x1E: case 0x1F: case 0x20:
      return false;
    default:
      return true;
  }
}

void ShowUsbErrorAndEnd(int16_t ErrCode) {
  mEnding = true;
  QString text;
  switch (ErrCode) {
    case 0: text = QStringLiteral("Firmware failed to download - Check USB connections"); break;
    case 2: text = QStringLiteral("Initial Connection Failed - Check USB connections"); break;
    default: text = QStringLiteral("Communications Interrupted - Check USB connections"); break;
  }
  ui::MsgBox(text, ui::vbOKOnly | ui::vbCritical, ui::kAppTitle);
  ui::AboutToEnd();
  ui::End();
}

void AfterRegisterWrite(int32_t /*RegAddr*/) {}

void Delay(float Ms) {
  const double start = ui::MonotonicSeconds();
  const double target = start + static_cast<float>(Ms / 1000.0f);
  for (double now = start; now <= target; now = ui::MonotonicSeconds()) {
    ui::SleepSeconds(std::min(target - now + 1e-6, 0.005));
  }
}

QString FormatHex(int32_t Value) {
  const QString digits = QString::number(static_cast<uint32_t>(Value), 16).toUpper();
  return (Value >= 0 && Value < 16 ? QStringLiteral("0x0") : QStringLiteral("0x")) + digits;
}

void SetBusMonitorSink(BusMonitorSink* sink) { gSink = sink; }
BusMonitorSink* GetBusMonitorSink() { return gSink; }

void ResetBusMonitor() {
  gSpyOpen = false;
  gSpyPaused = false;
  gIgnoreContinuousReads = false;
  gSink = nullptr;
}

void ResetBoardLink() {
  gSimulationMode = false;
  gRegShadow.fill(0);
  mReadBuffer = 0;
  mFirmwarePath.clear();
  mPathBytes.fill(0);
  mEnding = false;
  ResetBusMonitor();
}
