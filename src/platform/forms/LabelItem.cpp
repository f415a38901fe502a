#include "LabelItem.h"

#include <QFontMetrics>
#include <QPainter>

#include "PictureBox.h"
#include "Twips.h"

namespace forms {

LabelItem::LabelItem(PictureBox* surface, double left, double top, double width, double height,
                     const QString& caption)
    : BoxItem(surface, left, top, width, height),
      caption_(caption),
      font_(surface ? surface->font() : QFont()) {}

void LabelItem::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  Invalidate();
  caption_ = caption;
  if (autoSize_) FitToCaption();
  Invalidate();
}

void LabelItem::SetFont(const QFont& font) {
  Invalidate();
  font_ = font;
  if (autoSize_) FitToCaption();
  Invalidate();
}

void LabelItem::SetFontSize(double points, bool bold) {
  QFont font = font_;
  font.setPointSizeF(points);
  font.setBold(bold);
  SetFont(font);
}

void LabelItem::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (!autoSize_) return;
  Invalidate();
  FitToCaption();
  Invalidate();
}

void LabelItem::FitToCaption() {
  const QFontMetrics metrics(font_, Surface());
  Resize(static_cast<float>(ToTwips(metrics.horizontalAdvance(caption_))), static_cast<float>(ToTwips(metrics.height())));
}

bool LabelItem::Contains(float x, float y) const {
  return x >= Left() && x < Left() + Width() && y >= Top() && y < Top() + Height();
}

QRect LabelItem::PixelBounds() const { return PixelRect().normalized(); }

void LabelItem::Paint(QPainter& painter) const {
  const QRect r = PixelRect();
  if (r.isEmpty()) return;
  if (opaque_) painter.fillRect(r, backColor_);
  if (caption_.isEmpty()) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(font_);
  painter.setPen(foreColor_);
  painter.save();
  painter.setClipRect(r, Qt::IntersectClip);
  const int flags = static_cast<int>(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                    (autoSize_ ? 0 : static_cast<int>(Qt::TextWordWrap));
  painter.drawText(r, flags, caption_);
  painter.restore();
}

}  // namespace forms
