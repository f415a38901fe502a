#pragma once
// Finding the chips behind the evaluation board: firmware download, the first
// contact with the board, and the scan of the SMBus. The splash window shows
// the progress through the StartUpProgress it hands in.

#include <QString>

// What discovery shows on the splash window while it runs.
class StartUpProgress {
 public:
  virtual ~StartUpProgress() = default;
  // The bar's full width as laid out, in twips.
  virtual double BarFullWidth() const = 0;
  // The bar's width in twips, repainted at once.
  virtual void SetBarWidth(double twips) = 0;
  // The status line, repainted at once.
  virtual void ShowStatus(const QString& text) = 0;
  virtual void ShowBarAndStatus() = 0;
  // Lets pending window events run.
  virtual void ProcessEvents() = 0;
};

// Download, handshake and scan; fills gDeviceCount, gDevAddr and the device records,
// or enters simulation when the user accepts it after a failed download.
void ConnectAndFindDevices(StartUpProgress& progress);

// The four assignments of simulation mode, and the preset register image.
void EnterSimulation();
