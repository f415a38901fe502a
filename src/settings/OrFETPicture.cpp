#include "OrFETPicture.h"

#include <QPolygonF>

#include "platform/forms/PictureBox.h"
#include "platform/forms/Twips.h"

namespace {

const QColor kInk(40, 40, 40);

// Draws in pixels of the picture's outer box, as the drawing is laid out.
class Ink {
 public:
  explicit Ink(forms::PictureBox& picture) : picture_(picture), origin_(picture.contentsRect().topLeft()) {}

  void Line(int x1, int y1, int x2, int y2, qreal width = 2) {
    picture_.DrawPolyline(QPolygonF({At(x1, y1), At(x2, y2)}), kInk, width);
  }
  void Polygon(std::initializer_list<QPoint> corners, bool filled) {
    QPolygonF twips;
    for (const QPoint& corner : corners) twips << At(corner.x(), corner.y());
    picture_.DrawPolygon(twips, kInk, 2, filled ? kInk : QColor());
  }
  // A circle of the radius in pixels around a point, its 2-pixel ring centred on the radius.
  void Circle(int x, int y, int radius, bool filled) {
    const QPointF corner = At(x - radius - 1, y - radius - 1);
    forms::ShapeItem* circle = picture_.AddShape(QStringLiteral("art(%1)").arg(count_++), forms::ShapeKind::Ellipse,
                                                 corner.x(), corner.y(), forms::ToTwips(2 * radius + 1),
                                                 forms::ToTwips(2 * radius + 1));
    circle->SetBorderColor(kInk);
    circle->SetBorderWidth(2);
    circle->SetFilled(filled);
    circle->SetFillColor(kInk);
  }

 private:
  QPointF At(int x, int y) const { return QPointF(forms::ToTwips(x - origin_.x()), forms::ToTwips(y - origin_.y())); }
  forms::PictureBox& picture_;
  QPoint origin_;
  int count_ = 0;
};

}  // namespace

void DrawOrFETPicture(forms::PictureBox& picture) {
  Ink ink(picture);

  // The power path runs down the picture through the OrFET.
  const int mid = picture.height() / 2;
  const int path = picture.width() * 2 / 3 + 2;
  const int channel = path - 16;
  const int drain = mid - 22;
  const int source = mid + 22;
  const int top = 18;
  const int bottom = picture.height() - 18;

  ink.Circle(path, top, 5, false);
  ink.Circle(path, bottom, 5, false);
  ink.Line(path, top + 5, path, drain);
  ink.Line(path, drain, channel, drain);
  ink.Line(path, mid, path, bottom - 5);
  ink.Line(path, source, channel, source);
  ink.Line(path, mid, channel + 8, mid);
  // N-channel: the body arrow points at the channel.
  ink.Polygon({QPoint(channel + 1, mid), QPoint(channel + 9, mid - 4), QPoint(channel + 9, mid + 4)}, true);
  for (int y : {drain, mid, source}) ink.Line(channel, y - 6, channel, y + 6);
  ink.Line(channel - 7, drain - 4, channel - 7, source + 4);

  // Body diode, anode at the source.
  const int diode = path + 22;
  ink.Line(path, drain, diode, drain);
  ink.Line(diode, drain, diode, mid - 9);
  ink.Line(diode - 8, mid - 9, diode + 8, mid - 9);
  ink.Polygon({QPoint(diode, mid - 9), QPoint(diode - 8, mid + 7), QPoint(diode + 8, mid + 7)}, false);
  ink.Line(diode, mid + 7, diode, source);
  ink.Line(diode, source, path, source);

  // The comparator across the OrFET drives its gate.
  const int apex = channel - 28;
  const int back = apex - 32;
  ink.Line(channel - 7, mid, apex, mid);
  ink.Polygon({QPoint(apex, mid), QPoint(back, mid - 22), QPoint(back, mid + 22)}, false);
  const int plus = mid - 11;
  const int minus = mid + 11;
  const int lead = back - 10;
  ink.Line(back, plus, lead, plus);
  ink.Line(lead, plus, lead, top + 34);
  ink.Line(lead, top + 34, path, top + 34);
  ink.Line(back, minus, lead, minus);
  ink.Line(lead, minus, lead, bottom - 34);
  ink.Line(lead, bottom - 34, path, bottom - 34);
  ink.Circle(path, top + 34, 3, true);
  ink.Circle(path, bottom - 34, 3, true);
  ink.Line(back + 4, plus, back + 10, plus, 1.5);
  ink.Line(back + 7, plus - 3, back + 7, plus + 3, 1.5);
  ink.Line(back + 4, minus, back + 10, minus, 1.5);
}
