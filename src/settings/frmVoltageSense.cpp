#include "frmVoltageSense.h"

#include <QApplication>
#include <QPalette>

#include "SenseCircuitPicture.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"

using namespace pagekit;
using namespace voltagesense;

namespace {

// A reading as the page shows it: two decimals, the sign's place kept, then the unit.
QString Volts(float value) { return numtext::Str(numtext::Round(value, 2)) + QStringLiteral("V"); }

// The lists on the white picture keep the look of every other list. The style
// caches its drawings of a list by palette, and a list that inherits the
// picture's palette gets a new one at every opening, filling the cache. A
// palette that sets every colour itself is taken by the list as it is, so one
// made once keeps the cache to one set of drawings.
const QPalette& ListPalette() {
  static const QPalette palette = [] {
    const QPalette system = QApplication::palette();
    QPalette own = system;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
      for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto g = static_cast<QPalette::ColorGroup>(group);
        const auto r = static_cast<QPalette::ColorRole>(role);
        own.setBrush(g, r, system.brush(g, r));
      }
    }
    return own;
  }();
  return palette;
}

}  // namespace

void frmVoltageSense::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("Voltage Sense Settings"), 8115, 6780);
  Picture1 = AddPicture(client, QStringLiteral("Picture1"), 120, 120, 7755, 3060);
  LayOutPicture();

  const RowGrid grid{180, 1740, 1980, 1650, 420, 510};
  // Both frames start with their input's over-voltage limit and its debounce.
  auto addInputFrame = [&](int i, const QString& input, int left, QPointer<forms::ComboBox>& debounce,
                           const ListField& debounceField) {
    auto* frame = forms::Make<forms::Frame>(client, QStringLiteral("fra") + input, left, 3300, 3810, 1980,
                                            input + QStringLiteral(" Settings"));
    cmbOVP[static_cast<size_t>(i)] = AddListRow(frame, grid, 0, forms::Indexed("cmbOVP", i), input + QStringLiteral(" OVP"));
    debounce = AddListRow(frame, grid, 1, QStringLiteral("cmb") + input + QStringLiteral("Debounce"),
                          input + QStringLiteral(" OV Debounce"), debounceField.Items());
    return frame;
  };
  fraVS1 = addInputFrame(0, QStringLiteral("VS1"), 120, cmbVS1Debounce, mVS1Debounce);
  cmbUVP = AddListRow(fraVS1, grid, 2, QStringLiteral("cmbUVP"), QStringLiteral("VS1 UVP"));
  fraVS3 = addInputFrame(1, QStringLiteral("VS3"), 4065, cmbVS3Debounce, mVS3Debounce);
  // The VS3 trim sits with the frame's "VS3 Trim" caption, so the caption has its list beside it.
  cmbTrim[2] = AddListRow(fraVS3, grid, 2, QStringLiteral("cmbTrim(2)"), QStringLiteral("VS3 Trim"));

  AddButtons(RowEndingAt(120 + 7755, 5580), Closing::Close);

  for (size_t i = 0; i < cmbOVP.size(); ++i) FillList(cmbOVP[i], mOVP[i].Items());
  FillList(cmbUVP, mUVP.Items());
  FillList(cmbVS3Trim, mOutputTrim.Items());
  for (size_t i = 0; i < cmbTrim.size(); ++i) FillList(cmbTrim[i], mTrim[i].Items());

  for (int i = 0; i < 3; ++i) cmbTrim[static_cast<size_t>(i)]->onClick = [this, i] { cmbTrim_Click(i); };
  cmbVS3Trim->onClick = [this] { cmbVS3Trim_Click(); };
}

void frmVoltageSense::LayOutPicture() {
  // Rows of the picture in twips: the VS1, VS2 and VS3 pins, then the output trim.
  const int rows[] = {600, 1200, 1800, 2460};
  const int half = kListHeight / 2;

  const RowGrid trims{180, 930, 1170, 960, 0, 0};
  const RowGrid values{2790, 1650, 4500, 1080, 0, 0};
  auto addTrim = [&](int row, const QString& name, const QString& caption, int listWidth) {
    AddCaption(Picture1, CaptionName(name), caption, trims.labelLeft, rows[row], trims.labelWidth);
    auto* list = forms::Make<forms::ComboBox>(Picture1, name, trims.listLeft, rows[row], listWidth, kListHeight);
    list->setPalette(ListPalette());
    return list;
  };
  auto addValue = [&](int row, const QString& name, const QString& caption) {
    AddCaption(Picture1, CaptionName(name), caption, values.labelLeft, rows[row], values.labelWidth);
    return AddValueBox(Picture1, name, values.listLeft, rows[row], values.listWidth);
  };

  cmbTrim[0] = addTrim(0, QStringLiteral("cmbTrim(0)"), QStringLiteral("VS1 Trim"), trims.listWidth);
  lblVS1Val = addValue(0, QStringLiteral("lblVS1Val"), QStringLiteral("VS1 Value"));
  cmbTrim[1] = addTrim(1, QStringLiteral("cmbTrim(1)"), QStringLiteral("VS2 Trim"), trims.listWidth);
  lblVS2Val = addValue(1, QStringLiteral("lblVS2Val"), QStringLiteral("VS2 Value"));
  lblVS3Val = addValue(2, QStringLiteral("lblVS3Val"), QStringLiteral("VS3 Value"));
  cmbVS3Trim = addTrim(3, QStringLiteral("cmbVS3Trim"), QStringLiteral("O/P Trim"), 1440);
  lblOutputVal = addValue(3, QStringLiteral("lblOutputVal"), QStringLiteral("O/P Voltage Value"));

  const int wireFrom = values.listLeft + values.listWidth;
  DrawSenseCircuit(*Picture1, QStringLiteral("KRV7310"), QRect(6300, 180, 1260, 2100),
                   {{QStringLiteral("VS1"), rows[0] + half, wireFrom},
                    {QStringLiteral("VS2"), rows[1] + half, wireFrom},
                    {QStringLiteral("VS3"), rows[2] + half, wireFrom}});
}

void frmVoltageSense::SetupFormAfterLoad() {
  MarkOpen();

  // Choosing a trim writes it, so each trim goes back to the chip right after
  // its read whenever the list's choice changes.
  ShowPosition(cmbVS3Trim, mOutputTrim.Decode(Read(kOutputTrimReg)));
  int v = Read(kVS1OVPReg);
  ShowPosition(cmbOVP[0], mOVP[0].Decode(v));
  ShowPosition(cmbVS1Debounce, mVS1Debounce.Decode(v));
  v = Read(kVS3OVPReg);
  ShowPosition(cmbOVP[1], mOVP[1].Decode(v));
  ShowPosition(cmbVS3Debounce, mVS3Debounce.Decode(v));
  ShowPosition(cmbUVP, mUVP.Decode(Read(kVS1UVPReg)));
  for (size_t i = 0; i < cmbTrim.size(); ++i) {
    ShowPosition(cmbTrim[i], mTrim[i].Decode(Read(kFirstTrimReg + static_cast<int>(i))));
  }
}

void frmVoltageSense::cmbTrim_Click(int Index) {
  const auto i = static_cast<size_t>(Index);
  Write(kFirstTrimReg + Index, mTrim[i].Encode(ShownNumber(cmbTrim[i])));
}

void frmVoltageSense::cmbVS3Trim_Click() {
  Write(kOutputTrimReg, mOutputTrim.Encode(ShownPosition(cmbVS3Trim)));
}

void frmVoltageSense::cmdApply_Click() {
  // Built from nothing: the bits outside the fields are written as 0.
  Write(kVS1OVPReg, mOVP[0].Encode(ShownPosition(cmbOVP[0])) | mVS1Debounce.Encode(ShownPosition(cmbVS1Debounce)));
  Write(kVS3OVPReg, mOVP[1].Encode(ShownPosition(cmbOVP[1])) | mVS3Debounce.Encode(ShownPosition(cmbVS3Debounce)));
  Write(kVS1UVPReg, mUVP.Encode(ShownPosition(cmbUVP)));
}

void frmVoltageSense::DisplayValues() {
  const DeviceInfo* record = Record();
  if (!record) return;
  lblVS1Val->SetCaption(Volts(record->VS1));
  lblVS2Val->SetCaption(Volts(record->VS2));
  lblVS3Val->SetCaption(Volts(record->VS3));
  const QString trim = cmbVS3Trim->Text();
  const auto share = static_cast<float>(numtext::Val(trim.left(trim.indexOf(QLatin1Char('%')))) / 100);
  lblOutputVal->SetCaption(Volts(share * record->VS3));
}
