#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Blank() { return TransparentPixmap(16, 16); }

QPixmap Floppy() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setPen(QColor(20, 40, 90));
  g.setBrush(QColor(60, 90, 170));
  g.drawRect(1, 1, 13, 13);
  g.setBrush(Qt::white);
  g.drawRect(4, 1, 7, 5);
  g.setBrush(QColor(200, 200, 200));
  g.drawRect(3, 9, 9, 5);
  return p;
}

QPixmap Monitor() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setPen(QColor(40, 40, 40));
  g.setBrush(QColor(230, 230, 230));
  g.drawRect(0, 1, 15, 10);
  g.setBrush(QColor(0, 60, 0));
  g.drawRect(2, 3, 11, 6);
  g.setPen(QColor(0, 230, 0));
  g.drawLine(3, 5, 8, 5);
  g.drawLine(3, 7, 11, 7);
  g.setPen(QColor(40, 40, 40));
  g.drawLine(5, 13, 10, 13);
  g.drawLine(7, 11, 7, 13);
  return p;
}

QPixmap Graph() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setPen(Qt::black);
  g.drawLine(1, 1, 1, 14);
  g.drawLine(1, 14, 15, 14);
  g.setPen(QPen(QColor(200, 0, 0), 1.5));
  g.setRenderHint(QPainter::Antialiasing);
  g.drawPolyline(QPolygonF({QPointF(2, 11), QPointF(5, 6), QPointF(8, 9), QPointF(11, 3), QPointF(14, 5)}));
  return p;
}

QPixmap Tree() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setPen(QColor(90, 90, 90));
  g.drawLine(3, 4, 3, 13);
  g.drawLine(3, 8, 7, 8);
  g.drawLine(3, 13, 7, 13);
  g.setPen(QColor(150, 0, 0));
  g.setBrush(QColor(230, 60, 60));
  g.drawRect(1, 1, 4, 3);
  g.setPen(QColor(0, 0, 150));
  g.setBrush(QColor(80, 120, 240));
  g.drawRect(8, 6, 6, 4);
  g.drawRect(8, 11, 6, 4);
  return p;
}

QPixmap Arrow(bool right) {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(Qt::NoPen);
  g.setBrush(QColor(0, 120, 0));
  QPolygonF shape = right ? QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(9, 2), QPointF(15, 8), QPointF(9, 14),
                                       QPointF(9, 10), QPointF(2, 10)})
                          : QPolygonF({QPointF(14, 6), QPointF(7, 6), QPointF(7, 2), QPointF(1, 8), QPointF(7, 14),
                                       QPointF(7, 10), QPointF(14, 10)});
  g.drawPolygon(shape);
  return p;
}

QPixmap Gauge() {
  QPixmap p = Blank();
  QPainter g(&p);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QColor(60, 60, 60));
  g.setBrush(QColor(250, 240, 200));
  g.drawEllipse(QRectF(1, 1, 14, 14));
  g.setPen(QPen(QColor(200, 0, 0), 1.5));
  g.drawLine(QPointF(8, 8), QPointF(12, 4));
  return p;
}

}  // namespace

QPixmap TransparentPixmap(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap ChipPicture(int size) {
  QPixmap pixmap = TransparentPixmap(size, size);
  QPainter g(&pixmap);
  g.setRenderHint(QPainter::Antialiasing);
  const double s = size / 16.0;
  g.scale(s, s);
  g.setPen(QPen(QColor(120, 120, 120), 1.0 / s));
  g.setBrush(QColor(190, 190, 190));
  for (int i = 0; i < 4; ++i) {
    g.drawRect(QRectF(0.5, 3 + i * 3, 2.5, 1.2));
    g.drawRect(QRectF(13, 3 + i * 3, 2.5, 1.2));
  }
  g.setPen(QPen(QColor(20, 20, 20), 1.0 / s));
  g.setBrush(QColor(45, 45, 55));
  g.drawRoundedRect(QRectF(3, 1.5, 10, 13), 1, 1);
  g.setBrush(QColor(150, 150, 160));
  g.drawEllipse(QRectF(4.3, 2.8, 1.8, 1.8));
  return pixmap;
}

std::vector<QIcon> ToolbarImages() {
  return {QIcon(Floppy()), QIcon(Monitor()), QIcon(ChipPicture(16)), QIcon(Graph()),
          QIcon(Tree()),   QIcon(Arrow(false)), QIcon(Arrow(true)), QIcon(Gauge())};
}
