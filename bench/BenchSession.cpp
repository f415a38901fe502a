#include "BenchSession.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "design/DesignPages.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/Telemetry.h"
#include "platform/forms/DesignFont.h"
#include "platform/usb/EmulatedBoard.h"
#include "platform/usb/USBFunctions.h"
#include "settings/SettingsPages.h"
#include "platform/globals/ProgramGlobals.h"
#include "platform/ui/WindowSystemSeams.h"
#include "shell/FormStuff.h"
#include "shell/Session.h"
#include "shell/frmMain.h"

namespace bench {

int Main(int argc, char** argv, const std::function<void()>& run) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ui::InstallWindowSystemSeams();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (run) {
    run();
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();
  return 0;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bool PaintCount::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) ++count;
  return false;
}

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

TwoChipSession::TwoChipSession() : board_(std::make_shared<usb::EmulatedBoard>()) {
  forms::ApplyDesignFont();
  RegisterSettingsPages();
  RegisterDesignPages();
  board_->AddChip(0x48);
  board_->AddChip(0x4A);
  const int filterSet[] = {0x03, 0xEE, 0x96, 0x0F};  // LF, zero, pole and HF gain of the CCM and DCM sets
  for (int chip : {0x48, 0x4A}) {
    for (int i = 0; i < 4; ++i) {
      board_->SetReg(chip, 0x60 + i, static_cast<uint8_t>(filterSet[i]));
      board_->SetReg(chip, 0x64 + i, static_cast<uint8_t>(filterSet[i]));
    }
  }
  usb::AttachBoard(board_);
  const QByteArray firmware = (QCoreApplication::applicationDirPath() + "/KRV7310FW.Hex").toLocal8Bit();
  LoadFirmWare(firmware.constData());
  gDeviceCount = 2;
  const int addresses[2] = {0x48, 0x4A};
  for (int i = 0; i < 2; ++i) {
    gDevices[static_cast<size_t>(i)].Name = QStringLiteral("KRV7310");
    gDevices[static_cast<size_t>(i)].Address = addresses[i];
    gDevAddr[static_cast<size_t>(i)] = static_cast<uint8_t>(addresses[i]);
  }
  StartSession();
  gMainForm->tmrMaster->stop();
  Settle();
}

TwoChipSession::~TwoChipSession() {
  globals::ResetProgramGlobals();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TwoChipSession::Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

}  // namespace bench
