#include "SenseCircuitPicture.h"

#include <QPainter>

#include "platform/forms/Twips.h"

SenseCircuitPicture::SenseCircuitPicture(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void SenseCircuitPicture::SetChip(const QString& name, int left, int top, int width, int height) {
  chipName_ = name;
  chip_ = forms::ToPixels(left, top, width, height);
  update();
}

void SenseCircuitPicture::AddPin(const QString& name, int centre, int wireFrom) {
  pins_.push_back({name, forms::ToPixels(centre), forms::ToPixels(wireFrom)});
  update();
}

void SenseCircuitPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (chip_.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink(40, 40, 40);
  const QColor wire(0, 90, 160);

  painter.setPen(QPen(ink, 2));
  painter.setBrush(QColor(236, 240, 246));
  painter.drawRect(chip_);
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  const int nameHeight = painter.fontMetrics().height() + 8;
  painter.drawText(QRect(chip_.left(), chip_.top() + 4, chip_.width(), nameHeight), Qt::AlignCenter, chipName_);

  painter.setFont(font());
  for (const Pin& pin : pins_) {
    painter.setPen(QPen(wire, 2));
    painter.drawLine(pin.wireFrom, pin.centre, chip_.left(), pin.centre);
    painter.setBrush(wire);
    painter.drawEllipse(QPoint(pin.wireFrom, pin.centre), 3, 3);
    painter.setPen(ink);
    painter.drawText(QRect(chip_.left() + 6, pin.centre - 10, chip_.width() - 12, 20), Qt::AlignVCenter | Qt::AlignLeft,
                     pin.name);
  }
}
