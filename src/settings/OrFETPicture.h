#pragma once
// The fixed drawing of the OrFET page: the OrFET in the output path with its
// body diode, and the comparator across it that switches its gate.

#include <QFrame>

class OrFETPicture : public QFrame {
  Q_OBJECT
 public:
  explicit OrFETPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
