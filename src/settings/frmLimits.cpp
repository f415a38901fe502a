#include "frmLimits.h"

#include <QColor>
#include <QTabWidget>
#include <optional>

#include "LimitsFields.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"
#include "platform/ui/Seams.h"

using namespace limits;
using namespace pagekit;

namespace {

forms::Label* AddLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                       int height = 240) {
  return forms::Make<forms::Label>(parent, name, left, top, width, height, caption);
}

}  // namespace

frmLimits::frmLimits() : SettingsPage(&gLimitsOpen) {
  for (int row = 0; row < kFaultRows; ++row) {
    const FaultFields fields = FaultFieldsOfRow(row);
    mAction.emplace_back(fields.action, ActionItems());
    mResolve.emplace_back(fields.resolve, ResolveItems());
    mTiming.emplace_back(fields.timing, TimingItems());
  }
}

void frmLimits::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("Fault Configuration, Readings and Limits"), 9855, 9045);
  SSTab1 = forms::Make<QTabWidget>(client, QStringLiteral("SSTab1"), 60, 60, 9570, 8370);
  const char* const titles[] = {"Flags", "Fault Configuration", "Readings and Limits", "Graphs", "Defaults"};
  QWidget* tabs[5];
  for (int i = 0; i < 5; ++i) {
    tabs[i] = new QWidget;
    tabs[i]->setObjectName(forms::Indexed("SSTab1", i));
    SSTab1->addTab(tabs[i], QString::fromLatin1(titles[i]));
  }
  BuildFlagsTab(tabs[0]);
  BuildFaultTab(tabs[1]);
  BuildReadingsTab(tabs[2]);
  BuildGraphsTab(tabs[3]);
  BuildDefaultsTab(tabs[4]);
  SetCancelButton(cmdClose);
}

void frmLimits::BuildFlagsTab(QWidget* tab) {
  const QStringList captions = IndicatorCaptions();
  constexpr int kPitch = 330;
  fraStatus = forms::Make<forms::Frame>(tab, QStringLiteral("fraStatus"), 120, 120, 5460, 5760,
                                        QStringLiteral("Fault Status "));
  for (int i = 0; i < kIndicators; ++i) {
    const int left = i < 16 ? 240 : 2820;
    const int top = 360 + (i % 16) * kPitch;
    tglStatus[i] = forms::Make<instruments::Toggle>(fraStatus, forms::Indexed("tglStatus", i), left, top, 240, 240);
    tglStatus[i]->setToolTip(IndicatorToolTip());
    AddLabel(fraStatus, forms::Indexed("lblStatus", i), captions[i], left + 360, top, 2160);
  }

  fraFirstFlag = forms::Make<forms::Frame>(tab, QStringLiteral("fraFirstFlag"), 5760, 120, 3480, 1320,
                                           QStringLiteral("First Flag Information"));
  AddLabel(fraFirstFlag, QStringLiteral("lblFlagHeading"), QStringLiteral("Flag"), 240, 360, 1560);
  AddLabel(fraFirstFlag, QStringLiteral("lblValueHeading"), QStringLiteral("Value"), 1920, 360, 1320);
  lblFlag = AddValueBox(fraFirstFlag, QStringLiteral("lblFlag"), 240, 720, 1560);
  lblFlagValue = AddValueBox(fraFirstFlag, QStringLiteral("lblFlagValue"), 1920, 720, 1320);
}

void frmLimits::BuildFaultTab(QWidget* tab) {
  // Columns: row caption (wrapping to two lines), then the three lists.
  constexpr int kCaptionLeft = 60, kCaptionWidth = 1320;
  const int listLeft[3] = {1440, 3870, 7950};
  const int listWidth[3] = {2370, 4020, 1500};
  constexpr int kFirstTop = 420, kPitch = 450;

  const QStringList headings = FaultColumnHeadings();
  for (int c = 0; c < 3; ++c)
    AddLabel(tab, forms::Indexed("Label1", c), headings[c], listLeft[c], 120, listWidth[c])
        ->setAlignment(Qt::AlignCenter);
  const QStringList captions = FaultRowCaptions();
  for (int row = 0; row < kFaultRows; ++row) {
    const int top = kFirstTop + row * kPitch;
    auto* caption =
        AddLabel(tab, forms::Indexed("lblFault", row), captions[row], kCaptionLeft, top - 60, kCaptionWidth, 450);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cmbConfig[row] = forms::Make<forms::ComboBox>(tab, forms::Indexed("cmbConfig", row), listLeft[0], top, listWidth[0],
                                                  kListHeight);
    FillList(cmbConfig[row], mAction[row].Items());
    cmbResolve[row] = forms::Make<forms::ComboBox>(tab, forms::Indexed("cmbResolve", row), listLeft[1], top,
                                                   listWidth[1], kListHeight);
    FillList(cmbResolve[row], mResolve[row].Items());
    cmbTiming[row] = forms::Make<forms::ComboBox>(tab, forms::Indexed("cmbTiming", row), listLeft[2], top, listWidth[2],
                                                  kListHeight);
    FillList(cmbTiming[row], mTiming[row].Items());
  }

  const int buttonsTop = kFirstTop + kFaultRows * kPitch + 120;
  const int right = listLeft[2] + listWidth[2];
  cmdClose = AddButton(tab, QStringLiteral("cmdClose"), QStringLiteral("Close"), right - kButtonWidth, buttonsTop,
                       [this] { cmdClose_Click(); });
  cmdApply = AddButton(tab, QStringLiteral("cmdApply"), QStringLiteral("Apply"), right - 2 * kButtonWidth - kButtonGap,
                       buttonsTop, [this] { cmdApply_Click(); });
}

void frmLimits::BuildReadingsTab(QWidget* tab) {
  const QStringList frameCaptions = GaugeFrameCaptions();
  const char* frameNames[] = {"fraInput", "fraOutput", "fraGeneral"};
  const QRect frameRects[] = {{60, 60, 4650, 3300}, {4770, 60, 4650, 3300}, {60, 3480, 9360, 3300}};
  forms::Frame* frames[3];
  for (int f = 0; f < 3; ++f) {
    const QRect& r = frameRects[f];
    frames[f] = forms::Make<forms::Frame>(tab, QString::fromLatin1(frameNames[f]), r.x(), r.y(), r.width(), r.height(),
                                          frameCaptions[f]);
  }
  // Each frame fills its places top to bottom, the general frame in two columns.
  int placed[3] = {0, 0, 0};
  for (const GaugeSpec& spec : kGauges) {
    const int place = placed[spec.frame]++;
    const int left = 180 + (place / 3) * 4680;
    const int top = 300 + (place % 3) * 1000;
    AddLabel(frames[spec.frame], forms::Indexed("lblReading", spec.index), QString::fromUtf8(spec.label), left, top,
             2400);
    auto* gauge = forms::Make<instruments::LGauge>(frames[spec.frame], forms::Indexed("ggeReadings", spec.index), left,
                                                   top + 240, 4290, 600);
    gauge->SetRange(spec.minimum, spec.maximum);
    gauge->setToolTip(GaugeToolTip());
    const int index = spec.index;
    QObject::connect(gauge, &instruments::LGauge::pointerMoved, gauge,
                     [this, index] { ggeReadings_PointerMoved(index); });
    ggeReadings[static_cast<std::size_t>(spec.index)] = gauge;
  }
}

void frmLimits::BuildGraphsTab(QWidget* tab) {
  cmbGraph = forms::Make<forms::ComboBox>(tab, QStringLiteral("cmbGraph"), 120, 120, 3000, kListHeight);
  FillList(cmbGraph, GraphItems());
  cmbGraph->onClick = [this] { cmbGraph_Click(); };
  for (int c = 0; c < kCharts; ++c) {
    const ChartSpec& spec = kChartSpecs[static_cast<std::size_t>(c)];
    auto* strip = forms::Make<instruments::Strip>(tab, forms::Indexed("stpGraph", c), 60, 540, 9360, 7260);
    for (const char* title : spec.bands)
      if (title) strip->AddBand(QString::fromUtf8(title));
    for (int ch = 0; ch < spec.channelCount; ++ch) {
      const ChannelSpec& channel = spec.channels[static_cast<std::size_t>(ch)];
      strip->AddChannel(QString::fromUtf8(channel.legend), channel.band, QColor::fromRgb(channel.color));
    }
    strip->hide();  // the graph choice shows one
    stpGraph[static_cast<std::size_t>(c)] = strip;
  }
}

void frmLimits::BuildDefaultsTab(QWidget* tab) {
  auto* frame = forms::Make<forms::Frame>(tab, QStringLiteral("fraDefaults"), 120, 120, 5940, 5220,
                                          QStringLiteral("Default Scale Factors"));
  const int columns[] = {240, 2280, 3540, 4860};
  const QStringList headings = ScaleHeadings();
  for (int c = 0; c < 3; ++c) AddLabel(frame, forms::Indexed("lblScaleHeading", c), headings[c], columns[c], 300, 1260);
  for (std::size_t r = 0; r < kScaleRows.size(); ++r) {
    const ScaleRow& row = kScaleRows[r];
    const int top = 600 + static_cast<int>(r) * 345;
    const int i = static_cast<int>(r);
    AddLabel(frame, forms::Indexed("lblScaleChannel", i), QString::fromUtf8(row.channel), columns[0], top + 30, 1980);
    AddLabel(frame, forms::Indexed("lblScaleCode", i), QString::fromUtf8(row.code) + QLatin1Char('='), columns[1],
             top + 30, 1140);
    txtDefault[static_cast<std::size_t>(row.box)] =
        forms::Make<forms::TextBox>(frame, forms::Indexed("txtDefault", row.box), columns[2], top, 1200, 300);
    AddLabel(frame, forms::Indexed("lblScaleUnit", i), QString::fromUtf8(row.unit), columns[3], top + 30, 900);
  }
  cmdSet = AddButton(
      tab, QStringLiteral("cmdSet"), QStringLiteral("Set  Values"), 120, 5460, [this] { cmdSet_Click(); }, 1500);
}

void frmLimits::SetupFormAfterLoad() {
  for (int k = 0; k < kFaultRows / 2; ++k) {
    const int v = Read(kFaultConfigReg + k);
    for (int row = 2 * k; row <= 2 * k + 1; ++row) {
      ShowPosition(cmbConfig[row], mAction[row].Decode(v));
      ShowPosition(cmbResolve[row], mResolve[row].Decode(v));
      ShowPosition(cmbTiming[row], mTiming[row].Decode(v));
    }
  }
  cmbGraph->SetListIndex(0);
  ShowScaleValues();
  SetupDutyGaugeLimits();
  MarkOpen();
}

void frmLimits::SetupDutyGaugeLimits() {
  const int v = Read(kPWMLimitReg) & 0x7F;
  instruments::LGauge* gauge = ggeReadings[kDutyGauge];
  gauge->SelectPointer(2);
  gauge->SetValue(LowerDutyMarker(v));
  gauge->SelectPointer(3);
  gauge->SetValue(UpperDutyMarker(v));
}

void frmLimits::cmdApply_Click() {
  // Every bit of the seven registers belongs to the grid, so nothing is read back first.
  for (int k = 0; k < kFaultRows / 2; ++k) {
    int value = 0;
    for (int row = 2 * k; row <= 2 * k + 1; ++row) {
      value |= mAction[row].Encode(ShownPosition(cmbConfig[row])) |
               mResolve[row].Encode(ShownPosition(cmbResolve[row])) |
               mTiming[row].Encode(ShownPosition(cmbTiming[row]));
    }
    Write(kFaultConfigReg + k, value);
  }
}

void frmLimits::cmdClose_Click() { Unload(); }

void frmLimits::cmbGraph_Click() {
  for (auto& strip : stpGraph) strip->hide();
  const int chosen = cmbGraph->FindExact(cmbGraph->Text());
  if (chosen >= 0) stpGraph[static_cast<std::size_t>(chosen)]->show();
}

void frmLimits::cmdSet_Click() {
  // Every box is read before any value is stored: one that holds no number a
  // float can keep refuses them all, so a slip of the keys never zeroes a reading.
  std::vector<float> values;
  for (const ScaleRow& row : kScaleRows) {
    if (!row.scale) continue;
    const std::optional<float> value = ScaleValueOf(txtDefault[static_cast<std::size_t>(row.box)]->Text());
    if (!value) {
      ui::MsgBox(ScaleRefusal(row.channel), ui::vbOKOnly | ui::vbExclamation);
      return;
    }
    values.push_back(*value);
  }
  auto value = values.begin();
  for (const ScaleRow& row : kScaleRows)
    if (row.scale) *row.scale = *value++;
  // The values hold for both chips: every open readings window shows them.
  for (int i = 0; i < 2; ++i) {
    auto* page = static_cast<frmLimits*>(Pages(PageKind::Limits).Existing(i));
    if (page && page->IsLoaded()) page->ShowScaleValues();
  }
}

void frmLimits::ShowScaleValues() {
  for (const ScaleRow& row : kScaleRows)
    if (row.scale) txtDefault[static_cast<std::size_t>(row.box)]->SetText(numtext::Plain(*row.scale));
}

void frmLimits::PlotData() {
  const DeviceInfo* record = Record();
  if (!record) return;
  for (int c = 0; c < kCharts; ++c) {
    const ChartSpec& spec = kChartSpecs[static_cast<std::size_t>(c)];
    for (int ch = 0; ch < spec.channelCount; ++ch)
      stpGraph[static_cast<std::size_t>(c)]->AddPoint(ch, record->*spec.channels[static_cast<std::size_t>(ch)].reading);
  }
}

void frmLimits::DisplayData() {
  const DeviceInfo* record = Record();
  if (!record) return;
  for (const GaugeSpec& spec : kGauges) {
    instruments::LGauge* gauge = ggeReadings[static_cast<std::size_t>(spec.index)];
    const float reading = record->*spec.reading;
    gauge->SelectPointer(1);
    gauge->SetValue(reading);
    gauge->SetCaption(GaugeCaption(reading, spec.unit));
  }
}

void frmLimits::UpdateFlags() {
  const DeviceInfo* record = Record();
  if (!record) return;
  lblFlag->SetCaption(record->FirstFlagSource);
  lblFlagValue->SetCaption(FirstFlagText(record->FirstFlagValue));
  for (int flag = 0; flag < kFaultFlagCount; ++flag)
    tglStatus[static_cast<std::size_t>(IndicatorOfFlag(flag))]->SetValue(record->Flags[static_cast<std::size_t>(flag)]);
}

void frmLimits::ggeReadings_PointerMoved(int Index) {
  // Only the duty-cycle markers are held to their ranges; nothing goes to the chip.
  if (Index != kDutyGauge) return;
  instruments::LGauge* gauge = ggeReadings[kDutyGauge];
  gauge->SelectPointer(2);
  if (gauge->Value() > kLowerDutyMost) gauge->SetValue(kLowerDutyMost);
  gauge->SelectPointer(3);
  if (gauge->Value() < kUpperDutyLeast) gauge->SetValue(kUpperDutyLeast);
}
