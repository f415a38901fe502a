#include "BoxItem.h"

#include "Twips.h"

namespace forms {

BoxItem::BoxItem(PictureBox* surface, double left, double top, double width, double height)
    : DrawItem(surface),
      left_(static_cast<float>(left)),
      top_(static_cast<float>(top)),
      width_(static_cast<float>(width)),
      height_(static_cast<float>(height)) {}

void BoxItem::Move(double left, double top, double width, double height) {
  ChangeFour(left_, top_, width_, height_, left, top, width, height);
}

QRect BoxItem::PixelRect() const {
  return QRect(QPoint(ToPixels(left_), ToPixels(top_)),
               QPoint(ToPixels(left_ + width_) - 1, ToPixels(top_ + height_) - 1));
}

}  // namespace forms
