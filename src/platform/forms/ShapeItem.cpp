#include "ShapeItem.h"

#include <QPainter>

namespace forms {

ShapeItem::ShapeItem(PictureBox* surface, ShapeKind kind, double left, double top, double width, double height)
    : BoxItem(surface, left, top, width, height), kind_(kind) {}

QRect ShapeItem::PixelBounds() const { return PixelRect().normalized().adjusted(-1, -1, 1, 1); }

void ShapeItem::Paint(QPainter& painter) const {
  const QRect r = PixelRect().normalized();
  if (r.isEmpty()) return;
  const bool border = style_ != BorderStyle::None;
  const int w = border ? borderWidth_ : 0;
  if (kind_ == ShapeKind::Ellipse) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(filled_ ? QBrush(fillColor_) : QBrush(Qt::NoBrush));
    if (border) {
      QPen pen(borderColor_, w);
      if (style_ == BorderStyle::Dot) pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
    } else {
      painter.setPen(Qt::NoPen);
    }
    // The border lies inside the shape's box.
    painter.drawEllipse(QRectF(r).adjusted(0, 0, 1, 1).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    return;
  }
  if (filled_) painter.fillRect(r, fillColor_);
  if (style_ == BorderStyle::Solid) {
    // Level and plumb bands of the border width, inside the box.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), borderColor_);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), borderColor_);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), borderColor_);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), borderColor_);
  } else if (style_ == BorderStyle::Dot) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(borderColor_, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
  }
}

}  // namespace forms
