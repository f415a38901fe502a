#include "BitLabel.h"

#include <QMouseEvent>

BitLabel::BitLabel(QWidget* parent) : forms::Label(parent) {
  setWordWrap(false);
  setAlignment(Qt::AlignCenter);
}

void BitLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onClick) {
    onClick();
    event->accept();
    return;
  }
  forms::Label::mousePressEvent(event);
}
