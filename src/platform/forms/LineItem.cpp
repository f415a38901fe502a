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

std::pair<QPoint, QPoint> LineItem::PixelEnds() const {
  return {QPoint(ToPixels(X1()), ToPixels(Y1())), QPoint(ToPixels(X2()), ToPixels(Y2()))};
}

QRect LineItem::PixelBounds() const {
  const auto [a, b] = PixelEnds();
  // Half the pen, the square cap and one pixel of smoothing on either side.
  const int pad = width_ / 2 + 2;
  return QRect(a, b).normalized().adjusted(-pad, -pad, pad, pad);
}

void LineItem::Paint(QPainter& painter) const {
  if (style_ == BorderStyle::None) return;
  const auto [a, b] = PixelEnds();
  if (!penReady_) {
    pen_ = MakePen(color_, width_, style_);
    penReady_ = true;
  }
  PaintSegment(painter, pen_, a, b);
}

}  // namespace forms
