#pragma once
// Window geometry is designed in twips: 1/1440 inch, 15 to the pixel on screen.

#include <QPoint>
#include <QRect>
#include <cmath>

class QWidget;

namespace forms {

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, halves away from zero: the one mapping every control
// and every drawn item goes by, so that each lands on the same pixel.
inline int ToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int ToTwips(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }
inline QRect ToPixels(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

// Places a control at a twip rectangle inside its parent.
void Place(QWidget* widget, int left, int top, int width, int height);
// Moves a control to a twip position, keeping its size.
void PlaceAt(QWidget* widget, int left, int top);

}  // namespace forms
