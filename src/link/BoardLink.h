#pragma once
// The only road between the program and the KRV7310 chips: every register read
// and write of every window, the simulated register image that stands in for a
// chip without a board, the bus-monitor lines, and the fatal end of the program
// when the board stops answering.

#include <QString>
#include <array>
#include <cstdint>

extern bool gSimulationMode;
extern std::array<uint8_t, 256> gRegShadow;

// One register byte (0 to 255) of the chip at a 7-bit SMBus address.
int16_t ReadRegister(int32_t DevAddr, int32_t RegAddr);

// Writes one register byte. Data above 255 is first set to 255 in the caller's
// variable (below 0, to 0). Always returns 0; a failed transfer ends the program.
int16_t WriteRegister(int32_t DevAddr, int32_t RegAddr, int32_t& Data);
inline int16_t WriteRegister(int32_t DevAddr, int32_t RegAddr, int32_t&& Data) {
  return WriteRegister(DevAddr, RegAddr, Data);
}

// Downloads the board firmware beside the executable. Negative: no board, or the download failed.
int16_t DownloadFirmware();
// The same with the firmware file in the given directory. A path longer than
// the 512-byte buffer is a failed download; the library is not called.
int16_t DownloadFirmwareFrom(const QString& directory);
// One handshake with the board's firmware: true when the board answered.
bool Handshake();
// Fills the firmware path buffer; false when the text does not fit it.
bool StringToPathBytes(const QString& Text);
const char* FirmwarePathBytes();

// Presets the simulated image with the fault and identification registers.
void LoadSimulatedRegisters();

// False only for a polled telemetry register while polled reads are hidden.
bool IsSpyLoggedRead(int32_t RegAddr);

// Message, the program's about-to-end hook (the shell unloads every window
// there), program ended. From its start no register transfer reaches the board
// any more (reads give 0).
[[noreturn]] void ShowUsbErrorAndEnd(int16_t ErrCode);

// Runs after every successful write to the board.
void AfterRegisterWrite(int32_t RegAddr);

// Waits, without letting window events through, until Ms milliseconds have passed.
void Delay(float Ms);

// "0x" and at least two upper-case hexadecimal digits: 0x05, 0x3D, 0xFF.
QString FormatHex(int32_t Value);

// Back to the state at program start.
void ResetBoardLink();
