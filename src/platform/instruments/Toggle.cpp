#include "Toggle.h"

#include <QPainter>
#include <QRadialGradient>

namespace instruments {

Toggle::Toggle(QWidget* parent) : QWidget(parent) {}

void Toggle::SetValue(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
}

void Toggle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal side = qMin(width(), height()) - 2;
  const QRectF disc((width() - side) / 2, (height() - side) / 2, side, side);
  const QColor base = on_ ? OnColor() : OffColor();
  // Lit from the upper left, so the lamp reads as a round body.
  QRadialGradient light(disc.center() - QPointF(side / 5, side / 5), side * 0.7);
  light.setColorAt(0, base.lighter(160));
  light.setColorAt(0.6, base);
  light.setColorAt(1, base.darker(130));
  painter.setPen(QPen(QColor(70, 70, 70), 1));
  painter.setBrush(light);
  painter.drawEllipse(disc);
}

}  // namespace instruments
