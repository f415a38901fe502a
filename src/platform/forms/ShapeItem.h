#pragma once
// A rectangle or an ellipse on a picture box, at Left, Top, Width, Height in
// twips, with a border and an optional fill.

#include <QColor>

#include "BoxItem.h"

namespace forms {

enum class ShapeKind { Rectangle, Ellipse };

class ShapeItem : public BoxItem {
  Q_OBJECT
 public:
  ShapeItem(PictureBox* surface, ShapeKind kind, double left, double top, double width, double height);

  ShapeKind Kind() const { return kind_; }
  QColor BorderColor() const { return borderColor_; }
  void SetBorderColor(const QColor& color) { Change(borderColor_, color); }
  int BorderWidth() const { return borderWidth_; }  // pixels
  void SetBorderWidth(int pixels) { Change(borderWidth_, pixels < 1 ? 1 : pixels); }
  void SetStyle(BorderStyle style) { Change(style_, style); }
  void SetFillColor(const QColor& color) { Change(fillColor_, color); }
  bool Filled() const { return filled_; }  // false: the drawing shows through
  void SetFilled(bool filled) { Change(filled_, filled); }

  QRect PixelBounds() const override;
  void Paint(QPainter& painter) const override;

 private:
  ShapeKind kind_;
  QColor borderColor_{Qt::black};
  int borderWidth_ = 1;
  BorderStyle style_ = BorderStyle::Solid;
  QColor fillColor_{Qt::black};
  bool filled_ = false;
};

}  // namespace forms
