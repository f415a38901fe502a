#pragma once
// A text label on a picture box, at Left, Top, Width, Height in twips. A label
// given a mouse handler is a hot area: it takes the mouse events over it, with
// X and Y from its own top left corner, and may show its own pointer shape.
// Labels without handlers let the events through to the picture.

#include <QColor>
#include <QFont>
#include <QString>

#include "BoxItem.h"
#include "MouseHandlers.h"

namespace forms {

class LabelItem : public BoxItem, public MouseHandlers {
  Q_OBJECT
 public:
  LabelItem(PictureBox* surface, double left, double top, double width, double height, const QString& caption);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QFont Font() const { return font_; }
  void SetFont(const QFont& font);
  // Point size and weight of the current font.
  void SetFontSize(double points, bool bold = false);
  // The designed font, made just small enough (down to 6 points) for the caption
  // to stay on one line within the label's width less the margin on each side.
  // A stand-in face may be wider than the designed one, and not every font
  // engine can narrow a face, so the size gives way instead.
  void SetFittedFont(const QFont& designed, int marginPixels = 2);
  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& color) { Change(foreColor_, color); }
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color) { Change(backColor_, color); }
  // Opaque labels fill their box with the back colour; transparent ones let the drawing show.
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool opaque) { Change(opaque_, opaque); }
  void SetAlignment(Qt::Alignment horizontal) { Change(alignment_, horizontal); }
  // An auto-sized label takes the size of its caption on one line.
  void SetAutoSize(bool autoSize);
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int shape) { mousePointer_ = shape; }

  // Whether a point of the picture (twips) lies on the label.
  bool Contains(float x, float y) const;
  bool IsHotArea() const { return Visible() && HasMouseHandler(); }

  QRect PixelBounds() const override;
  void Paint(QPainter& painter) const override;

 private:
  void FitToCaption();
  QString caption_;
  QFont font_;
  QColor foreColor_{Qt::black};
  QColor backColor_{Qt::white};
  bool opaque_ = false;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool autoSize_ = false;
  int mousePointer_ = 0;
};

}  // namespace forms
