#include "frmGeneral.h"

#include "pagekit/ListControls.h"

using namespace pagekit;
using namespace general;

void frmGeneral::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("General Settings"), 8640, 4725);
  const RowGrid wide{150, 2370, 2580, 2400, 390, 480};
  fraTemperature = forms::Make<forms::Frame>(client, QStringLiteral("fraTemperature"), 90, 120, 5100, 1860,
                                             QStringLiteral("Temperature"));
  cmbLinearize = AddListRow(fraTemperature, wide, 0, QStringLiteral("cmbLinearize"), QStringLiteral("Linearization"),
                            mLinearize.Items());
  cmbThermistorVal = AddListRow(fraTemperature, wide, 1, QStringLiteral("cmbThermistorVal"),
                                QStringLiteral("Nominal Thermistor Value"), mThermistor.Items());
  cmbOTPThreshold = AddListRow(fraTemperature, wide, 2, QStringLiteral("cmbOTPThreshold"),
                               QStringLiteral("OTP Threshold"), mOTPThreshold.Items());

  fraPolarity = forms::Make<forms::Frame>(client, QStringLiteral("fraPolarity"), 90, 2100, 5100, 1860,
                                          QStringLiteral("Pin Polarity"));
  cmbPSONPol =
      AddListRow(fraPolarity, wide, 0, QStringLiteral("cmbPSONPol"), QStringLiteral("PSON Polarity"), mPSONPol.Items());
  cmbGate = AddListRow(fraPolarity, wide, 1, QStringLiteral("cmbGate"), QStringLiteral("Gate Polarity"), mGate.Items());
  cmbPGOOD =
      AddListRow(fraPolarity, wide, 2, QStringLiteral("cmbPGOOD"), QStringLiteral("PGOOD Polarity"), mPGOOD.Items());

  const RowGrid narrow{120, 960, 1110, 1890, 390, 480};
  fraPSON = forms::Make<forms::Frame>(client, QStringLiteral("fraPSON"), 5310, 120, 3120, 1380,
                                      QStringLiteral("PSOn/Soft Start"));
  cmbPSON = AddListRow(fraPSON, narrow, 0, QStringLiteral("cmbPSON"), QStringLiteral("PS ON"), mPSON.Items());
  cmbSoftStart =
      AddListRow(fraPSON, narrow, 1, QStringLiteral("cmbSoftStart"), QStringLiteral("Soft Start"), mSoftStart.Items());

  fraSyncRect = forms::Make<forms::Frame>(client, QStringLiteral("fraSyncRect"), 5310, 1620, 3120, 930,
                                          QStringLiteral("Sync Rect Off"));
  cmbSyncRectOff = forms::Make<forms::ComboBox>(fraSyncRect, QStringLiteral("cmbSyncRectOff"), 150, 390, 1650,
                                                kListHeight);
  FillList(cmbSyncRectOff, mSyncRectOff.Items());

  // Never shown: the choice only carries the chip's value from set-up to Apply.
  fraSwitchFreq = forms::Make<forms::Frame>(client, QStringLiteral("fraSwitchFreq"), 5310, 2670, 3120, 930,
                                            QStringLiteral("Switching Frequency"));
  cmbSwitchFreq = forms::Make<forms::ComboBox>(fraSwitchFreq, QStringLiteral("cmbSwitchFreq"), 150, 390, 1650,
                                               kListHeight);
  FillList(cmbSwitchFreq, mSwitchFreq.Items());
  fraSwitchFreq->hide();

  // Narrower than the kit's, to fit under the right-hand frames.
  constexpr int kWidth = 960, kGap = 120;
  AddButtons({5310, 3570, kWidth + kGap, 0, kWidth}, Closing::Cancel);
}

void frmGeneral::SetupFormAfterLoad() {
  int v = Read(kTemperatureReg);
  ShowPosition(cmbLinearize, mLinearize.Decode(v));
  ShowPosition(cmbThermistorVal, mThermistor.Decode(v));
  ShowPosition(cmbOTPThreshold, mOTPThreshold.Decode(v));
  v = Read(kPSONReg);
  ShowPosition(cmbPSON, mPSON.Decode(v));
  ShowPosition(cmbSoftStart, mSoftStart.Decode(v));
  v = Read(kPolarityReg);
  ShowPosition(cmbPGOOD, mPGOOD.Decode(v));
  ShowPosition(cmbGate, mGate.Decode(v));
  ShowPosition(cmbPSONPol, mPSONPol.Decode(v));
  // Frequency codes 12 to 15 and a sync-rectifier code of 7 have no item: those lists keep what they showed.
  ShowPosition(cmbSwitchFreq, mSwitchFreq.Decode(Read(kSwitchFreqReg)));
  ShowPosition(cmbSyncRectOff, mSyncRectOff.Decode(Read(kSyncRectReg)));
}

void frmGeneral::cmdApply_Click() {
  // Built from nothing: bits 7:6 are written as 0.
  Write(kTemperatureReg, mLinearize.Encode(ShownPosition(cmbLinearize)) |
                             mThermistor.Encode(ShownPosition(cmbThermistorVal)) |
                             mOTPThreshold.Encode(ShownPosition(cmbOTPThreshold)));

  // The others are read first, so the bits outside the page's fields go back as the chip holds them.
  int v = Read(kPSONReg);
  v = mPSON.Put(v, ShownPosition(cmbPSON));
  Write(kPSONReg, mSoftStart.Put(v, ShownPosition(cmbSoftStart)));

  v = Read(kPolarityReg);
  v = mPGOOD.Put(v, ShownPosition(cmbPGOOD));
  v = mGate.Put(v, ShownPosition(cmbGate));
  Write(kPolarityReg, mPSONPol.Put(v, ShownPosition(cmbPSONPol)));

  Write(kSwitchFreqReg, mSwitchFreq.Put(Read(kSwitchFreqReg), ShownPosition(cmbSwitchFreq)));
  Write(kSyncRectReg, mSyncRectOff.Put(Read(kSyncRectReg), ShownPosition(cmbSyncRectOff)));
}
