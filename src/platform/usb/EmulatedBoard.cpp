#include "EmulatedBoard.h"

#include <cctype>
#include <fstream>

#include "USBFunctions.h"
#include "platform/globals/ProgramGlobals.h"

namespace usb {
namespace {

std::shared_ptr<EmulatedBoard> gBoard;
// The program starts with nothing plugged in.
[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::State, [] { gBoard.reset(); });

int HexNibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void EmulatedBoard::AddChip(int address) {
  Chip& chip = chips_[address & 0x7F];
  chip.regs[0x3D] = 0x41;
}

bool EmulatedBoard::HasChip(int address) const { return chips_.count(address & 0x7F) != 0; }

uint8_t EmulatedBoard::Reg(int address, int reg) const {
  auto it = chips_.find(address & 0x7F);
  return it == chips_.end() ? 0xFF : it->second.regs[reg & 0xFF];
}

void EmulatedBoard::SetReg(int address, int reg, uint8_t value) { chips_[address & 0x7F].regs[reg & 0xFF] = value; }

void EmulatedBoard::QueueReads(int address, int reg, std::vector<uint8_t> bytes) {
  auto& queue = chips_[address & 0x7F].queued[reg & 0xFF];
  queue.insert(queue.end(), bytes.begin(), bytes.end());
}

int16_t EmulatedBoard::LoadFirmware(const char* path) {
  ++firmwareDownloads_;
  firmwarePath_ = path ? path : "";
  firmwareRunning_ = !refuseFirmware_ && path && IsValidHexFile(firmwarePath_);
  return firmwareRunning_ ? 0 : -2;
}

int16_t EmulatedBoard::Request(int16_t request, int32_t value, int32_t index, int16_t direction, int16_t length,
                               uint8_t* buffer) {
  VendorRequest entry{request, value, index, direction, length, 0, 0};
  ++requestCount_;
  if (!firmwareRunning_ || requestCount_ == failAt_) {
    entry.status = -1;
  } else if (request == kRequestHandshake) {
    if (handshakeFailures_ > 0) {
      --handshakeFailures_;
      entry.status = -1;
    }
  } else if (request == kRequestRegister) {
    auto it = chips_.find(value & 0x7F);
    if (direction == 1) {
      // A read at an address where no chip answers still completes: the bus reads high.
      uint8_t byte = 0xFF;
      if (it != chips_.end()) {
        auto& queue = it->second.queued[index & 0xFF];
        if (!queue.empty()) {
          byte = queue.front();
          queue.pop_front();
        } else {
          byte = it->second.regs[index & 0xFF];
        }
      }
      if (buffer && length >= 1) buffer[0] = byte;
      entry.byteRead = byte;
    } else if (it != chips_.end()) {
      it->second.regs[index & 0xFF] = static_cast<uint8_t>((index >> 8) & 0xFF);
    }
  } else {
    entry.status = -1;
  }
  log_.push_back(entry);
  return entry.status;
}

void AttachBoard(std::shared_ptr<EmulatedBoard> board) { gBoard = std::move(board); }
EmulatedBoard* AttachedBoard() { return gBoard.get(); }

bool IsValidHexFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  bool sawEnd = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (sawEnd || line[0] != ':' || line.size() < 11 || (line.size() - 1) % 2 != 0) return false;
    unsigned sum = 0;
    std::vector<int> bytes;
    for (size_t i = 1; i + 1 < line.size(); i += 2) {
      const int hi = HexNibble(line[i]);
      const int lo = HexNibble(line[i + 1]);
      if (hi < 0 || lo < 0) return false;
      bytes.push_back(hi * 16 + lo);
      sum += static_cast<unsigned>(hi * 16 + lo);
    }
    if ((sum & 0xFF) != 0 || static_cast<size_t>(bytes[0]) + 5 != bytes.size()) return false;
    if (bytes[3] == 0x01) sawEnd = true;
  }
  return sawEnd;
}

}  // namespace usb

int16_t LoadFirmWare(const char* path) {
  usb::EmulatedBoard* board = usb::AttachedBoard();
  return board ? board->LoadFirmware(path) : -1;
}

int16_t VendorIORequest(int16_t request, int32_t value, int32_t index, int16_t direction, int16_t length,
                        uint8_t* buffer) {
  usb::EmulatedBoard* board = usb::AttachedBoard();
  return board ? board->Request(request, value, index, direction, length, buffer) : -1;
}
