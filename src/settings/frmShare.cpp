#include "frmShare.h"

#include "ListTexts.h"
#include "model/NumberText.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"

using namespace pagekit;
using namespace settings;

void frmShare::Form_Load() {
  SetCaption(QStringLiteral("Analog Share Bus"));
  SetSize(6720, 5205);
  CenterInMainForm(*this);

  QWidget* client = Client();
  fraShare = forms::Make<forms::Frame>(client, QStringLiteral("fraShare"), 120, 120, 6360, 3480,
                                       QStringLiteral("Analog Share Bus Settings"));
  const RowGrid grid{240, 3000, 3450, 2550, 450, 600};
  cmbOffset = AddListRow(fraShare, grid, 0, QStringLiteral("cmbOffset"), QStringLiteral("Share Bus Offset Trim"));
  cmbSlope = AddListRow(fraShare, grid, 1, QStringLiteral("cmbSlope"), QStringLiteral("Share Slope Trim"));
  cmbBandwidth = AddListRow(fraShare, grid, 2, QStringLiteral("cmbBandwidth"), QStringLiteral("Share Bus Bandwidth"));
  cmbCapture = AddListRow(fraShare, grid, 3, QStringLiteral("cmbCapture"), QStringLiteral("Share Bus Voltage Capture"));
  FillList(cmbCapture, share::CaptureItems());
  chkEnableShare =
      AddCheckRow(fraShare, grid, 4, QStringLiteral("chkEnableShare"), QStringLiteral("Enable Analog Share Bus"));

  const int top = 3960;
  const int right = 120 + 6360;
  const ButtonRow buttons = AddOkApplyCloseRow(
      client, right, top, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), [this] { cmdOK_Click(); },
      [this] { cmdApply_Click(); }, [this] { cmdCancel_Click(); });
  cmdOK = buttons.ok;
  cmdApply = buttons.apply;
  cmdCancel = buttons.close;
  SetCancelButton(cmdCancel);

  for (int i = 0; i <= 255; ++i) {
    cmbOffset->AddItem(numtext::Plain(i));
    cmbSlope->AddItem(numtext::Plain(i));
  }
  FillList(cmbBandwidth, ShareBandwidthItems());
}

void frmShare::SetupFormAfterLoad() {
  ShowPosition(cmbOffset, mOffset.Decode(Read(share::kOffsetReg)));
  ShowPosition(cmbSlope, mSlope.Decode(Read(share::kSlopeReg)));
  const int v = Read(share::kSettingReg);
  ShowPosition(cmbBandwidth, mBandwidth.Decode(v));
  ShowPosition(cmbCapture, mCapture.Decode(v));
  chkEnableShare->SetValue(share::kEnable.Get(v));
}

void frmShare::cmdApply_Click() {
  Write(share::kOffsetReg, mOffset.Encode(ShownNumber(cmbOffset)));
  Write(share::kSlopeReg, mSlope.Encode(ShownNumber(cmbSlope)));
  // Rebuilt from nothing: every bit of the register belongs to this page.
  Write(share::kSettingReg, mBandwidth.Encode(ShownPosition(cmbBandwidth)) |
                                mCapture.Encode(ShownPosition(cmbCapture)) |
                                share::kEnable.Place(chkEnableShare->Value()));
}

void frmShare::cmdOK_Click() {
  cmdApply_Click();
  Unload();
}

void frmShare::cmdCancel_Click() { Unload(); }
