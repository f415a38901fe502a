#include "StripArrow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Strip.h"

namespace instruments {

namespace {
constexpr double kPixelsPerHalving = 100;
}

StripArrow::StripArrow(Strip* strip, Edge edge) : QWidget(strip), strip_(strip), edge_(edge) {
  setCursor(Qt::SizeHorCursor);
  resize(sizeHint());
}

double StripArrow::SpanAfterDrag(Edge edge, double spanAtPress, int dx) {
  const int inward = edge == Edge::Left ? dx : -dx;
  return spanAtPress * std::pow(2.0, -inward / kPixelsPerHalving);
}

void StripArrow::DragTo(double globalX) {
  strip_->SetSpan(SpanAfterDrag(edge_, spanAtPress_, static_cast<int>(std::lround(globalX - pressX_))));
}

void StripArrow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  pressX_ = event->globalPosition().x();
  spanAtPress_ = strip_->Span();
}

void StripArrow::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_) DragTo(event->globalPosition().x());
}

void StripArrow::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  DragTo(event->globalPosition().x());
  pressed_ = false;
}

void StripArrow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(QColor(110, 110, 110));
  painter.setBrush(QColor(245, 245, 245, 220));
  painter.drawRoundedRect(box, 3, 3);
  // Two heads joined by a shaft.
  const double y = box.center().y();
  const double head = box.height() / 2 - 2;
  QPainterPath arrow;
  arrow.moveTo(box.left() + 3, y);
  arrow.lineTo(box.left() + 3 + head, y - head);
  arrow.lineTo(box.left() + 3 + head, y + head);
  arrow.closeSubpath();
  arrow.moveTo(box.right() - 3, y);
  arrow.lineTo(box.right() - 3 - head, y - head);
  arrow.lineTo(box.right() - 3 - head, y + head);
  arrow.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(50, 50, 50));
  painter.drawPath(arrow);
  painter.setPen(QPen(QColor(50, 50, 50), 1.5));
  painter.drawLine(QPointF(box.left() + 3 + head, y), QPointF(box.right() - 3 - head, y));
}

}  // namespace instruments
