#include "PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "Form.h"
#include "Twips.h"

namespace forms {
namespace {

int ButtonBit(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return vbLeftButton;
    case Qt::RightButton: return vbRightButton;
    case Qt::MiddleButton: return vbMiddleButton;
    default: return 0;
  }
}

int ButtonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? vbLeftButton : 0) | (buttons & Qt::RightButton ? vbRightButton : 0) |
         (buttons & Qt::MiddleButton ? vbMiddleButton : 0);
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? vbShiftMask : 0) | (modifiers & Qt::ControlModifier ? vbCtrlMask : 0) |
         (modifiers & Qt::AltModifier ? vbAltMask : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent), backColor_(palette().color(QPalette::Button)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() {
  // The items go first, while the picture they call back into still exists.
  const std::vector<DrawItem*> items = items_;
  items_.clear();
  for (DrawItem* item : items) {
    item->surface_ = nullptr;
    delete item;
  }
}

template <typename T>
T* PictureBox::Adopt(T* item, const QString& name) {
  item->setObjectName(name);
  items_.push_back(item);
  RepaintPixels(item->PixelBounds());
  return item;
}

LineItem* PictureBox::AddLine(const QString& name, double x1, double y1, double x2, double y2) {
  return Adopt(new LineItem(this, x1, y1, x2, y2), name);
}

ShapeItem* PictureBox::AddShape(const QString& name, ShapeKind kind, double left, double top, double width,
                                double height) {
  return Adopt(new ShapeItem(this, kind, left, top, width, height), name);
}

LabelItem* PictureBox::AddLabel(const QString& name, double left, double top, double width, double height,
                                const QString& caption) {
  return Adopt(new LabelItem(this, left, top, width, height, caption), name);
}

void PictureBox::SetBackColor(const QColor& color) {
  if (color == backColor_) return;
  backColor_ = color;
  // Styles shade a picture's frame from its window colour.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, color);
  setPalette(colours);
  update();
}

void PictureBox::RepaintPixels(const QRect& drawingPixels) {
  const QRect inner = contentsRect();
  const QRect area = drawingPixels.translated(inner.topLeft()).intersected(inner);
  if (!area.isEmpty()) update(area);
}

void PictureBox::Cls() { RepaintPixels(drawn_.Clear()); }

void PictureBox::DrawPolyline(const QPolygonF& twips, const QColor& color, qreal widthPixels, BorderStyle style) {
  RepaintPixels(drawn_.AddPolyline(twips, color, widthPixels, style));
}

void PictureBox::DrawPolygon(const QPolygonF& twips, const QColor& border, qreal widthPixels, const QColor& fill) {
  RepaintPixels(drawn_.AddPolygon(twips, border, widthPixels, fill));
}

void PictureBox::BringToFront(DrawItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end() || it + 1 == items_.end()) return;
  items_.erase(it);
  items_.push_back(item);
  if (item->Visible()) RepaintPixels(item->PixelBounds());
}

void PictureBox::Remove(DrawItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  if (item->Visible()) RepaintPixels(item->PixelBounds());
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QRect inner = contentsRect();
  const QRect dirty = event->rect().intersected(inner);
  if (dirty.isEmpty()) return;
  QPainter painter(this);
  const QRegion region = event->region().intersected(inner);
  // A single rectangle clips fastest; a move usually repaints one or two.
  if (region.rectCount() == 1) {
    painter.setClipRect(region.boundingRect());
  } else {
    painter.setClipRegion(region);
  }
  painter.fillRect(dirty, backColor_);
  painter.translate(inner.topLeft());
  const QRect drawingDirty = dirty.translated(-inner.topLeft());
  if (!drawn_.Empty()) {
    drawn_.Paint(painter, drawingDirty);
    painter.setBrush(Qt::NoBrush);
  }
  // Tested against the dirty pieces, not their bounding box: a drag dirties a few
  // thin strips across the picture, and most items lie in none of them.
  const QRegion drawingRegion = region.translated(-inner.topLeft());
  for (const DrawItem* item : items_) {
    if (item->Visible() && drawingRegion.intersects(item->PixelBounds())) item->Paint(painter);
  }
}

LabelItem* PictureBox::HotAreaAt(float x, float y) const {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    auto* label = qobject_cast<LabelItem*>(*it);
    if (label && label->IsHotArea() && label->Contains(x, y)) return label;
  }
  return nullptr;
}

MouseHandlers& PictureBox::HandlersOf(LabelItem* target) {
  return target ? static_cast<MouseHandlers&>(*target) : static_cast<MouseHandlers&>(*this);
}

void PictureBox::Deliver(const MouseHandler& handler, LabelItem* target, int button, int shift, float x, float y) {
  // A copy: the handler may remove the label that holds it.
  const MouseHandler run = handler;
  if (!run) return;
  if (target) {
    run(button, shift, x - target->Left(), y - target->Top());
  } else {
    run(button, shift, x, y);
  }
}

void PictureBox::Notify(const std::function<void()>& handler) {
  const std::function<void()> run = handler;
  if (run) run();
}

QPointF PictureBox::TwipsAt(const QMouseEvent* event) const {
  const QPointF at = event->position() - QPointF(contentsRect().topLeft());
  return at * kTwipsPerPixel;
}

void PictureBox::ShowPointerOf(LabelItem* target) {
  const int shape = target ? target->MousePointer() : 0;
  if (shape == appliedPointer_) return;
  appliedPointer_ = shape;
  // Without a shape of its own the picture shows the form's pointer.
  if (shape == 0) {
    unsetCursor();
  } else {
    ApplyMousePointer(this, shape);
  }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  const QPointF at = TwipsAt(event);
  const float x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
  // The first button down chooses who gets the events until all are up again.
  if (event->buttons() == event->button()) {
    captured_ = HotAreaAt(x, y);
    pictureCaptured_ = captured_.isNull();
    clickCancelled_ = false;
  }
  LabelItem* target = captured_;
  if (!target && !pictureCaptured_) return;  // the label that took the press is gone
  // The second press of a left double click is reported as the double click alone.
  if (event->button() == Qt::LeftButton && (event->flags() & Qt::MouseEventCreatedDoubleClick)) {
    clickCancelled_ = true;
    return;
  }
  Deliver(HandlersOf(target).onMouseDown, target, ButtonBit(event->button()), ShiftOf(event->modifiers()), x, y);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = TwipsAt(event);
  const float x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
  LabelItem* target = nullptr;
  if (event->buttons() != Qt::NoButton && (captured_ || pictureCaptured_)) {
    target = captured_;
  } else {
    target = HotAreaAt(x, y);
  }
  ShowPointerOf(target);
  Deliver(HandlersOf(target).onMouseMove, target, ButtonBits(event->buttons()), ShiftOf(event->modifiers()), x, y);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = TwipsAt(event);
  const float x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
  // Without a press seen (or with its label gone) the release goes where it falls.
  QPointer<LabelItem> target = (captured_ || pictureCaptured_) ? captured_.data() : HotAreaAt(x, y);
  const bool toLabel = !target.isNull();
  const bool cancelled = clickCancelled_;
  if (event->buttons() == Qt::NoButton) {
    captured_ = nullptr;
    pictureCaptured_ = false;
    clickCancelled_ = false;
  }
  Deliver(HandlersOf(target).onMouseUp, target, ButtonBit(event->button()), ShiftOf(event->modifiers()), x, y);
  if (toLabel && !target) return;  // the handler removed its label
  const bool overSame = contentsRect().contains(event->position().toPoint()) && HotAreaAt(x, y) == target.data();
  if (event->button() == Qt::LeftButton && !cancelled && overSame) Notify(HandlersOf(target).onClick);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;  // other buttons had their press already
  const QPointF at = TwipsAt(event);
  LabelItem* target = HotAreaAt(static_cast<float>(at.x()), static_cast<float>(at.y()));
  captured_ = target;
  pictureCaptured_ = target == nullptr;
  clickCancelled_ = true;
  Notify(HandlersOf(target).onDblClick);
}

void PictureBox::leaveEvent(QEvent* event) {
  ShowPointerOf(nullptr);
  QFrame::leaveEvent(event);
}

}  // namespace forms
