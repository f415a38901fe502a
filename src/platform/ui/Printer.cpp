#include "Printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/globals/ProgramGlobals.h"

namespace ui {
namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kTwipsPerInch = 1440;

std::function<std::unique_ptr<QPrinter>()> gFactory;

std::unique_ptr<QPrinter> DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

Printer::Printer(std::unique_ptr<QPrinter> device) : device_(std::move(device)) {}

// A page still open goes out as it stands when its painter ends, before the device goes.
Printer::~Printer() = default;

bool Printer::Fail(const QString& what) {
  error_ = what;
  return false;
}

bool Printer::SetOrientation(int setting) {
  if (painter_) return Fail(QStringLiteral("the page is already started"));
  if (setting != vbPRORPortrait && setting != vbPRORLandscape) return Fail(QStringLiteral("no such orientation"));
  device_->setPageOrientation(setting == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  error_.clear();
  return true;
}

bool Printer::StartPage() {
  if (painter_) return Fail(QStringLiteral("the page is already started"));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(device_.get())) return Fail(QStringLiteral("the printer did not start the job"));
  // A window's picture keeps every pixel, as the screen showed it.
  painter_->setRenderHint(QPainter::LosslessImageRendering);
  error_.clear();
  return true;
}

double Printer::Width() const { return device_->pageLayout().fullRectPoints().width() * kTwipsPerPoint; }

double Printer::Height() const { return device_->pageLayout().fullRectPoints().height() * kTwipsPerPoint; }

double Printer::PrintableWidth() const { return device_->pageLayout().paintRectPoints().width() * kTwipsPerPoint; }

void Printer::SetDocName(const QString& name) { device_->setDocName(name); }

bool Printer::PaintPicture(const QImage& picture, double left, double top, double width, double height) {
  if (!painter_ || !painter_->isActive()) return Fail(QStringLiteral("no page is started"));
  if (picture.isNull()) return Fail(QStringLiteral("there is no picture"));
  const double scale = device_->resolution() / kTwipsPerInch;
  painter_->drawImage(QRectF(left * scale, top * scale, width * scale, height * scale), picture);
  error_.clear();
  return true;
}

bool Printer::EndDoc() {
  if (!painter_ || !painter_->isActive()) return Fail(QStringLiteral("no page is started"));
  const bool sent = painter_->end() && device_->printerState() != QPrinter::Error;
  painter_.reset();
  if (!sent) return Fail(QStringLiteral("the printer did not take the page"));
  error_.clear();
  return true;
}

std::unique_ptr<Printer> OpenPrinter() {
  std::unique_ptr<QPrinter> device = gFactory ? gFactory() : DefaultPrinter();
  return device ? std::make_unique<Printer>(std::move(device)) : nullptr;
}

void SetPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory) { gFactory = std::move(factory); }

void ResetPrinter() { gFactory = nullptr; }
[[maybe_unused]] const bool kPrinterResetRegistered = globals::RegisterReset(globals::ResetStage::Seams, &ResetPrinter);

}  // namespace ui
