#include "DeviceArtwork.h"

#include <QPointF>
#include <cmath>
#include <initializer_list>

#include "platform/forms/PicturePen.h"

namespace {

using forms::PicturePen;
using forms::ShapeKind;

const QColor kInk(40, 40, 40);
const QColor kChipBorder(0, 0, 128);
const QColor kBlockFill(255, 248, 220);
const QColor kBlockBorder(110, 110, 110);
const QColor kBlockTitle(0, 0, 128);
const QColor kPartFill(226, 234, 246);
const QColor kNote(90, 90, 90);

void Path(PicturePen& pen, std::initializer_list<QPointF> points) {
  const QPointF* previous = nullptr;
  for (const QPointF& point : points) {
    if (previous) pen.Line(previous->x(), previous->y(), point.x(), point.y());
    previous = &point;
  }
}

// A wire ending in an arrow head at (x2, y2).
void Arrow(PicturePen& pen, double x1, double y1, double x2, double y2) {
  pen.Line(x1, y1, x2, y2);
  const double length = std::hypot(x2 - x1, y2 - y1);
  if (length <= 0) return;
  const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
  constexpr double kHead = 90;
  pen.Line(x2, y2, x2 - kHead * (ux + uy), y2 - kHead * (uy - ux));
  pen.Line(x2, y2, x2 - kHead * (ux - uy), y2 - kHead * (uy + ux));
}

void Box(PicturePen& pen, double left, double top, double width, double height, const QColor& fill,
         const QColor& border = kInk, int borderWidth = 1) {
  pen.Shape(ShapeKind::Rectangle, left, top, width, height, borderWidth, fill)->SetBorderColor(border);
}

void Text(PicturePen& pen, double left, double top, double width, double height, const QString& caption,
          double points, bool bold, const QColor& color = kInk, Qt::Alignment align = Qt::AlignHCenter) {
  forms::LabelItem* label = pen.Text(left, top, width, height, caption, align);
  label->SetFontSize(points, bold);
  label->SetForeColor(color);
}

// A function block of the chip: a box with its name in the middle.
void Block(PicturePen& pen, double left, double top, double width, double height, const QString& title) {
  Box(pen, left, top, width, height, kBlockFill, kBlockBorder);
  const double textHeight = title.contains(QLatin1Char('\n')) ? 420 : 210;
  Text(pen, left + 30, top + (height - textHeight) / 2, width - 60, textHeight, title, 8, true, kBlockTitle);
}

// A part of the power stage.
void Part(PicturePen& pen, double left, double top, double width, double height, const QString& title) {
  Box(pen, left, top, width, height, kPartFill);
  const double textHeight = title.contains(QLatin1Char('\n')) ? 420 : 210;
  Text(pen, left + 30, top + (height - textHeight) / 2, width - 60, textHeight, title, 8, false);
}

void Dot(PicturePen& pen, double x, double y) { pen.Shape(ShapeKind::Ellipse, x - 45, y - 45, 90, 90, 1, kInk); }

void Terminal(PicturePen& pen, double x, double y, const QString& name) {
  pen.Shape(ShapeKind::Ellipse, x - 75, y - 75, 150, 150, 2, Qt::white);
  Text(pen, x - 600, y - 390, 1200, 240, name, 8, true);
}

// A winding: turns drawn as a row or column of small loops.
void Coil(PicturePen& pen, double x, double y, int turns, bool across) {
  constexpr double kTurn = 180;
  for (int i = 0; i < turns; ++i) {
    const double cx = across ? x + i * kTurn : x;
    const double cy = across ? y : y + i * kTurn;
    pen.Shape(ShapeKind::Ellipse, cx - kTurn / 2, cy - kTurn / 2, kTurn, kTurn, 2);
  }
}

// A capacitor standing between two level wires: two level plates.
void Capacitor(PicturePen& pen, double x, double top, double bottom, const QString& name) {
  const double middle = (top + bottom) / 2;
  pen.Line(x, top, x, middle - 60);
  pen.Line(x - 150, middle - 60, x + 150, middle - 60, 2);
  pen.Line(x - 150, middle + 60, x + 150, middle + 60, 2);
  pen.Line(x, middle + 60, x, bottom);
  Text(pen, x + 180, middle - 120, 600, 240, name, 8, false, kInk, Qt::AlignLeft);
}

// Rails of the power stage.
constexpr double kRail = 1200;
constexpr double kReturn = 2850;

void DrawPowerStage(PicturePen& pen) {
  Text(pen, 150, 180, 3000, 240, QStringLiteral("Power stage"), 8, true, kNote, Qt::AlignLeft);

  // Input and full bridge.
  Terminal(pen, 450, kRail, QStringLiteral("VIN"));
  Terminal(pen, 450, kReturn, QStringLiteral("RTN"));
  Path(pen, {{525, kRail}, {2100, kRail}, {2100, 1500}});
  Path(pen, {{525, kReturn}, {2100, kReturn}, {2100, 2550}});
  Dot(pen, 900, kRail);
  Dot(pen, 900, kReturn);
  Capacitor(pen, 900, kRail, kReturn, QStringLiteral("Cin"));
  Part(pen, 1500, 1500, 1200, 1050, QStringLiteral("Full bridge\nQ1 - Q4"));

  // Transformer.
  pen.Line(2700, 1710, 3060, 1710);
  pen.Line(2700, 2250, 3060, 2250);
  Coil(pen, 3150, 1620, 4, false);
  pen.Line(3330, 1500, 3330, 2460, 2);
  pen.Line(3390, 1500, 3390, 2460, 2);
  Coil(pen, 3570, 1620, 4, false);
  Text(pen, 3060, 2520, 600, 240, QStringLiteral("T1"), 8, false);
  pen.Line(3660, 1710, 4000, 1710);
  pen.Line(3660, 2250, 4000, 2250);

  // Synchronous rectifiers, output filter, current shunt, OrFET and output.
  Part(pen, 4000, 1500, 1100, 1050, QStringLiteral("Sync\nrectifiers"));
  Path(pen, {{4550, 1500}, {4550, kRail}, {5400, kRail}});
  Path(pen, {{4550, 2550}, {4550, kReturn}, {6300, kReturn}});
  Coil(pen, 5490, kRail, 4, true);
  Text(pen, 5400, 780, 720, 240, QStringLiteral("Lo"), 8, false);
  pen.Line(6120, kRail, 8700, kRail);
  Dot(pen, 7200, kRail);
  Dot(pen, 7200, kReturn);
  Capacitor(pen, 7200, kRail, kReturn, QStringLiteral("Cout"));
  Box(pen, 6300, 2775, 600, 150, Qt::white);
  Text(pen, 6150, 2535, 900, 240, QStringLiteral("Rsense"), 8, false);
  pen.Line(6900, kReturn, 11400, kReturn);
  Part(pen, 8700, 1020, 900, 360, QStringLiteral("OrFET"));
  pen.Line(9600, kRail, 11400, kRail);
  Dot(pen, 10500, kRail);
  Terminal(pen, 11475, kRail, QStringLiteral("VOUT"));
  Terminal(pen, 11475, kReturn, QStringLiteral("RTN"));
}

void DrawGateDrive(PicturePen& pen) {
  // PWM outputs to the bridge through the isolated gate drive (its coupling
  // capacitor plates are the window's own strokes Line1).
  Path(pen, {{5080, 5700}, {4000, 5700}, {4000, 4560}, {2350, 4560}});
  pen.Line(2250, 4560, 2100, 4560);
  Part(pen, 1600, 4380, 500, 360, QStringLiteral("Drv"));
  pen.Line(1600, 4560, 1460, 4560);
  Path(pen, {{1350, 4560}, {1200, 4560}, {1200, 2100}});
  Arrow(pen, 1200, 2100, 1500, 2100);
  Text(pen, 900, 4860, 2000, 240, QStringLiteral("Isolated gate drive"), 8, false, kNote);
  Text(pen, 2450, 4320, 1500, 240, QStringLiteral("OUTA - OUTD"), 8, false, kInk, Qt::AlignLeft);

  // Synchronous rectifier gates.
  Path(pen, {{5080, 5150}, {4300, 5150}, {4300, 2700}});
  Arrow(pen, 4300, 2700, 4300, 2550);
  Text(pen, 4360, 3300, 1000, 240, QStringLiteral("SR1, SR2"), 8, false, kInk, Qt::AlignLeft);
}

void DrawChip(PicturePen& pen) {
  Box(pen, 4800, 3840, 5760, 3600, Qt::white, kChipBorder, 2);

  // Blocks, each just inside the outline its hot area shows.
  Block(pen, 5080, 4980, 1220, 930, QStringLiteral("PWM\nOutputs"));
  Block(pen, 7380, 5060, 1010, 830, QStringLiteral("Digital\nFilter"));
  Block(pen, 5380, 6200, 1040, 890, QStringLiteral("Fault\nStatus"));
  Block(pen, 9040, 6420, 1020, 740, QStringLiteral("Share\nBus"));
  Block(pen, 6015, 4140, 1605, 500, QStringLiteral("Current Sense"));
  Block(pen, 9210, 5060, 1050, 880, QStringLiteral("Voltage\nSense"));
  Block(pen, 8560, 4140, 1580, 480, QStringLiteral("OrFET Control"));

  // Signal flow inside the chip.
  Arrow(pen, 6150, 4640, 6150, 4980);          // current sense to PWM
  Arrow(pen, 9210, 5475, 8390, 5475);          // voltage error to the filter
  Arrow(pen, 7380, 5475, 6300, 5475);          // filter output to PWM
  Arrow(pen, 5800, 6200, 5800, 5910);          // faults stop the PWM
  Path(pen, {{9550, 6420}, {9550, 6200}, {7885, 6200}, {7885, 5990}});
  Arrow(pen, 7885, 5990, 7885, 5890);          // share bus trims the loop

  // Pins to the power stage.
  Dot(pen, 6300, kReturn);
  Dot(pen, 6900, kReturn);
  Arrow(pen, 6300, kReturn, 6300, 4140);
  Arrow(pen, 6900, kReturn, 6900, 4140);
  Text(pen, 5640, 3330, 600, 240, QStringLiteral("CS1"), 8, false, kInk, Qt::AlignRight);
  Text(pen, 6960, 3330, 600, 240, QStringLiteral("CS2"), 8, false, kInk, Qt::AlignLeft);
  Arrow(pen, 9150, 4140, 9150, 1380);
  Text(pen, 9210, 3330, 900, 240, QStringLiteral("ORFET"), 8, false, kInk, Qt::AlignLeft);
  Path(pen, {{10500, kRail}, {10500, 5500}});
  Arrow(pen, 10500, 5500, 10260, 5500);
  Text(pen, 10560, 3330, 600, 240, QStringLiteral("VS3"), 8, false, kInk, Qt::AlignLeft);
  Text(pen, 6960, 6840, 1800, 240, QStringLiteral("Digital Controller"), 8, false, kNote, Qt::AlignLeft);

  // Share bus out, configuration and the SMBus in.
  pen.Line(10060, 6790, 11400, 6790);
  Terminal(pen, 11475, 6790, QStringLiteral("SHARE"));
  pen.Line(4560, 6840, 4800, 6840);
  pen.Line(525, 7260, 4800, 7260);
  Terminal(pen, 450, 7260, QStringLiteral("SMBus"));
  Text(pen, 1050, 7320, 2400, 240, QStringLiteral("from the evaluation board"), 8, false, kNote, Qt::AlignLeft);
}

}  // namespace

void DrawDeviceArtwork(forms::PictureBox& picture) {
  PicturePen pen(picture, kInk);
  DrawPowerStage(pen);
  DrawGateDrive(pen);
  DrawChip(pen);
}
