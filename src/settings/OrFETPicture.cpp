#include "OrFETPicture.h"

#include <QPainter>
#include <QPolygon>

OrFETPicture::OrFETPicture(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void OrFETPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 2));
  painter.setBrush(Qt::NoBrush);

  // The power path runs down the picture through the OrFET.
  const int mid = height() / 2;
  const int path = width() * 2 / 3 + 2;  // the power path
  const int channel = path - 16;
  const int drain = mid - 22;
  const int source = mid + 22;
  const int top = 18;
  const int bottom = height() - 18;

  painter.drawEllipse(QPoint(path, top), 5, 5);
  painter.drawEllipse(QPoint(path, bottom), 5, 5);
  painter.drawLine(path, top + 5, path, drain);
  painter.drawLine(path, drain, channel, drain);
  painter.drawLine(path, mid, path, bottom - 5);
  painter.drawLine(path, source, channel, source);
  painter.drawLine(path, mid, channel + 8, mid);
  // N-channel: the body arrow points at the channel.
  painter.setBrush(QColor(40, 40, 40));
  painter.drawPolygon(QPolygon({QPoint(channel + 1, mid), QPoint(channel + 9, mid - 4), QPoint(channel + 9, mid + 4)}));
  painter.setBrush(Qt::NoBrush);
  for (int y : {drain, mid, source}) painter.drawLine(channel, y - 6, channel, y + 6);
  painter.drawLine(channel - 7, drain - 4, channel - 7, source + 4);

  // Body diode, anode at the source.
  const int diode = path + 22;
  painter.drawLine(path, drain, diode, drain);
  painter.drawLine(diode, drain, diode, mid - 9);
  painter.drawLine(diode - 8, mid - 9, diode + 8, mid - 9);
  painter.drawPolygon(QPolygon({QPoint(diode, mid - 9), QPoint(diode - 8, mid + 7), QPoint(diode + 8, mid + 7)}));
  painter.drawLine(diode, mid + 7, diode, source);
  painter.drawLine(diode, source, path, source);

  // The comparator across the OrFET drives its gate.
  const int apex = channel - 28;
  const int back = apex - 32;
  painter.drawLine(channel - 7, mid, apex, mid);
  painter.drawPolygon(QPolygon({QPoint(apex, mid), QPoint(back, mid - 22), QPoint(back, mid + 22)}));
  const int plus = mid - 11;
  const int minus = mid + 11;
  const int lead = back - 10;
  painter.drawLine(back, plus, lead, plus);
  painter.drawLine(lead, plus, lead, top + 34);
  painter.drawLine(lead, top + 34, path, top + 34);
  painter.drawLine(back, minus, lead, minus);
  painter.drawLine(lead, minus, lead, bottom - 34);
  painter.drawLine(lead, bottom - 34, path, bottom - 34);
  painter.setBrush(QColor(40, 40, 40));
  painter.drawEllipse(QPoint(path, top + 34), 3, 3);
  painter.drawEllipse(QPoint(path, bottom - 34), 3, 3);
  painter.setPen(QPen(QColor(40, 40, 40), 1.5));
  painter.drawLine(back + 4, plus, back + 10, plus);
  painter.drawLine(back + 7, plus - 3, back + 7, plus + 3);
  painter.drawLine(back + 4, minus, back + 10, minus);
}
