// The loop-filter designer as the user drives it: opening, set-up reads, the
// invalid-set offer, Apply's transfers, the frequency list, the LC boxes, the
// view boxes, the CCM/DCM choice and dragging the sketch's handles.

#include <QImage>

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

class FilterWindow : public FilterPage {};

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
         const forms::LabelItem* area = diagram.lblSelection[1];
         const QPoint at = diagram.pctDevice->contentsRect().topLeft() +
                           QPoint(forms::ToPixels(area->Left() + area->Width() / 2),
                                  forms::ToPixels(area->Top() + area->Height() / 2));
         QTest::mouseClick(diagram.pctDevice, Qt::LeftButton, {}, at);
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

TEST_F(FilterWindow, WithoutASwitchingFrequencyApplyWritesNothing) {
  usb::EmulatedBoard& board = StartFilterBoard();
  board.SetReg(0x48, 0x5D, 0xAF);  // an index past the list, and no window has chosen a frequency yet
  AnswerMsgBox(ui::vbOK);  // at 0 Hz no set can be drawn
  frmDigFilter& page = OpenFilter();
  ASSERT_TRUE(page.IsVisible());
  EXPECT_EQ(page.cmbFreq->ListIndex(), -1);
  EXPECT_EQ(page.mSwitchingFrequency, 0);
  // Nothing of the sketch lies beyond reach of the picture.
  for (const forms::DrawItem* item : page.pctFilter->Items()) {
    const QRect r = item->PixelBounds();
    EXPECT_TRUE(QRect(-1000, -1000, 3000, 3000).contains(r)) << item->objectName().toStdString();
  }
  ClearBus();
  AnswerMsgBox(ui::vbOK);
  PressButton(page.cmdApply);
  EXPECT_TRUE(Bus().empty());
  EXPECT_EQ(MsgBoxes().back().prompt, "Select a switching frequency before applying.");
  EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbInformation);
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
  } rows[] = {{"4.7", 4.7f, true}, {"", 0, false}, {"4.7u", 4.7f, false}, {"-3", -3, false}, {"&H10", 16, true}};
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
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  Press(page.chkShowLabels);
  const filter::BodeChart chart = ChartAt(3);
  const QPointF pole = Centre(page.shpPole);
  const double zeroLeft = page.shpZero->Left(), zeroTop = page.shpZero->Top();
  Drag(page, pole, QPointF(filter::FreqToX(chart, 8314.27f), filter::GainToY(chart, -10.3349f)));
  EXPECT_EQ(page.lblPoleFreq->Caption(), "8.31 kHz");
  EXPECT_EQ(page.lblHighFGain->Caption(), "-10.33dB");
  EXPECT_EQ(page.lblPolePos->Caption(), "Pole (-10.33dB @ 8.31kHz)");
  EXPECT_EQ(page.mFilter[kCCM].PoleFreq, 8310);
  EXPECT_EQ(page.mFilter[kCCM].HighFreqGain, -10.33f);
  // The zero keeps its frequency and comes down with the rising line.
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.45 kHz");
  EXPECT_EQ(page.shpZero->Left(), zeroLeft);
  EXPECT_GT(page.shpZero->Top(), zeroTop);
  MoveTo(page, pole.x(), pole.y());
  EXPECT_EQ(page.mFilter[kCCM].PoleFreq, 8310) << "dropped: it stays";

  ClearBus();
  PressButton(page.cmdApply);
  char pole62[32], hf63[32];
  std::snprintf(pole62, sizeof pole62, "write 0x62 = 0x%02X", filter::ZeroPoleFreqToCode(8310, 125000));
  std::snprintf(hf63, sizeof hf63, "write 0x63 = 0x%02X",
                filter::HFGainToCode(-10.33f, 8310, page.mFilter[kCCM].ZeroFreq, 125000));
  EXPECT_EQ(Bus()[4], pole62);
  EXPECT_EQ(Bus()[6], hf63);
}

TEST_F(FilterWindow, ZeroAndIntegratorDragsShowTheirCaptions) {
  StartFilterBoard();
  frmDigFilter& page = OpenFilter();
  Press(page.chkShowLabels);
  const filter::BodeChart chart = ChartAt(3);
  Drag(page, Centre(page.shpZero), QPointF(filter::FreqToX(chart, 1200), 100));
  EXPECT_EQ(page.lblZeroFreq->Caption(), "1.2 kHz");
  EXPECT_EQ(page.lblZeroPos->Caption(), "Zero (1.20kHz)");
  EXPECT_EQ(page.mFilter[kCCM].ZeroFreq, 1200);

  // 420 twips up is 10 dB more.
  const double y = IntegratorAt(page, 1000);
  Drag(page, QPointF(1000, y), QPointF(1000, y - 420));
  EXPECT_EQ(page.lblLowFGain->Caption(), "39.63dB ");
  EXPECT_EQ(page.lblLowGainPos->Caption(), "Low Gain (39.63dB @ 1Hz)");
  EXPECT_EQ(page.mFilter[kCCM].LowFreqGain, 39.63f);
}

// Each handle reaches the ends of its range bar and goes no further; each end
// needs a set whose other handles leave it the room.
TEST_F(FilterWindow, HandlesStopAtTheEndsOfTheirRangeBars) {
  enum Handle { kPole, kZero, kIntegrator };
  using Target = std::function<QPointF(frmDigFilter&)>;
  const auto codes = [](float lfDb, float zeroHz, float poleHz, float hfDb, float fs) {
    return Codes{filter::LFGainToCode(lfDb), filter::ZeroPoleFreqToCode(zeroHz, fs),
                 filter::ZeroPoleFreqToCode(poleHz, fs), filter::HFGainToCode(hfDb, poleHz, zeroHz, fs)};
  };
  const auto poleAt = [](double dx, double dy, bool xFromBar, bool top) -> Target {
    return [=](frmDigFilter& p) {
      const QPointF c = Centre(p.shpPole);
      if (xFromBar) return QPointF(p.lnPoleLocation->X2() + dx, c.y());
      return QPointF(c.x(), (top ? p.lnHFGain->Y1() : p.lnHFGain->Y2()) + dy);
    };
  };
  const auto lineAt = [](double y0, bool top) -> Target {
    // The pointer for an integrator line whose height at the left edge is the bar's end plus y0.
    return [=](frmDigFilter& p) {
      const double slope = (p.lnIstSlope->Y2() - p.lnIstSlope->Y1()) / (p.lnIstSlope->X2() - p.lnIstSlope->X1());
      return QPointF(1000, (top ? p.lnLFGain->Y1() : p.lnLFGain->Y2()) + y0 + slope * 400);
    };
  };
  const Codes lowHF = codes(21, 1449, 10388, -20, 125000);
  struct Row {
    const char* what;
    int frequencyIndex;
    Codes set;
    Handle handle;
    Target to;
    bool moves;
  } rows[] = {
      {"pole at the right end", 3, kDefaultCodes, kPole, poleAt(0, 0, true, false), true},
      {"pole past it", 3, kDefaultCodes, kPole, poleAt(1, 0, true, false), false},
      {"pole at the top of the HF range", 3, codes(68, 9000, 10388, -2.73f, 125000), kPole, poleAt(0, 0, false, true),
       true},
      {"pole above it", 3, codes(68, 9000, 10388, -2.73f, 125000), kPole, poleAt(0, -1, false, true), false},
      {"pole at the bottom of the HF range", 3, codes(21, 5000, 10388, -2.73f, 125000), kPole,
       poleAt(0, 0, false, false), true},
      {"pole below it", 3, codes(21, 5000, 10388, -2.73f, 125000), kPole, poleAt(0, 1, false, false), false},
      {"zero just right of the range's left end", 11, codes(29.63f, 2000, 20000, 0, 694000), kZero,
       [](frmDigFilter& p) { return QPointF(p.lnPoleLocation->X1() + 1, 0); }, true},
      {"zero on it", 11, codes(29.63f, 2000, 20000, 0, 694000), kZero,
       [](frmDigFilter& p) { return QPointF(p.lnPoleLocation->X1(), 0); }, false},
      {"zero just left of the pole", 3, codes(29.63f, 3000, 10388, -20, 125000), kZero,
       [](frmDigFilter& p) { return QPointF(Centre(p.shpPole).x() - 1, 0); }, true},
      {"zero under the pole", 3, codes(29.63f, 3000, 10388, -20, 125000), kZero,
       [](frmDigFilter& p) { return QPointF(Centre(p.shpPole).x(), 0); }, false},
      {"integrator just under the LF range's top", 3, codes(50, 9000, 10388, -2.73f, 125000), kIntegrator,
       lineAt(1, true), true},
      {"integrator above it", 3, codes(50, 9000, 10388, -2.73f, 125000), kIntegrator, lineAt(-1, true), false},
      {"integrator just over the LF range's bottom", 3, lowHF, kIntegrator, lineAt(-1, false), true},
      {"integrator below it", 3, lowHF, kIntegrator, lineAt(1, false), false},
  };
  usb::EmulatedBoard& board = StartFilterBoard();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    board.SetReg(0x48, 0x5D, static_cast<uint8_t>(0xA0 | r.frequencyIndex));
    SetSet(board, 0x48, kCCM, r.set);
    frmDigFilter& page = OpenFilter();
    ASSERT_TRUE(MsgBoxes().empty()) << "the set is drawable";
    const QPointF grab = r.handle == kPole   ? Centre(page.shpPole)
                         : r.handle == kZero ? Centre(page.shpZero)
                                             : QPointF(1000, IntegratorAt(page, 1000));
    ClickAt(page, grab.x(), grab.y());
    const QPointF pole = Centre(page.shpPole);
    const double zeroLeft = page.shpZero->Left(), lineTop = page.lnIstSlope->Y1();
    const QPointF to = r.to(page);
    MoveTo(page, to.x(), to.y());
    const bool moved =
        Centre(page.shpPole) != pole || page.shpZero->Left() != zeroLeft || page.lnIstSlope->Y1() != lineTop;
    EXPECT_EQ(moved, r.moves);
    if (r.moves && r.handle == kPole) {
      EXPECT_NEAR(Centre(page.shpPole).x(), to.x(), 1e-3);
      EXPECT_NEAR(Centre(page.shpPole).y(), to.y(), 1e-3);
    }
    ClickAt(page, 9000, 6000);
    page.Unload();
  }
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
