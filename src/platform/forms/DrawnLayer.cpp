#include "DrawnLayer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "LineItem.h"
#include "Twips.h"

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
    const Twips at{static_cast<float>(p.x()), static_cast<float>(p.y())};
    points_.push_back(at);
    const QPoint pixel(ToPixels(at.x), ToPixels(at.y));
    left = std::min(left, pixel.x());
    top = std::min(top, pixel.y());
    right = std::max(right, pixel.x());
    bottom = std::max(bottom, pixel.y());
  }
  // Half the pen, the square cap and one pixel of smoothing on either side,
  // which also holds the fraction of a pixel a finer device keeps.
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
  return points_.capacity() * sizeof(Twips) + strokes_.capacity() * sizeof(Stroke);
}

void DrawnLayer::Paint(QPainter& painter, const QRect& dirtyPixels) const {
  // A scale of 1 draws on the picture's whole pixels, exactly as line items do;
  // a finer device (a pixel ratio of 2) takes every point to its own nearest pixel.
  const QTransform& device = painter.deviceTransform();
  const bool finer = device.m11() != 1 || device.m22() != 1;
  const QTransform back = device.inverted();
  std::vector<QPoint> whole;
  std::vector<QPointF> fine;
  for (const Stroke& stroke : strokes_) {
    if (!stroke.bounds.intersects(dirtyPixels)) continue;
    const Twips* twips = points_.data() + stroke.first;
    whole.clear();
    fine.clear();
    for (uint32_t i = 0; i < stroke.count; ++i) {
      if (!finer) {
        whole.emplace_back(ToPixels(twips[i].x), ToPixels(twips[i].y));
        continue;
      }
      const QPointF at = device.map(QPointF(twips[i].x / static_cast<double>(kTwipsPerPixel),
                                            twips[i].y / static_cast<double>(kTwipsPerPixel)));
      fine.push_back(back.map(QPointF(std::round(at.x()), std::round(at.y()))));
    }
    const QPen pen = LineItem::MakePen(stroke.border, stroke.width, stroke.style);
    const int count = static_cast<int>(stroke.count);
    if (stroke.closed) {
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(pen);
      painter.setBrush(stroke.fill.isValid() ? QBrush(stroke.fill) : QBrush(Qt::NoBrush));
      if (finer) {
        painter.drawPolygon(fine.data(), count);
      } else {
        painter.drawPolygon(whole.data(), count);
      }
      continue;
    }
    // Segment by segment, as line items are drawn, so both look the same.
    if (finer) {
      if (count == 1) LineItem::PaintSegment(painter, pen, fine[0], fine[0]);
      for (int i = 1; i < count; ++i) LineItem::PaintSegment(painter, pen, fine[i - 1], fine[i]);
    } else {
      if (count == 1) LineItem::PaintSegment(painter, pen, whole[0], whole[0]);
      for (int i = 1; i < count; ++i) LineItem::PaintSegment(painter, pen, whole[i - 1], whole[i]);
    }
  }
}

}  // namespace forms
