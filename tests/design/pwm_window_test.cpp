// The PWM editor driven as a user drives it: opened from the menus and the
// block diagram, read back from the chip, edited with the mouse, the nudge
// buttons, the boxes, the lists and the presets, and programmed.

#include <QAction>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "design/PWMGlobals.h"
#include "pwm_window_fixture.h"
#include "shell/frmDevice.h"
#include "shell/frmMain.h"
#include "platform/ui/Seams.h"

namespace {

using Lines = std::vector<std::string>;

const float S = 1200;
const float M = 4207.5f;
const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 255, 0), kBlack(0, 0, 0);

std::string Hex(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", v);
  return buf;
}

// X of a step count at a period, as the diagram places it.
float XOf(int32_t t, int32_t P) { return static_cast<float>(S + (static_cast<double>(M) - S) * t / P); }

class PwmEditor : public PwmWindow {
 protected:
  void TearDown() override {
    if (gMainForm) QTest::mouseRelease(gMainForm->Window(), Qt::LeftButton);
    PwmWindow::TearDown();
  }

  // A chip at 0x48 with these frequencies and every edge register zero.
  usb::EmulatedBoard& Chip(int frequencyReg) {
    usb::EmulatedBoard& board = StartBoard();
    board.SetReg(0x48, 0x5D, static_cast<uint8_t>(frequencyReg));
    return board;
  }
  static void SetEdgeSteps(usb::EmulatedBoard& board, int row, int rise, int fall) {
    SetEdges(board, row, rise >> 4, (rise & 0xF) << 4, fall >> 4, (fall & 0xF) << 4);
  }
  struct RowEdges {
    int row, rise, fall;  // steps
  };
  // The editor opened on a chip with these frequencies and these rows' edges.
  frmPWM& OpenWithEdges(int frequencyReg, std::initializer_list<RowEdges> rows) {
    usb::EmulatedBoard& board = Chip(frequencyReg);
    for (const RowEdges& r : rows) SetEdgeSteps(board, r.row, r.rise, r.fall);
    return OpenPWM();
  }
  // Presses Program: the transfers it made.
  Lines Program(frmPWM& page) {
    ClearBus();
    Press(page, QStringLiteral("cmdProgram"));
    return Bus();
  }

  static void ExpectSecondPeriodRepeatsFirst(frmPWM& page, int row) {
    for (int k = 0; k < 5; ++k) {
      const forms::LineItem& a = *page.Ln[10 * row + k];
      const forms::LineItem& b = *page.Ln[10 * row + k + 5];
      EXPECT_EQ(b.X1(), M + a.X1() - S) << "row " << row << " line " << k;
      EXPECT_EQ(b.X2(), M + a.X2() - S) << "row " << row << " line " << k;
      EXPECT_EQ(b.Y1(), a.Y1()) << "row " << row << " line " << k;
      EXPECT_EQ(b.Y2(), a.Y2()) << "row " << row << " line " << k;
    }
  }
  static QString Edge(frmPWM& page, int row, int kind) {
    return Caption(page, row, QStringLiteral("lblT%1(%2)").arg(kind == 1 ? 1 : 2).arg(row));
  }
};

// ---- Opening, read-back and programming

TEST_F(PwmEditor, MenusAndTheBlockDiagramOpenItAndCloseClearsItsFlag) {
  StartBoard({0x48, 0x4A});
  gMainForm->Action(QStringLiteral("mnuPWM2"))->trigger();
  frmPWM* second = static_cast<frmPWM*>(Pages(PageKind::PWM).Existing(1));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Caption(), "PWM Output Control (0x4A)");
  EXPECT_TRUE(second->IsVisible());
  EXPECT_EQ(gPWMOpen, (std::array<bool, 2>{false, true}));
  for (const std::string& line : Bus(true)) EXPECT_EQ(line.substr(0, 5), "0x4A ") << line;

  gMainForm->Window()->setWindowState(Qt::WindowNoState);
  gMainForm->SetSize(19200, 15600);
  OpenBlockDiagram(0);
  frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
  CenterInMainForm(diagram);
  QCoreApplication::processEvents();
  support::ClickHotArea(diagram.pctDevice, *diagram.lblSelection[0]);
  frmPWM* first = static_cast<frmPWM*>(Pages(PageKind::PWM).Existing(0));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Caption(), "PWM Output Control (0x48)");
  EXPECT_EQ(gPWMOpen, (std::array<bool, 2>{true, true}));

  Press(*second, QStringLiteral("cmdCancel"));
  EXPECT_FALSE(second->IsLoaded());
  EXPECT_EQ(gPWMOpen, (std::array<bool, 2>{true, false}));
  Press(*first, QStringLiteral("cmdCancel"));
  EXPECT_EQ(gPWMOpen, (std::array<bool, 2>{false, false}));
}

// Each nudge pair carries the name of its edge at its left: T1 to T9 at 360, the longer T10 to T14 at 240.
TEST_F(PwmEditor, EachNudgePairIsNamedByItsEdge) {
  Chip(0x93);
  frmPWM& page = OpenPWM();
  for (int edge = 1; edge <= 14; ++edge) {
    SCOPED_TRACE(edge);
    auto* name = support::Find<forms::Label>(page, QStringLiteral("lblEdgeName(%1)").arg(edge));
    ASSERT_NE(name, nullptr);
    const int row = (edge - 1) / 2;
    auto* left = edge % 2 ? page.cmdRisingLeft[row].data() : page.cmdFallingLeft[row].data();
    EXPECT_EQ(name->Caption(), QStringLiteral("T%1").arg(edge));
    EXPECT_EQ(name->x(), forms::ToPixels(edge >= 10 ? 240 : 360));
    EXPECT_EQ(name->y(), left->y() + forms::ToPixels(15));
    EXPECT_LE(name->geometry().right(), left->x());
  }
}

// A register image read back into the window and programmed again unchanged:
// every write equals what was read.
TEST_F(PwmEditor, ProgrammingAnUnchangedWindowWritesBackWhatWasRead) {
  const int image[7][4] = {{0x7F, 0xAD, 0x09, 0x61}, {0xFF, 0x12, 0x00, 0x03}, {0x40, 0x0E, 0x80, 0xF7},
                           {0x00, 0x10, 0x00, 0x20}, {0x7D, 0x04, 0x3E, 0x88}, {0x10, 0x00, 0x20, 0x00},
                           {0x19, 0x08, 0x0C, 0x84}};
  usb::EmulatedBoard& board = Chip(0x90);  // main 49kHz, AUX 500kHz
  board.SetReg(0x48, 0x40, 0x83);
  for (int r = 0; r < 7; ++r) SetEdges(board, r, image[r][0], image[r][1], image[r][2], image[r][3]);
  frmPWM& page = OpenPWM();

  Lines reads;
  for (int r = 0; r < 7; ++r) {
    for (int i = 0; i < 4; ++i) reads.push_back("read " + Hex(0x41 + 4 * r + i));
    reads.push_back("read 0x40");
  }
  reads.insert(reads.end(), {"read 0x5D", "read 0x5D"});
  EXPECT_EQ(Bus(), reads);
  EXPECT_TRUE(MsgBoxes().empty());

  const char* labels[14] = {"T1 = 10.210us", "T2 = .750us",    "T3 = 20.405us", "T4 = 0.000us", "T5 = 5.120us",
                            "T6 = 10.315us", "T7 = .005us",    "T8 = .010us",   "T9 = 10.000us", "T10 = 5.000us",
                            "T11 = 1.280us", "T12 = 2.560us", "T13 = 2.000us", "T14 = 1.000us"};
  for (int r = 0; r < 7; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Edge(page, r, 1), labels[2 * r]);
    EXPECT_EQ(Edge(page, r, 3), labels[2 * r + 1]);
    EXPECT_EQ(page.chkDisable[r]->Value(), r == 0 || r == 6 ? 1 : 0);
    EXPECT_EQ(page.chkEnableT1Mod[r]->Value(), (image[r][1] >> 3) & 1);
    EXPECT_EQ(page.chkT1Sign[r]->Value(), (image[r][1] >> 2) & 1);
    EXPECT_EQ(page.chkEnableT2Mod[r]->Value(), (image[r][3] >> 3) & 1);
    EXPECT_EQ(page.chkT2Sign[r]->Value(), (image[r][3] >> 2) & 1);
    ExpectSecondPeriodRepeatsFirst(page, r);
  }
  EXPECT_EQ(page.LnGrid[3]->X1(), 2703.75f);

  const Lines programmed = Program(page);
  Lines writes;
  for (int r = 0; r < 7; ++r) {
    const int g = 0x41 + 4 * r;
    writes.push_back("write " + Hex(g) + " = " + Hex(image[r][0]));
    writes.push_back("write " + Hex(g + 2) + " = " + Hex(image[r][2]));
    writes.push_back("read " + Hex(g + 1));
    writes.push_back("write " + Hex(g + 1) + " = " + Hex(image[r][1]));
    writes.push_back("read " + Hex(g + 3));
    writes.push_back("write " + Hex(g + 3) + " = " + Hex(image[r][3]));
  }
  writes.insert(writes.end(), {"write 0x40 = 0x83", "read 0x5D", "write 0x5D = 0x90"});
  EXPECT_EQ(programmed, writes);
  EXPECT_TRUE(page.IsLoaded());
}

TEST_F(PwmEditor, FrequencyRegisterChoosesBothListsAndTheirPeriods) {
  frmPWM& page = OpenWithEdges(0x93, {{0, 0, 1600}, {6, 400, 0}});
  EXPECT_EQ(page.lblPWMFreq->text(), "125kHz");
  EXPECT_EQ(page.cmbFreq->Text(), "125kHz");
  EXPECT_FALSE(page.cmbFreq->isVisible());
  EXPECT_EQ(page.cmbAuxFreq->Text(), "500kHz");
  for (const auto& [row, period] : {std::pair{0, "8us"}, {5, "8us"}, {6, "2us"}}) {
    EXPECT_EQ(Caption(page, row, QStringLiteral("lblT(%1)").arg(row)), period);
  }
  // 1600 steps end the main period, 400 the AUX period.
  EXPECT_EQ(LineX(page, 0, 3), M);
  EXPECT_EQ(LineX(page, 6, 61), M);
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 8.000us");
  // The AUX list is chosen last, so its five decimals are the window's.
  EXPECT_EQ(page.FormatEdgeTime(0.01f), ".00005us");
  EXPECT_TRUE(MsgBoxes().empty());
}

// 0x5D = 0xFF on a window that never had a frequency: no period is known.
TEST_F(PwmEditor, WithoutAnyFrequencyTheChipsEdgesSurviveUntilAPeriodComes) {
  usb::EmulatedBoard& board = Chip(0xFF);
  SetEdges(board, 0, 0x1F, 0x45, 0xBB, 0x82);  // rise 500, fall 3000
  frmPWM& page = OpenPWM();
  EXPECT_TRUE(MsgBoxes().empty());
  EXPECT_EQ(page.cmbFreq->ListIndex(), -1);
  EXPECT_EQ(page.cmbAuxFreq->ListIndex(), -1);
  EXPECT_EQ(page.lblPWMFreq->text(), "");
  EXPECT_EQ(Edge(page, 0, 1), "T1 = 2.500us");
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 15.000us");
  EXPECT_EQ(LineX(page, 0, 1), S);
  EXPECT_EQ(LineX(page, 0, 3), S);

  // No period: dragging and nudging change nothing a label shows.
  Press(page, QStringLiteral("cmdRisingRight(0)"));
  Press(page, QStringLiteral("cmdFallingLeft(0)"));
  Click(page, 0, S);
  Move(page, 0, S);
  Click(page, 0, S);
  EXPECT_EQ(Edge(page, 0, 1), "T1 = 2.500us");
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 15.000us");

  const Lines bus = Program(page);
  ASSERT_EQ(bus.size(), 7u * 6 + 3);
  EXPECT_EQ(Lines(bus.begin(), bus.begin() + 6), (Lines{"write 0x41 = 0x1F", "write 0x43 = 0xBB", "read 0x42",
                                                         "write 0x42 = 0x45", "read 0x44", "write 0x44 = 0x82"}));
  // The AUX list shows no item: index 12, the main index kept.
  EXPECT_EQ(Lines(bus.end() - 3, bus.end()), (Lines{"write 0x40 = 0x01", "read 0x5D", "write 0x5D = 0xCF"}));

  // The filter designer's choice arrives: the edges are placed from their labels, within the period.
  ASSERT_TRUE(gPWMOpen[0]);
  support::Find<forms::ComboBox>(*Pages(PageKind::PWM).Existing(0), QStringLiteral("cmbFreq"))
      ->SetText(QStringLiteral("125kHz"));
  EXPECT_EQ(page.lblPWMFreq->text(), "125kHz");
  EXPECT_EQ(Caption(page, 0, "lblT(0)"), "8us");
  EXPECT_EQ(Edge(page, 0, 1), "T1 = 2.500us");
  EXPECT_EQ(LineX(page, 0, 1), XOf(500, 1600));
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 8.000us");
  EXPECT_EQ(LineX(page, 0, 3), M);
  ExpectSecondPeriodRepeatsFirst(page, 0);
}

// A window that had a period judges by none once the chip's index has no item:
// as on a first opening, the chip's times are shown and programmed unchanged.
struct ForgottenPeriodCase {
  const char* name;
  int second;  // 0x5D at the second opening
  int row;
  bool closedBetween;
};
void PrintTo(const ForgottenPeriodCase& c, std::ostream* os) { *os << c.name; }

class ForgottenPeriod : public PwmEditor, public ::testing::WithParamInterface<ForgottenPeriodCase> {};

TEST_P(ForgottenPeriod, AnIndexAbove11IsLikeAWindowThatNeverHadAPeriod) {
  usb::EmulatedBoard& board = Chip(0x99);  // 500kHz both: 400 steps
  const ForgottenPeriodCase& c = GetParam();
  OpenPWM();
  if (c.closedBetween) Press(*static_cast<frmPWM*>(Pages(PageKind::PWM).Existing(0)), QStringLiteral("cmdCancel"));
  board.SetReg(0x48, 0x5D, static_cast<uint8_t>(c.second));
  SetEdgeSteps(board, c.row, 1000, 3000);
  gMainForm->Action(QStringLiteral("mnuPWM1"))->trigger();
  frmPWM& page = *static_cast<frmPWM*>(Pages(PageKind::PWM).Existing(0));

  EXPECT_TRUE(MsgBoxes().empty()) << "no clamp against a period the window does not show";
  EXPECT_EQ(Caption(page, c.row, QStringLiteral("lblT(%1)").arg(c.row)), "");
  const bool aux = c.row == 6;
  EXPECT_EQ((aux ? page.cmbAuxFreq : page.cmbFreq)->ListIndex(), -1);
  if (!aux) {
    EXPECT_EQ(page.lblPWMFreq->text(), "");
  }
  EXPECT_EQ(Edge(page, c.row, 1), QStringLiteral("T%1 = 5.000us").arg(2 * c.row + 1));
  EXPECT_EQ(Edge(page, c.row, 3), QStringLiteral("T%1 = 15.000us").arg(2 * c.row + 2));

  const Lines bus = Program(page);
  ASSERT_EQ(bus.size(), 7u * 6 + 3);
  const int g = 0x41 + 4 * c.row;
  EXPECT_EQ(Lines(bus.begin() + 6 * c.row, bus.begin() + 6 * c.row + 6),
            (Lines{"write " + Hex(g) + " = 0x3E", "write " + Hex(g + 2) + " = 0xBB", "read " + Hex(g + 1),
                   "write " + Hex(g + 1) + " = 0x80", "read " + Hex(g + 3), "write " + Hex(g + 3) + " = 0x80"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ForgottenPeriod,
                         ::testing::Values(ForgottenPeriodCase{"MainClosedBetween", 0xFF, 0, true},
                                           ForgottenPeriodCase{"AuxClosedBetween", 0xF9, 6, true},
                                           ForgottenPeriodCase{"MainOpenedAgainWhileOpen", 0xFF, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClampCase {
  const char* name;
  int row, rise, fall;
  bool reported;
  const char* riseLabel;
  const char* fallLabel;
  int riseTiming, riseSetting;  // programmed afterwards
};
void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

class ClampedEdges : public PwmEditor, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ClampedEdges, AreReportedOnceAndProgrammedAsThePeriod) {
  const ClampCase& c = GetParam();
  if (c.reported) AnswerMsgBox(ui::vbOK);
  frmPWM& page = OpenWithEdges(0x90, {{c.row, c.rise, c.fall}});  // main 4081 steps, AUX 400
  const usb::EmulatedBoard& board = Board();
  ASSERT_EQ(MsgBoxes().size(), c.reported ? 1u : 0u);
  if (c.reported) {
    EXPECT_EQ(MsgBoxes()[0].prompt, "One or more of the programmed PWM values are invalid.\r\n"
                                    "These values will be over-written with valid data.");
    EXPECT_EQ(MsgBoxes()[0].style, ui::vbOKOnly);
  }
  EXPECT_EQ(Edge(page, c.row, 1), c.riseLabel);
  EXPECT_EQ(Edge(page, c.row, 3), c.fallLabel);
  // The chip keeps its values until the user programs.
  EXPECT_EQ(board.Reg(0x48, 0x41 + 4 * c.row), c.rise >> 4);
  Press(page, QStringLiteral("cmdProgram"));
  EXPECT_EQ(board.Reg(0x48, 0x41 + 4 * c.row), c.riseTiming);
  EXPECT_EQ(board.Reg(0x48, 0x42 + 4 * c.row), c.riseSetting);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ClampedEdges,
    ::testing::Values(ClampCase{"beyond", 0, 4090, 10, true, "T1 = 20.405us", "T2 = .050us", 0xFF, 0x10},
                      ClampCase{"exactly", 1, 4081, 4081, false, "T3 = 20.405us", "T4 = 20.405us", 0xFF, 0x10},
                      ClampCase{"both", 3, 4095, 4090, true, "T7 = 20.405us", "T8 = 20.405us", 0xFF, 0x10},
                      ClampCase{"aux", 6, 401, 400, true, "T13 = 2.000us", "T14 = 2.000us", 0x19, 0x00}));

TEST_F(PwmEditor, AFrequencyChangeKeepsEveryLineAndRelabelsItsEdges) {
  frmPWM& page = OpenWithEdges(0x90, {{0, 1020, 2040}, {6, 100, 200}});
  const float rise0 = LineX(page, 0, 1), rise6 = LineX(page, 6, 61), fall6 = LineX(page, 6, 63);
  page.cmbAuxFreq->SetText(QStringLiteral("250kHz"));  // 800 steps
  EXPECT_EQ(Caption(page, 6, "lblT(6)"), "4us");
  EXPECT_EQ(LineX(page, 6, 61), rise6);
  EXPECT_EQ(LineX(page, 6, 63), fall6);
  EXPECT_EQ(Edge(page, 6, 1), "T13 = 1.000us");
  EXPECT_EQ(Edge(page, 6, 3), "T14 = 2.000us");
  EXPECT_EQ(Edge(page, 0, 1), "T1 = 5.100us") << "main rows keep the main period";

  page.cmbFreq->SetText(QStringLiteral("98kHz"));  // 2040 steps
  EXPECT_EQ(page.lblPWMFreq->text(), "98kHz");
  EXPECT_EQ(LineX(page, 0, 1), rise0);
  EXPECT_EQ(Edge(page, 0, 1), "T1 = 2.550us");
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 5.100us");
  ExpectSecondPeriodRepeatsFirst(page, 0);
  ExpectSecondPeriodRepeatsFirst(page, 6);
}

// ---- The diagram and the mouse

TEST_F(PwmEditor, AClickPicksStrictlyWithinReachAndTheRisingEdgeWins) {
  struct Row {
    int row;
    float offset;  // from the edge line
    int kind;      // the line the click is measured from
    int picked;    // 0: nothing
  } rows[] = {{0, 99.9f, 1, 1}, {0, -99.9f, 1, 1}, {0, 100, 1, 0}, {0, -100, 1, 0},
              {1, 99.9f, 3, 3}, {1, 100, 3, 0},    {2, 36, 1, 1},  {2, 90, 1, 1}};
  usb::EmulatedBoard& board = Chip(0x90);
  SetEdgeSteps(board, 0, 1000, 3000);
  SetEdgeSteps(board, 1, 1000, 3000);
  SetEdgeSteps(board, 2, 1000, 1100);  // both edges within reach between them
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "row " << r.row << " offset " << r.offset);
    frmPWM& page = OpenPWM();
    const int g = 10 * r.row;
    Click(page, r.row, page.Ln[g + r.kind]->X1() + r.offset);
    EXPECT_EQ(page.Ln[g + 1]->BorderColor(), r.picked == 1 ? kGreen : kRed);
    EXPECT_EQ(page.Ln[g + 3]->BorderColor(), r.picked == 3 ? kGreen : kRed);
    EXPECT_EQ(page.lblT1[r.row]->ForeColor(), r.picked == 1 ? kRed : kBlack);
    EXPECT_EQ(page.lblT2[r.row]->ForeColor(), r.picked == 3 ? kRed : kBlack);
    page.Unload();
  }
}

TEST_F(PwmEditor, APickedEdgeFollowsThePointerInsidePeriodOneUntilTheNextClick) {
  frmPWM& page = OpenWithEdges(0x90, {{4, 1000, 3000}});  // 4081 steps
  Click(page, 4, page.Ln[41]->X1());
  struct Step {
    float x;
    float lineX;
    const char* label;
    float levelBefore;  // Y of the level before the earlier edge
  } steps[] = {{2500, 2500, "T9 = 8.820us", 840}, {1000, 2500, "T9 = 8.820us", 840},
               {5000, 2500, "T9 = 8.820us", 840}, {S, S, "T9 = 0.000us", 840},
               {M, M, "T9 = 20.405us", 240},      {4000, 4000, "T9 = 18.995us", 240}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.x);
    Move(page, 4, s.x);
    EXPECT_EQ(LineX(page, 4, 41), s.lineX);
    EXPECT_EQ(page.Ln[41]->X2(), s.lineX);
    EXPECT_EQ(Edge(page, 4, 1), s.label);
    EXPECT_EQ(page.Ln[40]->Y1(), s.levelBefore);
    EXPECT_EQ(page.Ln[41]->BorderColor(), kGreen);
    ExpectSecondPeriodRepeatsFirst(page, 4);
  }
  // Dropped wherever the click falls; the row takes its colour back.
  Click(page, 4, 200);
  EXPECT_EQ(page.Ln[41]->BorderColor(), kBlue);
  EXPECT_EQ(page.Ln[43]->BorderColor(), kBlue);
  EXPECT_EQ(page.lblT1[4]->ForeColor(), kBlack);
  Move(page, 4, 3000);
  EXPECT_EQ(LineX(page, 4, 41), 4000) << "nothing follows after the drop";
  EXPECT_EQ(page.MousePointer(), forms::vbDefault);
}

TEST_F(PwmEditor, ThePointerShowsWhereAClickWouldPick) {
  frmPWM& page = OpenWithEdges(0x90, {{3, 1000, 3000}});
  const float rise = LineX(page, 3, 31), fall = LineX(page, 3, 33);
  const std::pair<float, int> moves[] = {{rise + 99.9f, forms::vbSizeWE}, {rise + 100, forms::vbDefault},
                                         {fall - 99.9f, forms::vbSizeWE}, {2500, forms::vbDefault},
                                         {fall, forms::vbSizeWE}};
  for (const auto& [x, pointer] : moves) {
    Move(page, 3, x);
    EXPECT_EQ(page.MousePointer(), pointer) << x;
  }
  QTest::mouseMove(page.Client(), QPoint(5, 5));
  EXPECT_EQ(page.MousePointer(), forms::vbDefault) << "over the window outside the pictures";
}

// ---- Nudges

TEST_F(PwmEditor, NudgesStepWithinZeroAndThePeriod) {
  struct Nudge {
    const char* button;
    int row, kind;
    const char* label;
    float lineX;
  } presses[] = {
      {"cmdRisingLeft(0)", 0, 1, "T1 = 0us", S},          {"cmdRisingLeft(0)", 0, 1, "T1 = 0us", S},
      {"cmdRisingRight(0)", 0, 1, "T1 = .005us", 0},      {"cmdFallingRight(0)", 0, 3, "T2 = 20.405us", M},
      {"cmdFallingRight(0)", 0, 3, "T2 = 20.405us", M},   {"cmdFallingLeft(0)", 0, 3, "T2 = 20.4us", 0},
      {"cmdFallingRight(6)", 6, 3, "T14 = 2us", M},       {"cmdFallingRight(6)", 6, 3, "T14 = 2us", M},
      {"cmdRisingRight(6)", 6, 1, "T13 = 1.005us", 0},
  };
  frmPWM& page = OpenWithEdges(0x90, {{0, 1, 4080}, {6, 200, 399}});  // main 4081 steps, AUX 400
  for (const Nudge& p : presses) {
    SCOPED_TRACE(p.label);
    Press(page, QString::fromLatin1(p.button));
    EXPECT_EQ(Edge(page, p.row, p.kind), p.label);
    const int32_t steps = static_cast<int32_t>(std::lround(std::atof(std::strchr(p.label, '=') + 1) / 0.005));
    EXPECT_EQ(LineX(page, p.row, 10 * p.row + p.kind), XOf(steps, p.row == 6 ? 400 : 4081));
    if (p.lineX != 0) {
      EXPECT_EQ(LineX(page, p.row, 10 * p.row + p.kind), p.lineX);
    }
    ExpectSecondPeriodRepeatsFirst(page, p.row);
  }
}

TEST_F(PwmEditor, ANudgeLeavesAPickedEdgePicked) {
  frmPWM& page = OpenWithEdges(0x90, {{1, 1000, 3000}});
  Click(page, 1, LineX(page, 1, 11));
  Press(page, QStringLiteral("cmdRisingRight(1)"));
  EXPECT_EQ(Edge(page, 1, 1), "T3 = 5.005us");
  EXPECT_EQ(page.Ln[11]->BorderColor(), kGreen);
  Move(page, 1, 2500);
  EXPECT_EQ(LineX(page, 1, 11), 2500);
}

// ---- Boxes

TEST_F(PwmEditor, DisableBoxTurnsTheRowBlackOnButtonFace) {
  frmPWM& page = OpenWithEdges(0x90, {{2, 1000, 3000}});
  const QColor face = page.pctPWM[2]->palette().color(QPalette::Button);
  Tick(page, QStringLiteral("chkDisable(2)"));
  EXPECT_EQ(page.chkDisable[2]->Value(), 1);
  for (int k = 20; k < 30; ++k) EXPECT_EQ(page.Ln[k]->BorderColor(), kBlack) << k;
  EXPECT_EQ(page.pctPWM[2]->BackColor(), face);
  // A disabled row's edges still move; dropped, they are black again.
  Click(page, 2, LineX(page, 2, 23));
  EXPECT_EQ(page.Ln[23]->BorderColor(), kGreen);
  Move(page, 2, 3500);
  Click(page, 2, 3500);
  EXPECT_EQ(page.Ln[23]->BorderColor(), kBlack);
  EXPECT_EQ(page.Ln[21]->BorderColor(), kBlack);
  Tick(page, QStringLiteral("chkDisable(2)"));
  for (int k = 20; k < 30; ++k) EXPECT_EQ(page.Ln[k]->BorderColor(), kRed) << k;
  EXPECT_EQ(page.pctPWM[2]->BackColor(), QColor(255, 255, 255));

  ClearBus();
  Tick(page, QStringLiteral("chkDisable(5)"));
  Tick(page, QStringLiteral("chkDisable(0)"));
  EXPECT_TRUE(Bus().empty()) << "nothing is written before programming";
  Press(page, QStringLiteral("cmdProgram"));
  EXPECT_EQ(Board().Reg(0x48, 0x40), 0x43);
}

TEST_F(PwmEditor, ModulationBoxShowsADoubleArrowThatFollowsItsEdge) {
  frmPWM& page = OpenWithEdges(0x90, {{1, 1000, 3000}});
  auto expectArrow = [&page](int m, bool shown, float x, float y) {
    for (auto* strokes : {&page.Lmain, &page.LLU, &page.LLL, &page.LRU, &page.LRL}) {
      EXPECT_EQ((*strokes)[m]->Visible(), shown) << "marker " << m;
    }
    if (!shown) return;
    EXPECT_FLOAT_EQ(page.Lmain[m]->X1(), x - 250);
    EXPECT_FLOAT_EQ(page.Lmain[m]->X2(), x + 250);
    EXPECT_EQ(page.Lmain[m]->Y1(), y);
    EXPECT_FLOAT_EQ(page.LRL[m]->X1(), x + 255);
    EXPECT_EQ(page.LLU[m]->Y2(), y - 65);
  };
  const float rise = LineX(page, 1, 11), fall = LineX(page, 1, 13);
  expectArrow(1, false, 0, 0);
  Tick(page, QStringLiteral("chkEnableT1Mod(1)"));
  expectArrow(1, true, rise, 605);
  expectArrow(8, false, 0, 0);
  Tick(page, QStringLiteral("chkEnableT2Mod(1)"));
  expectArrow(8, true, fall, 455);
  Click(page, 1, rise);
  Move(page, 1, 2222);
  expectArrow(1, true, 2222, 605);
  expectArrow(8, true, fall, 455);
  Tick(page, QStringLiteral("chkEnableT1Mod(1)"));
  expectArrow(1, false, 0, 0);
  Tick(page, QStringLiteral("chkT1Sign(1)"));
  expectArrow(1, false, 0, 0);
  Press(page, QStringLiteral("cmdProgram"));
  EXPECT_EQ(Board().Reg(0x48, 0x46) & 0x0C, 0x04);
  EXPECT_EQ(Board().Reg(0x48, 0x48) & 0x0C, 0x08);
}

// ---- Topology presets

struct PresetCase {
  int frequencyReg;
  const char* topology;
  std::vector<const char*> times;  // of T1 to T12, in us as their labels show them
};
void PrintTo(const PresetCase& c, std::ostream* os) { *os << c.topology << " at " << c.frequencyReg; }

class TopologyList : public PwmEditor, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(TopologyList, PlacesTheEdgesAsSharesOfTheMainPeriod) {
  const PresetCase& c = GetParam();
  usb::EmulatedBoard& board = Chip(c.frequencyReg);
  for (int r = 0; r < 7; ++r) SetEdgeSteps(board, r, 7, 9);
  frmPWM& page = OpenPWM();
  Tick(page, QStringLiteral("chkT1Sign(0)"));
  Tick(page, QStringLiteral("chkEnableT1Mod(6)"));
  page.cmbTopology->SetText(QString::fromLatin1(c.topology));
  for (int r = 0; r < 6; ++r) {
    SCOPED_TRACE(r);
    for (int k : {0, 1}) {  // the rising edge, then the falling one
      const QString label = QStringLiteral("T%1 = %2us").arg(2 * r + 1 + k).arg(QLatin1String(c.times[2 * r + k]));
      EXPECT_EQ(Edge(page, r, 1 + 2 * k), label);
    }
    ExpectSecondPeriodRepeatsFirst(page, r);
  }
  EXPECT_EQ(page.chkDisable[6]->Value(), 1) << "every preset disables AUX";
  EXPECT_EQ(page.chkEnableT1Mod[6]->Value(), 1) << "AUX modulation is left alone";
  EXPECT_EQ(page.chkT1Sign[0]->Value(), 1) << "sign boxes are left alone";
  EXPECT_EQ(Edge(page, 6, 1), "T13 = .035us");
}

INSTANTIATE_TEST_SUITE_P(
    Presets, TopologyList,
    ::testing::Values(
        PresetCase{0x00, "Full bridge with synchronous rectifier",
                   {"0.000", "10.200", "10.200", "15.305", "10.200", "20.405", "0.000", "5.100", "15.305", "10.200",
                    "5.100", "20.405"}},
        PresetCase{0x09, "Full bridge with synchronous rectifier",
                   {"0.000", "1.000", "1.000", "1.500", "1.000", "2.000", "0.000", ".500", "1.500", "1.000", ".500",
                    "2.000"}},
        // Rows 2 to 5 keep their edges, disabled.
        PresetCase{0x00, "Half bridge",
                   {"0.000", "10.200", "0.000", "5.100", ".035", ".045", ".035", ".045", ".035", ".045", ".035",
                    ".045"}}));

TEST_F(PwmEditor, PresetTicksItsBoxesAndTheProgrammedTopologyComesBackOnLoad) {
  usb::EmulatedBoard& board = Chip(0x00);
  frmPWM& page = OpenPWM();
  page.cmbTopology->SetText(QStringLiteral("Half bridge"));
  const int disabled[7] = {0, 0, 1, 1, 1, 1, 1};
  for (int r = 0; r < 7; ++r) EXPECT_EQ(page.chkDisable[r]->Value(), disabled[r]) << r;
  EXPECT_EQ(page.chkEnableT2Mod[1]->Value(), 1);
  EXPECT_TRUE(page.Lmain[8]->Visible());
  EXPECT_EQ(page.Ln[25]->BorderColor(), kBlack);
  EXPECT_EQ(gTopologyIndex, -1) << "nothing is remembered before programming";
  Press(page, QStringLiteral("cmdProgram"));
  EXPECT_EQ(gTopologyIndex, 2);
  EXPECT_EQ(board.Reg(0x48, 0x40), 0xF9);

  Press(page, QStringLiteral("cmdCancel"));
  board.SetReg(0x48, 0x40, 0x00);
  board.SetReg(0x48, 0x48, 0x00);
  frmPWM& again = OpenPWM();
  EXPECT_EQ(again.cmbTopology->Text(), "Half bridge");
  EXPECT_EQ(again.chkDisable[2]->Value(), 0) << "the chip's boxes replace the preset's";
  EXPECT_EQ(again.chkEnableT2Mod[1]->Value(), 0);
}

TEST_F(PwmEditor, PresetOnAWindowWithoutPeriodChangesOnlyItsBoxes) {
  Chip(0xFF);
  gTopologyIndex = 0;
  frmPWM& page = OpenPWM();  // the preset runs from the load, before any period
  EXPECT_EQ(page.cmbTopology->Text(), "Full bridge with synchronous rectifier");
  page.cmbTopology->SetText(QStringLiteral("Push-Pull"));
  EXPECT_EQ(page.chkDisable[2]->Value(), 1);
  EXPECT_EQ(page.chkEnableT2Mod[0]->Value(), 1);
  EXPECT_EQ(Edge(page, 0, 3), "T2 = 0.000us");
  EXPECT_EQ(LineX(page, 0, 3), S);
}

}  // namespace
