#pragma once
// A linear gauge: a scale with ticks, a caption read out beside it, and three
// pointers. Pointer 1 is the reading, drawn as a bar from the scale's start;
// pointers 2 and 3 are limit markers above the scale that the user drags with
// the mouse. The owner selects a pointer, then sets or reads its value, and
// hears pointerMoved when the user has let go of a marker he moved.

#include <QString>
#include <QWidget>

#include "ScaleMath.h"

namespace instruments {

class LGauge : public QWidget {
  Q_OBJECT
 public:
  explicit LGauge(QWidget* parent = nullptr);

  // The scale; the markers go to its two ends. A range that is empty or
  // reversed changes nothing.
  void SetRange(double minimum, double maximum);
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }

  void SelectPointer(int pointer);  // 1, 2 or 3; any other number changes nothing
  int SelectedPointer() const { return selected_; }
  // The selected pointer's value. A value beyond the scale is kept as given
  // and drawn at the scale's end.
  void SetValue(double value);
  double Value() const { return values_[selected_ - 1]; }

  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

  // Where pointer n is drawn, and where a value lies on the marker band, in
  // the widget's pixels (a marker is picked up within a few pixels of it).
  QPoint PointerPosition(int pointer) const;
  QPoint ValuePosition(double value) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void pointerMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Geometry {
    LinearMap map;  // values to x along the track
    int top = 0;    // of the marker band
    int trackTop = 0;
    int trackBottom = 0;
    int labelTop = 0;
    QRect readout;
  };
  Geometry Layout() const;
  int MarkerAt(const QPoint& at) const;  // 2, 3, or 0 when none is near enough
  double DragStep(const Geometry& g) const;
  QFont CaptionFont(int width) const;  // bold, and small enough for the caption to fit the width
  void DragTo(int x);

  double minimum_ = 0;
  double maximum_ = 100;
  double values_[3] = {0, 0, 100};
  int selected_ = 1;
  QString caption_;

  int dragging_ = 0;  // the marker held by the mouse
  int grabOffset_ = 0;
  double valueAtPress_ = 0;
};

}  // namespace instruments
