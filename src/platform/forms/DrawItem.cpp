#include "DrawItem.h"

#include "PictureBox.h"

namespace forms {

DrawItem::DrawItem(PictureBox* surface, double a, double b, double c, double d)
    : QObject(surface),
      place_{static_cast<float>(a), static_cast<float>(b), static_cast<float>(c), static_cast<float>(d)},
      surface_(surface) {}

void DrawItem::SetPlace(double a, double b, double c, double d) {
  const std::array<float, 4> next{static_cast<float>(a), static_cast<float>(b), static_cast<float>(c),
                                  static_cast<float>(d)};
  if (next == place_) return;
  Invalidate();
  place_ = next;
  Invalidate();
}

DrawItem::~DrawItem() {
  if (surface_) surface_->Remove(this);
}

void DrawItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (surface_) surface_->RepaintPixels(PixelBounds());
}

void DrawItem::ZOrder() {
  if (surface_) surface_->BringToFront(this);
}

void DrawItem::Invalidate() const {
  if (visible_ && surface_) surface_->RepaintPixels(PixelBounds());
}

}  // namespace forms
