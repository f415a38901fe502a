#include "SenseCircuitPicture.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <cmath>

#include "platform/forms/PicturePen.h"
#include "platform/forms/Twips.h"

namespace {

const QColor kInk(40, 40, 40);
const QColor kWire(0, 90, 160);
const QColor kChipFill(236, 240, 246);

}  // namespace

void DrawSenseCircuit(forms::PictureBox& picture, const QString& chipName, const QRect& chipTwips,
                      const std::vector<SensePin>& pins) {
  using forms::ToPixels;
  using forms::ToTwips;
  forms::PicturePen pen(picture, kInk);
  // Given in twips of the outer box, where the controls on the picture stand on
  // whole pixels; the drawing starts inside the frame.
  const QPoint frame = picture.contentsRect().topLeft();
  const auto inX = [frame](int twips) { return ToTwips(ToPixels(twips) - frame.x()); };
  const auto inY = [frame](int twips) { return ToTwips(ToPixels(twips) - frame.y()); };
  const QRectF chip(inX(chipTwips.x()), inY(chipTwips.y()), ToTwips(ToPixels(chipTwips.width())),
                    ToTwips(ToPixels(chipTwips.height())));
  // A caption centred in height in a box, as a text box lays one line out, on whole pixels.
  const auto caption = [&](const QString& text, const QFont& font, const QRectF& box, Qt::Alignment horizontal) {
    const double line = QFontMetricsF(font, &picture).height() * forms::kTwipsPerPixel;
    const double top = ToTwips(ToPixels(box.top() + (box.height() - line) / 2));
    pen.Text(box.left(), top, box.width(), box.bottom() - top, text, horizontal)->SetFont(font);
  };

  pen.Outline(QPolygonF({chip.topLeft(), chip.topRight(), chip.bottomRight(), chip.bottomLeft()}), 2, kChipFill);
  QFont bold = picture.font();
  bold.setBold(true);
  const int nameHeight = ToTwips(QFontMetrics(bold, &picture).height() + 8);
  caption(chipName, bold, QRectF(chip.left(), chip.top() + 60, chip.width(), nameHeight), Qt::AlignHCenter);

  for (const SensePin& pin : pins) {
    const double centre = inY(pin.centre);
    const double from = inX(pin.wireFrom);
    pen.Line(from, centre, chip.left(), centre, 2)->SetBorderColor(kWire);
    pen.Circle(from, centre, 45, kWire)->SetBorderColor(kWire);
    caption(pin.name, picture.font(), QRectF(chip.left() + 90, centre - 150, chip.width() - 180, 300),
            Qt::AlignLeft);
  }
}
