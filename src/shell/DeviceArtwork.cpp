#include "DeviceArtwork.h"

#include <QPointF>
#include <cmath>
#include <initializer_list>

#include "platform/forms/PictureBox.h"

namespace {

using forms::LabelItem;
using forms::LineItem;
using forms::PictureBox;
using forms::ShapeItem;
using forms::ShapeKind;

const QColor kInk(40, 40, 40);
const QColor kChipBorder(0, 0, 128);
const QColor kBlockFill(255, 248, 220);
const QColor kBlockBorder(110, 110, 110);
const QColor kBlockTitle(0, 0, 128);
const QColor kPartFill(226, 234, 246);
const QColor kNote(90, 90, 90);

// Draws with running item names ("art(0)", "art(1)", ...), so the window's own
// control names stay free.
class Pen {
 public:
  explicit Pen(PictureBox& picture) : picture_(picture) {}

  LineItem* Wire(double x1, double y1, double x2, double y2, int width = 1) {
    LineItem* line = picture_.AddLine(Next(), x1, y1, x2, y2);
    line->SetBorderColor(kInk);
    line->SetBorderWidth(width);
    return line;
  }

  void Path(std::initializer_list<QPointF> points) {
    const QPointF* previous = nullptr;
    for (const QPointF& point : points) {
      if (previous) Wire(previous->x(), previous->y(), point.x(), point.y());
      previous = &point;
    }
  }

  // A wire ending in an arrow head at (x2, y2).
  void Arrow(double x1, double y1, double x2, double y2) {
    Wire(x1, y1, x2, y2);
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0) return;
    const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
    constexpr double kHead = 90;
    Wire(x2, y2, x2 - kHead * (ux + uy), y2 - kHead * (uy - ux));
    Wire(x2, y2, x2 - kHead * (ux - uy), y2 - kHead * (uy + ux));
  }

  ShapeItem* Box(double left, double top, double width, double height, const QColor& fill,
                 const QColor& border = kInk, int borderWidth = 1) {
    ShapeItem* box = picture_.AddShape(Next(), ShapeKind::Rectangle, left, top, width, height);
    box->SetFilled(true);
    box->SetFillColor(fill);
    box->SetBorderColor(border);
    box->SetBorderWidth(borderWidth);
    return box;
  }

  LabelItem* Text(double left, double top, double width, double height, const QString& caption, double points,
                  bool bold, const QColor& color = kInk, Qt::Alignment align = Qt::AlignHCenter) {
    LabelItem* label = picture_.AddLabel(Next(), left, top, width, height, caption);
    label->SetFontSize(points, bold);
    label->SetForeColor(color);
    label->SetAlignment(align);
    return label;
  }

  // A function block of the chip: a box with its name in the middle.
  void Block(double left, double top, double width, double height, const QString& title) {
    Box(left, top, width, height, kBlockFill, kBlockBorder);
    const double textHeight = title.contains(QLatin1Char('\n')) ? 420 : 210;
    Text(left + 30, top + (height - textHeight) / 2, width - 60, textHeight, title, 8, true, kBlockTitle);
  }

  // A part of the power stage.
  void Part(double left, double top, double width, double height, const QString& title) {
    Box(left, top, width, height, kPartFill);
    const double textHeight = title.contains(QLatin1Char('\n')) ? 420 : 210;
    Text(left + 30, top + (height - textHeight) / 2, width - 60, textHeight, title, 8, false);
  }

  void Dot(double x, double y) {
    ShapeItem* dot = picture_.AddShape(Next(), ShapeKind::Ellipse, x - 45, y - 45, 90, 90);
    dot->SetFilled(true);
    dot->SetFillColor(kInk);
    dot->SetBorderColor(kInk);
  }

  void Terminal(double x, double y, const QString& name) {
    ShapeItem* ring = picture_.AddShape(Next(), ShapeKind::Ellipse, x - 75, y - 75, 150, 150);
    ring->SetFilled(true);
    ring->SetFillColor(Qt::white);
    ring->SetBorderColor(kInk);
    ring->SetBorderWidth(2);
    Text(x - 600, y - 390, 1200, 240, name, 8, true);
  }

  // A winding: turns drawn as a row or column of small loops.
  void Coil(double x, double y, int turns, bool across) {
    constexpr double kTurn = 180;
    for (int i = 0; i < turns; ++i) {
      const double cx = across ? x + i * kTurn : x;
      const double cy = across ? y : y + i * kTurn;
      ShapeItem* loop = picture_.AddShape(Next(), ShapeKind::Ellipse, cx - kTurn / 2, cy - kTurn / 2, kTurn, kTurn);
      loop->SetBorderColor(kInk);
      loop->SetBorderWidth(2);
    }
  }

  // A capacitor standing between two level wires: two level plates.
  void Capacitor(double x, double top, double bottom, const QString& name) {
    const double middle = (top + bottom) / 2;
    Wire(x, top, x, middle - 60);
    Wire(x - 150, middle - 60, x + 150, middle - 60, 2);
    Wire(x - 150, middle + 60, x + 150, middle + 60, 2);
    Wire(x, middle + 60, x, bottom);
    Text(x + 180, middle - 120, 600, 240, name, 8, false, kInk, Qt::AlignLeft);
  }

 private:
  QString Next() { return QStringLiteral("art(%1)").arg(count_++); }
  PictureBox& picture_;
  int count_ = 0;
};

// Rails of the power stage.
constexpr double kRail = 1200;
constexpr double kReturn = 2850;

void DrawPowerStage(Pen& pen) {
  pen.Text(150, 180, 3000, 240, QStringLiteral("Power stage"), 8, true, kNote, Qt::AlignLeft);

  // Input and full bridge.
  pen.Terminal(450, kRail, QStringLiteral("VIN"));
  pen.Terminal(450, kReturn, QStringLiteral("RTN"));
  pen.Path({{525, kRail}, {2100, kRail}, {2100, 1500}});
  pen.Path({{525, kReturn}, {2100, kReturn}, {2100, 2550}});
  pen.Dot(900, kRail);
  pen.Dot(900, kReturn);
  pen.Capacitor(900, kRail, kReturn, QStringLiteral("Cin"));
  pen.Part(1500, 1500, 1200, 1050, QStringLiteral("Full bridge\nQ1 - Q4"));

  // Transformer.
  pen.Wire(2700, 1710, 3060, 1710);
  pen.Wire(2700, 2250, 3060, 2250);
  pen.Coil(3150, 1620, 4, false);
  pen.Wire(3330, 1500, 3330, 2460, 2);
  pen.Wire(3390, 1500, 3390, 2460, 2);
  pen.Coil(3570, 1620, 4, false);
  pen.Text(3060, 2520, 600, 240, QStringLiteral("T1"), 8, false);
  pen.Wire(3660, 1710, 4000, 1710);
  pen.Wire(3660, 2250, 4000, 2250);

  // Synchronous rectifiers, output filter, current shunt, OrFET and output.
  pen.Part(4000, 1500, 1100, 1050, QStringLiteral("Sync\nrectifiers"));
  pen.Path({{4550, 1500}, {4550, kRail}, {5400, kRail}});
  pen.Path({{4550, 2550}, {4550, kReturn}, {6300, kReturn}});
  pen.Coil(5490, kRail, 4, true);
  pen.Text(5400, 780, 720, 240, QStringLiteral("Lo"), 8, false);
  pen.Wire(6120, kRail, 8700, kRail);
  pen.Dot(7200, kRail);
  pen.Dot(7200, kReturn);
  pen.Capacitor(7200, kRail, kReturn, QStringLiteral("Cout"));
  pen.Box(6300, 2775, 600, 150, Qt::white);
  pen.Text(6150, 2535, 900, 240, QStringLiteral("Rsense"), 8, false);
  pen.Wire(6900, kReturn, 11400, kReturn);
  pen.Part(8700, 1020, 900, 360, QStringLiteral("OrFET"));
  pen.Wire(9600, kRail, 11400, kRail);
  pen.Dot(10500, kRail);
  pen.Terminal(11475, kRail, QStringLiteral("VOUT"));
  pen.Terminal(11475, kReturn, QStringLiteral("RTN"));
}

void DrawGateDrive(Pen& pen) {
  // PWM outputs to the bridge through the isolated gate drive (its coupling
  // capacitor plates are the window's own strokes Line1).
  pen.Path({{5080, 5700}, {4000, 5700}, {4000, 4560}, {2350, 4560}});
  pen.Wire(2250, 4560, 2100, 4560);
  pen.Part(1600, 4380, 500, 360, QStringLiteral("Drv"));
  pen.Wire(1600, 4560, 1460, 4560);
  pen.Path({{1350, 4560}, {1200, 4560}, {1200, 2100}});
  pen.Arrow(1200, 2100, 1500, 2100);
  pen.Text(900, 4860, 2000, 240, QStringLiteral("Isolated gate drive"), 8, false, kNote);
  pen.Text(2450, 4320, 1500, 240, QStringLiteral("OUTA - OUTD"), 8, false, kInk, Qt::AlignLeft);

  // Synchronous rectifier gates.
  pen.Path({{5080, 5150}, {4300, 5150}, {4300, 2700}});
  pen.Arrow(4300, 2700, 4300, 2550);
  pen.Text(4360, 3300, 1000, 240, QStringLiteral("SR1, SR2"), 8, false, kInk, Qt::AlignLeft);
}

void DrawChip(Pen& pen) {
  pen.Box(4800, 3840, 5760, 3600, Qt::white, kChipBorder, 2);

  // Blocks, each just inside the outline its hot area shows.
  pen.Block(5080, 4980, 1220, 930, QStringLiteral("PWM\nOutputs"));
  pen.Block(7380, 5060, 1010, 830, QStringLiteral("Digital\nFilter"));
  pen.Block(5380, 6200, 1040, 890, QStringLiteral("Fault\nStatus"));
  pen.Block(9040, 6420, 1020, 740, QStringLiteral("Share\nBus"));
  pen.Block(6015, 4140, 1605, 500, QStringLiteral("Current Sense"));
  pen.Block(9210, 5060, 1050, 880, QStringLiteral("Voltage\nSense"));
  pen.Block(8560, 4140, 1580, 480, QStringLiteral("OrFET Control"));

  // Signal flow inside the chip.
  pen.Arrow(6150, 4640, 6150, 4980);          // current sense to PWM
  pen.Arrow(9210, 5475, 8390, 5475);          // voltage error to the filter
  pen.Arrow(7380, 5475, 6300, 5475);          // filter output to PWM
  pen.Arrow(5800, 6200, 5800, 5910);          // faults stop the PWM
  pen.Path({{9550, 6420}, {9550, 6200}, {7885, 6200}, {7885, 5990}});
  pen.Arrow(7885, 5990, 7885, 5890);          // share bus trims the loop

  // Pins to the power stage.
  pen.Dot(6300, kReturn);
  pen.Dot(6900, kReturn);
  pen.Arrow(6300, kReturn, 6300, 4140);
  pen.Arrow(6900, kReturn, 6900, 4140);
  pen.Text(5640, 3330, 600, 240, QStringLiteral("CS1"), 8, false, kInk, Qt::AlignRight);
  pen.Text(6960, 3330, 600, 240, QStringLiteral("CS2"), 8, false, kInk, Qt::AlignLeft);
  pen.Arrow(9150, 4140, 9150, 1380);
  pen.Text(9210, 3330, 900, 240, QStringLiteral("ORFET"), 8, false, kInk, Qt::AlignLeft);
  pen.Path({{10500, kRail}, {10500, 5500}});
  pen.Arrow(10500, 5500, 10260, 5500);
  pen.Text(10560, 3330, 600, 240, QStringLiteral("VS3"), 8, false, kInk, Qt::AlignLeft);
  pen.Text(6960, 6840, 1800, 240, QStringLiteral("Digital Controller"), 8, false, kNote, Qt::AlignLeft);

  // Share bus out, configuration and the SMBus in.
  pen.Wire(10060, 6790, 11400, 6790);
  pen.Terminal(11475, 6790, QStringLiteral("SHARE"));
  pen.Wire(4560, 6840, 4800, 6840);
  pen.Wire(525, 7260, 4800, 7260);
  pen.Terminal(450, 7260, QStringLiteral("SMBus"));
  pen.Text(1050, 7320, 2400, 240, QStringLiteral("from the evaluation board"), 8, false, kNote, Qt::AlignLeft);
}

}  // namespace

void DrawDeviceArtwork(forms::PictureBox& picture) {
  Pen pen(picture);
  DrawPowerStage(pen);
  DrawGateDrive(pen);
  DrawChip(pen);
}
