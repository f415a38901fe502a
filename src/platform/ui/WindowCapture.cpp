#include "WindowCapture.h"

#include <QPixmap>
#include <QWidget>

#include "platform/globals/ProgramGlobals.h"

namespace ui {
namespace {

std::function<QImage(QWidget*)> gCapture;

}  // namespace

QImage CaptureWindow(QWidget* window) {
  if (gCapture) return gCapture(window);
  return window ? window->grab().toImage() : QImage();
}

void SetWindowCaptureHandler(std::function<QImage(QWidget*)> handler) { gCapture = std::move(handler); }

void ResetWindowCapture() { gCapture = nullptr; }
[[maybe_unused]] const bool kWindowCaptureResetRegistered = globals::RegisterReset(globals::ResetStage::Seams, &ResetWindowCapture);

}  // namespace ui
