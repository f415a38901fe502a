#pragma once
// The zoom handle at a bottom corner of a strip chart: a double arrow that the
// user drags sideways. Dragging it towards the middle of the chart narrows the
// time span, away widens it, by half for every 100 pixels.

#include <QWidget>

namespace instruments {

class Strip;

class StripArrow : public QWidget {
  Q_OBJECT
 public:
  enum class Edge { Left, Right };
  StripArrow(Strip* strip, Edge edge);

  QSize sizeHint() const override { return QSize(22, 12); }

  // The span after a drag of dx pixels from a span of spanAtPress seconds.
  static double SpanAfterDrag(Edge edge, double spanAtPress, int dx);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void DragTo(double globalX);

  Strip* strip_;
  Edge edge_;
  bool pressed_ = false;
  double pressX_ = 0;
  double spanAtPress_ = 0;
};

}  // namespace instruments
