#pragma once
// The drawing behind the voltage-sense trims and readings: the chip with its
// sense pins, each wired from the controls that trim and show it.

#include <QFrame>
#include <QRect>
#include <QString>
#include <vector>

class SenseCircuitPicture : public QFrame {
  Q_OBJECT
 public:
  explicit SenseCircuitPicture(QWidget* parent = nullptr);

  // The chip's outline, in twips of the picture.
  void SetChip(const QString& name, int left, int top, int width, int height);
  // A pin on the chip's left edge at a height (twips), wired from a point further left.
  void AddPin(const QString& name, int centre, int wireFrom);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Pin {
    QString name;
    int centre;
    int wireFrom;
  };
  QString chipName_;
  QRect chip_;
  std::vector<Pin> pins_;
};
