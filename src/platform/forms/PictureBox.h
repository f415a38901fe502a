#pragma once
// The drawing surface of every chart: a picture box holding line, shape and label
// items in twips, painted at 15 twips to the pixel. A change to an item repaints
// only the pixels it touched. Mouse events reach the picture's handlers, or the
// topmost hot label under the pointer, in twips; the item that took a button
// press keeps the events until every button is released.

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <vector>

#include "DrawItem.h"
#include "DrawnLayer.h"
#include "LabelItem.h"
#include "LineItem.h"
#include "MouseHandlers.h"
#include "ShapeItem.h"

namespace forms {

class PictureBox : public QFrame, public MouseHandlers {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  // Items are named like controls ("ln(3)") and belong to the picture.
  LineItem* AddLine(const QString& name, double x1, double y1, double x2, double y2);
  ShapeItem* AddShape(const QString& name, ShapeKind kind, double left, double top, double width, double height);
  LabelItem* AddLabel(const QString& name, double left, double top, double width, double height,
                      const QString& caption = QString());
  // In drawing order, bottom first.
  const std::vector<DrawItem*>& Items() const { return items_; }

  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color);

  // The topmost visible hot label at a point of the drawing (twips), or nullptr:
  // the one that takes the mouse events there.
  LabelItem* HotAreaAt(float x, float y) const;

  // The drawn layer, under every item: strokes in twips that stay until Cls
  // clears them, leaving the items as they are. Widths are in pixels.
  void Cls();
  void DrawPolyline(const QPolygonF& twips, const QColor& color, qreal widthPixels = 1,
                    BorderStyle style = BorderStyle::Solid);
  // A closed outline, filled unless the fill colour is invalid.
  void DrawPolygon(const QPolygonF& twips, const QColor& border, qreal widthPixels, const QColor& fill = QColor());
  // Bytes the drawn layer holds, room kept for the next drawing included.
  size_t DrawnMemoryBytes() const { return drawn_.MemoryBytes(); }

  // Called by the items.
  void RepaintPixels(const QRect& drawingPixels);
  void BringToFront(DrawItem* item);
  void Remove(DrawItem* item);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  template <typename T>
  T* Adopt(T* item, const QString& name);
  MouseHandlers& HandlersOf(LabelItem* target);
  void Deliver(const MouseHandler& handler, LabelItem* target, int button, int shift, float x, float y);
  static void Notify(const std::function<void()>& handler);
  QPointF TwipsAt(const QMouseEvent* event) const;
  void ShowPointerOf(LabelItem* target);

  std::vector<DrawItem*> items_;
  DrawnLayer drawn_;
  QColor backColor_;
  QPointer<LabelItem> captured_;   // took the press of the buttons now held
  bool pictureCaptured_ = false;   // the picture itself took that press
  bool clickCancelled_ = false;    // the press belonged to a double click
  int appliedPointer_ = 0;
};

}  // namespace forms
