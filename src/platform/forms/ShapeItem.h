#pragma once
// A rectangle or an ellipse on a picture box, at Left, Top, Width, Height in
// twips, with a border and an optional fill.

#include <QColor>

#include "DrawItem.h"

namespace forms {

enum class ShapeKind { Rectangle, Ellipse };

class ShapeItem : public DrawItem {
  Q_OBJECT
 public:
  ShapeItem(PictureBox* surface, ShapeKind kind, double left, double top, double width, double height);

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

  ShapeKind Kind() const { return kind_; }
  void SetKind(ShapeKind kind) { Change(kind_, kind); }
  QColor BorderColor() const { return borderColor_; }
  void SetBorderColor(const QColor& color) { Change(borderColor_, color); }
  int BorderWidth() const { return borderWidth_; }  // pixels
  void SetBorderWidth(int pixels) { Change(borderWidth_, pixels < 1 ? 1 : pixels); }
  BorderStyle Style() const { return style_; }
  void SetStyle(BorderStyle style) { Change(style_, style); }
  QColor FillColor() const { return fillColor_; }
  void SetFillColor(const QColor& color) { Change(fillColor_, color); }
  bool Filled() const { return filled_; }  // false: the drawing shows through
  void SetFilled(bool filled) { Change(filled_, filled); }

  QRect PixelBounds() const override;
  void Paint(QPainter& painter) const override;

 private:
  QRect PixelRect() const;
  ShapeKind kind_;
  float left_, top_, width_, height_;
  QColor borderColor_{Qt::black};
  int borderWidth_ = 1;
  BorderStyle style_ = BorderStyle::Solid;
  QColor fillColor_{Qt::black};
  bool filled_ = false;
};

}  // namespace forms
