// The block diagram: its hot areas open the right page for the right chip, the
// red outline follows the pointer, and the live values read as the user expects.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <set>
#include <QTest>

#include "model/DeviceInfo.h"
#include "platform/forms/Twips.h"
#include "shell/frmDevice.h"
#include "support/PictureMouse.h"
#include "support/ShellFixture.h"

using forms::LabelItem;
using forms::LineItem;

namespace {

constexpr PageKind kBlockKinds[] = {PageKind::PWM,   PageKind::DigFilter,    PageKind::Limits,
                                    PageKind::Share, PageKind::CurrentSense, PageKind::VoltageSense,
                                    PageKind::OrFET, PageKind::General};

// A page of any kind that records how the scheme opens it.
class RecordingPage : public DevicePage {
 public:
  static inline std::vector<std::string> log;
  void SetupFormAfterLoad() override { log.push_back("setup " + Caption().toStdString()); }

 protected:
  void Form_Load() override {
    log.push_back("load");
    SetSize(3000, 2000);
    CenterInMainForm(*this);
  }
};

class BlockDiagram : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RecordingPage::log.clear();
    for (PageKind kind : kBlockKinds) RegisterPage(kind, [] { return std::make_unique<RecordingPage>(); });
  }
  void TearDown() override {
    QTest::mouseRelease(gMainForm ? gMainForm->Window() : nullptr, Qt::LeftButton);
    ShellFixture::TearDown();
    for (PageKind kind : kBlockKinds) RegisterPage(kind, nullptr);
  }

  // The main window large enough to show the whole diagram, and the diagram of a device in it.
  frmDevice& Diagram(int index) {
    if (!gMainForm) {
      frmMain& main = OpenMainWindow();
      main.Window()->setWindowState(Qt::WindowNoState);
      main.SetSize(19200, 15600);
    }
    OpenBlockDiagram(index);
    frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, index);
    CenterInMainForm(diagram);
    QCoreApplication::processEvents();
    return diagram;
  }

  template <typename T>
  static T* Item(frmDevice& diagram, const QString& name) {
    return support::Find<T>(diagram.pctDevice, name);
  }
  // The widget position of a point of the drawing given in twips.
  static QPoint At(frmDevice& diagram, double x, double y) {
    return diagram.pctDevice->contentsRect().topLeft() + QPoint(forms::ToPixels(x), forms::ToPixels(y));
  }
  static QPoint CentreOf(frmDevice& diagram, int hotArea) {
    return support::HotAreaCentre(diagram.pctDevice, *diagram.lblSelection[static_cast<size_t>(hotArea)]);
  }
  // Indexes of the outline lines now shown.
  static std::vector<int> ShownOutlines(frmDevice& diagram) {
    std::vector<int> shown;
    for (int i = 0; i < 32; ++i) {
      if (diagram.ln[static_cast<size_t>(i)]->Visible()) shown.push_back(i);
    }
    return shown;
  }
};

struct Block {
  int index;
  PageKind kind;
  const char* title;
  int left, top, width, height;
  int x1, x2, y1, y2;
};

const Block kBlocks[] = {
    {0, PageKind::PWM, "PWM Output Control", 5040, 4920, 1335, 1095, 5020, 6360, 4920, 5970},
    {1, PageKind::DigFilter, "Filter Settings", 7320, 5040, 1095, 975, 7320, 8450, 5000, 5950},
    {2, PageKind::Limits, "Fault Status and Configuration", 5280, 6120, 1215, 975, 5320, 6480, 6140, 7150},
    {3, PageKind::Share, "Share Bus Settings", 9000, 6360, 1095, 855, 8980, 10120, 6360, 7220},
    {4, PageKind::CurrentSense, "Current Sensing", 6000, 4080, 1695, 615, 5955, 7680, 4080, 4700},
    {5, PageKind::VoltageSense, "Voltage Sensing", 9120, 5040, 1215, 975, 9150, 10320, 5000, 6000},
    {6, PageKind::OrFET, "OrFET Control", 8520, 4080, 1695, 615, 8500, 10200, 4080, 4680},
    {7, PageKind::General, "General Settings", 2640, 6720, 1935, 375, 2640, 4560, 6600, 7080},
};

void PrintTo(const Block& b, std::ostream* os) { *os << b.title; }

class HotAreas : public BlockDiagram, public ::testing::WithParamInterface<Block> {};

}  // namespace

TEST_P(HotAreas, ClickOpensTheBlocksPageForTheWindowsOwnChip) {
  const Block& b = GetParam();
  StartWithChips({0x48, 0x4A});
  frmDevice& second = Diagram(1);
  second.lblSelection_Click(b.index);
  DevicePage* page = Pages(b.kind).Existing(1);
  ASSERT_NE(page, nullptr);
  const std::string caption = std::string(b.title) + " (0x4A)";
  EXPECT_EQ(RecordingPage::log, (std::vector<std::string>{"load", "setup " + caption}));
  EXPECT_TRUE(page->IsVisible());
  EXPECT_EQ(Pages(b.kind).Existing(0), nullptr);

  RecordingPage::log.clear();
  Diagram(0).lblSelection_Click(b.index);
  ASSERT_NE(Pages(b.kind).Existing(0), nullptr);
  EXPECT_EQ(Pages(b.kind).Existing(0)->Caption().toStdString(), std::string(b.title) + " (0x48)");
}

TEST_P(HotAreas, SitsOverItsBlockWithItsRedOutline) {
  const Block& b = GetParam();
  StartWithChips({0x48});
  frmDevice& diagram = Diagram(0);
  const LabelItem* hot = diagram.lblSelection[static_cast<size_t>(b.index)];
  EXPECT_EQ(hot->objectName(), QString("lblSelection(%1)").arg(b.index));
  EXPECT_EQ(QRectF(hot->Left(), hot->Top(), hot->Width(), hot->Height()), QRectF(b.left, b.top, b.width, b.height));
  EXPECT_EQ(hot->MousePointer(), forms::vbArrow);

  // The four lines of the block trace the outline rectangle, side by side.
  std::multiset<std::vector<float>> sides;
  for (int k = 0; k < 4; ++k) {
    const LineItem* line = Item<LineItem>(diagram, QString("ln(%1)").arg(4 * b.index + k));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->BorderColor(), QColor(255, 0, 0));
    EXPECT_EQ(line->BorderWidth(), 3);
    EXPECT_FALSE(line->Visible());
    std::vector<float> side{line->X1(), line->Y1(), line->X2(), line->Y2()};
    if (side[0] > side[2] || side[1] > side[3]) side = {side[2], side[3], side[0], side[1]};
    sides.insert(side);
  }
  const float x1 = b.x1, x2 = b.x2, y1 = b.y1, y2 = b.y2;
  EXPECT_EQ(sides, (std::multiset<std::vector<float>>{{x1, y1, x2, y1}, {x2, y1, x2, y2}, {x1, y2, x2, y2},
                                                       {x1, y1, x1, y2}}));

  // Under every hot area of the chip lies a block of the drawing, inside the outline.
  if (b.index == 7) return;  // the general-settings area is framed by Line2 instead
  bool found = false;
  for (forms::DrawItem* item : diagram.pctDevice->Items()) {
    auto* box = qobject_cast<forms::ShapeItem*>(item);
    if (!box || !box->objectName().startsWith("art(") || !box->Filled()) continue;
    const QRectF block(box->Left(), box->Top(), box->Width(), box->Height());
    const QRectF area(b.left, b.top, b.width, b.height);
    const QRectF overlap = block.intersected(area);
    if (QRectF(x1, y1, x2 - x1, y2 - y1).contains(block) &&
        overlap.width() * overlap.height() > 0.6 * area.width() * area.height()) {
      found = true;
    }
  }
  EXPECT_TRUE(found) << "no block drawn under hot area " << b.index;
}

INSTANTIATE_TEST_SUITE_P(EveryBlock, HotAreas, ::testing::ValuesIn(kBlocks));

TEST_F(BlockDiagram, WithOneDeviceEveryAreaOpensDevice1sPageWhateverTheCaption) {
  StartInSimulation();
  frmDevice& diagram = Diagram(0);
  diagram.SetCaption("KRV7310 at SMBus Address = 0x4A");
  for (int i = 0; i < frmDevice::kHotAreas; ++i) diagram.lblSelection_Click(i);
  for (const Block& b : kBlocks) {
    ASSERT_NE(Pages(b.kind).Existing(0), nullptr) << b.title;
    EXPECT_EQ(Pages(b.kind).Existing(0)->Caption().toStdString(), std::string(b.title) + " (0x4A)");
    EXPECT_EQ(Pages(b.kind).Existing(1), nullptr);
  }
}

TEST_F(BlockDiagram, ClickThenDoubleClickSetsThePageUpTwiceAndBringsItToTheFront) {
  StartWithChips({0x48});
  frmDevice& diagram = Diagram(0);
  QTest::mouseClick(diagram.pctDevice, Qt::LeftButton, {}, CentreOf(diagram, 3));
  QTest::mouseDClick(diagram.pctDevice, Qt::LeftButton, {}, CentreOf(diagram, 3));
  EXPECT_EQ(RecordingPage::log, (std::vector<std::string>{"load", "setup Share Bus Settings (0x48)",
                                                          "setup Share Bus Settings (0x48)"}));
  // A second page, then the first again: it comes back to the front and re-reads.
  diagram.lblSelection_Click(5);
  diagram.lblSelection_Click(3);
  EXPECT_EQ(RecordingPage::log.back(), "setup Share Bus Settings (0x48)");
  EXPECT_EQ(forms::MdiArea()->activeSubWindow(), Pages(PageKind::Share).Existing(0)->Window());
}

TEST_F(BlockDiagram, AreaWhosePageTypeIsMissingDoesNothing) {
  StartWithChips({0x48});
  RegisterPage(PageKind::DigFilter, nullptr);
  frmDevice& diagram = Diagram(0);
  QTest::mouseClick(diagram.pctDevice, Qt::LeftButton, {}, CentreOf(diagram, 1));
  EXPECT_EQ(Pages(PageKind::DigFilter).Existing(0), nullptr);
  EXPECT_TRUE(RecordingPage::log.empty());
  EXPECT_TRUE(diagram.IsVisible());
}

TEST_F(BlockDiagram, OutlineFollowsThePointerAndHidesOverTheBareDrawing) {
  StartWithChips({0x48});
  frmDevice& diagram = Diagram(0);
  EXPECT_TRUE(ShownOutlines(diagram).empty()) << "no outline when the window opens";
  EXPECT_EQ(diagram.MousePointer(), forms::vbDefault);

  QTest::mouseMove(diagram.pctDevice, CentreOf(diagram, 0));
  EXPECT_EQ(ShownOutlines(diagram), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(diagram.MousePointer(), forms::vbArrow);
  QTest::mouseMove(diagram.pctDevice, CentreOf(diagram, 5));
  EXPECT_EQ(ShownOutlines(diagram), (std::vector<int>{20, 21, 22, 23}));
  QTest::mouseMove(diagram.pctDevice, CentreOf(diagram, 7));
  EXPECT_EQ(ShownOutlines(diagram), (std::vector<int>{28, 29, 30, 31}));
  // Over the value labels and the chip name: still the bare drawing.
  QTest::mouseMove(diagram.pctDevice, At(diagram, 3000, 7900));
  EXPECT_TRUE(ShownOutlines(diagram).empty());

  // Leaving a block straight off the picture keeps its outline until the drawing is crossed again.
  QTest::mouseMove(diagram.pctDevice, CentreOf(diagram, 4));
  QTest::mouseMove(diagram.Label1, QPoint(5, 5));
  EXPECT_EQ(ShownOutlines(diagram), (std::vector<int>{16, 17, 18, 19}));
  QTest::mouseMove(diagram.pctDevice, At(diagram, 600, 600));
  EXPECT_TRUE(ShownOutlines(diagram).empty());
}

TEST_F(BlockDiagram, OpenFlagFollowsTheWindowOfEachDevice) {
  StartWithChips({0x48, 0x4A});
  frmDevice& second = Diagram(1);
  EXPECT_EQ(gDiagramOpen, (std::array<bool, 2>{false, true}));
  Diagram(0);
  EXPECT_EQ(gDiagramOpen, (std::array<bool, 2>{true, true}));
  second.Window()->close();
  EXPECT_EQ(gDiagramOpen, (std::array<bool, 2>{true, false}));
}

TEST_F(BlockDiagram, WindowAndControlsAsDesigned) {
  StartWithChips({0x48});
  OpenMainWindow();
  frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
  diagram.Load();
  EXPECT_EQ(diagram.Caption(), "Function Access");
  EXPECT_EQ(diagram.Width(), 12705);
  EXPECT_EQ(diagram.Height(), 11340);
  const QRect picture = diagram.pctDevice->geometry();
  EXPECT_EQ(QRect(forms::ToTwips(picture.x()), forms::ToTwips(picture.y()), forms::ToTwips(picture.width()),
                  forms::ToTwips(picture.height())),
            QRect(240, 1080, 12135, 9735));
  EXPECT_EQ(diagram.Label1->text(), "KRV7310 Block Diagram");
  EXPECT_EQ(diagram.Label2->text(), "Click on the blocks to access the related functions ");
  EXPECT_EQ(diagram.Label3->Caption(), "KRV7310");
  EXPECT_EQ(diagram.Label3->ForeColor(), QColor(0, 0, 255));
  EXPECT_EQ(diagram.Label3->Font().pointSize(), 18);
  EXPECT_EQ(QPointF(diagram.Label3->Left(), diagram.Label3->Top()), QPointF(6960, 6360));

  const char* captions[] = {"Output Voltage (VS3) ", "Output Current", "Share Bus Voltage"};
  const QPointF places[] = {{360, 7800}, {960, 8280}, {600, 8760}};
  const LabelItem* values[] = {diagram.lblVS3, diagram.lblOutputCurrent, diagram.lblShareVoltage};
  for (int i = 0; i < 3; ++i) {
    const LabelItem* caption = diagram.Label4[static_cast<size_t>(i)];
    EXPECT_EQ(caption->Caption(), captions[i]);
    EXPECT_TRUE(caption->Font().bold());
    EXPECT_EQ(QPointF(caption->Left(), caption->Top()), places[i]);
    EXPECT_EQ(QRectF(values[i]->Left(), values[i]->Top(), values[i]->Width(), values[i]->Height()),
              QRectF(2640, places[i].y(), 1335, 375));
    EXPECT_EQ(values[i]->ForeColor(), QColor(192, 0, 0));
    EXPECT_TRUE(values[i]->Caption().isEmpty()) << "empty until the first refresh";
    EXPECT_LE(caption->Left() + caption->Width(), 2640) << "caption runs into its value";
  }

  for (int i = 0; i < 7; ++i) {
    EXPECT_FALSE(diagram.lblSelection[static_cast<size_t>(i)]->Opaque());
    EXPECT_TRUE(diagram.lblSelection[static_cast<size_t>(i)]->Caption().isEmpty());
  }
  const LabelItem* general = diagram.lblSelection[7];
  EXPECT_EQ(general->Caption(), "  General Settings");
  EXPECT_TRUE(general->Opaque());
  EXPECT_EQ(general->Font().pointSize(), 12);
  EXPECT_LE(QFontMetrics(general->Font(), diagram.pctDevice).horizontalAdvance(general->Caption()),
            forms::ToPixels(general->Width()));
  EXPECT_TRUE(diagram.lblExtra->Opaque());
  EXPECT_EQ(diagram.lblExtra->BackColor(), general->BackColor());
  EXPECT_EQ(QRectF(diagram.lblExtra->Left(), diagram.lblExtra->Top(), diagram.lblExtra->Width(),
                   diagram.lblExtra->Height()),
            QRectF(2640, 6600, 1935, 375));

  const float strokes[] = {2250, 2350, 1460, 1350};
  for (int i = 0; i < 4; ++i) {
    const LineItem* stroke = diagram.Line1[static_cast<size_t>(i)];
    EXPECT_EQ(std::vector<float>({stroke->X1(), stroke->Y1(), stroke->X2(), stroke->Y2()}),
              std::vector<float>({strokes[i], 4320, strokes[i], 4800}));
    EXPECT_EQ(stroke->BorderWidth(), 2);
    EXPECT_EQ(diagram.Line2[static_cast<size_t>(i)]->BorderWidth(), 2);
  }
  QRectF frame;
  for (const auto& side : diagram.Line2) frame |= QRectF(QPointF(side->X1(), side->Y1()), QPointF(side->X2(), side->Y2())).normalized();
  EXPECT_EQ(frame, QRectF(QPointF(2640, 6600), QPointF(4560, 7080)));
}

namespace {

struct Values {
  float vs3, current, share;
  friend void PrintTo(const Values& v, std::ostream* os) { *os << v.vs3 << " " << v.current << " " << v.share; }
  const char* vs3Text;
  const char* currentText;
  const char* shareText;
};

class ValueTexts : public BlockDiagram, public ::testing::WithParamInterface<Values> {};

}  // namespace

TEST_P(ValueTexts, TwoDecimalsHalvesToEvenShortestText) {
  const Values& v = GetParam();
  StartWithChips({0x48, 0x4A});
  frmDevice& diagram = Diagram(1);
  gDevices[1].VS3 = v.vs3;
  gDevices[1].OutputCurrent = v.current;
  gDevices[1].ShareBus = v.share;
  gDevices[0].VS3 = 99;  // the other chip's record is not shown
  diagram.DisplayValues();
  EXPECT_EQ(diagram.lblVS3->Caption(), v.vs3Text);
  EXPECT_EQ(diagram.lblOutputCurrent->Caption(), v.currentText);
  EXPECT_EQ(diagram.lblShareVoltage->Caption(), v.shareText);
}

INSTANTIATE_TEST_SUITE_P(Readings, ValueTexts,
                         ::testing::Values(Values{12.0f, 2.0f, 4, "12V", "2A", "4V"},
                                           Values{12.1f, 0.5f, 255, "12.1V", ".5A", "255V"},
                                           Values{0.125f, 0.375f, 0, ".12V", ".38A", "0V"},
                                           Values{12.345f, 2.675f, 17, "12.35V", "2.67A", "17V"},
                                           Values{-1.5f, 1.005f, 3, "-1.5V", "1A", "3V"}));

TEST_F(BlockDiagram, AnAddressOfNeitherChipShowsNothing) {
  StartWithChips({0x48, 0x4A});
  frmDevice& diagram = Diagram(0);
  gDevices[0].VS3 = 12;
  diagram.SetCaption("KRV7310 at SMBus Address = 0x50");
  diagram.DisplayValues();
  EXPECT_TRUE(diagram.lblVS3->Caption().isEmpty());
  // With two chips, an area opens device 1's page unless the caption names device 2.
  diagram.lblSelection_Click(6);
  ASSERT_NE(Pages(PageKind::OrFET).Existing(0), nullptr);
  EXPECT_EQ(Pages(PageKind::OrFET).Existing(0)->Caption(), "OrFET Control (0x50)");
  EXPECT_EQ(Pages(PageKind::OrFET).Existing(1), nullptr);
  diagram.Window()->close();
  EXPECT_TRUE(gDiagramOpen[0]) << "the flag of a chip the caption does not name stays";
}
