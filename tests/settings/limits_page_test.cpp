// The readings-and-limits window driven as a user drives it: opened from the
// menus and the block diagram, tabs and buttons pressed, lists chosen, scale
// texts typed, limit markers dragged; the master timer ticked by hand.

#include <qcustomplot.h>

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <limits>
#include <optional>

#include "model/DeviceInfo.h"
#include "model/Telemetry.h"
#include "platform/ui/Seams.h"
#include "settings/frmLimits.h"
#include "shell/frmDevice.h"
#include "support/PageFixture.h"
#include "support/PictureMouse.h"

namespace {

using instruments::LGauge;

enum Tab { kFlagsTab, kFaultTab, kReadingsTab, kGraphsTab, kDefaultsTab };

class LimitsPage : public support::PageFixture {
 protected:
  frmLimits& OpenFromMenu(int device = 1) {
    gMainForm->Action(QStringLiteral("mnuLimits%1").arg(device))->trigger();
    return PageAt<frmLimits>(PageKind::Limits, device - 1);
  }
  // Device 1's window in simulation, opened from its menu; the tab shown, if
  // one is named, then the master timer ticked.
  frmLimits& OpenInSimulation(std::optional<Tab> tab, int ticks) {
    StartInSimulation();
    OpenMainWindow();
    frmLimits& page = OpenFromMenu();
    if (tab) ShowTab(page, *tab);
    Tick(ticks);
    return page;
  }
  // The chart of this graph choice, shown.
  static instruments::Strip* ShowGraph(frmLimits& page, int choice) {
    page.cmbGraph->SetListIndex(choice);
    QCoreApplication::processEvents();
    return page.stpGraph[static_cast<size_t>(choice)];
  }
  static void ShowTab(frmLimits& page, Tab tab) {
    QTabBar* bar = page.SSTab1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    ASSERT_EQ(page.SSTab1->currentIndex(), tab);
  }
  static void Press(frmLimits& page, const char* button) {
    QTest::mouseClick(support::Find<QPushButton>(page, QString::fromLatin1(button)), Qt::LeftButton);
  }
  static forms::ComboBox* List(frmLimits& page, const char* name, int row) {
    return support::Find<forms::ComboBox>(page, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(row));
  }
  static double Pointer(LGauge* gauge, int pointer) {
    gauge->SelectPointer(pointer);
    return gauge->Value();
  }
  // Master-timer ticks far enough apart that each one refreshes the window;
  // the charts' own clock runs with the time of day.
  void Tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      SetTimer(now_ += 0.11f);
      ui::SleepSeconds(0.11);
      gMainForm->tmrMaster_Timer();
    }
  }
  // Types into the scale boxes of the Defaults tab and presses "Set  Values".
  static void SetScales(frmLimits& page, const std::vector<std::pair<int, QString>>& typed) {
    ShowTab(page, kDefaultsTab);
    for (const auto& [box, text] : typed) {
      forms::TextBox* field = page.txtDefault[static_cast<size_t>(box)];
      field->clear();
      QTest::keyClicks(field, text);
    }
    Press(page, "cmdSet");
  }
  static QStringList ScaleTexts(frmLimits& page) {
    QStringList texts;
    for (int box = 0; box < 6; ++box) texts << page.txtDefault[static_cast<size_t>(box)]->Text();
    return texts;
  }
  // Where a gauge's reading stands on its scale, 0 at the start and 1 at the end.
  static double ReadingShare(LGauge* gauge) {
    const double start = gauge->ValuePosition(gauge->Minimum()).x();
    return (gauge->PointerPosition(1).x() - start) / (gauge->ValuePosition(gauge->Maximum()).x() - start);
  }
  float now_ = 36000;
};

TEST_F(LimitsPage, OpensFromEitherDevicesMenuReadingTheGridAndTheDutyLimit) {
  usb::EmulatedBoard& board = StartBoard({0x48, 0x4A});
  for (int chip : {0x48, 0x4A}) {
    for (int k = 0; k < 7; ++k) board.SetReg(chip, 0x08 + k, static_cast<uint8_t>(0x11 * k));
  }
  for (int device : {1, 2}) {
    ClearBus();
    frmLimits& page = OpenFromMenu(device);
    const char* chip = device == 1 ? "0x48" : "0x4A";
    EXPECT_EQ(page.Caption(), QStringLiteral("Limits and Graphs (%1)").arg(QLatin1String(chip)));
    Lines reads;
    for (const char* reg : {"0x08", "0x09", "0x0A", "0x0B", "0x0C", "0x0D", "0x0E", "0x2E"})
      reads.push_back(std::string(chip) + " read " + reg);
    EXPECT_EQ(Bus(true), reads);
    EXPECT_TRUE(gLimitsOpen[static_cast<size_t>(device - 1)]);
  }
  frmLimits& page = PageAt<frmLimits>(PageKind::Limits, 0);
  EXPECT_EQ(page.Width(), 9855);
  EXPECT_EQ(page.Height(), 9045);
  QStringList tabs;
  for (int i = 0; i < page.SSTab1->count(); ++i) tabs << page.SSTab1->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"Flags", "Fault Configuration", "Readings and Limits", "Graphs", "Defaults"}));
  EXPECT_EQ(page.tglStatus[31]->toolTip(), "Interrupt Status: Green=OK, Red=Bad, Invisible=Disabled");
  EXPECT_EQ(page.ggeReadings[9]->toolTip(), "Drag the sliders to change the limits");
  EXPECT_EQ(page.stpGraph[3]->toolTip(), "Drag the arrows at the edges of this graph to zoom in and out");
  EXPECT_EQ(page.ggeReadings[8], nullptr) << "there is no gauge 8";
}

TEST_F(LimitsPage, TheBlockDiagramsFaultBlockOpensTheWindow) {
  StartBoard();
  OpenBlockDiagram(0);
  frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
  support::ClickHotArea(diagram.pctDevice, *diagram.lblSelection[2]);
  frmLimits& page = PageAt<frmLimits>(PageKind::Limits, 0);
  ASSERT_TRUE(page.IsVisible());
  EXPECT_EQ(page.Caption(), "Fault Status and Configuration (0x48)");
  EXPECT_TRUE(gLimitsOpen[0]);
}

// The three lists of one row of the fault configuration grid.
struct RowSetting {
  const char* action;
  const char* resolve;
  const char* timing;
};

struct GridCase {
  const char* what;
  int reg;    // 0x08 to 0x0E
  int value;  // what the chip holds there
  int row;
  RowSetting shown;
};

TEST_F(LimitsPage, GridShowsEachNibbleAndAnUnchangedApplyWritesAllSevenBack) {
  const GridCase cases[] = {
      {"0x45, high nibble", 0x08, 0x45, 0, "Ignore Flag Completely", "Re-enable 1 second after flag=0", "Immediately"},
      {"0x45, low nibble", 0x08, 0x45, 1, "Disable Sync Rec", "Re-enable 1 second after flag=0", "Immediately"},
      {"0xF0, high", 0x0E, 0xF0, 12, "Disable Power Supply", "Remain Disabled. Only PSON can re-enable", "Immediately"},
      {"0xF0, low", 0x0E, 0xF0, 13, "Ignore Flag Completely", "Re-enable 1 second after flag=0", "After Delay"},
      {"0x0F, low", 0x0D, 0x0F, 11, "Disable Power Supply", "Remain Disabled. Only PSON can re-enable", "Immediately"},
      {"0xA6, high", 0x0A, 0xA6, 4, "Disable OrFET", "Remain Disabled. Only PSON can re-enable", "After Delay"},
      {"0xA6, low", 0x0A, 0xA6, 5, "Disable OrFET", "Re-enable 1 second after flag=0", "Immediately"},
  };
  usb::EmulatedBoard& board = StartBoard();
  for (const GridCase& c : cases) {
    const int held[7] = {0x3C, 0x00, 0x5A, 0xC3, 0x99, 0x66, 0x12};
    for (int k = 0; k < 7; ++k) board.SetReg(0x48, 0x08 + k, static_cast<uint8_t>(held[k]));
    board.SetReg(0x48, c.reg, static_cast<uint8_t>(c.value));
    frmLimits& page = OpenFromMenu();
    EXPECT_EQ(List(page, "cmbConfig", c.row)->Text(), c.shown.action) << c.what;
    EXPECT_EQ(List(page, "cmbResolve", c.row)->Text(), c.shown.resolve) << c.what;
    EXPECT_EQ(List(page, "cmbTiming", c.row)->Text(), c.shown.timing) << c.what;

    ShowTab(page, kFaultTab);
    ClearBus();
    Press(page, "cmdApply");
    Lines writes;
    for (int k = 0; k < 7; ++k) {
      char line[32];
      std::snprintf(line, sizeof line, "write 0x%02X = 0x%02X", 0x08 + k, 0x08 + k == c.reg ? c.value : held[k]);
      writes.push_back(line);
    }
    EXPECT_EQ(Bus(), writes) << c.what << ": seven writes, in order, nothing read back";
    Press(page, "cmdClose");
    EXPECT_FALSE(page.IsLoaded()) << c.what;
  }
}

struct ChoiceCase {
  int row;
  RowSetting chosen;
  int reg;
  int written;
};

TEST_F(LimitsPage, ApplyBuildsEachRegisterFromItsTwoRows) {
  const ChoiceCase cases[] = {
      {13, "Disable Power Supply", "Remain Disabled. Only PSON can re-enable", "Immediately", 0x0E, 0x0F},
      {12, "Disable Power Supply", "Remain Disabled. Only PSON can re-enable", "Immediately", 0x0E, 0xF0},
      {0, "Disable OrFET", "Re-enable 1 second after flag=0", "After Delay", 0x08, 0x20},
      {7, "Disable Sync Rec", "Re-enable 1 second after flag=0", "Immediately", 0x0B, 0x05},
      {8, "Ignore Flag Completely", "Remain Disabled. Only PSON can re-enable", "After Delay", 0x0C, 0x80},
  };
  StartBoard();  // every register 0: every row "Ignore", "Re-enable", "After Delay"
  for (const ChoiceCase& c : cases) {
    frmLimits& page = OpenFromMenu();
    ShowTab(page, kFaultTab);
    List(page, "cmbConfig", c.row)->SetText(QString::fromLatin1(c.chosen.action));
    List(page, "cmbResolve", c.row)->SetText(QString::fromLatin1(c.chosen.resolve));
    List(page, "cmbTiming", c.row)->SetText(QString::fromLatin1(c.chosen.timing));
    ClearBus();
    Press(page, "cmdApply");
    const Lines bus = Bus();
    ASSERT_EQ(bus.size(), 7u);
    for (int k = 0; k < 7; ++k) {
      char line[32];
      std::snprintf(line, sizeof line, "write 0x%02X = 0x%02X", 0x08 + k, 0x08 + k == c.reg ? c.written : 0);
      EXPECT_EQ(bus[static_cast<size_t>(k)], line) << "row " << c.row;
    }
    Board().SetReg(0x48, c.reg, 0);
    Press(page, "cmdClose");
  }
}

struct FlagCase {
  const char* what;
  int fault[4];   // registers 0x00 to 0x03
  int firstFlag;  // register 0x10
  std::vector<int> lit;
  const char* source;
  const char* value;
};

TEST_F(LimitsPage, IndicatorsFollowTheFaultFlagsAndLeaveTheReservedTwoAlone) {
  std::vector<int> allButReserved;
  for (int i = 0; i < 32; ++i)
    if (i != 20 && i != 24) allButReserved.push_back(i);
  const FlagCase cases[] = {
      {"all clear", {0, 0, 0, 0}, 0x00, {}, "Power Supply", "0x0"},
      {"0x85", {0x85, 0, 0, 0}, 0x00, {0, 5, 7}, "Power Supply", "0x0"},
      {"every bit", {0xFF, 0xFF, 0xFF, 0xFF}, 0x00, allButReserved, "Power Supply", "0x0"},
      {"only the bits without a flag", {0, 0, 0x08, 0x80}, 0x00, {}, "Power Supply", "0x0"},
      {"one bit of each register", {0x01, 0x40, 0x04, 0x01}, 0x00, {7, 9, 21, 31}, "Power Supply", "0x0"},
      {"first flag with no named source", {0, 0, 0, 0}, 0x3F, {}, "", "0x3F3"},
      {"first flag from the OrFET", {0, 0, 0, 0}, 0x21, {}, "OrFET", "0x212"},
  };
  usb::EmulatedBoard& board = StartBoard();
  for (const FlagCase& c : cases) {
    for (int r = 0; r < 4; ++r) board.SetReg(0x48, r, static_cast<uint8_t>(c.fault[r]));
    board.SetReg(0x48, 0x10, static_cast<uint8_t>(c.firstFlag));
    frmLimits& page = OpenFromMenu();
    page.tglStatus[20]->SetValue(true);  // to see that no refresh touches them
    page.tglStatus[24]->SetValue(true);
    Tick(5);  // a whole poll cycle, flags included
    std::vector<int> lit;
    for (int i = 0; i < 32; ++i)
      if (i != 20 && i != 24 && page.tglStatus[static_cast<size_t>(i)]->Value()) lit.push_back(i);
    EXPECT_EQ(lit, c.lit) << c.what;
    EXPECT_TRUE(page.tglStatus[20]->Value() && page.tglStatus[24]->Value()) << c.what;
    EXPECT_EQ(page.lblFlag->Caption(), c.source) << c.what;
    EXPECT_EQ(page.lblFlagValue->Caption(), c.value) << c.what;
    page.Unload();
  }
}

TEST_F(LimitsPage, InSimulationEveryGaugeCaptionIsBlankNumberUnit) {
  frmLimits& page = OpenInSimulation(std::nullopt, 5);
  const std::pair<int, const char*> captions[] = {
      {0, " 120V"}, {1, " .25A"}, {2, " 30W"}, {3, " 12.1V"}, {4, " 12.05V"}, {5, " 12V"},
      {6, " 2A"},   {7, " 24W"},  {9, " 20V"}, {10, " 25°C"}, {11, " 4V"},    {12, " 45%"},
  };
  for (const auto& [gauge, caption] : captions) {
    EXPECT_EQ(page.ggeReadings[static_cast<size_t>(gauge)]->Caption(), QString::fromUtf8(caption)) << gauge;
  }
  EXPECT_FLOAT_EQ(static_cast<float>(Pointer(page.ggeReadings[4], 1)), 12.05f);
  EXPECT_EQ(page.lblFlag->Caption(), "OrFET");
  EXPECT_EQ(page.lblFlagValue->Caption(), "0x3FC");
  // The preset image holds 0x85 in register 0x00.
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(page.tglStatus[static_cast<size_t>(i)]->Value(), i == 0 || i == 5 || i == 7) << i;
}

TEST_F(LimitsPage, DutyLimitMarkersComeFromTheLimitRegister) {
  const int cases[][3] = {{0x03, 15, 40}, {0x00, 0, 40}, {0x73, 15, 75}, {0xF3, 15, 75}, {0x45, 5, 60}};
  usb::EmulatedBoard& board = StartBoard();
  for (const auto& c : cases) {
    board.SetReg(0x48, 0x2E, static_cast<uint8_t>(c[0]));
    frmLimits& page = OpenFromMenu();
    EXPECT_EQ(Pointer(page.ggeReadings[12], 2), c[1]) << c[0];
    EXPECT_EQ(Pointer(page.ggeReadings[12], 3), c[2]) << c[0];
    page.Unload();
  }
}

struct DragCase {
  int gauge;
  int pointer;
  double to;
  double kept;
};

TEST_F(LimitsPage, DraggedDutyMarkersAreHeldToTheirRangesAndOthersMoveFreely) {
  const DragCase cases[] = {
      {12, 2, 20, 15}, {12, 2, 15, 15}, {12, 2, 10, 10},  {12, 3, 30, 40},
      {12, 3, 40, 40}, {12, 3, 60, 60}, {0, 2, 500, 500}, {0, 3, 100, 100},
  };
  StartBoard();  // 0x2E = 0: duty markers at 0 and 40
  frmLimits& page = OpenFromMenu();
  ShowTab(page, kReadingsTab);
  ClearBus();
  for (const DragCase& c : cases) {
    LGauge* gauge = page.ggeReadings[static_cast<size_t>(c.gauge)];
    const QPoint from = gauge->PointerPosition(c.pointer);
    const QPoint to(gauge->ValuePosition(c.to).x(), from.y());
    QTest::mousePress(gauge, Qt::LeftButton, {}, from);
    QTest::mouseMove(gauge, to);
    QTest::mouseRelease(gauge, Qt::LeftButton, {}, to);
    EXPECT_EQ(Pointer(gauge, c.pointer), c.kept) << "gauge " << c.gauge << " pointer " << c.pointer << " to " << c.to;
  }
  EXPECT_TRUE(Bus().empty()) << "markers are never written to the chip";
}

TEST_F(LimitsPage, ScaleFactorsShowTheirValuesAndSetTheLeadingNumberTyped) {
  StartBoard();
  frmLimits& page = OpenFromMenu();
  EXPECT_EQ(ScaleTexts(page), (QStringList{"670", "14.1", "14.2", "14.2", ".4", "2.4"}));
  SetScales(page, {{0, "670V"}, {1, "12.5"}, {4, "-.5"}, {5, "&H10"}});
  const std::pair<float*, float> stored[] = {{&gScaleInputVoltage, 670},  {&gScaleVS3, 12.5f},
                                             {&gScaleVS1, 14.2f},         {&gScaleVS2, 14.2f},
                                             {&gScaleInputCurrent, -.5f}, {&gScaleOutputCurrent, 16}};
  for (const auto& [scale, expected] : stored) EXPECT_EQ(*scale, expected);
  EXPECT_EQ(ScaleTexts(page), (QStringList{"670", "12.5", "14.2", "14.2", "-.5", "16"}))
      << "the boxes show the values now in force";
  SetScales(page, {{2, "3.4028235e38"}});
  EXPECT_EQ(gScaleVS1, std::numeric_limits<float>::max()) << "the largest float is a float";
}

struct RefusedCase {
  int box;
  const char* text;
  const char* channel;
};

// A box with no leading number, or one a float cannot hold, is refused and no value changes.
TEST_F(LimitsPage, ScaleTextsThatAreNoFiniteFloatAreRefusedAndChangeNothing) {
  const RefusedCase cases[] = {
      {4, "abc", "I/P Current"},  {2, "", "VS1"},           {0, "1e39", "I/P Voltage"},
      {3, "1e400", "VS2"},        {5, "&H", "O/P Current"}, {1, "-4e38", "O/P Voltage (VS3)"},
      {3, "3.4028236e38", "VS2"},
  };
  StartBoard();
  frmLimits& page = OpenFromMenu();
  for (const RefusedCase& c : cases) {
    AnswerMsgBox(ui::vbOK);
    std::vector<std::pair<int, QString>> typed = {{0, "500"}, {1, "13"}, {2, "13"}, {3, "13"}, {4, ".5"}, {5, "3"}};
    typed[static_cast<size_t>(c.box)].second = QString::fromLatin1(c.text);
    SetScales(page, typed);
    ASSERT_FALSE(MsgBoxes().empty()) << c.text;
    EXPECT_EQ(MsgBoxes().back().prompt, QStringLiteral("Enter a number for the %1 scale value.").arg(c.channel));
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbExclamation);
    for (float scale : {gScaleInputVoltage, gScaleVS3, gScaleVS1, gScaleVS2, gScaleInputCurrent, gScaleOutputCurrent})
      EXPECT_NE(scale, 13.0f) << c.text << ": no value changes";
    EXPECT_EQ(gScaleInputVoltage, 670.0f) << c.text;
  }
}

// The scale values hold for both chips, so both windows show what is in force.
TEST_F(LimitsPage, SettingScaleValuesInOneWindowShowsThemInTheOther) {
  StartBoard({0x48, 0x4A});
  frmLimits& first = OpenFromMenu(1);
  frmLimits& second = OpenFromMenu(2);
  SetScales(first, {{0, "500"}});
  EXPECT_EQ(ScaleTexts(second), (QStringList{"500", "14.1", "14.2", "14.2", ".4", "2.4"}));
  SetScales(second, {{5, "3"}});
  EXPECT_EQ(gScaleInputVoltage, 500.0f) << "the second window's Set keeps what the first set";
  EXPECT_EQ(ScaleTexts(first), (QStringList{"500", "14.1", "14.2", "14.2", ".4", "3"}));
}

// In simulation every reading stands inside its gauge's scale, clear of both
// ends; one beyond the scale pins the bar at its end with its caption exact.
TEST_F(LimitsPage, GaugesShowWorkingReadingsLegiblyAndPinOnesBeyondTheirScale) {
  frmLimits& page = OpenInSimulation(kReadingsTab, 5);
  for (int gauge : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12}) {
    const double share = ReadingShare(page.ggeReadings[static_cast<size_t>(gauge)]);
    EXPECT_GT(share, 0.1) << "gauge " << gauge;
    EXPECT_LT(share, 0.95) << "gauge " << gauge;
  }
  const std::tuple<float DeviceInfo::*, int, const char*> beyond[] = {{&DeviceInfo::Temperature, 10, " 4095°C"},
                                                                      {&DeviceInfo::DutyCycle, 12, " 255%"},
                                                                      {&DeviceInfo::VS1, 3, " 57.3V"}};
  for (const auto& [reading, gauge, caption] : beyond) gDevices[0].*reading = std::stof(caption + 1);
  page.DisplayData();
  for (const auto& [reading, gauge, caption] : beyond) {
    EXPECT_DOUBLE_EQ(ReadingShare(page.ggeReadings[static_cast<size_t>(gauge)]), 1) << caption;
    EXPECT_EQ(page.ggeReadings[static_cast<size_t>(gauge)]->Caption(), QString::fromUtf8(caption));
  }
}

TEST_F(LimitsPage, WhileOpenTheTimerPollsAndRefreshesAndClosingStopsBoth) {
  frmLimits& page = OpenInSimulation(kGraphsTab, 0);
  const int phase = PollPhase();
  Tick(7);
  EXPECT_EQ(PollPhase(), (phase + 7) % 5) << "one poll phase a tick";
  for (int chart = 0; chart < 4; ++chart) EXPECT_EQ(page.stpGraph[static_cast<size_t>(chart)]->HistorySize(1), 7u);
  QCoreApplication::processEvents();
  EXPECT_EQ(page.stpGraph[0]->ShownPoints(0).size(), 7) << "the shown chart draws what it got";
  EXPECT_TRUE(page.stpGraph[1]->ShownPoints(0).isEmpty()) << "hidden charts only store";

  ShowTab(page, kFaultTab);
  Press(page, "cmdClose");
  EXPECT_FALSE(gLimitsOpen[0]);
  Tick(3);
  EXPECT_EQ(PollPhase(), (phase + 7) % 5) << "no poll once closed";

  frmLimits& again = OpenFromMenu();
  for (int chart = 0; chart < 4; ++chart) EXPECT_EQ(again.stpGraph[static_cast<size_t>(chart)]->HistorySize(0), 0u);
  Tick(1);
  EXPECT_EQ(again.stpGraph[2]->HistorySize(0), 1u);
}

// A chart is built when it is first shown; every chart stores from the start.
TEST_F(LimitsPage, EachChartIsBuiltWhenFirstShownAndStoresFromTheStart) {
  frmLimits& page = OpenInSimulation(std::nullopt, 6);
  for (const auto& chart : page.stpGraph) {
    EXPECT_EQ(chart->Plot(), nullptr);
    EXPECT_EQ(chart->HistorySize(0), 6u);
  }
  ShowTab(page, kGraphsTab);
  QCoreApplication::processEvents();
  ASSERT_NE(page.stpGraph[0]->Plot(), nullptr);
  EXPECT_EQ(page.stpGraph[0]->ShownPoints(7).size(), 6) << "O/P Power, all six points";
  for (int chart = 1; chart < 4; ++chart) EXPECT_EQ(page.stpGraph[static_cast<size_t>(chart)]->Plot(), nullptr);
  EXPECT_EQ(ShowGraph(page, 3)->ShownPoints(1).size(), 6);
}

// The three sensed voltages a twentieth of a volt apart, on the chart of all
// readings and on the voltage chart: each line on a row of its own, the input
// voltage on a scale of its own.
TEST_F(LimitsPage, TheSensedVoltagesCanBeToldApartOnTheCharts) {
  frmLimits& page = OpenInSimulation(kGraphsTab, 20);
  for (int choice : {0, 1}) {
    instruments::Strip* chart = ShowGraph(page, choice);
    QCustomPlot* plot = chart->Plot();
    ASSERT_NE(plot, nullptr);
    // Channels 1 to 3: VS3, VS1, VS2 at 12, 12.1 and 12.05 V.
    std::vector<double> rows;
    for (int channel = 1; channel <= 3; ++channel) {
      QCPGraph* line = plot->graph(channel);
      rows.push_back(line->valueAxis()->coordToPixel(chart->ShownPoints(channel).back().y()));
      EXPECT_NE(line->valueAxis(), plot->graph(0)->valueAxis()) << "the input voltage has a scale of its own";
    }
    EXPECT_GE(rows[0] - rows[2], 10) << choice << ": VS3 below VS2";
    EXPECT_GE(rows[2] - rows[1], 10) << choice << ": VS2 below VS1";
  }
}

// A scale value so large that the reading overflows the float: the line
// breaks, the axes keep their numbers, the gauge says so; set back, all is well.
TEST_F(LimitsPage, AnOverflowingReadingBreaksItsLineAndLeavesTheAxisWhole) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x11, 0xFF);  // input voltage code 4095.9375
  frmLimits& page = OpenFromMenu();
  SetScales(page, {{0, "3e38"}});
  ShowTab(page, kGraphsTab);
  Tick(10);
  EXPECT_TRUE(std::isinf(gDevices[0].InputVoltage));
  instruments::Strip* chart = page.stpGraph[0];
  QCoreApplication::processEvents();
  chart->Plot()->replot();
  const QVector<QPointF> volts = chart->ShownPoints(0);
  ASSERT_FALSE(volts.isEmpty());
  EXPECT_TRUE(std::isnan(volts.back().y())) << "the line breaks";
  EXPECT_TRUE(std::isfinite(chart->ValueAxis(0)->range().size()));
  EXPECT_EQ(page.ggeReadings[0]->Caption(), "Overflow");

  SetScales(page, {{0, "670"}});
  ShowTab(page, kGraphsTab);
  Tick(10);
  QCoreApplication::processEvents();
  chart->Plot()->replot();
  EXPECT_FLOAT_EQ(chart->ShownPoints(0).back().y(), 914.759f);
  EXPECT_TRUE(chart->ValueAxis(0)->range().contains(914.759)) << "the axis comes back with the readings";
  EXPECT_FALSE(chart->ValueAxis(0)->tickVectorLabels().isEmpty());
  EXPECT_EQ(page.ggeReadings[0]->Caption(), " 914.76V");
}

TEST_F(LimitsPage, TheGraphChoiceShowsOneChartWithItsWholeHistory) {
  frmLimits& page = OpenInSimulation(kGraphsTab, 4);
  for (int choice : {2, 3, 1, 0}) {
    ShowGraph(page, choice);
    for (int chart = 0; chart < 4; ++chart)
      EXPECT_EQ(page.stpGraph[static_cast<size_t>(chart)]->isVisible(), chart == choice) << choice;
    EXPECT_EQ(page.stpGraph[static_cast<size_t>(choice)]->ShownPoints(0).size(), 4) << choice;
  }
}

TEST_F(LimitsPage, AWindowForAnUnknownChipRefreshesNothingAndOwnsNoFlag) {
  StartBoard();
  OpenFromMenu();
  OpenDevicePage(PageKind::Limits, 1, QStringLiteral("Limits and Graphs"), 0x50);
  frmLimits& stranger = PageAt<frmLimits>(PageKind::Limits, 1);
  EXPECT_FALSE(gLimitsOpen[1]);
  stranger.PlotData();
  stranger.DisplayData();
  stranger.UpdateFlags();
  EXPECT_EQ(stranger.stpGraph[0]->HistorySize(0), 0u);
  EXPECT_EQ(stranger.ggeReadings[0]->Caption(), "");
  EXPECT_EQ(stranger.lblFlagValue->Caption(), "");
  ShowTab(stranger, kFaultTab);
  Press(stranger, "cmdClose");
  EXPECT_TRUE(gLimitsOpen[0]) << "closing it leaves device 1's window open";
}

}  // namespace
