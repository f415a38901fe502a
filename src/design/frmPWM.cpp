#include "frmPWM.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <cmath>

#include "PWMEdgeText.h"
#include "PWMGlobals.h"
#include "TopologyPresets.h"
#include "model/DeviceInfo.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"
#include "platform/ui/Seams.h"

using forms::LineItem;
using pwm::kFallingEdge;
using pwm::kRisingEdge;

namespace {

constexpr int kWindowWidth = 14145;
constexpr int kWindowHeight = 10575;
constexpr int kPictureLeft = 1200;
constexpr int kPictureWidth = 8775;
constexpr int kPictureHeight = 1095;
constexpr int kRowPitch = 1200;
constexpr int kFirstRowTop = 960;
constexpr int kLeftColumn = 360;
constexpr int kModulationLeft = 10200;


const char* const kRowTitles[] = {" PWM1 (OUTA)",          " PWM2 (OUTB)",          " PWM3 (OUTC)", " PWM4 (OUTD)",
                                  "Sync Rect1      (SR1)", "Sync Rect2      (SR2)", " AUX  PWM"};
const char* const kOutputNames[] = {"OUTA", "OUTB", "OUTC", "OUTD", "SR1", "SR2", "AUX"};
const int kRisingNudgeTops[] = {1440, 2640, 3840, 5040, 6360, 7560, 8760};
const int kFallingNudgeTops[] = {1680, 2880, 4080, 5280, 6600, 7800, 9000};

QColor RowColour(int row) { return row < 4 ? Qt::red : Qt::blue; }

// The rows a frequency serves: the main one rows 0 to 5, the AUX one row 6.
struct RowRange {
  int first, last;
};
RowRange RowsOf(bool aux) { return aux ? RowRange{pwm::kAuxRow, pwm::kAuxRow} : RowRange{0, pwm::kAuxRow - 1}; }
QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

// The five strokes of a modulation arrow: the item array of each and its line in the model's marker.
struct ArrowStroke {
  const char* name;
  std::array<QPointer<LineItem>, frmPWM::kMarkers> frmPWM::*items;
  pwm::Line pwm::Marker::*line;
};
const ArrowStroke kArrowStrokes[] = {{"Lmain", &frmPWM::Lmain, &pwm::Marker::shaft},
                                     {"LLU", &frmPWM::LLU, &pwm::Marker::leftUpper},
                                     {"LLL", &frmPWM::LLL, &pwm::Marker::leftLower},
                                     {"LRU", &frmPWM::LRU, &pwm::Marker::rightUpper},
                                     {"LRL", &frmPWM::LRL, &pwm::Marker::rightLower}};

// A check box whose caption wraps onto further lines inside its box, as the
// narrow disable boxes beside the rows need. Clicks anywhere on it count.
class WrappingCheckBox : public forms::CheckBox {
 public:
  using forms::CheckBox::CheckBox;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    option.rect = QRect(0, (fontMetrics().height() - box) / 2 + 1, box, box);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
    const QRect textRect = rect().adjusted(box + 4, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    if (hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  }
};

// Hands the window's own mouse moves (outside its controls) to a handler.
class MouseMoveFilter : public QObject {
 public:
  MouseMoveFilter(QObject* parent, std::function<void()> onMove) : QObject(parent), onMove_(std::move(onMove)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) onMove_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onMove_;
};

}  // namespace

void frmPWM::Form_Load() {
  SetCaption(QStringLiteral("PWM Output Control"));
  SetSize(kWindowWidth, kWindowHeight);
  mHitTolerance = 100;
  mMarkerWidth = 500;
  // The rows come back unpicked and as a new picture draws them, so no pick may outlive the window.
  mPickedEdge = {};
  for (int r = 0; r < kRows; ++r) mRows[r] = pwm::NewRow(r, FormatEdgeTime(0));
  CenterInMainForm(*this);

  QWidget* client = Client();
  client->setMouseTracking(true);
  client->installEventFilter(new MouseMoveFilter(client, [this] { Form_MouseMove(); }));

  pagekit::AddCaption(client, QStringLiteral("lblTopologyCaption"), QStringLiteral("Converter Topology"), 1200, 90,
                      3960);
  cmbTopology = forms::Make<forms::ComboBox>(client, QStringLiteral("cmbTopology"), 1200, 420, 3960,
                                             pagekit::kListHeight);
  pagekit::FillList(cmbTopology, pwm::TopologyItems());

  pagekit::AddCaption(client, QStringLiteral("lblPWMFreqCaption"), QStringLiteral("PWM  Frequency"), 5520, 90, 1500,
                      Qt::AlignHCenter);
  cmbFreq = forms::Make<forms::ComboBox>(client, QStringLiteral("cmbFreq"), 5520, 420, 1500, pagekit::kListHeight);
  cmbFreq->hide();
  pagekit::FillList(cmbFreq, pagekit::SwitchingFrequencyItems());
  lblPWMFreq = forms::Make<forms::Label>(client, QStringLiteral("lblPWMFreq"), 5520, 420, 1500, pagekit::kListHeight);
  lblPWMFreq->setFrameStyle(QFrame::Box | QFrame::Plain);
  lblPWMFreq->setAlignment(Qt::AlignCenter);
  lblPWMFreq->setToolTip(QStringLiteral("PWM Switching Frequency is programmable in the Digital Filter Window"));

  pagekit::AddCaption(client, QStringLiteral("lblAuxFreqCaption"), QStringLiteral("AUX PWM  Frequency"), 7320, 90,
                      1800, Qt::AlignHCenter);
  cmbAuxFreq =
      forms::Make<forms::ComboBox>(client, QStringLiteral("cmbAuxFreq"), 7470, 420, 1500, pagekit::kListHeight);
  pagekit::FillList(cmbAuxFreq, pagekit::SwitchingFrequencyItems());

  cmdProgram = pagekit::AddButton(client, QStringLiteral("cmdProgram"), QStringLiteral("Program PWM Settings"),
                                  kModulationLeft, 360, [this] { cmdProgram_Click(); }, 2280);
  cmdCancel = pagekit::AddButton(client, QStringLiteral("cmdCancel"), QStringLiteral("Close"),
                                 kModulationLeft + 2280 + pagekit::kButtonGap, 360, [this] { cmdCancel_Click(); });
  SetCancelButton(cmdCancel);

  for (int r = 0; r < kRows; ++r) BuildRow(client, r);

  cmbFreq->onClick = [this] { cmbFreq_Click(); };
  cmbAuxFreq->onClick = [this] { cmbAuxFreq_Click(); };
  cmbTopology->onClick = [this] { cmbTopology_Click(); };

  if (gTopologyIndex != -1) cmbTopology->SetText(cmbTopology->List(gTopologyIndex));
}

void frmPWM::BuildRow(QWidget* client, int r) {
  const int top = kFirstRowTop + kRowPitch * r;
  pctPWM[r] =
      forms::Make<forms::PictureBox>(client, forms::Indexed("pctPWM", r), kPictureLeft, top, kPictureWidth, kPictureHeight);
  pctPWM[r]->SetBackColor(Qt::white);
  if (r != pwm::kAuxRow) pctPWM[r]->setToolTip(QStringLiteral("Click and drag the rising/falling edges to program PWM data"));
  BuildRowPicture(r);
  pctPWM[r]->onMouseDown = [this, r](int button, int shift, float x, float y) {
    pctPWM_MouseDown(r, button, shift, x, y);
  };
  pctPWM[r]->onMouseMove = [this, r](int button, int shift, float x, float y) {
    pctPWM_MouseMove(r, button, shift, x, y);
  };

  chkDisable[r] = forms::Make<WrappingCheckBox>(client, forms::Indexed("chkDisable", r), kLeftColumn, top, 840, 450,
                                                QStringLiteral("Disable ") + QLatin1String(kOutputNames[r]));
  forms::SetPointSize(chkDisable[r], 7.5);
  chkDisable[r]->onClick = [this, r] { chkDisable_Click(r); };

  // The nudge pairs, each with the name of its edge; the two-digit names start further left.
  struct Pair {
    int kind;
    int top;
    QPointer<forms::CommandButton>* left;
    QPointer<forms::CommandButton>* right;
    const char* leftName;
    const char* rightName;
  } pairs[] = {{kRisingEdge, kRisingNudgeTops[r], &cmdRisingLeft[r], &cmdRisingRight[r], "cmdRisingLeft",
                "cmdRisingRight"},
               {kFallingEdge, kFallingNudgeTops[r], &cmdFallingLeft[r], &cmdFallingRight[r], "cmdFallingLeft",
                "cmdFallingRight"}};
  for (const Pair& p : pairs) {
    const int edge = pwm::EdgeNumber(r, p.kind);
    const int nameLeft = edge >= 10 ? 240 : kLeftColumn;
    auto* name = forms::Make<forms::Label>(client, forms::Indexed("lblEdgeName", edge), nameLeft, p.top + 15,
                                           600 - nameLeft, 240, QStringLiteral("T%1").arg(edge));
    name->setWordWrap(false);
    *p.left = forms::Make<forms::CommandButton>(client, forms::Indexed(p.leftName, r), 600, p.top, 255, 255,
                                                QStringLiteral("<"));
    *p.right = forms::Make<forms::CommandButton>(client, forms::Indexed(p.rightName, r), 840, p.top, 255, 255,
                                                 QStringLiteral(">"));
  }
  cmdRisingLeft[r]->onClick = [this, r] { cmdRisingLeft_Click(r); };
  cmdRisingRight[r]->onClick = [this, r] { cmdRisingRight_Click(r); };
  cmdFallingLeft[r]->onClick = [this, r] { cmdFallingLeft_Click(r); };
  cmdFallingRight[r]->onClick = [this, r] { cmdFallingRight_Click(r); };

  auto* frame = forms::Make<forms::Frame>(client, forms::Indexed("fraModulation", r), kModulationLeft, top - 60, 3735,
                                          kPictureHeight + 60);
  const int rise = pwm::EdgeNumber(r, kRisingEdge);
  const int fall = pwm::EdgeNumber(r, kFallingEdge);
  struct Box {
    QPointer<forms::CheckBox>* box;
    const char* name;
    QString caption;
  } boxes[] = {
      {&chkEnableT1Mod[r], "chkEnableT1Mod", QStringLiteral("Enable Modulation on T%1 Edge").arg(rise)},
      {&chkT1Sign[r], "chkT1Sign", QStringLiteral("Positive Modulation on T%1 (moves left)").arg(rise)},
      {&chkEnableT2Mod[r], "chkEnableT2Mod", QStringLiteral("Enable Modulation on T%1 Edge").arg(fall)},
      {&chkT2Sign[r], "chkT2Sign", QStringLiteral("Positive Modulation on T%1 (moves left)").arg(fall)},
  };
  for (int i = 0; i < 4; ++i) {
    *boxes[i].box = forms::Make<forms::CheckBox>(frame, forms::Indexed(boxes[i].name, r), 90, 60 + 270 * i, 3645, 255,
                                                 boxes[i].caption);
  }
  chkEnableT1Mod[r]->onClick = [this, r] { chkEnableT1Mod_Click(r); };
  chkEnableT2Mod[r]->onClick = [this, r] { chkEnableT2Mod_Click(r); };
}

void frmPWM::BuildRowPicture(int r) {
  forms::PictureBox& pct = *pctPWM[r];
  const pwm::RowModel& model = mRows[r];
  const pwm::Levels lv = pwm::RowLevels(r);
  const auto line = [&pct](const QString& name, const pwm::Line& l) {
    return pct.AddLine(name, l.x1, l.y1, l.x2, l.y2);
  };
  const auto dotted = [&](const char* name, const pwm::Line& l) {
    LineItem* item = line(forms::Indexed(name, r), l);
    item->SetStyle(forms::BorderStyle::Dot);
    return item;
  };
  LnStart[r] = dotted("LnStart", model.start);
  LnEnd[r] = dotted("LnEnd", model.end);
  LnMid[r] = dotted("LnMid", model.mid);
  Line3[r] = dotted("Line3", model.baseline);
  LnGrid[r] = dotted("LnGrid", model.grid);

  forms::LabelItem* title = pct.AddLabel(forms::Indexed("lblRow", r), 0, 0, 2400, 240, QLatin1String(kRowTitles[r]));
  title->SetFontSize(8, true);
  title->SetAutoSize(true);
  pct.AddLabel(forms::Indexed("lblZero", r), 1160, lv.low, 200, 240, QStringLiteral("0"))->SetAutoSize(true);
  lblT[r] = pct.AddLabel(forms::Indexed("lblT", r), model.PeriodLabelLeft(), lv.low, pwm::kPeriodLabelWidth, 240,
                         model.periodText);
  lblT[r]->SetAlignment(Qt::AlignHCenter);
  for (int kind : {kRisingEdge, kFallingEdge}) {
    forms::LabelItem* label = pct.AddLabel(forms::Indexed(kind == kRisingEdge ? "lblT1" : "lblT2", r), 7320,
                                           kind == kRisingEdge ? 240 : 480, 1440, 195, model.EdgeText(kind));
    // Wide enough for the longest time, so a drag never measures text; a touch
    // below the default size, so the widest time still ends inside the picture.
    label->SetFontSize(7.5, true);
    (kind == kRisingEdge ? lblT1 : lblT2)[r] = label;
  }

  for (int k = 0; k < 10; ++k) {
    LineItem* item = line(forms::Indexed("Ln", 10 * r + k), model.wave[k]);
    item->SetBorderWidth(2);
    item->SetBorderColor(RowColour(r));
    Ln[10 * r + k] = item;
  }
  for (int i = 0; i < 2; ++i) {
    const int m = r + kRows * i;
    for (const ArrowStroke& stroke : kArrowStrokes) {
      LineItem* item = line(forms::Indexed(stroke.name, m), model.arrows[i].*stroke.line);
      item->SetBorderWidth(2);
      item->SetVisible(model.arrowShown[i]);
      (this->*stroke.items)[m] = item;
    }
  }
}

void frmPWM::ShowRow(int r) {
  const pwm::RowModel& model = mRows[r];
  const auto put = [](LineItem* item, const pwm::Line& l) { item->SetPoints(l.x1, l.y1, l.x2, l.y2); };
  put(LnStart[r], model.start);
  put(LnEnd[r], model.end);
  put(LnMid[r], model.mid);
  put(Line3[r], model.baseline);
  put(LnGrid[r], model.grid);
  for (int k = 0; k < 10; ++k) put(Ln[10 * r + k], model.wave[k]);
  for (int i = 0; i < 2; ++i) {
    const int m = r + kRows * i;
    for (const ArrowStroke& stroke : kArrowStrokes) {
      LineItem* item = (this->*stroke.items)[m];
      put(item, model.arrows[i].*stroke.line);
      item->SetVisible(model.arrowShown[i]);
    }
  }
  lblT[r]->SetCaption(model.periodText);
  lblT[r]->SetLeft(model.PeriodLabelLeft());
  lblT1[r]->SetCaption(model.riseText);
  lblT2[r]->SetCaption(model.fallText);
}

// ---- Model: frequencies, read-back, set-up and programming

void frmPWM::cmbFreq_Click() {
  if (cmbFreq->ListIndex() < 0) return;
  ApplyFrequency(cmbFreq->Text(), false);
  lblPWMFreq->setText(cmbFreq->Text());
}

void frmPWM::cmbAuxFreq_Click() {
  if (cmbAuxFreq->ListIndex() < 0) return;
  ApplyFrequency(cmbAuxFreq->Text(), true);
}

void frmPWM::ApplyFrequency(const QString& itemText, bool aux) {
  const pagekit::SwitchingFrequency f = pagekit::SwitchingFrequencyFromText(itemText);
  (aux ? mAuxFrequency : mFrequency) = f.hz;
  (aux ? mAuxPeriodUs : mPeriodUs) = f.periodUs;
  (aux ? mAuxLSB : mLSB) = pagekit::kStepUs;
  mTimeDecimals = f.timeDecimals;
  int32_t& period = aux ? mAuxPeriod : mPeriod;
  // Edges that waited on the start marker for a period are placed from their labels.
  const bool firstPeriod = period == 0;
  for (int r = RowsOf(aux).first; r <= RowsOf(aux).last; ++r) {
    mRows[r].periodText = f.periodLabel;
    period = pagekit::PeriodStepsFromLabel(mRows[r].periodText);
    for (int kind : {kRisingEdge, kFallingEdge}) {
      if (firstPeriod) {
        const float t = std::floor(LabelToEdgeTime(r, kind == kRisingEdge ? 1 : 2));
        MoveEdge(EdgeTimeToX(std::min(static_cast<int32_t>(t), period), r), kind, r, false);
      } else {
        MoveEdge(mRows[r].EdgeX(kind), kind, r, false);
      }
    }
    ShowRow(r);
  }
}

void frmPWM::ReadPWMRegisters() {
  for (int r = 0; r < kRows; ++r) {
    const int ta = Read(pwm::RiseTimingReg(r));
    const int sa = Read(pwm::RiseSettingReg(r));
    const int tb = Read(pwm::FallTimingReg(r));
    const int sb = Read(pwm::FallSettingReg(r));
    const int d = Read(pwm::kDisableReg);
    mEdges[r] = pwm::DecodeEdgeRow(r, ta, sa, tb, sb, d);
  }
  const int main = pwm::MainFrequencyIndex(Read(pagekit::kSwitchFreqReg));
  if (pagekit::IsFrequencyIndex(main)) {
    pagekit::ShowPosition(cmbFreq, main);
    lblPWMFreq->setText(cmbFreq->Text());
  } else {
    ForgetPeriod(false);
  }
  const int aux = pwm::AuxFrequencyIndex(Read(pagekit::kSwitchFreqReg));
  if (pagekit::IsFrequencyIndex(aux)) {
    pagekit::ShowPosition(cmbAuxFreq, aux);
  } else {
    ForgetPeriod(true);
  }
  if (mPeriodUs == 0 && mAuxPeriodUs == 0) mTimeDecimals = kNoPeriodTimeDecimals;
}

void frmPWM::ForgetPeriod(bool aux) {
  // The window shows no period for these rows, so it must judge and place their
  // edges by none, whatever period it held before: no clamp, the chip's times kept.
  (aux ? cmbAuxFreq : cmbFreq)->SetListIndex(-1);
  (aux ? mAuxFrequency : mFrequency) = 0;
  (aux ? mAuxPeriodUs : mPeriodUs) = 0;
  (aux ? mAuxPeriod : mPeriod) = 0;
  if (!aux) lblPWMFreq->setText(QString());
  for (int r = RowsOf(aux).first; r <= RowsOf(aux).last; ++r) {
    mRows[r].periodText.clear();
    ShowRow(r);
  }
}

void frmPWM::SetupFormAfterLoad() {
  ReadPWMRegisters();
  mPeriod = pagekit::PeriodSteps(mPeriodUs);
  mAuxPeriod = pagekit::PeriodSteps(mAuxPeriodUs);
  if (pwm::ClampEdgesToPeriod(mEdges, mPeriod, mAuxPeriod)) {
    ui::MsgBox(QStringLiteral("One or more of the programmed PWM values are invalid.\r\n"
                              "These values will be over-written with valid data."),
               ui::vbOKOnly);
  }
  // The markers, the period label and the grid line stand where each row's
  // model put them when the window was built.
  for (int r = 0; r < kRows; ++r) {
    const pwm::EdgeInfo& e = mEdges[r];
    PlaceEdge(r, kRisingEdge, e.Rise);
    PlaceEdge(r, kFallingEdge, e.Fall);
    CopyWaveformToSecondPeriod(r);
    ShowRow(r);
    chkDisable[r]->SetValue(e.Enabled ? 0 : 1);
    chkEnableT1Mod[r]->SetValue(e.RiseModEnable);
    chkT1Sign[r]->SetValue(e.RiseModSign);
    chkEnableT2Mod[r]->SetValue(e.FallModEnable);
    chkT2Sign[r]->SetValue(e.FallModSign);
  }
  MarkOpen();
}

void frmPWM::PlaceEdge(int row, int kind, int32_t t) {
  MoveEdge(EdgeTimeToX(t, row), kind, row, false);
  // Without a period the line cannot show the time, so the label keeps it.
  if (PeriodOf(row) == 0) {
    mRows[row].EdgeText(kind) = pwm::EdgeLabelText(pwm::EdgeNumber(row, kind), FormatEdgeTime(t));
  }
}

void frmPWM::cmdProgram_Click() {
  std::array<bool, kRows> disabled{};
  for (int r = 0; r < kRows; ++r) {
    const auto c1 = static_cast<int32_t>(std::floor(LabelToEdgeTime(r, 1)));
    Write(pwm::RiseTimingReg(r), pwm::EdgeTimingByte(c1));
    const auto c2 = static_cast<int32_t>(std::floor(LabelToEdgeTime(r, 2)));
    Write(pwm::FallTimingReg(r), pwm::EdgeTimingByte(c2));
    const int heldRise = Read(pwm::RiseSettingReg(r));
    Write(pwm::RiseSettingReg(r),
          pwm::EdgeSettingByte(c1, chkEnableT1Mod[r]->Value() == 1, chkT1Sign[r]->Value() == 1, heldRise));
    const int heldFall = Read(pwm::FallSettingReg(r));
    Write(pwm::FallSettingReg(r),
          pwm::EdgeSettingByte(c2, chkEnableT2Mod[r]->Value() == 1, chkT2Sign[r]->Value() == 1, heldFall));
    disabled[r] = chkDisable[r]->Value() == 1;
  }
  Write(pwm::kDisableReg, pwm::DisableByte(disabled));
  const int held = Read(pagekit::kSwitchFreqReg);
  int aux = cmbAuxFreq->FindExact(cmbAuxFreq->Text());
  if (!pagekit::IsFrequencyIndex(aux)) aux = pwm::kNoFrequencyIndex;
  Write(pagekit::kSwitchFreqReg, pwm::FrequencyByte(aux, held));
  gTopologyIndex = static_cast<int16_t>(pwm::TopologyIndexOf(cmbTopology->Text()));
}

void frmPWM::cmdCancel_Click() { Unload(); }

// ---- Edge text and geometry, on this window's members

float frmPWM::LabelToEdgeTime(int row, int edge) const {
  return pwm::LabelToEdgeTime(mRows[row].EdgeText(edge == 1 ? kRisingEdge : kFallingEdge), mLSB);
}

QString frmPWM::FormatEdgeTime(float n) const { return pwm::FormatEdgeTime(n, mLSB, mTimeDecimals); }

float frmPWM::EdgeTimeToX(int32_t t, int row) const {
  return pwm::EdgeTimeToX(t, mRows[row].S(), mRows[row].M(), PeriodOf(row));
}

float frmPWM::XToEdgeTime(float X, int row) const {
  return pwm::XToEdgeTime(X, mRows[row].S(), mRows[row].M(), PeriodOf(row));
}

forms::LabelItem* frmPWM::EdgeLabel(int row, int kind) const {
  return (kind == kRisingEdge ? lblT1 : lblT2)[row];
}

void frmPWM::MoveEdge(float X, int kind, int row, bool keepLabel) {
  pwm::RowModel& model = mRows[row];
  if (!pwm::MoveEdgeLine(model.wave, kind, X, model.S(), model.M())) return;
  ShowModulationMarkers(row);
  // Without a period no position stands for a time: the label keeps its own.
  if (keepLabel || PeriodOf(row) == 0) return;
  model.EdgeText(kind) = pwm::EdgeLabelText(pwm::EdgeNumber(row, kind), FormatEdgeTime(XToEdgeTime(X, row)));
}

void frmPWM::CopyWaveformToSecondPeriod(int row) {
  pwm::RowModel& model = mRows[row];
  pwm::CopyWaveformToSecondPeriod(model.wave, model.S(), model.M());
}

void frmPWM::ShowModulationMarkers(int row) {
  pwm::ShowModulation(mRows[row], chkEnableT1Mod[row]->Value() == 1, chkEnableT2Mod[row]->Value() == 1,
                      mMarkerWidth);
}

// ---- The diagram's mouse handling

void frmPWM::pctPWM_MouseDown(int Index, int, int, float X, float) {
  const int g = 10 * Index;
  int16_t& picked = mPickedEdge[Index];
  if (picked == 0) {
    const int kind = pwm::EdgeUnder(mRows[Index].wave, X, mHitTolerance);
    if (kind == 0) return;
    picked = static_cast<int16_t>(kind);
    Ln[g + kind]->SetBorderColor(Qt::green);
    EdgeLabel(Index, kind)->SetForeColor(RowColour(Index));
    return;
  }
  picked = 0;
  const QColor colour = chkDisable[Index]->Value() == 1 ? Qt::black : RowColour(Index);
  Ln[g + kRisingEdge]->SetBorderColor(colour);
  Ln[g + kFallingEdge]->SetBorderColor(colour);
  lblT1[Index]->SetForeColor(Qt::black);
  lblT2[Index]->SetForeColor(Qt::black);
}

void frmPWM::pctPWM_MouseMove(int Index, int, int, float X, float) {
  if (mPickedEdge[Index] != 0) {
    MoveEdge(X, mPickedEdge[Index], Index, false);
    ShowRow(Index);
    return;
  }
  const bool near = pwm::EdgeUnder(mRows[Index].wave, X, mHitTolerance) != 0;
  SetMousePointer(near ? forms::vbSizeWE : forms::vbDefault);
}

void frmPWM::Form_MouseMove() { SetMousePointer(forms::vbDefault); }

// ---- Nudge buttons and boxes

void frmPWM::Nudge(int row, int kind, bool right) {
  QString& label = mRows[row].EdgeText(kind);
  const auto nudge = pwm::NudgeEdge(label, pwm::EdgeNumber(row, kind),
                                    right ? pwm::NudgeDirection::Right : pwm::NudgeDirection::Left,
                                    row == pwm::kAuxRow ? mAuxLSB : mLSB, PeriodUsOf(row), mTimeDecimals);
  if (!nudge) return;
  label = nudge->label;
  MoveEdge(EdgeTimeToX(nudge->steps, row), kind, row, true);
  ShowRow(row);
}

void frmPWM::cmdRisingLeft_Click(int Index) { Nudge(Index, kRisingEdge, false); }
void frmPWM::cmdRisingRight_Click(int Index) { Nudge(Index, kRisingEdge, true); }
void frmPWM::cmdFallingLeft_Click(int Index) { Nudge(Index, kFallingEdge, false); }
void frmPWM::cmdFallingRight_Click(int Index) { Nudge(Index, kFallingEdge, true); }

void frmPWM::chkDisable_Click(int Index) {
  const bool disabled = chkDisable[Index]->Value() == 1;
  for (int k = 0; k < 10; ++k) Ln[10 * Index + k]->SetBorderColor(disabled ? Qt::black : RowColour(Index));
  pctPWM[Index]->SetBackColor(disabled ? ButtonFace() : Qt::white);
}

void frmPWM::chkEnableT1Mod_Click(int Index) {
  ShowModulationMarkers(Index);
  ShowRow(Index);
}

void frmPWM::chkEnableT2Mod_Click(int Index) {
  ShowModulationMarkers(Index);
  ShowRow(Index);
}

// ---- Topology presets

void frmPWM::cmbTopology_Click() { ApplyTopologyPreset(cmbTopology->Text()); }

void frmPWM::ApplyTopologyPreset(const QString& text) {
  const int topology = pwm::TopologyIndexOf(text);
  if (topology < 0) return;
  for (const pwm::PresetStep& step : pwm::PresetSteps(topology, mPeriod)) {
    switch (step.kind) {
      case pwm::PresetStep::SetDisable: chkDisable[step.row]->SetValue(step.value); break;
      case pwm::PresetStep::SetRiseModulation: chkEnableT1Mod[step.row]->SetValue(step.value); break;
      case pwm::PresetStep::SetFallModulation: chkEnableT2Mod[step.row]->SetValue(step.value); break;
      case pwm::PresetStep::PlaceEdges:
        // Every main row shares the main period, so row 0's scale serves them all.
        MoveEdge(EdgeTimeToX(step.rise, 0), kRisingEdge, step.row, false);
        MoveEdge(EdgeTimeToX(step.fall, 0), kFallingEdge, step.row, false);
        CopyWaveformToSecondPeriod(step.row);
        ShowRow(step.row);
        break;
    }
  }
}
