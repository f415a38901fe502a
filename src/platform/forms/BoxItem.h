#pragma once
// A drawn item that occupies a box: Left, Top, Width, Height in twips, held as
// Single like the designed coordinates. Shapes and labels are boxes.

#include "DrawItem.h"

namespace forms {

class BoxItem : public DrawItem {
  Q_OBJECT
 public:
  float Left() const { return place_[0]; }
  float Top() const { return place_[1]; }
  float Width() const { return place_[2]; }
  float Height() const { return place_[3]; }
  void SetLeft(double twips) { Change(place_[0], twips); }
  void SetTop(double twips) { Change(place_[1], twips); }
  void SetWidth(double twips) { Change(place_[2], twips); }
  void SetHeight(double twips) { Change(place_[3], twips); }
  // Position and size at once, one repaint.
  void Move(double left, double top, double width, double height) { SetPlace(left, top, width, height); }

 protected:
  BoxItem(PictureBox* surface, double left, double top, double width, double height)
      : DrawItem(surface, left, top, width, height) {}
  // The box in pixels, its right and bottom edges the last pixels inside it.
  QRect PixelRect() const;
  // Sets the size without repainting, for a box that fits itself to its content.
  void Resize(float width, float height) {
    place_[2] = width;
    place_[3] = height;
  }
};

}  // namespace forms
