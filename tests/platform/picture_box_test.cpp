// The drawing surface: items in twips, painting only what changed, and mouse
// events in twips for the picture and for its hot labels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <cmath>
#include <memory>

#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Twips.h"

using forms::LabelItem;
using forms::LineItem;
using forms::PictureBox;
using forms::ShapeItem;

namespace {

struct Event {
  std::string what;
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
  bool operator==(const Event& o) const {
    return what == o.what && button == o.button && shift == o.shift && x == o.x && y == o.y;
  }
};
std::ostream& operator<<(std::ostream& os, const Event& e) {
  return os << e.what << "(" << e.button << "," << e.shift << "," << e.x << "," << e.y << ")";
}

// Remembers the areas the picture repaints.
class PaintSpy : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

class Surface : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<QWidget>();
    host->resize(420, 320);
    picture = new PictureBox(host.get());
    picture->setGeometry(0, 0, 404, 304);  // a 400 x 300 pixel drawing inside the 2-pixel border
    picture->SetBackColor(Qt::white);
  }
  void TearDown() override {
    // QTest keeps its own idea of the held buttons across tests.
    QTest::mouseRelease(picture, Qt::LeftButton, {}, Px(1, 1));
    host.reset();
  }
  void ShowAndSettle() {
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    QCoreApplication::processEvents();
  }
  // A point of the drawing, given in drawing pixels, as a widget position.
  QPoint Px(int x, int y) const { return QPoint(x, y) + picture->contentsRect().topLeft(); }
  QImage Drawing() const { return picture->grab(picture->contentsRect()).toImage(); }
  // A hot label at (100, 100) pixels, 100 x 50, its events and the picture's recorded, shown.
  LabelItem* ShowRecordedHotLabel() {
    LabelItem* hot = picture->AddLabel("hot", 1500, 1500, 1500, 750);
    Record(*picture, "pct");
    Record(*hot, "lbl");
    ShowAndSettle();
    return hot;
  }
  void Record(forms::MouseHandlers& target, const std::string& name) {
    target.onMouseDown = [this, name](int b, int s, float x, float y) { events.push_back({name + " down", b, s, x, y}); };
    target.onMouseUp = [this, name](int b, int s, float x, float y) { events.push_back({name + " up", b, s, x, y}); };
    target.onMouseMove = [this, name](int b, int s, float x, float y) { events.push_back({name + " move", b, s, x, y}); };
    target.onClick = [this, name] { events.push_back({name + " click"}); };
    target.onDblClick = [this, name] { events.push_back({name + " dblclick"}); };
  }

  std::unique_ptr<QWidget> host;
  PictureBox* picture = nullptr;
  std::vector<Event> events;
};

}  // namespace

TEST_F(Surface, ItemsArePaintedAtFifteenTwipsToThePixel) {
  LineItem* line = picture->AddLine("ln(0)", 150, 300, 1500, 300);
  line->SetBorderColor(Qt::red);
  ShapeItem* box = picture->AddShape("shp", forms::ShapeKind::Rectangle, 3000, 1500, 600, 450);
  box->SetFilled(true);
  box->SetFillColor(Qt::blue);
  box->SetBorderColor(Qt::green);
  LabelItem* label = picture->AddLabel("lbl", 4500, 3000, 300, 150);
  label->SetOpaque(true);
  label->SetBackColor(Qt::yellow);

  const QImage img = Drawing();
  EXPECT_EQ(img.pixelColor(10, 20), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(100, 20), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(55, 20), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(55, 19), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(102, 20), QColor(Qt::white));
  // Shape: 40 x 30 pixels from (200, 100), a one-pixel border inside its box.
  EXPECT_EQ(img.pixelColor(200, 100), QColor(Qt::green));
  EXPECT_EQ(img.pixelColor(239, 129), QColor(Qt::green));
  EXPECT_EQ(img.pixelColor(220, 115), QColor(Qt::blue));
  EXPECT_EQ(img.pixelColor(240, 115), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(220, 130), QColor(Qt::white));
  // Label: 20 x 10 pixels from (300, 200).
  EXPECT_EQ(img.pixelColor(300, 200), QColor(Qt::yellow));
  EXPECT_EQ(img.pixelColor(319, 209), QColor(Qt::yellow));
  EXPECT_EQ(img.pixelColor(320, 209), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(319, 210), QColor(Qt::white));
}

TEST_F(Surface, CoordinatesAreHeldAsSingles) {
  LineItem* line = picture->AddLine("ln", 0, 0, 0, 0);
  line->SetPoints(4207.5, 0, 0.1, 0);
  EXPECT_EQ(line->X1(), 4207.5f);
  EXPECT_EQ(line->X2(), 0.1f);
  ShapeItem* shape = picture->AddShape("shp", forms::ShapeKind::Ellipse, 10.25, 20, 160, 165);
  EXPECT_EQ(shape->Left() + shape->Width() / 2, 90.25f);
}

TEST_F(Surface, HiddenItemsAndWidthsAndDots) {
  LineItem* thick = picture->AddLine("thick", 1500, 1500, 3000, 1500);
  thick->SetBorderWidth(3);
  LineItem* dotted = picture->AddLine("dotted", 1500, 3000, 3000, 3000);
  dotted->SetStyle(forms::BorderStyle::Dot);
  LineItem* hidden = picture->AddLine("hidden", 1500, 4000, 3000, 4000);
  hidden->SetVisible(false);

  const QImage img = Drawing();
  for (int y : {99, 100, 101}) EXPECT_EQ(img.pixelColor(150, y), QColor(Qt::black)) << y;
  EXPECT_EQ(img.pixelColor(150, 98), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(150, 102), QColor(Qt::white));
  int dark = 0;
  for (int x = 100; x < 200; ++x) dark += img.pixelColor(x, 200) == QColor(Qt::black);
  EXPECT_GT(dark, 20);
  EXPECT_LT(dark, 80) << "a dotted line leaves gaps";
  for (int x = 100; x <= 200; ++x) ASSERT_EQ(img.pixelColor(x, 267), QColor(Qt::white));
}

TEST_F(Surface, BringToFrontPaintsLast) {
  ShapeItem* below = picture->AddShape("a", forms::ShapeKind::Rectangle, 0, 0, 1500, 1500);
  below->SetFilled(true);
  below->SetFillColor(Qt::red);
  ShapeItem* above = picture->AddShape("b", forms::ShapeKind::Rectangle, 750, 750, 1500, 1500);
  above->SetFilled(true);
  above->SetFillColor(Qt::blue);
  EXPECT_EQ(Drawing().pixelColor(75, 75), QColor(Qt::blue));
  below->ZOrder();
  EXPECT_EQ(Drawing().pixelColor(75, 75), QColor(Qt::red));
  EXPECT_EQ(picture->Items().back(), below);
}

TEST_F(Surface, AutoSizedLabelTakesTheSizeOfItsCaption) {
  LabelItem* label = picture->AddLabel("lbl", 0, 0, 15, 15, "KRV7310");
  label->SetFontSize(18);
  label->SetAutoSize(true);
  const QFontMetrics metrics(label->Font(), picture);
  EXPECT_FLOAT_EQ(label->Width(), metrics.horizontalAdvance("KRV7310") * 15.0f);
  EXPECT_FLOAT_EQ(label->Height(), metrics.height() * 15.0f);
  const float shortWidth = label->Width();
  label->SetCaption("KRV7310 KRV7310");
  EXPECT_GT(label->Width(), shortWidth * 1.8f);
}

TEST_F(Surface, HotAreasAreVisibleLabelsWithHandlersTopmostFirst) {
  LabelItem* plain = picture->AddLabel("plain", 0, 0, 3000, 3000);
  LabelItem* lower = picture->AddLabel("lower", 0, 0, 1500, 1500);
  lower->onClick = [] {};
  LabelItem* upper = picture->AddLabel("upper", 750, 750, 1500, 1500);
  upper->onMouseMove = [](int, int, float, float) {};

  EXPECT_EQ(picture->HotAreaAt(2900, 2900), nullptr) << "a label without handlers is no hot area";
  EXPECT_EQ(picture->HotAreaAt(100, 100), lower);
  EXPECT_EQ(picture->HotAreaAt(1000, 1000), upper);
  EXPECT_EQ(picture->HotAreaAt(2249, 2249), upper);
  EXPECT_EQ(picture->HotAreaAt(2250, 1000), nullptr) << "right edge is outside";
  lower->ZOrder();
  EXPECT_EQ(picture->HotAreaAt(1000, 1000), lower);
  lower->SetVisible(false);
  EXPECT_EQ(picture->HotAreaAt(1000, 1000), upper);
  (void)plain;
}

TEST_F(Surface, MouseEventsArriveInTwipsAtThePictureOrTheHotLabel) {
  ShowRecordedHotLabel();

  QTest::mouseMove(picture, Px(20, 30));
  QTest::mouseMove(picture, Px(110, 120));
  QTest::mousePress(picture, Qt::RightButton, Qt::ShiftModifier, Px(111, 121));
  QTest::mouseRelease(picture, Qt::RightButton, Qt::ShiftModifier, Px(111, 121));
  QTest::mouseClick(picture, Qt::LeftButton, Qt::ControlModifier, Px(30, 40));
  EXPECT_EQ(events, (std::vector<Event>{{"pct move", 0, 0, 300, 450},
                                        {"lbl move", 0, 0, 150, 300},
                                        {"lbl down", 2, 1, 165, 315},
                                        {"lbl up", 2, 1, 165, 315},
                                        {"pct down", 1, 2, 450, 600},
                                        {"pct up", 1, 2, 450, 600},
                                        {"pct click"}}));
}

TEST_F(Surface, TheReceiverOfAPressKeepsTheEventsUntilRelease) {
  ShowRecordedHotLabel();

  QTest::mousePress(picture, Qt::LeftButton, {}, Px(110, 110));
  QTest::mouseMove(picture, Px(10, 10));  // QTest moves carry the held button
  QTest::mouseRelease(picture, Qt::LeftButton, {}, Px(10, 10));
  EXPECT_EQ(events, (std::vector<Event>{{"lbl down", 1, 0, 150, 150},
                                        {"lbl move", 1, 0, -1350, -1350},
                                        {"lbl up", 1, 0, -1350, -1350}}))
      << "released away from the label: no click";

  events.clear();
  QTest::mousePress(picture, Qt::LeftButton, {}, Px(10, 10));
  QTest::mouseRelease(picture, Qt::LeftButton, {}, Px(110, 110));
  EXPECT_EQ(events, (std::vector<Event>{{"pct down", 1, 0, 150, 150}, {"pct up", 1, 0, 1650, 1650}}));
}

TEST_F(Surface, DoubleClickReplacesTheSecondPress) {
  ShowRecordedHotLabel();
  QTest::mouseClick(picture, Qt::LeftButton, {}, Px(110, 110));
  QTest::mouseDClick(picture, Qt::LeftButton, {}, Px(110, 110));
  QTest::mouseRelease(picture, Qt::LeftButton, {}, Px(110, 110));
  EXPECT_EQ(events, (std::vector<Event>{{"lbl down", 1, 0, 150, 150},
                                        {"lbl up", 1, 0, 150, 150},
                                        {"lbl click"},
                                        {"lbl dblclick"},
                                        {"lbl up", 1, 0, 150, 150}}));
}

TEST_F(Surface, HotLabelShowsItsOwnPointerElseTheFormsPointer) {
  LabelItem* hot = picture->AddLabel("hot", 1500, 1500, 1500, 750);
  hot->onMouseMove = [](int, int, float, float) {};
  hot->SetMousePointer(forms::vbSizeAll);
  host->setCursor(Qt::SizeVerCursor);
  ShowAndSettle();
  QTest::mouseMove(picture, Px(110, 110));
  EXPECT_EQ(picture->cursor().shape(), Qt::SizeAllCursor);
  QTest::mouseMove(picture, Px(10, 10));
  EXPECT_FALSE(picture->testAttribute(Qt::WA_SetCursor));
  EXPECT_EQ(picture->cursor().shape(), Qt::SizeVerCursor) << "inherited from the form";
}

TEST_F(Surface, AChangeRepaintsOnlyTheOldAndNewPlaceOfTheItem) {
  std::vector<LineItem*> lines;
  for (int i = 0; i < 20; ++i) lines.push_back(picture->AddLine(QString("ln(%1)").arg(i), 150, 150 + 200 * i, 1500, 150 + 200 * i));
  ShowAndSettle();
  PaintSpy spy;
  picture->installEventFilter(&spy);

  lines[5]->SetPoints(150, 1150, 3000, 1150);  // from (10, 74)-(100, 74) to (10, 74)-(200, 74) in pixels
  QCoreApplication::processEvents();
  const QRect painted = spy.painted.boundingRect().translated(-picture->contentsRect().topLeft());
  EXPECT_FALSE(painted.isEmpty());
  EXPECT_TRUE(QRect(5, 69, 201, 11).contains(painted)) << painted.x() << "," << painted.y() << " "
                                                      << painted.width() << "x" << painted.height();

  spy.painted = QRegion();
  lines[5]->SetPoints(150, 1150, 3000, 1150);  // no change, no repaint
  lines[7]->SetVisible(true);
  QCoreApplication::processEvents();
  EXPECT_TRUE(spy.painted.isEmpty());
  picture->removeEventFilter(&spy);
}

// ---- The drawn layer -----------------------------------------------------------------

TEST_F(Surface, DrawnStrokesLieUnderTheItemsAndClsRemovesOnlyThem) {
  ShapeItem* box = picture->AddShape("shp", forms::ShapeKind::Rectangle, 1500, 0, 1500, 3000);
  box->SetFilled(true);
  box->SetFillColor(Qt::blue);
  LineItem* line = picture->AddLine("ln", 0, 3750, 6000, 3750);
  picture->DrawPolyline(QPolygonF({{0, 750}, {4500, 750}}), Qt::red, 3);
  picture->DrawPolygon(QPolygonF({{4500, 1500}, {5250, 1500}, {5250, 2250}, {4500, 2250}}), Qt::black, 1, Qt::green);

  QImage img = Drawing();
  EXPECT_EQ(img.pixelColor(50, 50), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(150, 50), QColor(Qt::blue)) << "items are painted over the drawn layer";
  EXPECT_EQ(img.pixelColor(325, 125), QColor(Qt::green));
  EXPECT_LT(qGray(img.pixel(325, 100)), 160) << "the outline";

  picture->Cls();
  img = Drawing();
  EXPECT_EQ(img.pixelColor(50, 50), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(325, 125), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(150, 50), QColor(Qt::blue));
  EXPECT_EQ(img.pixelColor(50, 250), QColor(Qt::black)) << "the line item stays";
  EXPECT_EQ(picture->Items().size(), 2u);
  (void)line;
}

struct Segment {
  double x1, y1, x2, y2;
  int width;
  forms::BorderStyle style;
};
void PrintTo(const Segment& c, std::ostream* os) {
  *os << c.x1 << ", " << c.y1 << " to " << c.x2 << ", " << c.y2 << " width " << c.width
      << (c.style == forms::BorderStyle::Dot ? " dotted" : "");
}

class SurfaceDrawnSegments : public Surface, public ::testing::WithParamInterface<Segment> {};

TEST_P(SurfaceDrawnSegments, PaintTheSamePixelsAsALineItem) {
  const Segment& s = GetParam();
  LineItem* line = picture->AddLine("ln", s.x1, s.y1, s.x2, s.y2);
  line->SetBorderWidth(s.width);
  line->SetStyle(s.style);
  line->SetBorderColor(Qt::darkGreen);
  const QImage asItem = Drawing();
  line->SetVisible(false);
  picture->DrawPolyline(QPolygonF({{s.x1, s.y1}, {s.x2, s.y2}}), Qt::darkGreen, s.width, s.style);
  EXPECT_EQ(Drawing(), asItem);
}

INSTANTIATE_TEST_SUITE_P(Segments, SurfaceDrawnSegments,
                         ::testing::Values(Segment{600, 6300, 12095, 6300, 1, forms::BorderStyle::Dot},
                                           Segment{600, 0, 600, 4000, 1, forms::BorderStyle::Dot},
                                           Segment{150, 300, 5000, 300, 2, forms::BorderStyle::Solid},
                                           Segment{100, 4000, 5800, 250.5, 1, forms::BorderStyle::Solid},
                                           Segment{3000, 100, 3100, 4400, 3, forms::BorderStyle::Solid}));

TEST_F(Surface, RedrawingTheLayerRepaintsItsStrokesOnlyAndHoldsNoMoreMemory) {
  picture->AddLine("grid", 0, 4000, 6000, 4000);
  ShowAndSettle();
  auto curve = [](int shift) {
    QPolygonF points;
    for (int i = 0; i <= 200; ++i) points << QPointF(30 * i, 1500 + shift + 600 * std::sin(i / 20.0));
    return points;
  };
  auto redraw = [&](int shift) {
    picture->Cls();
    picture->DrawPolyline(curve(shift), Qt::magenta, 1);
    picture->DrawPolyline(curve(shift + 300), Qt::black, 1);
  };
  redraw(0);
  QCoreApplication::processEvents();
  const size_t memory = picture->DrawnMemoryBytes();
  EXPECT_GT(memory, 0u);
  PaintSpy spy;
  picture->installEventFilter(&spy);
  for (int i = 1; i <= 1000; ++i) redraw(i % 7);
  QCoreApplication::processEvents();
  picture->removeEventFilter(&spy);
  EXPECT_EQ(picture->DrawnMemoryBytes(), memory) << "clearing keeps the room, drawing again reuses it";
  const QRect painted = spy.painted.boundingRect().translated(-picture->contentsRect().topLeft());
  EXPECT_FALSE(painted.isEmpty());
  EXPECT_LE(painted.bottom(), (1500 + 300 + 6 + 600) / 15 + 3) << "the grid line below the curves is not repainted";
}

// ---- Fitted fonts ------------------------------------------------------------------

struct FitCase {
  int labelWidth;  // twips
  const char* caption;
  bool shrinks;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << '"' << c.caption << "\" in " << c.labelWidth << " twips"; }

class SurfaceFittedFont : public Surface, public ::testing::WithParamInterface<FitCase> {};

TEST_P(SurfaceFittedFont, TheCaptionStaysOnOneLineWithinTheLabel) {
  LabelItem* label = picture->AddLabel("lbl", 0, 0, GetParam().labelWidth, 375, GetParam().caption);
  QFont designed(QStringLiteral("DejaVu Sans"));
  designed.setPointSize(12);
  label->SetFittedFont(designed);
  const QFontMetrics metrics(label->Font(), picture);
  EXPECT_LE(metrics.horizontalAdvance(label->Caption()), forms::ToPixels(label->Width()) - 4);
  if (GetParam().shrinks) {
    EXPECT_LT(label->Font().pointSizeF(), 12);
    EXPECT_GT(label->Font().pointSizeF(), 6);
  } else {
    EXPECT_EQ(label->Font().pointSizeF(), 12);
  }
}

INSTANTIATE_TEST_SUITE_P(Captions, SurfaceFittedFont,
                         ::testing::Values(FitCase{1935, "  General Settings", true},
                                           FitCase{4000, "  General Settings", false},
                                           FitCase{1935, "General", false}));
