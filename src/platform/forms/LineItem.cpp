#include "LineItem.h"

#include <QPainter>
#include <cmath>

#include "Twips.h"

namespace forms {
namespace {

template <typename Point>
void PaintAnySegment(QPainter& painter, const QPen& pen, Point a, Point b) {
  // Level and plumb lines of whole pixels stay crisp; slanted lines and
  // fractional widths, which no whole pixel can show, are smoothed.
  const bool smooth = (a.x() != b.x() && a.y() != b.y()) || pen.widthF() != std::floor(pen.widthF());
  if (painter.testRenderHint(QPainter::Antialiasing) != smooth) painter.setRenderHint(QPainter::Antialiasing, smooth);
  painter.setPen(pen);
  painter.drawLine(a, b);
}

}  // namespace

LineItem::LineItem(PictureBox* surface, double x1, double y1, double x2, double y2)
    : DrawItem(surface),
      x1_(static_cast<float>(x1)),
      y1_(static_cast<float>(y1)),
      x2_(static_cast<float>(x2)),
      y2_(static_cast<float>(y2)) {}

void LineItem::SetPoints(double x1, double y1, double x2, double y2) {
  ChangeFour(x1_, y1_, x2_, y2_, x1, y1, x2, y2);
}

QPen LineItem::MakePen(const QColor& color, qreal widthPixels, BorderStyle style) {
  QPen pen(color, widthPixels);
  if (style == BorderStyle::Dot) {
    pen.setStyle(Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setCapStyle(Qt::SquareCap);
  }
  return pen;
}

void LineItem::PaintSegment(QPainter& painter, const QPen& pen, QPoint a, QPoint b) {
  PaintAnySegment(painter, pen, a, b);
}

void LineItem::PaintSegment(QPainter& painter, const QPen& pen, QPointF a, QPointF b) {
  PaintAnySegment(painter, pen, a, b);
}

QRect LineItem::PixelBounds() const {
  const QPoint a(ToPixels(x1_), ToPixels(y1_));
  const QPoint b(ToPixels(x2_), ToPixels(y2_));
  // Half the pen, the square cap and one pixel of smoothing on either side.
  const int pad = width_ / 2 + 2;
  return QRect(a, b).normalized().adjusted(-pad, -pad, pad, pad);
}

void LineItem::Paint(QPainter& painter) const {
  if (style_ == BorderStyle::None) return;
  const QPoint a(ToPixels(x1_), ToPixels(y1_));
  const QPoint b(ToPixels(x2_), ToPixels(y2_));
  if (!penReady_) {
    pen_ = MakePen(color_, width_, style_);
    penReady_ = true;
  }
  PaintSegment(painter, pen_, a, b);
}

}  // namespace forms
