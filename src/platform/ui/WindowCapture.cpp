#include "WindowCapture.h"

#include <QPixmap>
#include <QWidget>

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

}  // namespace ui
