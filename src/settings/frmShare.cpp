#include "frmShare.h"

#include "pagekit/ListControls.h"

using namespace pagekit;

void frmShare::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("Analog Share Bus"), 6720, 5205);
  fraShare = forms::Make<forms::Frame>(client, QStringLiteral("fraShare"), 120, 120, 6360, 3480,
                                       QStringLiteral("Analog Share Bus Settings"));
  const RowGrid grid{240, 3000, 3450, 2550, 450, 600};
  cmbOffset = AddListRow(fraShare, grid, 0, QStringLiteral("cmbOffset"), QStringLiteral("Share Bus Offset Trim"));
  cmbSlope = AddListRow(fraShare, grid, 1, QStringLiteral("cmbSlope"), QStringLiteral("Share Slope Trim"));
  cmbBandwidth = AddListRow(fraShare, grid, 2, QStringLiteral("cmbBandwidth"), QStringLiteral("Share Bus Bandwidth"));
  cmbCapture = AddListRow(fraShare, grid, 3, QStringLiteral("cmbCapture"), QStringLiteral("Share Bus Voltage Capture"),
                          mCapture.Items());
  chkEnableShare =
      AddCheckRow(fraShare, grid, 4, QStringLiteral("chkEnableShare"), QStringLiteral("Enable Analog Share Bus"));

  AddButtons(RowEndingAt(120 + 6360, 3960), Closing::Cancel);

  FillList(cmbOffset, mOffset.Items());
  FillList(cmbSlope, mSlope.Items());
  FillList(cmbBandwidth, mBandwidth.Items());
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
