#pragma once
// An evaluation board in software: the USB controller that needs its firmware,
// the handshake, and KRV7310 chips on the SMBus, each a 256-byte register file.
// Faults can be switched on, and every vendor request is logged.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace usb {

constexpr int16_t kRequestHandshake = 0xDD;
constexpr int16_t kRequestRegister = 0xDE;

struct VendorRequest {
  int16_t request = 0;
  int32_t value = 0;
  int32_t index = 0;
  int16_t direction = 0;
  int16_t length = 0;
  uint8_t byteRead = 0;  // the byte placed in the buffer by a read
  int16_t status = 0;
};

class EmulatedBoard {
 public:
  // A chip answers at a 7-bit address (higher bits are ignored); its
  // identification register 0x3D reads 0x41.
  void AddChip(int address);
  bool HasChip(int address) const;
  uint8_t Reg(int address, int reg) const;
  void SetReg(int address, int reg, uint8_t value);
  // Reads of this register return these bytes first, one per read, then the register's byte.
  void QueueReads(int address, int reg, std::vector<uint8_t> bytes);

  // The next `count` handshakes fail.
  void FailHandshakes(int count) { handshakeFailures_ = count; }
  // The request with this 1-based number (counting every request since attach) fails.
  void FailRequestNumber(int number) { failAt_ = number; }
  // Runs with each request's 1-based number before the request is answered; it
  // may still make that very request fail (FailRequestNumber).
  void SetBeforeRequest(std::function<void(int number)> hook) { beforeRequest_ = std::move(hook); }
  // The firmware download is refused whatever the file.
  void RefuseFirmware(bool refuse) { refuseFirmware_ = refuse; }

  bool FirmwareRunning() const { return firmwareRunning_; }
  const std::string& FirmwarePath() const { return firmwarePath_; }
  int FirmwareDownloads() const { return firmwareDownloads_; }  // calls of LoadFirmWare
  const std::vector<VendorRequest>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  int RequestCount() const { return requestCount_; }

  int16_t LoadFirmware(const char* path);
  int16_t Request(int16_t request, int32_t value, int32_t index, int16_t direction, int16_t length, uint8_t* buffer);

 private:
  struct Chip {
    std::array<uint8_t, 256> regs{};
    std::map<int, std::deque<uint8_t>> queued;
  };
  std::map<int, Chip> chips_;
  int handshakeFailures_ = 0;
  int failAt_ = 0;
  int requestCount_ = 0;
  int firmwareDownloads_ = 0;
  bool refuseFirmware_ = false;
  bool firmwareRunning_ = false;
  std::string firmwarePath_;
  std::vector<VendorRequest> log_;
  std::function<void(int)> beforeRequest_;
};

// Plugs a board in (or, with nullptr, pulls it out). The library talks to this board.
void AttachBoard(std::shared_ptr<EmulatedBoard> board);
EmulatedBoard* AttachedBoard();

// True when the file is an Intel HEX image: every line a record with a valid
// checksum, ending with an end-of-file record.
bool IsValidHexFile(const std::string& path);

}  // namespace usb
