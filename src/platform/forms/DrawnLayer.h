#pragma once
// What a window draws on a picture box itself, as against the items it places
// there: polylines and polygons in twips, painted under every item until the
// window clears them. Clearing keeps the room the strokes took, so a window
// that clears and draws again and again uses no more memory than the first time.
// The strokes keep their fractions of a pixel: they land on the device's own
// pixels, which at a scale of 1 are the picture's, and between them on a finer one.

#include <QColor>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <cstdint>
#include <vector>

#include "DrawItem.h"

class QPainter;

namespace forms {

class DrawnLayer {
 public:
  // The pixels the new stroke covers, for the picture to repaint.
  QRect AddPolyline(const QPolygonF& twips, const QColor& color, qreal widthPixels, BorderStyle style);
  // Closed; filled with the fill colour unless it is invalid.
  QRect AddPolygon(const QPolygonF& twips, const QColor& border, qreal widthPixels, const QColor& fill);
  // The pixels the strokes covered.
  QRect Clear();

  bool Empty() const { return strokes_.empty(); }
  size_t MemoryBytes() const;
  void Paint(QPainter& painter, const QRect& dirtyPixels) const;

 private:
  struct Stroke {
    uint32_t first, count;
    QColor border, fill;
    qreal width;
    BorderStyle style;
    bool closed;
    QRect bounds;
  };
  QRect Add(const QPolygonF& twips, Stroke stroke);

  struct Twips {
    float x, y;
  };
  std::vector<Twips> points_;
  std::vector<Stroke> strokes_;
};

}  // namespace forms
