#include "PicturePen.h"

#include "Twips.h"

namespace forms {

LineItem* PicturePen::Line(double x1, double y1, double x2, double y2, int widthPixels) {
  LineItem* line = picture_.AddLine(NextName(), x1, y1, x2, y2);
  line->SetBorderColor(ink_);
  line->SetBorderWidth(widthPixels);
  return line;
}

ShapeItem* PicturePen::Shape(ShapeKind kind, double left, double top, double width, double height, int borderPixels,
                             const QColor& fill) {
  ShapeItem* shape = picture_.AddShape(NextName(), kind, left, top, width, height);
  shape->SetBorderColor(ink_);
  shape->SetBorderWidth(borderPixels);
  if (fill.isValid()) {
    shape->SetFilled(true);
    shape->SetFillColor(fill);
  }
  return shape;
}

ShapeItem* PicturePen::Circle(double x, double y, double radius, const QColor& fill) {
  constexpr double kPixel = kTwipsPerPixel;
  return Shape(ShapeKind::Ellipse, x - radius - kPixel, y - radius - kPixel, 2 * radius + kPixel,
               2 * radius + kPixel, 2, fill);
}

LabelItem* PicturePen::Text(double left, double top, double width, double height, const QString& caption,
                            Qt::Alignment horizontal) {
  LabelItem* label = picture_.AddLabel(NextName(), left, top, width, height, caption);
  label->SetForeColor(ink_);
  label->SetAlignment(horizontal);
  return label;
}

void PicturePen::Stroke(const QPolygonF& twips, qreal widthPixels) { picture_.DrawPolyline(twips, ink_, widthPixels); }

void PicturePen::Outline(const QPolygonF& twips, qreal widthPixels, const QColor& fill) {
  picture_.DrawPolygon(twips, ink_, widthPixels, fill);
}

}  // namespace forms
