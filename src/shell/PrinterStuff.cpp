#include "PrinterStuff.h"

#include <QCoreApplication>
#include <QImage>
#include <exception>

#include "FormStuff.h"
#include "model/NumberText.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Seams.h"
#include "platform/ui/WindowCapture.h"

namespace {

// One step of the printout; false ends it as a printer error.
bool PrintCapture(int devIndex) {
  DevicePage* page = LoadedPage<DevicePage>(PageKind::DigFilter, devIndex);
  if (!page) return false;
  ui::Clipboard& clipboard = ui::TheClipboard();
  clipboard.Clear();
  // What the system does for "capture the active window": the window as the
  // screen shows it goes onto the clipboard once pending events have run.
  QCoreApplication::processEvents();
  clipboard.SetImage(ui::CaptureWindow(page->Window()));

  std::unique_ptr<ui::Printer> printer = ui::OpenPrinter();
  if (!printer) return false;
  printer->SetDocName(page->Caption());
  // The window is wider than high.
  if (!printer->SetOrientation(ui::Printer::vbPRORLandscape) || !printer->StartPage()) return false;
  // The picture is painted from the printable area's corner, so that is the width it may take.
  const PrintedSize size = PrintedWindowSize(static_cast<float>(printer->PrintableWidth()),
                                             static_cast<float>(page->Width()), static_cast<float>(page->Height()));
  return printer->PaintPicture(clipboard.Image(), 0, 0, size.width, size.height) && printer->EndDoc();
}

}  // namespace

PrintedSize PrintedWindowSize(float pageWidth, float windowWidth, float windowHeight) {
  if (pageWidth < windowWidth) {
    return {numtext::RoundToInt(pageWidth), numtext::RoundToInt(pageWidth / windowWidth * windowHeight)};
  }
  return {numtext::RoundToInt(windowWidth), numtext::RoundToInt(windowHeight)};
}

void PrintFilterWindowCapture(int16_t& DevIndex) {
  bool printed = false;
  try {
    printed = PrintCapture(DevIndex);
  } catch (const std::exception&) {
    printed = false;
  }
  if (!printed) ui::MsgBox(QStringLiteral("Printer Error"), ui::vbOKOnly | ui::vbCritical);
}
