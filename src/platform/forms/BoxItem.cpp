#include "BoxItem.h"

#include "Twips.h"

namespace forms {

QRect BoxItem::PixelRect() const {
  return QRect(QPoint(ToPixels(Left()), ToPixels(Top())),
               QPoint(ToPixels(Left() + Width()) - 1, ToPixels(Top() + Height()) - 1));
}

}  // namespace forms
