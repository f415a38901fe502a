#pragma once
// One thing drawn on a picture box (a line, a shape or a label), in twips from
// the picture's top left corner. Every change repaints only the pixels the item
// covered before and covers after it.

#include <QObject>
#include <QRect>
#include <array>

class QPainter;

namespace forms {

class PictureBox;

enum class BorderStyle { None, Solid, Dot };

class DrawItem : public QObject {
  Q_OBJECT
 public:
  ~DrawItem() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // To the top of the drawing order.
  void ZOrder();
  PictureBox* Surface() const { return surface_; }

  // The pixels the item may paint, relative to the picture's drawing area.
  virtual QRect PixelBounds() const = 0;
  virtual void Paint(QPainter& painter) const = 0;

 protected:
  // Every item stands where four numbers in twips put it, held as Single like
  // the designed coordinates: a line's two ends, a box's corner and size.
  DrawItem(PictureBox* surface, double a, double b, double c, double d);
  // Asks for the item's current pixels to be repainted.
  void Invalidate() const;
  // Sets a property, repainting the old and the new area only when it changes.
  template <typename T, typename V>
  void Change(T& field, const V& value) {
    const T converted = static_cast<T>(value);
    if (field == converted) return;
    Invalidate();
    field = converted;
    Invalidate();
  }
  // All four at once, one repaint.
  void SetPlace(double a, double b, double c, double d);
  std::array<float, 4> place_;

 private:
  friend class PictureBox;
  PictureBox* surface_;
  bool visible_ = true;
};

}  // namespace forms
