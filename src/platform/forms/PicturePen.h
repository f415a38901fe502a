#pragma once
// Draws the fixed artwork of a picture box (a schematic under a window's own
// controls) in twips of the drawing, like every picture: items named "art(0)",
// "art(1)", ... in drawing order, so that the window's control names stay free,
// and strokes on the drawn layer under them. Everything is in the pen's ink
// until a caller recolours the item it gets back. Widths are in pixels.

#include <QColor>
#include <QPolygonF>
#include <QString>

#include "Controls.h"
#include "PictureBox.h"

namespace forms {

class PicturePen {
 public:
  PicturePen(PictureBox& picture, const QColor& ink) : picture_(picture), ink_(ink) {}

  PictureBox& Picture() const { return picture_; }
  const QColor& Ink() const { return ink_; }

  LineItem* Line(double x1, double y1, double x2, double y2, int widthPixels = 1);
  // A rectangle or an ellipse, filled unless the fill colour is invalid.
  ShapeItem* Shape(ShapeKind kind, double left, double top, double width, double height, int borderPixels = 1,
                   const QColor& fill = QColor());
  // A circle of the radius round (x, y), its 2-pixel ring centred on the
  // radius: the box is one pixel more than the diameter, from one pixel beyond it.
  ShapeItem* Circle(double x, double y, double radius, const QColor& fill = QColor());
  LabelItem* Text(double left, double top, double width, double height, const QString& caption,
                  Qt::Alignment horizontal = Qt::AlignLeft);

  // On the drawn layer.
  void Stroke(const QPolygonF& twips, qreal widthPixels);
  void Outline(const QPolygonF& twips, qreal widthPixels, const QColor& fill = QColor());

 private:
  QString NextName() { return Indexed("art", count_++); }

  PictureBox& picture_;
  QColor ink_;
  int count_ = 0;
};

}  // namespace forms
