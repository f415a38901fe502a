#pragma once
// A straight line on a picture box, from (X1, Y1) to (X2, Y2) in twips.

#include <QColor>
#include <QPen>
#include <utility>

#include "DrawItem.h"

namespace forms {

class LineItem : public DrawItem {
  Q_OBJECT
 public:
  LineItem(PictureBox* surface, double x1, double y1, double x2, double y2) : DrawItem(surface, x1, y1, x2, y2) {}

  float X1() const { return place_[0]; }
  float Y1() const { return place_[1]; }
  float X2() const { return place_[2]; }
  float Y2() const { return place_[3]; }
  // Both ends at once, one repaint.
  void SetPoints(double x1, double y1, double x2, double y2) { SetPlace(x1, y1, x2, y2); }

  QColor BorderColor() const { return color_; }
  void SetBorderColor(const QColor& color) { Change(color_, color); penReady_ = false; }
  int BorderWidth() const { return width_; }  // pixels
  void SetBorderWidth(int pixels) { Change(width_, pixels < 1 ? 1 : pixels); penReady_ = false; }
  void SetStyle(BorderStyle style) { Change(style_, style); penReady_ = false; }

  QRect PixelBounds() const override;
  void Paint(QPainter& painter) const override;

  // The pen and the stroke every drawn line of the surface uses, items and drawn layer alike;
  // the drawn layer's points fall between pixels on a finer device.
  static QPen MakePen(const QColor& color, qreal widthPixels, BorderStyle style);
  static void PaintSegment(QPainter& painter, const QPen& pen, QPoint a, QPoint b);
  static void PaintSegment(QPainter& painter, const QPen& pen, QPointF a, QPointF b);

 private:
  std::pair<QPoint, QPoint> PixelEnds() const;

  QColor color_{Qt::black};
  int width_ = 1;
  BorderStyle style_ = BorderStyle::Solid;
  // Made once per look: charts repaint many lines per move.
  mutable QPen pen_;
  mutable bool penReady_ = false;
};

}  // namespace forms
