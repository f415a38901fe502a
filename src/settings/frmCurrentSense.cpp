#include "frmCurrentSense.h"

#include "pagekit/ListControls.h"

using namespace pagekit;
using namespace currentsense;

namespace {

const QString kCS1 = QStringLiteral("CS1");

}  // namespace

void frmCurrentSense::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("Current Sense"), 7935, 7380);
  const RowGrid grid{240, 3150, 3480, 2400, 420, 510};
  fraCS1 = forms::Make<forms::Frame>(client, QStringLiteral("fraCS1"), 120, 120, 6180, 1980,
                                     QStringLiteral("CS1 Settings"));
  cmbGainCal[0] =
      AddListRow(fraCS1, grid, 0, QStringLiteral("cmbGainCal(0)"), QStringLiteral("CS1 Gain Trim"), mCS1Gain.Items());
  cmbCS[0] = AddListRow(fraCS1, grid, 1, QStringLiteral("cmbCS(0)"), QStringLiteral("CS1 Over-current Limit"),
                        mCS1Limit.Items());
  cmbDelay =
      AddListRow(fraCS1, grid, 2, QStringLiteral("cmbDelay"), QStringLiteral("CS1 Fast OCP Delay"), mDelay.Items());

  fraCS2 = forms::Make<forms::Frame>(client, QStringLiteral("fraCS2"), 120, 2220, 6180, 1980,
                                     QStringLiteral("CS2 Settings"));
  cmbGainCal[1] =
      AddListRow(fraCS2, grid, 0, QStringLiteral("cmbGainCal(1)"), QStringLiteral("CS2 Gain Trim"), mCS2Gain.Items());
  cmbOffsetCal = AddListRow(fraCS2, grid, 1, QStringLiteral("cmbOffsetCal"), QStringLiteral("CS2 Offset Trim"),
                            mCS2Offset.Items());
  cmbCS[1] = AddListRow(fraCS2, grid, 2, QStringLiteral("cmbCS(1)"), QStringLiteral("CS2 Over-current Limit"),
                        mCS2Limit.Items());

  fraOCP = forms::Make<forms::Frame>(client, QStringLiteral("fraOCP"), 120, 4320, 6180, 2490,
                                     QStringLiteral("OCP Settings"));
  cmbOCPBandWidth = AddListRow(fraOCP, grid, 0, QStringLiteral("cmbOCPBandWidth"), QStringLiteral("OCP Bandwidth"),
                               mOCPBandwidth.Items());
  chkFoldback =
      AddCheckRow(fraOCP, grid, 1, QStringLiteral("chkFoldback"), QStringLiteral("Enable Constant Current Foldback"));
  cmbCCSource = AddListRow(fraOCP, grid, 2, QStringLiteral("cmbCCSource"),
                           QStringLiteral("Constant Current mode source"), CCSourceItems());
  cmbOCPOffDelay = AddListRow(fraOCP, grid, 3, QStringLiteral("cmbOCPOffDelay"), QStringLiteral("OCP Off Delay"),
                              mOCPOffDelay.Items());

  // A column beside the frames.
  AddButtons({6420, 240, 0, 480}, Closing::Cancel);

}

void frmCurrentSense::SetupFormAfterLoad() {
  ShowPosition(cmbGainCal[0], mCS1Gain.Decode(Read(kCS1GainReg)));
  int v = Read(kCS1LimitReg);
  ShowPosition(cmbCS[0], mCS1Limit.Decode(v));
  // Delay codes 6 and 7 have no item: the list keeps what it showed.
  ShowPosition(cmbDelay, mDelay.Decode(v));
  ShowPosition(cmbGainCal[1], mCS2Gain.Decode(Read(kCS2GainReg)));
  ShowPosition(cmbCS[1], mCS2Limit.Decode(Read(kCS2LimitReg)));
  // Offsets above 63 have no item either.
  ShowPosition(cmbOffsetCal, mCS2Offset.Decode(Read(kCS2OffsetReg)));
  v = Read(kOCPReg);
  ShowPosition(cmbOCPBandWidth, mOCPBandwidth.Decode(v));
  chkFoldback->SetValue(kFoldback.Get(v));
  cmbCCSource->SetText(kCCFromCS1.Get(v) ? kCS1 : QStringLiteral("CS2"));
  ShowPosition(cmbOCPOffDelay, mOCPOffDelay.Decode(v));
}

void frmCurrentSense::cmdApply_Click() {
  // Bits 2:0 of 0x21 are not this page's: they go back as the chip holds them.
  Write(kCS1GainReg, mCS1Gain.Put(Read(kCS1GainReg), ShownNumber(cmbGainCal[0])));
  Write(kCS1LimitReg, mCS1Limit.Encode(ShownPosition(cmbCS[0])) | mDelay.Encode(ShownPosition(cmbDelay)));
  Write(kCS2GainReg, mCS2Gain.Encode(ShownNumber(cmbGainCal[1])));
  Write(kCS2OffsetReg, mCS2Offset.Encode(ShownNumber(cmbOffsetCal)));
  Write(kCS2LimitReg, mCS2Limit.Encode(ShownPosition(cmbCS[1])));
  Write(kOCPReg, mOCPBandwidth.Encode(ShownPosition(cmbOCPBandWidth)) | kFoldback.Place(chkFoldback->Value()) |
                     kCCFromCS1.Place(cmbCCSource->Text() == kCS1 ? 1 : 0) |
                     mOCPOffDelay.Encode(ShownPosition(cmbOCPOffDelay)));
}
