// The ends of the handles' ranges: a handle dragged past an end rests there on
// codes the chip holds exactly, so that Apply writes what the window shows and
// the next opening finds the same set, valid, with the same values.

#include <optional>

#include "filter_fixture.h"
#include "pagekit/SwitchingFrequency.h"

namespace {

using namespace filtertest;
using filter::kCCM;

enum Handle { kPole, kZero, kIntegrator };

// A handle of a filter set at a switching frequency, and what a row calls it.
struct HandleCase {
  std::string what;
  int frequencyIndex;
  Codes set;
  Handle handle;
};

struct End : HandleCase {
  // Where the pointer ends up, past the end of the range.
  std::function<QPointF(frmDigFilter&)> past;
};

constexpr double kChartWidth = 13095, kChartHeight = 7455;

// The four values beside the chart.
std::vector<std::string> Values(frmDigFilter& page) {
  return {page.lblPoleFreq->Caption().toStdString(), page.lblHighFGain->Caption().toStdString(),
          page.lblZeroFreq->Caption().toStdString(), page.lblLowFGain->Caption().toStdString()};
}

Codes CodesOf(float lfDb, float zeroHz, float poleHz, float hfDb, float fs) {
  return Codes{filter::LFGainToCode(lfDb), filter::ZeroPoleFreqToCode(zeroHz, fs),
               filter::ZeroPoleFreqToCode(poleHz, fs), filter::HFGainToCode(hfDb, poleHz, zeroHz, fs)};
}

class FilterDragEnds : public FilterPage {
 protected:
  // Where a click picks the handle.
  static QPointF Grab(frmDigFilter& page, Handle handle) {
    if (handle == kPole) return Centre(page.shpPole);
    if (handle == kZero) return Centre(page.shpZero);
    return QPointF(1000, IntegratorAt(page, 1000));
  }
  static std::vector<End> Ends();
  // The window opened on a chip holding a valid set at a frequency list position.
  frmDigFilter& OpenOn(usb::EmulatedBoard& board, int frequencyIndex, const Codes& set) {
    board.SetReg(0x48, 0x5D, static_cast<uint8_t>(0xA0 | frequencyIndex));
    SetSet(board, 0x48, kCCM, set);
    const size_t asked = MsgBoxes().size();
    frmDigFilter& page = OpenFilter();
    EXPECT_EQ(MsgBoxes().size(), asked) << "the set is valid to begin with";
    return page;
  }
  // Apply, Close and open again: the set read back is valid, shows the values
  // shown before and is written as the same codes. Returns Apply's transfers.
  Lines ApplyAndReadBack(frmDigFilter& page) {
    const std::vector<std::string> shown = Values(page);
    const size_t asked = MsgBoxes().size();
    ClearBus();
    PressButton(page.cmdApply);
    const Lines written = Bus();
    PressButton(page.cmdCancel);
    OpenFilter();
    EXPECT_EQ(MsgBoxes().size(), asked) << "valid when read back";
    EXPECT_EQ(Values(page), shown);
    ClearBus();
    PressButton(page.cmdApply);
    EXPECT_EQ(Bus(), written) << "the codes read back are those written";
    page.Unload();
    return written;
  }
  // The handle rests within its range bars, as far as a move of its own may take it.
  static bool OnItsBars(frmDigFilter& p, Handle handle) {
    const QPointF pole = Centre(p.shpPole), zero = Centre(p.shpZero);
    switch (handle) {
      case kPole:
        return p.lnPoleLocation->X1() <= pole.x() && pole.x() <= p.lnPoleLocation->X2() &&
               p.lnHFGain->Y1() <= pole.y() && pole.y() <= p.lnHFGain->Y2();
      case kZero:
        return p.lnPoleLocation->X1() < zero.x() && zero.x() < pole.x() && p.lnHGrid[7]->Y1() <= zero.y() &&
               zero.y() <= p.LnBottom->Y1();
      default:
        return p.lnLFGain->Y1() < p.lnIstSlope->Y1() && p.lnIstSlope->Y1() < p.lnLFGain->Y2();
    }
  }
};

std::vector<End> FilterDragEnds::Ends() {
  using Past = std::function<QPointF(frmDigFilter&)>;
  const Past left = [](frmDigFilter& p) { return QPointF(0, Grab(p, kPole).y()); };
  const Past right = [](frmDigFilter& p) { return QPointF(kChartWidth, Grab(p, kPole).y()); };
  const Past up = [](frmDigFilter& p) { return QPointF(Grab(p, kPole).x(), 0); };
  const Past down = [](frmDigFilter& p) { return QPointF(Grab(p, kPole).x(), kChartHeight); };
  const Past zeroLeft = [](frmDigFilter& p) { return QPointF(0, Grab(p, kZero).y()); };
  const Past zeroRight = [](frmDigFilter& p) { return QPointF(kChartWidth, Grab(p, kZero).y()); };
  const Past lineUp = [](frmDigFilter&) { return QPointF(1000, 0); };
  const Past lineDown = [](frmDigFilter&) { return QPointF(1000, kChartHeight); };
  std::vector<End> ends;
  // The factory set at every frequency: most of its ends are where the sketch's
  // construction stops a handle, the others on the range bars.
  for (int i = 0; i < pagekit::kSwitchingFrequencyCount; ++i) {
    const std::string at = " at " + pagekit::SwitchingFrequencyItems()[i].toStdString();
    for (const auto& [what, handle, past] :
         {std::tuple{"pole left", kPole, left}, {"pole right", kPole, right}, {"pole up", kPole, up},
          {"pole down", kPole, down}, {"zero left", kZero, zeroLeft}, {"zero right", kZero, zeroRight},
          {"integrator up", kIntegrator, lineUp}, {"integrator down", kIntegrator, lineDown}}) {
      ends.push_back({what + at, i, kDefaultCodes, handle, past});
    }
  }
  // Sets whose other handles leave a range bar to stop the drag.
  const Codes lowHF = CodesOf(30, 1449, 10388, -10, 125000);
  ends.push_back({"pole up to the HF range's top", 3, CodesOf(68, 9000, 10388, -2.73f, 125000), kPole, up});
  ends.push_back({"pole down to the HF range's bottom", 3, CodesOf(21, 5000, 10388, -2.73f, 125000), kPole, down});
  ends.push_back({"zero left to the range's left end", 11, CodesOf(29.63f, 2000, 20000, 0, 694000), kZero, zeroLeft});
  ends.push_back({"zero right to the pole", 3, CodesOf(29.63f, 3000, 10388, -20, 125000), kZero, zeroRight});
  ends.push_back({"integrator up to the LF range's top", 3, CodesOf(50, 9000, 10388, -2.73f, 125000), kIntegrator,
                  lineUp});
  ends.push_back({"integrator down to the LF range's bottom", 3, lowHF, kIntegrator, lineDown});
  ends.push_back({"integrator down at 694kHz", 11, CodesOf(30, 8000, 60000, -20, 694000), kIntegrator, lineDown});
  return ends;
}

TEST_F(FilterDragEnds, AHandleDraggedPastAnEndRestsThereAndReadsBackAsShown) {
  usb::EmulatedBoard& board = StartFilterBoard();
  for (const End& end : Ends()) {
    SCOPED_TRACE(end.what);
    frmDigFilter& page = OpenOn(board, end.frequencyIndex, end.set);
    const QPointF from = Grab(page, end.handle);
    const QPointF past = end.past(page);
    // Picked, then the pointer goes past the end in steps, as a hand moves it.
    ClickAt(page, from.x(), from.y());
    for (int step = 1; step <= 20; ++step) {
      const QPointF at = from + (past - from) * step / 20.0;
      MoveTo(page, at.x(), at.y());
    }
    ClickAt(page, 9000, 6000);
    const QPointF moved = Grab(page, end.handle) - from;
    EXPECT_GT(QPointF::dotProduct(moved, past - from), 0) << "toward the end";
    EXPECT_TRUE(OnItsBars(page, end.handle)) << "and no further";
    ApplyAndReadBack(page);
  }
}

// Inside a range a handle follows the pointer in steps of 10 Hz and 0.01 dB;
// dropped, it rests on the codes the chip will hold, so Apply writes what the
// window shows and the next opening shows it again. A pick and a drop with no
// move between them changes nothing, also where a handle rests off its range bars.
TEST_F(FilterDragEnds, ADroppedHandleRestsOnTheCodesItShows) {
  struct Row : HandleCase {
    std::optional<QPointF> by;  // none: dropped with no move at all
    bool byHiding = false;      // dropped by hiding the sketch rather than by a click
  };
  std::vector<Row> rows;
  for (int i : {0, 3, 6, 9, 11}) {
    const std::string at = " at " + pagekit::SwitchingFrequencyItems()[i].toStdString();
    rows.push_back({"pole moved a little" + at, i, kDefaultCodes, kPole, QPointF(130, 70)});
    rows.push_back({"zero moved a little" + at, i, kDefaultCodes, kZero, QPointF(-110, 0)});
    rows.push_back({"integrator moved a little" + at, i, kDefaultCodes, kIntegrator, QPointF(0, -45)});
  }
  // From -2.73 dB to -21.99 dB, between HF codes 1 and 2, some 6 dB apart.
  rows.push_back({"pole down near the HF range's bottom at 500kHz", 9, kDefaultCodes, kPole, QPointF(0, 19.26 * 42)});
  for (const auto& [name, handle] : {std::pair{"pole", kPole}, {"zero", kZero}, {"integrator", kIntegrator}}) {
    rows.push_back({std::string(name) + " dropped where it was picked", 3, kDefaultCodes, handle, QPointF()});
  }
  rows.push_back({"zero moved a little, dropped by hiding the sketch", 3, kDefaultCodes, kZero, QPointF(-110, 0), true});
  // Code 0 puts the pole at 39.79 kHz, right of its range bar's end.
  rows.push_back({"pole off its range bar, dropped with no move", 3, {0x03, 0xEE, 0x00, 0x0F}, kPole, std::nullopt});

  usb::EmulatedBoard& board = StartFilterBoard();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    frmDigFilter& page = OpenOn(board, r.frequencyIndex, r.set);
    const QPointF from = Grab(page, r.handle);
    const QPointF to = from + r.by.value_or(QPointF());
    ClickAt(page, from.x(), from.y());
    if (r.by) MoveTo(page, to.x(), to.y());
    if (r.byHiding) {
      Press(page.chkDigFilter);
    } else {
      ClickAt(page, to.x(), to.y());
    }
    if (r.by) {
      EXPECT_TRUE(OnItsBars(page, r.handle));
    }
    const Lines written = ApplyAndReadBack(page);
    ASSERT_EQ(written.size(), 12u);
    if (!r.by || r.by->isNull()) {
      EXPECT_EQ(Lines(written.begin() + 4, written.begin() + 8),
                (Lines{WriteLine(0x62, r.set.pole), WriteLine(0x61, r.set.zero), WriteLine(0x63, r.set.hf),
                       WriteLine(0x60, r.set.lf)}))
          << "no code changed";
    }
  }
}

// Below the gain of LF code 1 the integrator would be written as no integrator
// at all; it stops at that gain.
TEST_F(FilterDragEnds, TheIntegratorStopsAtTheGainOfLFCodeOne) {
  usb::EmulatedBoard& board = StartFilterBoard();
  SetSet(board, 0x48, kCCM, CodesOf(30, 1449, 10388, -10, 125000));
  frmDigFilter& page = OpenFilter();
  const QPointF from = Grab(page, kIntegrator);
  const double startDb = page.mFilter[kCCM].LowFreqGain;
  const double lfCode1Db = filter::DecodeFilterSet(1, 0xEE, 0x96, 0x0F, 125000).LowFreqGain;
  ClickAt(page, from.x(), from.y());
  // To 10.7 dB, inside the LF range, then lower still.
  for (double dB : {15.0, 10.7}) MoveTo(page, from.x(), from.y() + (startDb - dB) * 42);
  EXPECT_EQ(page.mFilter[kCCM].LowFreqGain, static_cast<float>(lfCode1Db));
  EXPECT_EQ(page.lblLowFGain->Caption(), filter::FormatHundredths(lfCode1Db) + QStringLiteral("dB "));
  ClickAt(page, 9000, 6000);
  ClearBus();
  PressButton(page.cmdApply);
  ASSERT_EQ(Bus().size(), 12u);
  EXPECT_EQ(Bus()[7], "write 0x60 = 0x01");
}

}  // namespace
