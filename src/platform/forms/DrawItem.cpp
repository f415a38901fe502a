#include "DrawItem.h"

#include "PictureBox.h"

namespace forms {

DrawItem::DrawItem(PictureBox* surface) : QObject(surface), surface_(surface) {}

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
