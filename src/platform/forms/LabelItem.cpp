#include "LabelItem.h"

#include <QFontInfo>
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

void LabelItem::SetFittedFont(const QFont& designed, int marginPixels) {
  QFont font = designed;
  const QWidget* device = Surface();
  // Without the designed face, metrics and painting may pick different stand-ins; name one outright,
  // preferring a face with the same metrics.
  if (!QFontInfo(font).exactMatch()) {
    font.setFamily(QStringLiteral("Liberation Sans"));
    if (!QFontInfo(font).exactMatch() && device) font.setFamily(device->font().family());
  }
  const int widthPixels = ToPixels(Width()) - 2 * marginPixels;
  for (double points = font.pointSizeF(); points >= 6; points -= 0.25) {
    font.setPointSizeF(points);
    // Measured as Paint lays the caption out, so the fitted caption stays on one line.
    const QFontMetrics metrics(font, device);
    const QRect laidOut = metrics.boundingRect(QRect(0, 0, widthPixels, 10 * metrics.height()),
                                               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption_);
    if (laidOut.height() <= metrics.height() && laidOut.width() <= widthPixels) break;
  }
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
