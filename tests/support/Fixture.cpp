#include "Fixture.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "model/DeviceInfo.h"
#include "model/StartUp.h"
#include "platform/globals/ProgramGlobals.h"
#include "platform/ui/Seams.h"
#include "platform/ui/WindowCapture.h"

namespace support {

std::vector<std::string> Transfers(const std::vector<usb::VendorRequest>& log, bool withDevice) {
  std::vector<std::string> lines;
  char buf[64];
  for (const usb::VendorRequest& r : log) {
    if (r.request == usb::kRequestHandshake) {
      lines.emplace_back("handshake");
      continue;
    }
    std::string line;
    if (withDevice) {
      std::snprintf(buf, sizeof buf, "0x%02X ", static_cast<unsigned>(r.value));
      line = buf;
    }
    if (r.direction == 1) {
      std::snprintf(buf, sizeof buf, "read 0x%02X", static_cast<unsigned>(r.index & 0xFF));
    } else {
      std::snprintf(buf, sizeof buf, "write 0x%02X = 0x%02X", static_cast<unsigned>(r.index & 0xFF),
                    static_cast<unsigned>((r.index >> 8) & 0xFF));
    }
    lines.push_back(line + buf);
  }
  return lines;
}

void Fixture::SetUp() {
  globals::ResetProgramGlobals();
  ui::SetMsgBoxHandler([this](const QString& prompt, int style, const QString& title) {
    asked_.push_back({prompt, style, title});
    if (watch_) watch_();
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
      return int(ui::vbOK);
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  });
  ui::SetEndHandler([] { throw ProgramEnded{}; });
  ui::SetTimerClock([this] { return timer_; });
  ui::SetMonotonicClock([this] { return monotonic_; }, [this](double s) { monotonic_ += s > 0 ? s : 1e-6; });
  ui::SetDateTimeText([] { return QStringLiteral("12/9/2026"); }, [] { return QStringLiteral("10:30 AM"); });
  ui::SetFileDialogHandler([](const ui::FileDialogRequest&) {
    ADD_FAILURE() << "unexpected file dialog";
    return QString();
  });
}

void Fixture::TearDown() {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    ADD_FAILURE() << "a modal dialog was left open: " << modal->windowTitle().toStdString();
    modal->close();
  }
  // Windows unload while the scripted answers are still in place.
  globals::ResetProgramGlobals();
  FlushDeletes();
  if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " scripted message box answer(s) were not used";
}

usb::EmulatedBoard& Fixture::AttachBoard(const std::vector<int>& chipAddresses) {
  board_ = std::make_shared<usb::EmulatedBoard>();
  for (int address : chipAddresses) board_->AddChip(address);
  usb::AttachBoard(board_);
  const std::string firmware = (QCoreApplication::applicationDirPath() + "/KRV7310FW.Hex").toStdString();
  EXPECT_EQ(LoadFirmWare(firmware.c_str()), 0) << "firmware image missing beside the test binary";
  board_->ClearLog();
  return *board_;
}

usb::EmulatedBoard& Fixture::StartWithChips(const std::vector<int>& chipAddresses) {
  usb::EmulatedBoard& board = AttachBoard(chipAddresses);
  gDeviceCount = 0;
  for (int address : chipAddresses) {
    if (gDeviceCount == 2) break;
    gDevices[gDeviceCount].Name = QStringLiteral("KRV7310");
    gDevices[gDeviceCount].Address = address;
    gDevAddr[gDeviceCount] = static_cast<uint8_t>(address);
    ++gDeviceCount;
  }
  return board;
}

void Fixture::StartInSimulation() {
  gDevices[0].Name = gDevices[1].Name = QStringLiteral("KRV7310");
  EnterSimulation();
}

std::vector<std::string> Fixture::Bus(bool withDevice) const {
  return board_ ? Transfers(board_->Log(), withDevice) : std::vector<std::string>{};
}

void Fixture::ClearBus() {
  if (board_) board_->ClearLog();
}

void Fixture::FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace support
