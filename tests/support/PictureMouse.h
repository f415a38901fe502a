#pragma once
// Pointing at a picture box in twips of its drawing, as the handlers see it:
// a mouse event at any point (between pixels where need be), and a click on
// the middle of a hot area as a user clicks a block. The tests and the
// benchmarks both use it.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "platform/forms/BoxItem.h"
#include "platform/forms/LabelItem.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Twips.h"

namespace support {

// A press or a release of the left button, or a move with no button held, at
// a point of the picture's drawing.
inline void MouseAt(forms::PictureBox* picture, QEvent::Type type, QPointF twips) {
  const QPointF at = QPointF(picture->contentsRect().topLeft()) + twips / forms::kTwipsPerPixel;
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, at, picture->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(picture, &event);
}

// The middle of a shape or label, in twips of the drawing.
inline QPointF Centre(const forms::BoxItem& box) {
  return QPointF(box.Left() + box.Width() / 2, box.Top() + box.Height() / 2);
}

// The widget position of the middle of a hot area, on the whole pixel a user points at.
inline QPoint HotAreaCentre(const forms::PictureBox* picture, const forms::LabelItem& hot) {
  const QPointF centre = Centre(hot);
  return picture->contentsRect().topLeft() + QPoint(forms::ToPixels(centre.x()), forms::ToPixels(centre.y()));
}

// A left click on the middle of a hot area, through the window system.
inline void ClickHotArea(forms::PictureBox* picture, const forms::LabelItem& hot) {
  QTest::mouseClick(picture, Qt::LeftButton, {}, HotAreaCentre(picture, hot));
}

}  // namespace support
