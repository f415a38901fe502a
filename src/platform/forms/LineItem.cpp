#include "LineItem.h"

#include <QPainter>

namespace forms {

LineItem::LineItem(PictureBox* surface, double x1, double y1, double x2, double y2)
    : DrawItem(surface),
      x1_(static_cast<float>(x1)),
      y1_(static_cast<float>(y1)),
      x2_(static_cast<float>(x2)),
      y2_(static_cast<float>(y2)) {}

void LineItem::SetPoints(double x1, double y1, double x2, double y2) {
  ChangeFour(x1_, y1_, x2_, y2_, x1, y1, x2, y2);
}

QRect LineItem::PixelBounds() const {
  const QPoint a(TwipsToPixel(x1_), TwipsToPixel(y1_));
  const QPoint b(TwipsToPixel(x2_), TwipsToPixel(y2_));
  // Half the pen, the square cap and one pixel of smoothing on either side.
  const int pad = width_ / 2 + 2;
  return QRect(a, b).normalized().adjusted(-pad, -pad, pad, pad);
}

void LineItem::Paint(QPainter& painter) const {
  if (style_ == BorderStyle::None) return;
  const QPoint a(TwipsToPixel(x1_), TwipsToPixel(y1_));
  const QPoint b(TwipsToPixel(x2_), TwipsToPixel(y2_));
  if (!penReady_) {
    pen_ = QPen(color_, width_);
    if (style_ == BorderStyle::Dot) {
      pen_.setStyle(Qt::DotLine);
      pen_.setCapStyle(Qt::FlatCap);
    } else {
      pen_.setCapStyle(Qt::SquareCap);
    }
    penReady_ = true;
  }
  // Level and plumb lines stay crisp; slanted ones are smoothed.
  const bool smooth = a.x() != b.x() && a.y() != b.y();
  if (painter.testRenderHint(QPainter::Antialiasing) != smooth) painter.setRenderHint(QPainter::Antialiasing, smooth);
  painter.setPen(pen_);
  painter.drawLine(a, b);
}

}  // namespace forms
