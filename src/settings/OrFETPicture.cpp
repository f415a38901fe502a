#include "OrFETPicture.h"

#include <QPolygonF>

#include "platform/forms/PicturePen.h"

namespace {

const QColor kInk(40, 40, 40);

void Line(forms::PicturePen& pen, double x1, double y1, double x2, double y2, qreal width = 2) {
  pen.Stroke(QPolygonF({QPointF(x1, y1), QPointF(x2, y2)}), width);
}

void Triangle(forms::PicturePen& pen, QPointF a, QPointF b, QPointF c, bool filled) {
  pen.Outline(QPolygonF({a, b, c}), 2, filled ? pen.Ink() : QColor());
}

}  // namespace

void DrawOrFETPicture(forms::PictureBox& picture) {
  forms::PicturePen pen(picture, kInk);

  // The power path runs down the picture through the OrFET, two thirds of the
  // way across; twips of the drawing, which fills the picture inside its frame.
  const double mid = 1935;
  const double path = 1410;
  const double top = 255;
  const double bottom = 3615;
  const double channel = path - 240;
  const double drain = mid - 330;
  const double source = mid + 330;

  pen.Circle(path, top, 75);
  pen.Circle(path, bottom, 75);
  Line(pen, path, top + 75, path, drain);
  Line(pen, path, drain, channel, drain);
  Line(pen, path, mid, path, bottom - 75);
  Line(pen, path, source, channel, source);
  Line(pen, path, mid, channel + 120, mid);
  // N-channel: the body arrow points at the channel.
  Triangle(pen, {channel + 15, mid}, {channel + 135, mid - 60}, {channel + 135, mid + 60}, true);
  for (double y : {drain, mid, source}) Line(pen, channel, y - 90, channel, y + 90);
  Line(pen, channel - 105, drain - 60, channel - 105, source + 60);

  // Body diode, anode at the source.
  const double diode = path + 330;
  Line(pen, path, drain, diode, drain);
  Line(pen, diode, drain, diode, mid - 135);
  Line(pen, diode - 120, mid - 135, diode + 120, mid - 135);
  Triangle(pen, {diode, mid - 135}, {diode - 120, mid + 105}, {diode + 120, mid + 105}, false);
  Line(pen, diode, mid + 105, diode, source);
  Line(pen, diode, source, path, source);

  // The comparator across the OrFET drives its gate.
  const double apex = channel - 420;
  const double back = apex - 480;
  Line(pen, channel - 105, mid, apex, mid);
  Triangle(pen, {apex, mid}, {back, mid - 330}, {back, mid + 330}, false);
  const double plus = mid - 165;
  const double minus = mid + 165;
  const double lead = back - 150;
  Line(pen, back, plus, lead, plus);
  Line(pen, lead, plus, lead, top + 510);
  Line(pen, lead, top + 510, path, top + 510);
  Line(pen, back, minus, lead, minus);
  Line(pen, lead, minus, lead, bottom - 510);
  Line(pen, lead, bottom - 510, path, bottom - 510);
  pen.Circle(path, top + 510, 45, pen.Ink());
  pen.Circle(path, bottom - 510, 45, pen.Ink());
  Line(pen, back + 60, plus, back + 150, plus, 1.5);
  Line(pen, back + 105, plus - 45, back + 105, plus + 45, 1.5);
  Line(pen, back + 60, minus, back + 150, minus, 1.5);
}
