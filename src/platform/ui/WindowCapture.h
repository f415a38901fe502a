#pragma once
// A picture of one window as the screen shows it, frame and title included:
// what the window system puts on the clipboard for "capture the active window".
// Tests may put their own picture in its place.

#include <QImage>
#include <functional>

class QWidget;

namespace ui {

// The window's picture; a null image when there is no window to capture.
QImage CaptureWindow(QWidget* window);
void SetWindowCaptureHandler(std::function<QImage(QWidget*)> handler);  // an empty handler restores the real one

// Back to the real capture.
void ResetWindowCapture();

}  // namespace ui
