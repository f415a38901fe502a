#include "LGauge.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace instruments {

namespace {
constexpr int kMarkerHeight = 9;
constexpr int kMarkerHalfWidth = 5;
constexpr int kTrackHeight = 10;
constexpr int kPickDistance = 6;
const QColor kReadingColor(40, 110, 180);
const QColor kLowerMarkerColor(225, 135, 0);
const QColor kUpperMarkerColor(190, 30, 30);

QString TickText(double value) { return QString::number(value, 'g', 6); }
}  // namespace

LGauge::LGauge(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void LGauge::SetRange(double minimum, double maximum) {
  if (!(maximum > minimum)) return;
  minimum_ = minimum;
  maximum_ = maximum;
  values_[1] = minimum;
  values_[2] = maximum;
  update();
}

void LGauge::SelectPointer(int pointer) {
  if (pointer >= 1 && pointer <= 3) selected_ = pointer;
}

void LGauge::SetValue(double value) {
  double& held = values_[selected_ - 1];
  if (held == value) return;
  held = value;
  update();
}

void LGauge::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

LGauge::Geometry LGauge::Layout() const {
  const QFontMetrics fm = fontMetrics();
  Geometry g;
  const int blockHeight = kMarkerHeight + 1 + kTrackHeight + 4 + fm.height();
  g.top = std::max(0, (height() - blockHeight) / 2);
  g.trackTop = g.top + kMarkerHeight + 1;
  g.trackBottom = g.trackTop + kTrackHeight;
  g.labelTop = g.trackBottom + 4;
  // The readout is wide enough for a reading such as "-8888.88°C".
  const int readoutWidth = fm.horizontalAdvance(QStringLiteral("-8888.88°C")) + 10;
  const int left = std::max(kMarkerHalfWidth + 1, fm.horizontalAdvance(TickText(minimum_)) / 2 + 2);
  const int right =
      width() - readoutWidth - 8 - std::max(kMarkerHalfWidth + 1, fm.horizontalAdvance(TickText(maximum_)) / 2);
  g.map = LinearMap{minimum_, maximum_, static_cast<double>(left), static_cast<double>(std::max(right, left + 1))};
  g.readout = QRect(width() - readoutWidth - 1, g.trackTop - 4, readoutWidth, kTrackHeight + 8);
  return g;
}

QPoint LGauge::ValuePosition(double value) const {
  const Geometry g = Layout();
  return QPoint(static_cast<int>(std::lround(g.map.ToPixel(value))), g.top + kMarkerHeight / 2);
}

QPoint LGauge::PointerPosition(int pointer) const {
  if (pointer < 1 || pointer > 3) return QPoint();
  const QPoint at = ValuePosition(values_[pointer - 1]);
  if (pointer == 1) return QPoint(at.x(), Layout().trackTop + kTrackHeight / 2);
  return at;
}

QSize LGauge::sizeHint() const { return QSize(260, minimumSizeHint().height()); }

QSize LGauge::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return QSize(fm.horizontalAdvance(QStringLiteral("-8888.88°C")) + 120,
               kMarkerHeight + 1 + kTrackHeight + 4 + fm.height() + 2);
}

double LGauge::DragStep(const Geometry& g) const {
  // The round step nearest one a pixel, so a marker lands on a round value and
  // can reach every whole value of a short scale (15 on 0 to 100).
  const int pixels = static_cast<int>(g.map.end - g.map.start);
  return NiceStep(maximum_ - minimum_, std::max(1, pixels));
}

QFont LGauge::CaptionFont(int width) const {
  // A caption too wide for the box is drawn smaller rather than cut, since a
  // number cut at its left reads as another number.
  QFont bold = font();
  bold.setBold(true);
  const qreal natural = QFontMetricsF(bold).horizontalAdvance(caption_);
  if (natural <= width) return bold;
  const qreal size = bold.pointSizeF() > 0 ? bold.pointSizeF() : QFontInfo(bold).pointSizeF();
  // Text does not narrow quite in proportion to its size: step down until it fits.
  for (qreal scale = width / natural; scale > 0.1; scale *= 0.95) {
    bold.setPointSizeF(size * scale);
    if (QFontMetricsF(bold).horizontalAdvance(caption_) <= width) break;
  }
  return bold;
}

int LGauge::MarkerAt(const QPoint& at) const {
  const Geometry g = Layout();
  if (at.y() < g.top - 2 || at.y() > g.trackBottom + 2) return 0;
  int best = 0;
  double bestDistance = kPickDistance + 0.5;
  for (int k = 2; k <= 3; ++k) {
    const double x = std::round(g.map.ToPixel(values_[k - 1]));
    const double distance = std::fabs(at.x() - x);
    // Two markers on one spot: the side of the press tells which one is meant.
    if (distance < bestDistance || (distance == bestDistance && at.x() >= x)) {
      best = k;
      bestDistance = distance;
    }
  }
  return best;
}

void LGauge::DragTo(int x) {
  const Geometry g = Layout();
  const double step = DragStep(g);
  double value = SnapToStep(g.map.ToValue(x - grabOffset_), step);
  value = std::clamp(value, minimum_, maximum_);
  double& held = values_[dragging_ - 1];
  if (held == value) return;
  held = value;
  update();
}

void LGauge::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const int marker = MarkerAt(at);
  if (marker == 0) return;
  dragging_ = marker;
  valueAtPress_ = values_[marker - 1];
  grabOffset_ = at.x() - PointerPosition(marker).x();
  event->accept();
}

void LGauge::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_ != 0) {
    DragTo(at.x());
    return;
  }
  if (MarkerAt(at) != 0) {
    setCursor(Qt::SizeHorCursor);
  } else {
    unsetCursor();
  }
}

void LGauge::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ == 0 || event->button() != Qt::LeftButton) return;
  DragTo(event->position().toPoint().x());
  const int marker = dragging_;
  dragging_ = 0;
  if (values_[marker - 1] != valueAtPress_) emit pointerMoved();
}

void LGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Geometry g = Layout();
  const int left = static_cast<int>(g.map.start);
  const int right = static_cast<int>(g.map.end);
  const QFontMetrics fm = fontMetrics();

  // The track, with the reading as a bar from the scale's start.
  const QRect track(left, g.trackTop, right - left, kTrackHeight);
  painter.fillRect(track, QColor(235, 235, 235));
  const int readingX = static_cast<int>(std::lround(g.map.ToPixel(values_[0])));
  painter.fillRect(QRect(left, g.trackTop, readingX - left, kTrackHeight), kReadingColor);
  painter.setPen(QColor(20, 20, 20));
  painter.drawLine(readingX, g.trackTop - 1, readingX, g.trackBottom);
  painter.setPen(QColor(120, 120, 120));
  painter.drawRect(track.adjusted(0, 0, -1, -1));

  // Ticks and their numbers.
  const double major = NiceStep(maximum_ - minimum_, std::max(2, (right - left) / 45));
  const double minor = (right - left) / ((maximum_ - minimum_) / (major / 5)) >= 4 ? major / 5 : major / 2;
  painter.setPen(QColor(60, 60, 60));
  for (double v : TickValues(minimum_, maximum_, minor)) {
    const int x = static_cast<int>(std::lround(g.map.ToPixel(v)));
    painter.drawLine(x, g.trackBottom, x, g.trackBottom + 2);
  }
  for (double v : TickValues(minimum_, maximum_, major)) {
    const int x = static_cast<int>(std::lround(g.map.ToPixel(v)));
    painter.drawLine(x, g.trackBottom, x, g.trackBottom + 4);
    const QString text = TickText(v);
    const int w = fm.horizontalAdvance(text);
    painter.drawText(QRect(x - w / 2 - 1, g.labelTop, w + 2, fm.height()), Qt::AlignCenter, text);
  }

  // The two limit markers: triangles pointing down at the track, with a hairline across it.
  painter.setRenderHint(QPainter::Antialiasing);
  for (int k = 2; k <= 3; ++k) {
    const QColor color = k == 2 ? kLowerMarkerColor : kUpperMarkerColor;
    const double x = std::round(g.map.ToPixel(values_[k - 1])) + 0.5;
    QPainterPath marker;
    marker.moveTo(x, g.trackTop);
    marker.lineTo(x - kMarkerHalfWidth, g.top);
    marker.lineTo(x + kMarkerHalfWidth, g.top);
    marker.closeSubpath();
    painter.setPen(QPen(color.darker(140), 1));
    painter.setBrush(color);
    painter.drawPath(marker);
    painter.setPen(QPen(color, 1));
    painter.drawLine(QPointF(x, g.trackTop), QPointF(x, g.trackBottom));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);

  // The caption, read out in a box beside the scale.
  painter.setPen(QColor(120, 120, 120));
  painter.setBrush(Qt::white);
  painter.drawRect(g.readout.adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);
  const QRect text = g.readout.adjusted(4, 0, -4, 0);
  painter.setFont(CaptionFont(text.width()));
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, caption_);
}

}  // namespace instruments
