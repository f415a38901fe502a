// The loop-filter designer as the user drives it: opening, set-up reads, the
// invalid-set offer, Apply's transfers, the frequency list, the LC boxes, the
// view boxes, the CCM/DCM choice and dragging the sketch's handles.

#include <QImage>
#include <limits>

#include "design/LoopModel.h"
#include "design/frmPWM.h"
#include "filter_fixture.h"
#include "platform/ui/Seams.h"
#include "shell/frmDevice.h"

namespace {

using namespace filtertest;
using filter::kCCM;
using filter::kDCM;
using Lines = std::vector<std::string>;

const Lines kSetReads{"read 0x61", "read 0x62", "read 0x60", "read 0x63",
                      "read 0x65", "read 0x66", "read 0x64", "read 0x67"};

// Apply at 125 kHz of a window whose sets are as the chip holds them.
const Lines kUnchangedApply{"read 0x5D",         "write 0x5D = 0xA3", "read 0x40",         "write 0x40 = 0x81",
                            "write 0x62 = 0x96", "write 0x61 = 0xEE", "write 0x63 = 0x0F", "write 0x60 = 0x03",
                            "write 0x66 = 0x80", "write 0x65 = 0xE0", "write 0x67 = 0x20", "write 0x64 = 0x05"};

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Pixels of a colour on the chart below the legend.
int PixelsOf(frmDigFilter& page, const QColor& color) {
  const QImage image = page.pctFilter->grab().toImage();
  int count = 0;
  for (int y = 60; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color;
  }
  return count;
}

class FilterWindow : public FilterPage {
 protected:
  // The designer on the default chip with the handles' captions shown, for a drag.
  frmDigFilter& OpenWithCaptions() {
    StartFilterBoard();
    frmDigFilter& page = OpenFilter();
    Press(page.chkShowLabels);
    return page;
  }
};

TEST_F(FilterWindow, DeviceMenuAndBlockDiagramOpenIt) {
  struct Row {
    const char* how;
    std::function<void()> open;
  } rows[] = {
      {"Device1 menu", [] { gMainForm->Action(QStringLiteral("mnuDigFilter1"))->trigger(); }},
      {"block diagram's filter area",
       [] {
         OpenBlockDiagram(0);
         auto& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
         support::ClickHotArea(diagram.pctDevice, *diagram.lblSelection[1]);
       }},
  };
  StartFilterBoard();
  // The main window large enough to show the whole block diagram.
  gMainForm->Window()->setWindowState(Qt::WindowNoState);
  gMainForm->SetSize(19200, 15600);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.how);
    r.open();
    DevicePage* page = Pages(PageKind::DigFilter).Existing(0);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->IsVisible());
    EXPECT_EQ(page->Caption(), "Filter Settings (0x48)");
    EXPECT_EQ(page->Width(), 15840);
    EXPECT_EQ(page->Height(), 10125);
    page->Unload();
  }
}

TEST_F(FilterWindow, SetUpReadsTheFrequencyThenBothSetsTwiceAndShowsThem) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  // The frequency's handler reads both sets, then the set-up reads them again.
  EXPECT_EQ(Bus(), Concat({{"read 0x5D"}, kSetReads, kSetReads}));
  EXPECT_EQ(page.cmbFreq->Text(), "125kHz");
  EXPECT_EQ(page.mSwitchingFrequency, 125000);
  EXPECT_EQ(page.lblPoleFreq->Caption(), "10.39 kHz");
  EXPECT_EQ(page.lblHighFGain->Caption(), "-2.73dB");
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.45 kHz");
  EXPECT_EQ(page.lblLowFGain->Caption(), "29.63dB ");
  const filter::LoopMargin margin =
      filter::CalcBandwidthAndMargin(filter::DigitalFilter::Of(page.mFilter[kCCM]),
                                     filter::LCFilter::Of({10, 5000, 12, 0.5}, filter::kFullLoopZeroLoad));
  ASSERT_EQ(margin.kind, filter::LoopMargin::Crossing);
  EXPECT_EQ(page.lblLoopBandwidth->Caption(), margin.bandwidthText);
  EXPECT_EQ(page.lblLoopPhaseMargin->Caption(), margin.marginText);
  EXPECT_TRUE(MsgBoxes().empty());
}

TEST_F(FilterWindow, InvalidSetIsOfferedTheDefaults) {
  struct Row {
    int answer;
    Lines transfers;
    bool shown;
  } rows[] = {
      {ui::vbOK,
       Concat({{"write 0x60 = 0x03", "write 0x61 = 0xEE", "write 0x62 = 0x96", "write 0x63 = 0x0F"},
               {"read 0x61", "read 0x62", "read 0x60", "read 0x63"}}),
       true},
      {ui::vbCancel, {}, false},
  };
  usb::EmulatedBoard& board = StartFilterBoard();
  for (const Row& r : rows) {
    SetSet(board, 0x48, kCCM, {0x03, 0x96, 0x96, 0x0F});  // the zero on the pole
    AnswerMsgBox(r.answer);
    ClearBus();
    const size_t asked = MsgBoxes().size();
    OpenDevicePage(PageKind::DigFilter, 0);
    const Lines bus = Bus();
    ASSERT_EQ(MsgBoxes().size(), asked + 1);
    EXPECT_EQ(MsgBoxes().back().prompt,
              "The CCM Digital Filter settings are invalid\r\nClick OK to program default values.");
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKCancel);
    EXPECT_EQ(MsgBoxes().back().title, ui::kAppTitle) << "no title of its own";
    EXPECT_EQ(Lines(bus.begin() + 17, bus.end()), r.transfers);
    DevicePage* page = Pages(PageKind::DigFilter).Existing(0);
    EXPECT_EQ(page->IsLoaded(), r.shown);
    EXPECT_EQ(page->IsVisible(), r.shown);
    if (page->IsLoaded()) page->Unload();
  }
}

TEST_F(FilterWindow, ApplyWritesTheFrequencyThenBothSetsUnchanged) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  ClearBus();
  PressButton(page.cmdApply);
  EXPECT_EQ(Bus(), kUnchangedApply);
}

// An index past the list: the codes stand for no frequencies or gains yet, so
// the set is neither judged, written nor drawn until the user chooses a frequency.
TEST_F(FilterWindow, AnUnknownFrequencyWaitsForTheUsersChoice) {
  const Codes invalid{0x03, 0x96, 0x96, 0x0F};  // the zero on the pole
  struct Row {
    const char* what;
    Codes set;
    int answer;  // to the invalid-settings message; 0 when none is asked
    Lines writes;
    bool drawn;
  } rows[] = {
      {"a valid set", kDefaultCodes, 0, {}, true},
      {"an invalid set, the defaults declined", invalid, ui::vbCancel, {}, false},
      {"an invalid set, the defaults taken", invalid, ui::vbOK,
       {"write 0x60 = 0x03", "write 0x61 = 0xEE", "write 0x62 = 0x96", "write 0x63 = 0x0F"}, true},
  };
  usb::EmulatedBoard& board = StartFilterBoard();
  board.SetReg(0x48, 0x5D, 0xAF);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SetSet(board, 0x48, kCCM, r.set);
    ClearBus();
    const size_t asked = MsgBoxes().size();
    frmDigFilter& page = OpenFilter();
    ASSERT_TRUE(page.IsVisible());
    EXPECT_EQ(MsgBoxes().size(), asked) << "no invalid-settings message";
    EXPECT_EQ(Bus(), Concat({{"read 0x5D"}, kSetReads})) << "and no write";
    EXPECT_EQ(page.cmbFreq->ListIndex(), -1);
    EXPECT_FALSE(page.shpPole->Visible());
    EXPECT_FALSE(page.lnIstSlope->Visible());
    EXPECT_EQ(PixelsOf(page, QColor(0, 255, 0)), 0) << "no digital phase";
    EXPECT_EQ(page.lblLoopPhaseMargin->Caption(), "") << "no full loop";
    ClearBus();
    AnswerMsgBox(ui::vbOK);
    PressButton(page.cmdApply);
    EXPECT_TRUE(Bus().empty());
    EXPECT_EQ(MsgBoxes().back().prompt, "Select a switching frequency before applying.");
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbInformation);

    if (r.answer != 0) AnswerMsgBox(r.answer);
    ClearBus();
    page.cmbFreq->SetText(QStringLiteral("125kHz"));
    Lines writes;
    for (const std::string& line : Bus()) {
      if (line.rfind("write", 0) == 0) writes.push_back(line);
    }
    EXPECT_EQ(writes, r.writes);
    EXPECT_EQ(page.cmbFreq->Text(), r.drawn ? "125kHz" : "");
    EXPECT_EQ(page.shpPole->Visible(), r.drawn);
    EXPECT_EQ(PixelsOf(page, QColor(0, 255, 0)) > 0, r.drawn);
    if (r.drawn) {
      EXPECT_EQ(page.lblPoleFreq->Caption(), "10.39 kHz");
    }
    page.Unload();
  }
}

TEST_F(FilterWindow, FrequencyChoiceReReadsBothSetsAndReachesTheSameChipsPWMPage) {
  StartFilterBoard({0x48, 0x4A});
  for (int pwmDevice : {0, 1}) {
    SCOPED_TRACE(pwmDevice);
    OpenDevicePage(PageKind::PWM, pwmDevice);
    frmPWM& pwm = PageAt<frmPWM>(PageKind::PWM, pwmDevice);
    const QString pwmBefore = pwm.lblPWMFreq->Caption();
    const QString periodBefore = pwm.lblT[0]->Caption();
    frmDigFilter& page = OpenFilter(0);
    ClearBus();
    page.cmbFreq->SetText(QStringLiteral("250kHz"));
    EXPECT_EQ(Bus(), kSetReads) << "nothing is written";
    EXPECT_EQ(page.mSwitchingFrequency, 250000);
    const filter::BodeChart chart = ChartAt(6);
    EXPECT_EQ(page.lnPoleLocation->X1(), chart.PoleBarX1);
    EXPECT_EQ(page.lnPoleLocation->X2(), chart.PoleBarX2);
    EXPECT_EQ(page.lnHFGain->Y2(), chart.HFBarY2);
    // The chip's unchanged codes stand for other frequencies now.
    EXPECT_EQ(page.mFilter[kCCM].PoleFreq, filter::ZeroPoleCodeToFreq(0x96, 250000));
    // The PWM editor of the same chip takes the choice as if its own list had been used.
    if (pwmDevice == 0) {
      EXPECT_EQ(pwm.cmbFreq->Text(), "250kHz");
      EXPECT_EQ(pwm.lblPWMFreq->Caption(), "250kHz");
      EXPECT_EQ(pwm.lblT[0]->Caption(), "4us");
    } else {
      EXPECT_EQ(pwm.lblPWMFreq->Caption(), pwmBefore);
      EXPECT_EQ(pwm.lblT[0]->Caption(), periodBefore);
    }
    pwm.Unload();
    page.Unload();
  }
}

// A frequency chosen in the list is judged as at set-up: where the chip's codes
// make the set shown invalid, OK programs the defaults at once and Cancel goes
// back to the frequency before, with the set as it was shown.
TEST_F(FilterWindow, AFrequencyChoiceJudgesTheSetShown) {
  const Codes validAt125kHzOnly{0x03, 0xEE, 0x00, 0x0F};  // the defaults but for pole code 0
  const struct {
    const char* what;
    int mode;
    int answer;
  } rows[] = {{"CCM, the defaults taken", kCCM, ui::vbOK},
              {"CCM, the defaults declined", kCCM, ui::vbCancel},
              {"DCM, the defaults taken", kDCM, ui::vbOK}};
  usb::EmulatedBoard& board = StartFilterBoard();
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    board.SetReg(0x48, 0x5D, 0xA3);
    SetSet(board, 0x48, kCCM, kDefaultCodes);
    SetSet(board, 0x48, kDCM, kDCMCodes);
    SetSet(board, 0x48, r.mode, validAt125kHzOnly);
    frmDigFilter& page = OpenFilter();
    if (r.mode == kDCM) Press(page.optFilterMode[1]);
    const QString pole = page.lblPoleFreq->Caption();
    ClearBus();
    PressButton(page.cmdApply);
    const Lines before = Bus();

    const size_t asked = MsgBoxes().size();
    AnswerMsgBox(r.answer);
    ClearBus();
    QTest::keyClick(page.cmbFreq, Qt::Key_Home);  // the list's first item, 49kHz
    ASSERT_EQ(MsgBoxes().size(), asked + 1);
    EXPECT_EQ(MsgBoxes().back().prompt, filter::InvalidSettingsMessage(r.mode));
    EXPECT_TRUE(page.optFilterMode[static_cast<size_t>(r.mode)]->isChecked());
    Lines writes;
    for (const std::string& line : Bus()) {
      if (line.rfind("write", 0) == 0) writes.push_back(line);
    }
    Lines expected = before;
    if (r.answer == ui::vbOK) {
      EXPECT_EQ(writes, (Lines{WriteLine(filter::LFGainReg(r.mode), 0x03), WriteLine(filter::ZeroReg(r.mode), 0xEE),
                               WriteLine(filter::PoleReg(r.mode), 0x96), WriteLine(filter::HFGainReg(r.mode), 0x0F)}));
      EXPECT_EQ(page.cmbFreq->Text(), "49kHz");
      EXPECT_EQ(page.lblPoleFreq->Caption(), "4.07 kHz") << "the defaults at 49kHz";
      // The frequency, and the defaults' pole where the chip held code 0.
      expected[1] = "write 0x5D = 0xA0";
      expected[4 + 4 * static_cast<size_t>(r.mode)] = WriteLine(filter::PoleReg(r.mode), 0x96);
    } else {
      EXPECT_TRUE(writes.empty());
      EXPECT_EQ(page.cmbFreq->Text(), "125kHz");
      EXPECT_EQ(page.lblPoleFreq->Caption(), pole);
      EXPECT_EQ(page.lnPoleLocation->X2(), ChartAt(3).PoleBarX2);
    }
    ClearBus();
    PressButton(page.cmdApply);
    EXPECT_EQ(Bus(), expected);
    PressButton(page.cmdCancel);
    OpenFilter();
    EXPECT_EQ(MsgBoxes().size(), asked + 1) << "valid at the next opening";
    page.Unload();
  }
}

TEST_F(FilterWindow, EachWindowDecodesAndEncodesWithItsOwnChipsFrequency) {
  usb::EmulatedBoard& board = StartFilterBoard({0x48, 0x4A});
  board.SetReg(0x4A, 0x5D, 0xA0);  // the second chip at 49kHz
  frmDigFilter& first = OpenFilter(0);
  frmDigFilter& second = OpenFilter(1);
  EXPECT_EQ(second.lblPoleFreq->Caption(), "4.07 kHz");
  second.cmbFreq->SetText(QStringLiteral("74.5kHz"));
  EXPECT_EQ(first.lblPoleFreq->Caption(), "10.39 kHz");
  EXPECT_EQ(first.mSwitchingFrequency, 125000);
  ClearBus();
  PressButton(first.cmdApply);
  EXPECT_EQ(Bus(), kUnchangedApply);
  EXPECT_EQ(second.mSwitchingFrequency, 74500);
  EXPECT_EQ(second.lblPoleFreq->Caption(), "6.19 kHz");
}

TEST_F(FilterWindow, LCBoxesStoreEveryEditInTheChipsRecordAndRedrawForNumbers) {
  struct Row {
    const char* text;
    float stored;
    bool redraws;
  } rows[] = {{"4.7", 4.7f, true}, {"", 0, false}, {"4.7u", 4.7f, false}, {"-3", -3, false}, {"&H10", 16, true},
              // Beyond a float's range: the largest float, a number the next opening can show.
              {"1e40", std::numeric_limits<float>::max(), true}};
  StartFilterBoard({0x48, 0x4A});
  frmDigFilter& page = OpenFilter(1);
  Press(page.chkLCFilter);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    page.txtL->SetText(QStringLiteral("10"));
    const QImage before = page.pctFilter->grab().toImage();
    page.txtL->selectAll();
    QTest::keyClick(page.txtL, Qt::Key_Delete);
    page.txtL->SetText(QString::fromLatin1(r.text));
    EXPECT_EQ(gDevices[1].L, r.stored);
    EXPECT_EQ(page.pctFilter->grab().toImage() != before, r.redraws);
  }
  EXPECT_EQ(gDevices[0].L, 10) << "the other chip's record";
  PressButton(page.cmdCancel);
  OpenFilter(1);
  EXPECT_EQ(page.txtL->Text(), "3.402823E+38") << "the huge value again, not 0";
}

TEST_F(FilterWindow, ViewBoxesShowTheSketchCaptionsAndCurves) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  const QColor magenta(255, 0, 255), orange(255, 128, 0), green(0, 255, 0), grey(128, 128, 128);
  EXPECT_GT(PixelsOf(page, green), 0);
  EXPECT_EQ(PixelsOf(page, magenta), 0);
  Press(page.chkLCFilter);
  EXPECT_GT(PixelsOf(page, magenta), 0);
  EXPECT_GT(PixelsOf(page, orange), 0);

  Press(page.chkDigFilter);  // off: the sketch and the range bars go
  for (const forms::DrawItem* item : std::initializer_list<const forms::DrawItem*>{
           page.shpPole, page.shpZero, page.lnIstSlope, page.LnHor1, page.ln2ndSlope, page.LnHor2, page.lnPoleLocation,
           page.lblPole, page.lnHFGain, page.lblHF, page.lnLFGain, page.lblLF}) {
    EXPECT_FALSE(item->Visible()) << item->objectName().toStdString();
  }
  Press(page.chkShowLabels);
  EXPECT_FALSE(page.lblPolePos->Visible()) << "no captions without the sketch";
  Press(page.chkDigFilter);
  for (const forms::LabelItem* label : {page.lblPolePos.data(), page.lblZeroPos.data(), page.lblLowGainPos.data()}) {
    EXPECT_TRUE(label->Visible()) << label->objectName().toStdString();
  }
  Press(page.chkShowLabels);
  EXPECT_FALSE(page.lblZeroPos->Visible());

  // All three views off: grid, markers and sketch only.
  Press(page.chkDigFilter);
  Press(page.chkLCFilter);
  Press(page.chkFullLoop);
  EXPECT_EQ(PixelsOf(page, magenta) + PixelsOf(page, orange) + PixelsOf(page, green), 0);
  const int gridOnly = PixelsOf(page, grey);
  Press(page.chkFullLoop);
  EXPECT_GT(PixelsOf(page, grey), gridOnly) << "the full-loop phase";
}

TEST_F(FilterWindow, PoleDragKeepsTenHertzStepsTheZeroFollowsAndApplyWritesIt) {
  frmDigFilter& page = OpenWithCaptions();
  const filter::BodeChart chart = ChartAt(3);
  const QPointF pole = Centre(page.shpPole);
  const double zeroLeft = page.shpZero->Left(), zeroTop = page.shpZero->Top();
  ClickAt(page, pole.x(), pole.y());
  MoveTo(page, filter::FreqToX(chart, 8314.27f), filter::GainToY(chart, -10.3349f));
  EXPECT_EQ(page.lblPoleFreq->Caption(), "8.31 kHz");
  EXPECT_EQ(page.lblHighFGain->Caption(), "-10.33dB");
  EXPECT_EQ(page.lblPolePos->Caption(), "Pole (-10.33dB @ 8.31kHz)");
  EXPECT_EQ(page.mFilter[kCCM].PoleFreq, 8310);
  EXPECT_EQ(page.mFilter[kCCM].HighFreqGain, -10.33f);
  // The zero keeps its frequency and comes down with the rising line.
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.45 kHz");
  EXPECT_EQ(page.shpZero->Left(), zeroLeft);
  EXPECT_GT(page.shpZero->Top(), zeroTop);
  // Dropped, it rests on the nearest codes and shows what they read back as.
  ClickAt(page, 9000, 6000);
  EXPECT_EQ(page.lblPoleFreq->Caption(), "8.26 kHz");
  EXPECT_EQ(page.lblHighFGain->Caption(), "-9.72dB");
  const filter::FilterSettings dropped = page.mFilter[kCCM];
  EXPECT_TRUE(filter::HoldsItsCodes(dropped, 125000));
  MoveTo(page, pole.x(), pole.y());
  EXPECT_EQ(page.mFilter[kCCM].PoleFreq, dropped.PoleFreq) << "dropped: it stays";

  ClearBus();
  PressButton(page.cmdApply);
  char pole62[32], hf63[32];
  std::snprintf(pole62, sizeof pole62, "write 0x62 = 0x%02X", filter::ZeroPoleFreqToCode(dropped.PoleFreq, 125000));
  std::snprintf(hf63, sizeof hf63, "write 0x63 = 0x%02X",
                filter::HFGainToCode(dropped.HighFreqGain, dropped.PoleFreq, dropped.ZeroFreq, 125000));
  EXPECT_EQ(Bus()[4], pole62);
  EXPECT_EQ(Bus()[6], hf63);
}

TEST_F(FilterWindow, ZeroAndIntegratorDragsShowTheirCaptions) {
  frmDigFilter& page = OpenWithCaptions();
  const filter::BodeChart chart = ChartAt(3);
  Drag(page, Centre(page.shpZero), QPointF(filter::FreqToX(chart, 1200), 100));
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.2 kHz");
  EXPECT_EQ(page.lblZeroPos->Caption(), "Zero (1.20kHz)");
  EXPECT_EQ(page.mFilter[kCCM].ZeroFreq, 1200);

  // 420 twips up is 10 dB more; dropped, the line rests on the nearest LF code.
  const double y = IntegratorAt(page, 1000);
  ClickAt(page, 1000, y);
  MoveTo(page, 1000, y - 420);
  EXPECT_EQ(page.lblLowFGain->Caption(), "39.63dB ");
  EXPECT_EQ(page.lblLowGainPos->Caption(), "Low Gain (39.63dB @ 1Hz)");
  EXPECT_EQ(page.mFilter[kCCM].LowFreqGain, 39.63f);
  ClickAt(page, 9000, 6000);
  EXPECT_EQ(page.lblLowFGain->Caption(), "39.17dB ");
  EXPECT_EQ(page.lblLowGainPos->Caption(), "Low Gain (39.17dB @ 1Hz)");
  EXPECT_TRUE(filter::HoldsItsCodes(page.mFilter[kCCM], 125000));
}

TEST_F(FilterWindow, PointerShowsWhichHandleIsUnderIt) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  struct Row {
    const char* where;
    QPointF at;
    int pointer;
  } rows[] = {
      {"pole", Centre(page.shpPole), forms::vbSizeAll},
      {"zero", Centre(page.shpZero), forms::vbSizeWE},
      {"integrator line", QPointF(1000, IntegratorAt(page, 1000) + 60), forms::vbSizeNS},
      {"elsewhere", QPointF(9000, 6000), forms::vbDefault},
  };
  for (const Row& r : rows) {
    MoveTo(page, r.at.x(), r.at.y());
    EXPECT_EQ(page.MousePointer(), r.pointer) << r.where;
  }
}

TEST_F(FilterWindow, DCMShowsItsOwnSetAndCCMDragsStayUntilApplied) {
  usb::EmulatedBoard& board = StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  const QPointF pole = Centre(page.shpPole);
  Drag(page, pole, pole + QPointF(300, 0));
  const QString draggedCCM = page.lblPoleFreq->Caption();
  Press(page.optFilterMode[1]);
  EXPECT_EQ(page.mFilterMode, kDCM);
  EXPECT_EQ(page.lblPoleFreq->Caption(), "13.26 kHz");
  Press(page.optFilterMode[0]);
  EXPECT_EQ(page.lblPoleFreq->Caption(), draggedCCM);

  // An invalid DCM set declined: nothing written, the window stays.
  SetSet(board, 0x48, kDCM, {0x03, 0x96, 0x96, 0x0F});
  page.cmbFreq->SetText(QStringLiteral("98kHz"));
  page.cmbFreq->SetText(QStringLiteral("125kHz"));  // re-reads both sets
  ClearBus();
  AnswerMsgBox(ui::vbCancel);
  Press(page.optFilterMode[1]);
  EXPECT_EQ(MsgBoxes().back().prompt,
            "The DCM Digital Filter settings are invalid\r\nClick OK to program default values.");
  EXPECT_TRUE(Bus().empty());
  EXPECT_TRUE(page.IsVisible());
  // The option goes back to the set still drawn, and the next drag and Apply belong to it.
  EXPECT_TRUE(page.optFilterMode[0]->isChecked());
  EXPECT_EQ(page.mFilterMode, kCCM);
  const QPointF at = Centre(page.shpPole);
  Drag(page, at, at + QPointF(200, 0));
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.45 kHz");
  PressButton(page.cmdApply);
  const Lines bus = Bus();
  ASSERT_EQ(bus.size(), 12u);
  EXPECT_EQ(bus[5], "write 0x61 = 0xEE");
  EXPECT_EQ(Lines(bus.begin() + 8, bus.end()),
            (Lines{"write 0x66 = 0x96", "write 0x65 = 0x96", "write 0x67 = 0x0F", "write 0x64 = 0x03"}))
      << "the DCM set as the chip holds it";
}

// A handle follows the pointer only when it was picked, in view, in this opening of the window.
TEST_F(FilterWindow, OnlyAHandlePickedInViewFollowsThePointer) {
  enum Handle { kPole, kZero, kIntegrator };
  using Before = std::function<void(frmDigFilter&, QPointF)>;
  struct Row {
    const char* what;
    Before before;
  } rows[] = {
      {"picked, then Close and opened again",
       [this](frmDigFilter& p, QPointF at) {
         ClickAt(p, at.x(), at.y());
         PressButton(p.cmdCancel);
         OpenFilter();
       }},
      {"clicked with the sketch hidden",
       [](frmDigFilter& p, QPointF at) {
         Press(p.chkDigFilter);
         ClickAt(p, at.x(), at.y());
       }},
      {"picked, then the sketch hidden",
       [](frmDigFilter& p, QPointF at) {
         ClickAt(p, at.x(), at.y());
         Press(p.chkDigFilter);
       }},
  };
  StartFilterBoard();
  for (const Row& r : rows) {
    for (Handle handle : {kPole, kZero, kIntegrator}) {
      SCOPED_TRACE(std::string(r.what) + ", handle " + std::to_string(handle));
      frmDigFilter& page = OpenFilter();
      const QPointF at = handle == kPole   ? Centre(page.shpPole)
                         : handle == kZero ? Centre(page.shpZero)
                                           : QPointF(1000, IntegratorAt(page, 1000));
      r.before(page, at);
      // Where the handle would go if it were picked.
      const QPointF to = at + (handle == kIntegrator ? QPointF(0, -100) : QPointF(300, 0));
      MoveTo(page, to.x(), to.y());
      ClearBus();
      PressButton(page.cmdApply);
      EXPECT_EQ(Bus(), kUnchangedApply);
      page.Unload();
    }
  }
}

TEST_F(FilterWindow, WithoutACrossingTheBandwidthIsADashBesideTheMargin) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  ASSERT_TRUE(page.lblLoopBandwidth->Caption().endsWith(QStringLiteral(" kHz")));
  page.txtL->selectAll();
  QTest::keyClicks(page.txtL, QStringLiteral("0"));
  EXPECT_EQ(page.lblLoopPhaseMargin->Caption(), QStringLiteral("-") + QChar(0x00B0));
  EXPECT_EQ(page.lblLoopBandwidth->Caption(), "-");
}

TEST_F(FilterWindow, LegendSamplesShowTheColoursTheCurvesAreDrawnIn) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  // The curves in their drawing order: digital phase, LC phase and gain, full-loop phase and gain.
  const filter::LoopPlot plot =
      filter::PlotLoop(page.mFilter[kCCM], {10, 5000, 12, 0.5}, {true, true, true}, ChartAt(3));
  ASSERT_EQ(plot.curves.size(), 5u);
  const auto curve = [&](size_t k) { return QColor::fromRgb(static_cast<QRgb>(plot.curves[k].rgb)); };
  const struct {
    const char* label;
    QColor color;
  } samples[] = {{"Digital Gain", page.ln2ndSlope->BorderColor()},
                 {"Digital Phase", curve(0)},
                 {"LC Gain", curve(2)},
                 {"LC Phase", curve(1)},
                 {"Full Loop Gain", curve(4)},
                 {"Full Loop Phase", curve(3)}};
  const QImage image = page.pctFilter->grab().toImage();
  const QPoint origin = page.pctFilter->contentsRect().topLeft();
  for (int i = 0; i < 6; ++i) {
    const QString name = QStringLiteral("lnLegend(%1)").arg(i);
    const auto* sample = page.pctFilter->findChild<forms::LineItem*>(name);
    const auto* label = page.pctFilter->findChild<forms::LabelItem*>(QStringLiteral("lblLegend(%1)").arg(i));
    ASSERT_TRUE(sample && label) << name.toStdString();
    EXPECT_EQ(label->Caption(), samples[i].label);
    const QPoint pixel =
        origin + QPoint(forms::ToPixels((sample->X1() + sample->X2()) / 2), forms::ToPixels(sample->Y1()));
    EXPECT_EQ(image.pixelColor(pixel), samples[i].color) << samples[i].label;
  }
}

TEST_F(FilterWindow, CloseWritesNothingAndTheNextOpeningReadsAgain) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  page.txtESR->SetText(QStringLiteral("20"));
  ClearBus();
  PressButton(page.cmdCancel);
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_TRUE(Bus().empty());
  OpenFilter();
  EXPECT_EQ(Bus(), Concat({{"read 0x5D"}, kSetReads, kSetReads}));
  EXPECT_EQ(page.txtESR->Text(), "20") << "the record keeps it";
  EXPECT_EQ(page.optFilterMode[0]->isChecked(), true);
}

}  // namespace

namespace {

using namespace filtertest;

class FilterFineScreen : public FilterPage {};

// At a pixel ratio of 2 the curves keep the half pixels between the picture's
// own: along the LC phase curve's level stretches, where stair steps would
// show, the drawn curve lies on average within a quarter of a device pixel of
// the exact one (on whole pixels of the picture it lies about a third off).
TEST_F(FilterFineScreen, CurvesKeepTheirFractionsOfAPixel) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  Press(page.chkDigFilter);
  Press(page.chkFullLoop);
  Press(page.chkLCFilter);
  QImage image(page.pctFilter->size() * 2, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  page.pctFilter->render(&image);
  const QPoint origin = page.pctFilter->contentsRect().topLeft();
  const filter::LoopPlot plot =
      filter::PlotLoop(page.mFilter[filter::kCCM], {10, 5000, 12, 0.5}, {false, true, false}, ChartAt(3));
  const filter::Curve& phase = plot.curves[0];
  ASSERT_EQ(phase.rgb, filter::kLCPhaseColor);
  double sum = 0;
  int columns = 0;
  for (const auto& run : phase.runs) {
    for (size_t i = 1; i < run.size(); ++i) {
      // In device pixels.
      const QPointF a = (QPointF(origin) + run[i - 1] / 15) * 2, b = (QPointF(origin) + run[i] / 15) * 2;
      const double slope = (b.y() - a.y()) / (b.x() - a.x());
      if (std::fabs(slope) > 0.25) continue;
      for (int x = static_cast<int>(std::ceil(a.x())) + 1; x + 1 < b.x(); ++x) {
        const double exact = a.y() + slope * (x + 0.5 - a.x());
        // The middle of the column's orange: over white, the less blue the more of the curve.
        double weight = 0, moment = 0;
        for (int y = static_cast<int>(exact) - 4; y <= static_cast<int>(exact) + 4; ++y) {
          const QColor c = image.pixelColor(x, y);
          const double w = c.red() > 200 && c.blue() + 20 < c.green() ? (255 - c.blue()) / 255.0 : 0;
          weight += w;
          moment += w * (y + 0.5);
        }
        if (weight < 0.5) continue;  // under the legend
        sum += std::fabs(moment / weight - exact);
        ++columns;
      }
    }
  }
  ASSERT_GT(columns, 500);
  EXPECT_LT(sum / columns, 0.28);
}

}  // namespace
