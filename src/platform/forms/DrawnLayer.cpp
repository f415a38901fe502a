#include "DrawnLayer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "LineItem.h"

namespace forms {

QRect DrawnLayer::AddPolyline(const QPolygonF& twips, const QColor& color, qreal widthPixels, BorderStyle style) {
  return Add(twips, {0, 0, color, QColor(), widthPixels, style, false, QRect()});
}

QRect DrawnLayer::AddPolygon(const QPolygonF& twips, const QColor& border, qreal widthPixels, const QColor& fill) {
  return Add(twips, {0, 0, border, fill, widthPixels, BorderStyle::Solid, true, QRect()});
}

QRect DrawnLayer::Add(const QPolygonF& twips, Stroke stroke) {
  if (twips.isEmpty()) return QRect();
  stroke.first = static_cast<uint32_t>(points_.size());
  stroke.count = static_cast<uint32_t>(twips.size());
  int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  for (const QPointF& p : twips) {
    const QPoint pixel(TwipsToPixel(static_cast<float>(p.x())), TwipsToPixel(static_cast<float>(p.y())));
    points_.push_back(pixel);
    left = std::min(left, pixel.x());
    top = std::min(top, pixel.y());
    right = std::max(right, pixel.x());
    bottom = std::max(bottom, pixel.y());
  }
  // Half the pen, the square cap and one pixel of smoothing on either side.
  const int pad = static_cast<int>(std::ceil(stroke.width / 2)) + 2;
  stroke.bounds = QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-pad, -pad, pad, pad);
  strokes_.push_back(stroke);
  return stroke.bounds;
}

QRect DrawnLayer::Clear() {
  QRect covered;
  for (const Stroke& stroke : strokes_) covered |= stroke.bounds;
  points_.clear();
  strokes_.clear();
  return covered;
}

size_t DrawnLayer::MemoryBytes() const {
  return points_.capacity() * sizeof(QPoint) + strokes_.capacity() * sizeof(Stroke);
}

void DrawnLayer::Paint(QPainter& painter, const QRect& dirtyPixels) const {
  for (const Stroke& stroke : strokes_) {
    if (!stroke.bounds.intersects(dirtyPixels)) continue;
    const QPoint* points = points_.data() + stroke.first;
    const QPen pen = LineItem::MakePen(stroke.border, stroke.width, stroke.style);
    if (stroke.closed) {
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(pen);
      painter.setBrush(stroke.fill.isValid() ? QBrush(stroke.fill) : QBrush(Qt::NoBrush));
      painter.drawPolygon(points, static_cast<int>(stroke.count));
      continue;
    }
    // Segment by segment, as line items are drawn, so both look the same.
    if (stroke.count == 1) LineItem::PaintSegment(painter, pen, points[0], points[0]);
    for (uint32_t i = 1; i < stroke.count; ++i) LineItem::PaintSegment(painter, pen, points[i - 1], points[i]);
  }
}

}  // namespace forms
