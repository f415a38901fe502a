#include "SenseCircuitPicture.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <cmath>

#include "platform/forms/PictureBox.h"
#include "platform/forms/Twips.h"

namespace {

const QColor kInk(40, 40, 40);
const QColor kWire(0, 90, 160);
const QColor kChipFill(236, 240, 246);

}  // namespace

void DrawSenseCircuit(forms::PictureBox& picture, const QString& chipName, const QRect& chipTwips,
                      const std::vector<SensePin>& pins) {
  // Laid out in pixels of the outer box; the drawing starts inside the frame.
  const QPoint origin = picture.contentsRect().topLeft();
  const auto at = [origin](qreal x, qreal y) {
    return QPointF(forms::ToTwips(x - origin.x()), forms::ToTwips(y - origin.y()));
  };
  const QRect chip = forms::ToPixels(chipTwips.x(), chipTwips.y(), chipTwips.width(), chipTwips.height());
  int count = 0;
  const auto name = [&count] { return QStringLiteral("art(%1)").arg(count++); };
  // A caption centred in height in a box of pixels, as a text box lays one line out.
  const auto caption = [&](const QString& text, const QFont& font, const QRect& box, Qt::Alignment horizontal) {
    const QFontMetricsF metrics(font, &picture);
    const int top = static_cast<int>(std::lround(box.top() + (box.height() - metrics.height()) / 2));
    const QPointF corner = at(box.left(), top);
    forms::LabelItem* label = picture.AddLabel(name(), corner.x(), corner.y(), forms::ToTwips(box.width()),
                                               forms::ToTwips(box.bottom() + 1 - top), text);
    label->SetFont(font);
    label->SetForeColor(kInk);
    label->SetAlignment(horizontal);
  };

  picture.DrawPolygon(QPolygonF({at(chip.left(), chip.top()), at(chip.left() + chip.width(), chip.top()),
                                 at(chip.left() + chip.width(), chip.top() + chip.height()),
                                 at(chip.left(), chip.top() + chip.height())}),
                      kInk, 2, kChipFill);
  QFont bold = picture.font();
  bold.setBold(true);
  const int nameHeight = QFontMetrics(bold, &picture).height() + 8;
  caption(chipName, bold, QRect(chip.left(), chip.top() + 4, chip.width(), nameHeight), Qt::AlignHCenter);

  for (const SensePin& pin : pins) {
    const int centre = forms::ToPixels(pin.centre);
    const int from = forms::ToPixels(pin.wireFrom);
    const QPointF start = at(from, centre), end = at(chip.left(), centre);
    forms::LineItem* wire = picture.AddLine(name(), start.x(), start.y(), end.x(), end.y());
    wire->SetBorderColor(kWire);
    wire->SetBorderWidth(2);
    // A dot of radius 3 pixels, its 2-pixel ring centred on the radius.
    const QPointF corner = at(from - 4, centre - 4);
    forms::ShapeItem* dot = picture.AddShape(name(), forms::ShapeKind::Ellipse, corner.x(), corner.y(),
                                             forms::ToTwips(7), forms::ToTwips(7));
    dot->SetBorderColor(kWire);
    dot->SetBorderWidth(2);
    dot->SetFilled(true);
    dot->SetFillColor(kWire);
    caption(pin.name, picture.font(), QRect(chip.left() + 6, centre - 10, chip.width() - 12, 20), Qt::AlignLeft);
  }
}
