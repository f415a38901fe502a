#include "frmDigFilter.h"

#include <QPolygonF>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <limits>

#include "LoopModel.h"
#include "frmPWM.h"
#include "model/NumberText.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"
#include "pagekit/SwitchingFrequency.h"
#include "platform/ui/Seams.h"
#include "shell/PrinterStuff.h"

using namespace filter;

namespace {

const QColor kGridGrey(128, 128, 128);
const QColor kSketchBlue(0, 0, 255);
const QColor kGainBlue(0, 0, 192);
const QColor kPhaseGreen(0, 192, 0);

// Where the controls beside the chart go.
constexpr int kChartLeft = 60, kChartTop = 960, kChartWidth = 13095, kChartHeight = 7455;
constexpr int kColumnLeft = 13245, kColumnWidth = 2415;
constexpr int kStripTop = 8580, kStripPitch = 480;
constexpr int kFreqLabelTop = 6765;
constexpr int kPoleBarLabelTop = 7020;

// The whole text reads as a number: "4.7", "-.5", "1E3", "&H1F"; "4.7u" and "" do not.
bool IsNumericText(const QString& text) {
  static const QRegularExpression decimal(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?\s*$)"));
  static const QRegularExpression hex(QStringLiteral(R"(^\s*&[hH][0-9a-fA-F]+\s*$)"));
  return decimal.match(text).hasMatch() || hex.match(text).hasMatch();
}

// The list position of a frequency; -1 for none, as for 0 Hz. The list holds the table's items in its order.
int PositionOfFrequency(float hz) {
  const auto& table = pagekit::SwitchingFrequencies();
  for (int i = 0; i < pagekit::kSwitchingFrequencyCount; ++i) {
    if (table[i].hz == hz) return i;
  }
  return -1;
}

forms::Label* AddValueBox(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
  pagekit::AddCaption(parent, pagekit::CaptionName(name), caption, left, top, 2400);
  return pagekit::AddValueBox(parent, name, left + 2460, top, 1560);
}

// A result under its caption, the two as wide as their column.
forms::Label* AddResultBox(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                           int width) {
  pagekit::AddCaption(parent, pagekit::CaptionName(name), caption, left, top, width, Qt::AlignHCenter);
  return pagekit::AddValueBox(parent, name, left + 240, top + 345, width - 480);
}

forms::LabelItem* AddChartLabel(forms::PictureBox* picture, const QString& name, const QString& caption,
                                const QColor& color) {
  forms::LabelItem* label = picture->AddLabel(name, 0, 0, 0, 0, caption);
  label->SetForeColor(color);
  label->SetAutoSize(true);
  return label;
}

forms::LineItem* AddChartLine(forms::PictureBox* picture, const QString& name, const QColor& color, int width,
                              forms::BorderStyle style = forms::BorderStyle::Solid) {
  forms::LineItem* line = picture->AddLine(name, 0, 0, 0, 0);
  line->SetBorderColor(color);
  line->SetBorderWidth(width);
  line->SetStyle(style);
  return line;
}

// Sketch items stay within reach of the picture even when a set without a
// switching frequency puts them far off it: only what lies on the picture is drawn.
void PlaceLine(forms::LineItem* line, const SketchLine& at, const BodeChart& chart) {
  QPointF a(at.X1, at.Y1), b(at.X2, at.Y2);
  const bool finite = std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y());
  if (!finite || !ClipToPicture(chart, a, b)) a = b = QPointF(-chart.Width, -chart.Height);
  line->SetPoints(a.x(), a.y(), b.x(), b.y());
}

double Within(double value, double limit) {
  if (!std::isfinite(value)) return -limit;
  return std::max(-limit, std::min(2 * limit, value));
}

void PlaceBox(forms::BoxItem* item, double left, double top, const BodeChart& chart) {
  item->Move(Within(left, chart.Width), Within(top, chart.Height), item->Width(), item->Height());
}

// The pointer over each handle of the sketch: it shows which way the handle moves.
int PointerOver(int handle) {
  switch (handle) {
    case kPoleHandle: return forms::vbSizeAll;
    case kZeroHandle: return forms::vbSizeWE;
    case kLowGainHandle: return forms::vbSizeNS;
    default: return forms::vbDefault;
  }
}

}  // namespace

void frmDigFilter::Form_Load() {
  // A new list has no choice, and so no frequency yet; nothing is picked on a new chart.
  mSwitchingFrequency = 0;
  mSketch.Drop();
  SetCaption(QStringLiteral("Filter Settings"));
  SetSize(15840, 10125);
  CenterInMainForm(*this);
  mChart = DesignTimeChart();
  BuildChart();
  BuildLegend();
  BuildSideControls();
}

void frmDigFilter::BuildChart() {
  pctFilter = forms::Make<forms::PictureBox>(Client(), QStringLiteral("pctFilter"), kChartLeft, kChartTop,
                                             kChartWidth, kChartHeight);
  pctFilter->SetBackColor(Qt::white);
  forms::PictureBox* p = pctFilter;
  for (int i = 0; i < kGridLineCount; ++i) {
    LnGrid[i] = AddChartLine(p, forms::Indexed("LnGrid", i), kGridGrey, 1, forms::BorderStyle::Dot);
    LnGrid[i]->SetPoints(mChart.GridX[i], mChart.BottomY, mChart.GridX[i], 0);
  }
  for (int i = 0; i < kRowCount; ++i) {
    lnHGrid[i] = AddChartLine(p, forms::Indexed("lnHGrid", i), kGridGrey, 1, forms::BorderStyle::Dot);
    lnHGrid[i]->SetPoints(mChart.RowX1, mChart.RowY[i], mChart.RowX2, mChart.RowY[i]);
  }
  LnBottom = AddChartLine(p, QStringLiteral("LnBottom"), kGridGrey, 1, forms::BorderStyle::Dot);
  LnBottom->SetPoints(0, mChart.BottomY, mChart.BottomX2, mChart.BottomY);
  for (int k = 0; k < kFreqLabelCount; ++k) {
    lblF[k] = AddChartLabel(p, forms::Indexed("lblF", k), FreqLabelText(k), Qt::black);
    lblF[k]->SetLeft(mChart.GridX[0] - lblF[k]->Width() / 2);
    lblF[k]->SetTop(kFreqLabelTop);
  }
  for (int i = 0; i < kRowCount; ++i) {
    lbldB[i] = AddChartLabel(p, forms::Indexed("lbldB", i), QString(), kGainBlue);
    lblPhase[i] = AddChartLabel(p, forms::Indexed("lblPhase", i), QString(), kPhaseGreen);
  }

  lnPoleLocation = AddChartLine(p, QStringLiteral("lnPoleLocation"), Qt::red, 3);
  lblPole = AddChartLabel(p, QStringLiteral("lblPole"), QStringLiteral("Pole/Zero Frequency Range"), Qt::red);
  lblPole->SetTop(kPoleBarLabelTop);
  lnHFGain = AddChartLine(p, QStringLiteral("lnHFGain"), Qt::red, 3);
  lblHF = AddChartLabel(p, QStringLiteral("lblHF"), QStringLiteral("HF Gain Range"), Qt::red);
  lnLFGain = AddChartLine(p, QStringLiteral("lnLFGain"), Qt::red, 3);
  lblLF = AddChartLabel(p, QStringLiteral("lblLF"), QStringLiteral("LF Gain Range"), Qt::red);
  ShowRangeBars();

  for (const auto& [line, name] : {std::pair{&lnIstSlope, "lnIstSlope"}, {&LnHor1, "LnHor1"},
                                   {&ln2ndSlope, "ln2ndSlope"}, {&LnHor2, "LnHor2"}}) {
    *line = AddChartLine(p, QString::fromLatin1(name), kSketchBlue, 2);
  }
  const auto marker = [p](const char* name, const QColor& color, double size) {
    forms::ShapeItem* shape = p->AddShape(QString::fromLatin1(name), forms::ShapeKind::Rectangle, 0, 0, size, size);
    shape->SetBorderColor(color);
    shape->SetFillColor(color);
    shape->SetFilled(true);
    return shape;
  };
  shpPole = marker("shpPole", Qt::red, mSketch.Pole.Width);
  shpZero = marker("shpZero", QColor(0, 255, 0), mSketch.Zero.Width);
  for (const auto& [label, name] : {std::pair{&lblPolePos, "lblPolePos"}, {&lblZeroPos, "lblZeroPos"},
                                    {&lblLowGainPos, "lblLowGainPos"}}) {
    *label = AddChartLabel(p, QString::fromLatin1(name), QString(), Qt::black);
    (*label)->SetVisible(false);
  }
  lblLowGainPos->SetLeft(720);

  pctFilter->onMouseDown = [this](int button, int shift, float x, float y) { pctFilter_MouseDown(button, shift, x, y); };
  pctFilter->onMouseMove = [this](int button, int shift, float x, float y) { pctFilter_MouseMove(button, shift, x, y); };
}

void frmDigFilter::BuildLegend() {
  forms::PictureBox* p = pctFilter;
  forms::ShapeItem* box = p->AddShape(QStringLiteral("shpLegend"), forms::ShapeKind::Rectangle, 1200, 45, 10500, 660);
  box->SetFillColor(Qt::white);
  box->SetFilled(true);
  struct Entry {
    const char* text;
    QColor color;
  };
  const auto curve = [](uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); };
  // The samples in the colours the curves are drawn in.
  const Entry entries[] = {{"Digital Gain", kSketchBlue},
                           {"Digital Phase", curve(kDigitalPhaseColor)},
                           {"LC Gain", curve(kLCGainColor)},
                           {"LC Phase", curve(kLCPhaseColor)},
                           {"Full Loop Gain", curve(kFullLoopGainColor)},
                           {"Full Loop Phase", curve(kFullLoopPhaseColor)}};
  for (int i = 0; i < 6; ++i) {
    const double x = 1440 + (i % 3) * 3480;
    const double y = 210 + (i / 3) * 330;
    forms::LineItem* sample = AddChartLine(p, forms::Indexed("lnLegend", i), entries[i].color, 2);
    sample->SetPoints(x, y, x + 450, y);
    forms::LabelItem* label = AddChartLabel(p, forms::Indexed("lblLegend", i), QString::fromLatin1(entries[i].text), Qt::black);
    label->Move(x + 570, y - label->Height() / 2, label->Width(), label->Height());
  }
}

void frmDigFilter::BuildSideControls() {
  QWidget* client = Client();
  pagekit::AddCaption(client, QStringLiteral("lblFreqCaption"), QStringLiteral("Switching Frequency"), 120, 300, 1710);
  cmbFreq = forms::Make<forms::ComboBox>(client, QStringLiteral("cmbFreq"), 1860, 300, 1380, pagekit::kListHeight);
  pagekit::FillList(cmbFreq, pagekit::SwitchingFrequencyItems());
  optFilterMode[0] =
      forms::Make<forms::OptionButton>(client, QStringLiteral("optFilterMode(0)"), 3600, 300, 1680,
                                       pagekit::kListHeight, QStringLiteral("CCM settings"));
  optFilterMode[1] =
      forms::Make<forms::OptionButton>(client, QStringLiteral("optFilterMode(1)"), 5400, 300, 1680,
                                       pagekit::kListHeight, QStringLiteral("DCM settings"));
  optFilterMode[0]->SetValue(true);
  chkShowLabels = forms::Make<forms::CheckBox>(client, QStringLiteral("chkShowLabels"), 7380, 300, 3600,
                                               pagekit::kListHeight, QStringLiteral("Show Frequency and Gain Values"));
  lblPrinting = forms::Make<forms::Label>(client, QStringLiteral("lblPrinting"), 11340, 300, 1800,
                                          pagekit::kListHeight, QStringLiteral("Printing..."));
  forms::SetPointSize(lblPrinting, 9.75, true);
  lblPrinting->setVisible(false);

  Frame2 = forms::Make<forms::Frame>(client, QStringLiteral("Frame2"), kColumnLeft, kChartTop, kColumnWidth, 2280,
                                     QStringLiteral("LC Filter Values"));
  const struct {
    QPointer<forms::TextBox>* box;
    const char* name;
    const char* caption;
  } lc[] = {{&txtL, "txtL", "L (uH)"}, {&txtC, "txtC", "C (uF)"}, {&txtESR, "txtESR", "ESR (mOhm)"},
            {&txtRL, "txtRL", "Rload (Ohm)"}};
  for (int i = 0; i < 4; ++i) {
    const int top = 360 + i * 465;
    pagekit::AddCaption(Frame2, pagekit::CaptionName(QString::fromLatin1(lc[i].name)),
                        QString::fromLatin1(lc[i].caption), 150, top, 1140);
    *lc[i].box = forms::Make<forms::TextBox>(Frame2, QString::fromLatin1(lc[i].name), 1320, top, 810,
                                             pagekit::kListHeight);
  }

  const int buttonLeft = kColumnLeft + (kColumnWidth - 1500) / 2;
  cmdPrint = pagekit::AddButton(client, QStringLiteral("cmdPrint"), QStringLiteral("Print"), buttonLeft, 6960,
                                [this] { cmdPrint_Click(); }, 1500);
  cmdApply = pagekit::AddButton(client, QStringLiteral("cmdApply"), QStringLiteral("Apply"), buttonLeft, 7470,
                                [this] { cmdApply_Click(); }, 1500);
  cmdCancel = pagekit::AddButton(client, QStringLiteral("cmdCancel"), QStringLiteral("Close"), buttonLeft, 7980,
                                 [this] { cmdCancel_Click(); }, 1500);
  SetCancelButton(cmdCancel);

  lblPoleFreq = AddValueBox(client, QStringLiteral("lblPoleFreq"), QStringLiteral("Pole Frequency"), 120, kStripTop);
  lblHighFGain = AddValueBox(client, QStringLiteral("lblHighFGain"), QStringLiteral("High Frequency Gain"), 5280,
                             kStripTop);
  lblZeroFreq = AddValueBox(client, QStringLiteral("lblZeroFreq"), QStringLiteral("Zero Frequency"), 120,
                            kStripTop + kStripPitch);
  lblLowFGain = AddValueBox(client, QStringLiteral("lblLowFGain"), QStringLiteral("Low Frequency Gain"), 5280,
                            kStripTop + kStripPitch);
  lblLoopBandwidth = AddResultBox(client, QStringLiteral("lblLoopBandwidth"), QStringLiteral("Loop Filter Bandwidth"),
                                  kColumnLeft, 3480, kColumnWidth);
  lblLoopPhaseMargin = AddResultBox(client, QStringLiteral("lblLoopPhaseMargin"),
                                    QStringLiteral("Loop Filter Phase Margin"), kColumnLeft, 4320, kColumnWidth);

  Frame3 = forms::Make<forms::Frame>(client, QStringLiteral("Frame3"), 10440, kStripTop - 120, 5220, 1140,
                                     QStringLiteral("Enable Plot"));
  chkDigFilter = forms::Make<forms::CheckBox>(Frame3, QStringLiteral("chkDigFilter"), 150, 300, 2400,
                                              pagekit::kListHeight, QStringLiteral("Digital Filter"));
  chkLCFilter = forms::Make<forms::CheckBox>(Frame3, QStringLiteral("chkLCFilter"), 2700, 300, 2400,
                                             pagekit::kListHeight, QStringLiteral("LC Filter"));
  chkFullLoop = forms::Make<forms::CheckBox>(Frame3, QStringLiteral("chkFullLoop"), 150, 690, 4800,
                                             pagekit::kListHeight, QStringLiteral("Full Loop Compensation"));
  chkDigFilter->SetValue(1);
  chkFullLoop->SetValue(1);

  // Handlers last: the start states above run none.
  cmbFreq->onClick = [this] { cmbFreq_Click(); };
  for (int i = 0; i < 2; ++i) optFilterMode[i]->onClick = [this, i] { optFilterMode_Click(i); };
  chkShowLabels->onClick = [this] { chkShowLabels_Click(); };
  chkDigFilter->onClick = [this] { chkDigFilter_Click(); };
  chkFullLoop->onClick = [this] { chkFullLoop_Click(); };
  chkLCFilter->onClick = [this] { chkLCFilter_Click(); };
  txtL->onChange = [this] { LCBoxChanged(txtL, &DeviceInfo::L); };
  txtC->onChange = [this] { LCBoxChanged(txtC, &DeviceInfo::C); };
  txtESR->onChange = [this] { LCBoxChanged(txtESR, &DeviceInfo::ESR); };
  txtRL->onChange = [this] { LCBoxChanged(txtRL, &DeviceInfo::Rload); };
}

void frmDigFilter::SetupFormAfterLoad() {
  LayoutPlotGrid();
  PositionAxisLabels();
  PositionGainRangeLines();
  mFilterMode = kCCM;
  {
    // The shown set and its option agree again, also when the window was open on DCM.
    const QSignalBlocker quiet(optFilterMode[0]);
    optFilterMode[0]->SetValue(true);
  }
  LoadLCValues();
  mLoaded = true;
  ReadSwitchingFrequency();
  ReadFilterRegisters(kCCM);
  ReadFilterRegisters(kDCM);
  // Without a known frequency the codes stand for no frequencies or gains yet:
  // the set is judged once the user chooses one.
  if (HasFrequency() && !CheckFilterSettings(kCCM)) {
    Unload();
    return;
  }
  Show();
  ShowSketchView();
  if (HasFrequency()) UpdateFilterSketch();
  RedrawPlots();
}

void frmDigFilter::LayoutPlotGrid() {
  filter::LayoutPlotGrid(mChart);
  for (int i = 0; i < kGridLineCount; ++i) LnGrid[i]->SetPoints(mChart.GridX[i], mChart.GridY1, mChart.GridX[i], 0);
  for (int i = 0; i < kRowCount; ++i) lnHGrid[i]->SetPoints(mChart.RowX1, mChart.RowY[i], mChart.RowX2, mChart.RowY[i]);
  LnBottom->SetPoints(0, mChart.BottomY, mChart.BottomX2, mChart.BottomY);
}

void frmDigFilter::PositionAxisLabels() {
  for (int k = 1; k < kFreqLabelCount; ++k) {
    lblF[k]->SetLeft(mChart.GridX[FreqLabelGridLine(k)] - lblF[k]->Width() / 2);
  }
  for (int i = 0; i < kRowCount; ++i) {
    lbldB[i]->SetCaption(GainLabelText(mChart, i));
    // Ending just left of the 100 Hz line, clear of the LF gain range bar on it.
    lbldB[i]->Move(mChart.GridX[0] - 45 - lbldB[i]->Width(), mChart.RowY[i] - lbldB[i]->Height() / 2,
                   lbldB[i]->Width(), lbldB[i]->Height());
    lblPhase[i]->SetCaption(PhaseLabelText(mChart, i));
    lblPhase[i]->Move(mChart.GridX[kGridLineCount - 1] + 50, lbldB[i]->Top(), lblPhase[i]->Width(),
                      lblPhase[i]->Height());
  }
}

void frmDigFilter::PositionPoleZeroRange() {
  filter::PositionPoleZeroRange(mChart, cmbFreq->FindExact(cmbFreq->Text()));
  ShowRangeBars();
}

void frmDigFilter::PositionGainRangeLines() {
  filter::PositionGainRangeLines(mChart, cmbFreq->FindExact(cmbFreq->Text()));
  ShowRangeBars();
}

void frmDigFilter::ShowRangeBars() {
  lnPoleLocation->SetPoints(mChart.PoleBarX1, mChart.BottomY, mChart.PoleBarX2, mChart.BottomY);
  lblPole->SetLeft((mChart.PoleBarX1 + mChart.PoleBarX2) / 2 - lblPole->Width() / 2);
  lnHFGain->SetPoints(mChart.HFBarX, mChart.HFBarY1, mChart.HFBarX, mChart.HFBarY2);
  lblHF->Move(mChart.GridX[kGridLineCount - 1] - lblHF->Width() - 50, mChart.HFBarY1 + 50, lblHF->Width(),
              lblHF->Height());
  lnLFGain->SetPoints(mChart.LFBarX, mChart.LFBarY1, mChart.LFBarX, mChart.LFBarY2);
  lblLF->Move(100, mChart.LFBarY2 + 80, lblLF->Width(), lblLF->Height());
}

void frmDigFilter::ReadSwitchingFrequency() {
  const int index = pagekit::kMainFrequencyField.Get(Read(pagekit::kSwitchFreqReg));
  if (pagekit::IsFrequencyIndex(index)) {
    // Choosing another item runs cmbFreq_Click before this goes on; the set-up
    // judges the set itself once both sets are read.
    mChipChoosesFrequency = true;
    pagekit::ShowPosition(cmbFreq, index);
    mChipChoosesFrequency = false;
    mSwitchingFrequency = pagekit::HzFromText(cmbFreq->Text());
  }
  PositionPoleZeroRange();
}

void frmDigFilter::ReadFilterRegisters(int Mode) {
  const int zero = Read(ZeroReg(Mode));
  const int pole = Read(PoleReg(Mode));
  const int lf = Read(LFGainReg(Mode));
  const int hf = Read(HFGainReg(Mode));
  mFilter[Mode] = DecodeFilterSet(lf, zero, pole, hf, mSwitchingFrequency);
}

bool frmDigFilter::CheckFilterSettings(int Mode) {
  if (FilterSetIsDrawable(mFilter[Mode], mChart)) {
    UpdateFilterSketch();
    return true;
  }
  if (ui::MsgBox(InvalidSettingsMessage(Mode), ui::vbOKCancel) != ui::vbOK) return false;
  for (const RegisterWrite& w : DefaultFilterWrites(Mode)) Write(w.reg, w.value);
  ReadFilterRegisters(Mode);
  UpdateFilterSketch();
  return true;
}

void frmDigFilter::cmbFreq_Click() {
  const float fsBefore = mSwitchingFrequency;
  const std::array<FilterSettings, 2> setsBefore = mFilter;
  const BodeChart chartBefore = mChart;
  mSwitchingFrequency = pagekit::HzFromText(cmbFreq->Text());
  PositionPoleZeroRange();
  ReadFilterRegisters(kCCM);
  ReadFilterRegisters(kDCM);
  // The chip's codes may make the set shown invalid at this frequency: judged as at set-up.
  if (!mChipChoosesFrequency && !CheckFilterSettings(mFilterMode)) {
    // Declined: back to the frequency before, with its sets and ranges, as
    // shown still (no frequency at all for a window opened without one).
    mSwitchingFrequency = fsBefore;
    mFilter = setsBefore;
    mChart = chartBefore;
    const QSignalBlocker quiet(cmbFreq);
    cmbFreq->SetListIndex(PositionOfFrequency(fsBefore));
    ShowRangeBars();
    return;
  }
  // The first frequency of a window opened without one brings the sketch into view.
  ShowSketchView();
  UpdateFilterSketch();
  RedrawPlots();
  PositionGainRangeLines();

  const int device = DeviceSlot(ChipAddress());
  if (!gPWMOpen[static_cast<size_t>(device)]) return;
  if (frmPWM* pwm = LoadedPage<frmPWM>(PageKind::PWM, device)) pwm->cmbFreq->SetText(cmbFreq->Text());
}

void frmDigFilter::cmdApply_Click() {
  const int index = pagekit::ShownPosition(cmbFreq);
  if (index < 0 || !(mSwitchingFrequency > 0)) {
    ui::MsgBox(QStringLiteral("Select a switching frequency before applying."), ui::vbOKOnly | ui::vbInformation);
    return;
  }
  Write(pagekit::kSwitchFreqReg, pagekit::kMainFrequencyField.Put(Read(pagekit::kSwitchFreqReg), index));
  Write(kPinDisableReg, kProgrammedBit.Put(Read(kPinDisableReg), 1));
  for (int mode : {kCCM, kDCM}) {
    for (const RegisterWrite& w : FilterSetWrites(mode, mFilter[mode], mSwitchingFrequency)) Write(w.reg, w.value);
  }
}

void frmDigFilter::cmdPrint_Click() {
  lblPrinting->setVisible(true);
  Window()->repaint();
  int16_t device = static_cast<int16_t>(DeviceIndex());
  PrintFilterWindowCapture(device);
  // A failed transfer elsewhere may have closed the window meanwhile.
  if (lblPrinting) lblPrinting->setVisible(false);
}

void frmDigFilter::cmdCancel_Click() { Unload(); }

void frmDigFilter::optFilterMode_Click(int Index) {
  const int shown = mFilterMode;
  mFilterMode = Index;
  // Without a frequency there is no set to judge or draw yet.
  if (!HasFrequency()) return;
  if (!CheckFilterSettings(Index)) {
    // Declined: the option goes back to the set still drawn, which Apply writes.
    mFilterMode = shown;
    const QSignalBlocker quiet(optFilterMode[static_cast<size_t>(shown)]);
    optFilterMode[static_cast<size_t>(shown)]->SetValue(true);
    return;
  }
  Show();
  RedrawPlots();
}

void frmDigFilter::UpdateFilterSketch() {
  mSketch.UpdateFilterSketch(mFilter[mFilterMode], mChart);
  ShowSketch();
  BringHandlesToFront();
}

void frmDigFilter::ShowSketch() {
  PlaceBox(shpPole, mSketch.Pole.Left, mSketch.Pole.Top, mChart);
  PlaceBox(shpZero, mSketch.Zero.Left, mSketch.Zero.Top, mChart);
  PlaceLine(lnIstSlope, mSketch.IstSlope, mChart);
  PlaceLine(LnHor1, mSketch.Hor1, mChart);
  PlaceLine(ln2ndSlope, mSketch.Slope2, mChart);
  PlaceLine(LnHor2, mSketch.Hor2, mChart);
  lblPoleFreq->SetCaption(mSketch.PoleFreqText);
  lblHighFGain->SetCaption(mSketch.HighFGainText);
  lblZeroFreq->SetCaption(mSketch.ZeroFreqText);
  lblLowFGain->SetCaption(mSketch.LowFGainText);
  lblPolePos->SetCaption(mSketch.PolePosText);
  PlaceBox(lblPolePos, mSketch.Pole.CentreX() - lblPolePos->Width() / 2,
           mSketch.Pole.Top - lblPolePos->Height() - 30, mChart);
  lblZeroPos->SetCaption(mSketch.ZeroPosText);
  PlaceBox(lblZeroPos, mSketch.Zero.CentreX() - lblZeroPos->Width() / 2,
           mSketch.Zero.Top - lblZeroPos->Height() - 30, mChart);
  lblLowGainPos->SetCaption(mSketch.LowGainPosText);
  PlaceBox(lblLowGainPos, 720, mSketch.IstSlope.Y1 - lblLowGainPos->Height(), mChart);
}

void frmDigFilter::BringHandlesToFront() {
  shpPole->ZOrder();
  shpZero->ZOrder();
  lnHFGain->ZOrder();
  lblHF->ZOrder();
}

void frmDigFilter::RedrawPlots() {
  pctFilter->Cls();
  // The output filter's curves need no frequency; the digital filter's do.
  const bool computable = HasFrequency();
  const PlotViews views{computable && chkDigFilter->Value() == 1, chkLCFilter->Value() == 1,
                        computable && chkFullLoop->Value() == 1};
  const OutputFilter typed{numtext::Val(txtL->Text()), numtext::Val(txtC->Text()), numtext::Val(txtESR->Text()),
                           numtext::Val(txtRL->Text())};
  const LoopPlot plot = PlotLoop(mFilter[mFilterMode], typed, views, mChart);
  for (const Curve& curve : plot.curves) {
    const QColor color = QColor::fromRgb(static_cast<QRgb>(curve.rgb));
    for (const auto& run : curve.runs) pctFilter->DrawPolyline(QPolygonF(QList<QPointF>(run.begin(), run.end())), color);
  }
  if (!plot.hasMargin) return;
  switch (plot.margin.kind) {
    case LoopMargin::Crossing:
      lblLoopBandwidth->SetCaption(plot.margin.bandwidthText);
      lblLoopPhaseMargin->SetCaption(plot.margin.marginText);
      break;
    case LoopMargin::NoCrossing:
      // No bandwidth either, rather than one of earlier curves.
      lblLoopBandwidth->SetCaption(QStringLiteral("-"));
      lblLoopPhaseMargin->SetCaption(plot.margin.marginText);
      break;
    case LoopMargin::Unchanged:
      break;
  }
}

void frmDigFilter::chkDigFilter_Click() {
  ShowSketchView();
  RedrawPlots();
}

void frmDigFilter::ShowSketchView() {
  // Without a frequency there is no sketch to show, nor ranges for it.
  const bool show = chkDigFilter->Value() == 1 && HasFrequency();
  for (forms::DrawItem* item : std::initializer_list<forms::DrawItem*>{lnIstSlope, LnHor1, ln2ndSlope, LnHor2, shpPole,
                                                                       shpZero, lblLF, lnLFGain, lblHF, lnHFGain,
                                                                       lblPole, lnPoleLocation}) {
    item->SetVisible(show);
  }
  const bool captions = show && chkShowLabels->Value() == 1;
  for (forms::LabelItem* label : {lblLowGainPos.data(), lblZeroPos.data(), lblPolePos.data()}) label->SetVisible(captions);
  // A hidden handle is neither picked nor dragged.
  if (mSketch.SetShown(show, mFilter[mFilterMode], mChart, mSwitchingFrequency)) ShowSketch();
}

void frmDigFilter::chkShowLabels_Click() {
  const bool captions = chkShowLabels->Value() == 1 && shpZero->Visible();
  for (forms::LabelItem* label : {lblLowGainPos.data(), lblZeroPos.data(), lblPolePos.data()}) label->SetVisible(captions);
}

void frmDigFilter::chkFullLoop_Click() { RedrawPlots(); }

void frmDigFilter::chkLCFilter_Click() { RedrawPlots(); }

void frmDigFilter::LoadLCValues() {
  const DeviceInfo& record = gDevices[static_cast<size_t>(DeviceIndex())];
  txtL->SetText(numtext::Plain(record.L));
  txtC->SetText(numtext::Plain(record.C));
  txtESR->SetText(numtext::Plain(record.ESR));
  txtRL->SetText(numtext::Plain(record.Rload));
}

void frmDigFilter::LCBoxChanged(forms::TextBox* box, float DeviceInfo::*field) {
  const double value = numtext::Val(box->Text());
  // Beyond a float's range the record keeps the largest float, not an infinity
  // that the next opening could only show as 0.
  const double largest = std::numeric_limits<float>::max();
  gDevices[static_cast<size_t>(DeviceIndex())].*field = static_cast<float>(std::clamp(value, -largest, largest));
  // A negative value is kept as typed but draws nothing, as a text that is no number.
  if (IsNumericText(box->Text()) && mLoaded && value >= 0) RedrawPlots();
}

void frmDigFilter::pctFilter_MouseDown(int, int, float X, float Y) {
  if (!mSketch.MouseDown(X, Y, mFilter[mFilterMode], mChart, mSwitchingFrequency)) return;
  ShowSketch();
  RedrawPlots();
}

void frmDigFilter::pctFilter_MouseMove(int, int, float X, float Y) {
  SetMousePointer(PointerOver(mSketch.MouseMove(X, Y, mFilter[mFilterMode], mChart, mSwitchingFrequency)));
  if (mSketch.PolePicked || mSketch.ZeroPicked || mSketch.LowGainPicked) ShowSketch();
  BringHandlesToFront();
}
