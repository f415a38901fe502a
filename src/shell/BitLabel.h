#pragma once
// A label of the register map's bit display that answers a click.

#include <functional>

#include "platform/forms/Controls.h"

class BitLabel : public forms::Label {
  Q_OBJECT
 public:
  explicit BitLabel(QWidget* parent = nullptr);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
