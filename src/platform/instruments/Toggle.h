#pragma once
// A round status lamp with two states told apart at a glance: on (a raised
// flag) is red, off is green. The tool tip is whatever its owner gives it.

#include <QColor>
#include <QWidget>

namespace instruments {

class Toggle : public QWidget {
  Q_OBJECT
 public:
  explicit Toggle(QWidget* parent = nullptr);

  bool Value() const { return on_; }
  void SetValue(bool on);  // repaints only when the state changes

  static QColor OnColor() { return QColor(215, 35, 35); }
  static QColor OffColor() { return QColor(40, 165, 65); }

  QSize sizeHint() const override { return QSize(16, 16); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool on_ = false;
};

}  // namespace instruments
