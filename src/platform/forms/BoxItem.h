#pragma once
// A drawn item that occupies a box: Left, Top, Width, Height in twips, held as
// Single like the designed coordinates. Shapes and labels are boxes.

#include "DrawItem.h"

namespace forms {

class BoxItem : public DrawItem {
  Q_OBJECT
 public:
  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void SetLeft(double twips) { Change(left_, twips); }
  void SetTop(double twips) { Change(top_, twips); }
  void SetWidth(double twips) { Change(width_, twips); }
  void SetHeight(double twips) { Change(height_, twips); }
  // Position and size at once, one repaint.
  void Move(double left, double top, double width, double height);

 protected:
  BoxItem(PictureBox* surface, double left, double top, double width, double height);
  // The box in pixels, its right and bottom edges the last pixels inside it.
  QRect PixelRect() const;
  // Sets the size without repainting, for a box that fits itself to its content.
  void Resize(float width, float height) {
    width_ = width;
    height_ = height;
  }

 private:
  float left_, top_, width_, height_;
};

}  // namespace forms
