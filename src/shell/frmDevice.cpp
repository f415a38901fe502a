#include "frmDevice.h"

#include <QApplication>
#include <algorithm>

#include "DeviceArtwork.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"

namespace {

struct HotArea {
  PageKind kind;
  const char* title;            // caption title of the block's page
  int left, top, width, height; // the hot area
  int x1, x2, y1, y2;           // the red outline around the block
};

constexpr HotArea kAreas[frmDevice::kHotAreas] = {
    {PageKind::PWM, "PWM Output Control", 5040, 4920, 1335, 1095, 5020, 6360, 4920, 5970},
    {PageKind::DigFilter, "Filter Settings", 7320, 5040, 1095, 975, 7320, 8450, 5000, 5950},
    {PageKind::Limits, "Fault Status and Configuration", 5280, 6120, 1215, 975, 5320, 6480, 6140, 7150},
    {PageKind::Share, "Share Bus Settings", 9000, 6360, 1095, 855, 8980, 10120, 6360, 7220},
    {PageKind::CurrentSense, "Current Sensing", 6000, 4080, 1695, 615, 5955, 7680, 4080, 4700},
    {PageKind::VoltageSense, "Voltage Sensing", 9120, 5040, 1215, 975, 9150, 10320, 5000, 6000},
    {PageKind::OrFET, "OrFET Control", 8520, 4080, 1695, 615, 8500, 10200, 4080, 4680},
    {PageKind::General, "General Settings", 2640, 6720, 1935, 375, 2640, 4560, 6600, 7080},
};

const QColor kTitleBlue(0, 0, 192);
const QColor kValueRed(192, 0, 0);

QColor SystemColor(QPalette::ColorRole role) { return QApplication::palette().color(role); }
// The window system's colours of highlighted text and of the active title bar.
QColor HighlightTextColor() { return SystemColor(QPalette::HighlightedText); }
QColor ActiveTitleBarColor() { return SystemColor(QPalette::Highlight); }

// A reading to 2 decimals, halves to even, in its shortest text.
QString Reading(float value, const char* unit) {
  return numtext::Plain(numtext::Round(static_cast<double>(value), 2)) + QLatin1String(unit);
}

}  // namespace

void frmDevice::Form_Load() {
  SetCaption(QStringLiteral("Function Access"));
  SetSize(12705, 11340);
  CenterInMainForm(*this);

  pctDevice = forms::Make<forms::PictureBox>(Client(), QStringLiteral("pctDevice"), 240, 1080, 12135, 9735);
  pctDevice->SetBackColor(Qt::white);
  pctDevice->onMouseMove = [this](int button, int shift, float x, float y) { pctDevice_MouseMove(button, shift, x, y); };
  DrawDeviceArtwork(*pctDevice);
  BuildLabels();
  BuildHotAreas();
}

void frmDevice::BuildLabels() {
  QWidget* client = Client();
  auto title = [client](const char* name, int left, int top, const QString& text, double points) {
    auto* label = forms::Make<forms::Label>(client, QLatin1String(name), left, top, 15, 15, text);
    label->setWordWrap(false);
    forms::SetPointSize(label, points);
    label->SetForeColor(kTitleBlue);
    label->adjustSize();
    return label;
  };
  Label1 = title("Label1", 4560, 240, QStringLiteral("KRV7310 Block Diagram"), 18);
  Label2 = title("Label2", 4680, 720, QStringLiteral("Click on the blocks to access the related functions "),
                 QApplication::font().pointSizeF());

  Label3 = pctDevice->AddLabel(QStringLiteral("Label3"), 6960, 6360, 15, 15, QStringLiteral("KRV7310"));
  Label3->SetFontSize(18);
  Label3->SetForeColor(QColor(0, 0, 255));
  Label3->SetBackColor(HighlightTextColor());
  Label3->SetOpaque(true);
  Label3->SetAutoSize(true);

  struct ValueRow {
    const char* caption;
    int captionLeft;
    int top;
    QPointer<forms::LabelItem>* value;
    const char* name;
  };
  const ValueRow rows[] = {
      {"Output Voltage (VS3) ", 360, 7800, &lblVS3, "lblVS3"},
      {"Output Current", 960, 8280, &lblOutputCurrent, "lblOutputCurrent"},
      {"Share Bus Voltage", 600, 8760, &lblShareVoltage, "lblShareVoltage"},
  };
  for (int i = 0; i < 3; ++i) {
    const ValueRow& r = rows[i];
    forms::LabelItem* caption = pctDevice->AddLabel(forms::Indexed("Label4", i), r.captionLeft, r.top, 15, 15,
                                                    QLatin1String(r.caption));
    caption->SetFontSize(8, true);
    caption->SetAutoSize(true);
    Label4[static_cast<size_t>(i)] = caption;
    forms::LabelItem* value = pctDevice->AddLabel(QLatin1String(r.name), 2640, r.top, 1335, 375);
    value->SetFontSize(8, true);
    value->SetForeColor(kValueRed);
    *r.value = value;
  }
}

void frmDevice::BuildHotAreas() {
  const QColor face = HighlightTextColor();
  const QColor title = ActiveTitleBarColor();

  lblExtra = pctDevice->AddLabel(QStringLiteral("lblExtra"), 2640, 6600, 1935, 375);
  lblExtra->SetBackColor(face);
  lblExtra->SetForeColor(title);
  lblExtra->SetOpaque(true);

  for (int i = 0; i < kHotAreas; ++i) {
    const HotArea& area = kAreas[i];
    forms::LabelItem* hot =
        pctDevice->AddLabel(forms::Indexed("lblSelection", i), area.left, area.top, area.width, area.height);
    hot->SetMousePointer(forms::vbArrow);
    hot->onClick = [this, i] { lblSelection_Click(i); };
    hot->onDblClick = [this, i] { lblSelection_DblClick(i); };
    hot->onMouseMove = [this, i](int button, int shift, float x, float y) {
      lblSelection_MouseMove(i, button, shift, x, y);
    };
    lblSelection[static_cast<size_t>(i)] = hot;
  }
  forms::LabelItem* general = lblSelection[7];
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(12);
  general->SetCaption(QStringLiteral("  General Settings"));
  general->SetFittedFont(font);
  general->SetBackColor(face);
  general->SetForeColor(title);
  general->SetOpaque(true);

  const QColor windowText = SystemColor(QPalette::WindowText);
  const int frame[4][4] = {{2640, 6600, 4560, 6600}, {4560, 6600, 4560, 7080}, {4560, 7080, 2640, 7080},
                           {2640, 7080, 2640, 6600}};
  const int strokes[4] = {2250, 2350, 1460, 1350};
  for (int i = 0; i < 4; ++i) {
    forms::LineItem* stroke = pctDevice->AddLine(forms::Indexed("Line1", i), strokes[i], 4320, strokes[i], 4800);
    stroke->SetBorderColor(windowText);
    stroke->SetBorderWidth(2);
    Line1[static_cast<size_t>(i)] = stroke;
    forms::LineItem* side = pctDevice->AddLine(forms::Indexed("Line2", i), frame[i][0], frame[i][1], frame[i][2], frame[i][3]);
    side->SetBorderColor(windowText);
    side->SetBorderWidth(2);
    Line2[static_cast<size_t>(i)] = side;
  }

  // Outlines last, so that they show over everything they surround.
  for (int i = 0; i < kHotAreas; ++i) {
    const HotArea& a = kAreas[i];
    const int sides[4][4] = {{a.x1, a.y1, a.x2, a.y1}, {a.x2, a.y1, a.x2, a.y2}, {a.x2, a.y2, a.x1, a.y2},
                             {a.x1, a.y2, a.x1, a.y1}};
    for (int k = 0; k < 4; ++k) {
      const int n = 4 * i + k;
      forms::LineItem* line = pctDevice->AddLine(forms::Indexed("ln", n), sides[k][0], sides[k][1], sides[k][2], sides[k][3]);
      line->SetBorderColor(QColor(255, 0, 0));
      line->SetBorderWidth(3);
      line->SetVisible(false);
      ln[static_cast<size_t>(n)] = line;
    }
  }
}

void frmDevice::SetupFormAfterLoad() { MarkOpen(); }

void frmDevice::DisplayValues() {
  const int index = MatchingIndex();
  if (index < 0 || !lblVS3) return;
  const DeviceInfo& device = gDevices[static_cast<size_t>(index)];
  lblVS3->SetCaption(Reading(device.VS3, "V"));
  lblOutputCurrent->SetCaption(Reading(device.OutputCurrent, "A"));
  lblShareVoltage->SetCaption(Reading(device.ShareBus, "V"));
}

void frmDevice::OpenBlockPage(int Index) {
  if (Index < 0 || Index >= kHotAreas) return;
  const int32_t address = ChipAddress();
  const int device = DeviceSlot(address);
  const HotArea& area = kAreas[Index];
  // A page type not part of this build has no windows: the block then opens nothing.
  OpenDevicePage(area.kind, device, QLatin1String(area.title), address);
}

void frmDevice::lblSelection_Click(int Index) { OpenBlockPage(Index); }

void frmDevice::lblSelection_DblClick(int Index) { OpenBlockPage(Index); }

void frmDevice::HighlightBlock(int16_t Index) {
  for (int i = 0; i < kHotAreas; ++i) {
    for (int k = 0; k < 4; ++k) {
      if (forms::LineItem* line = ln[static_cast<size_t>(4 * i + k)]) line->SetVisible(i == Index);
    }
  }
}

void frmDevice::lblSelection_MouseMove(int Index, int, int, float, float) {
  SetMousePointer(forms::vbArrow);
  HighlightBlock(static_cast<int16_t>(Index));
}

void frmDevice::pctDevice_MouseMove(int, int, float, float) { HighlightBlock(-1); }
