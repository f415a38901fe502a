#include "frmOrFET.h"

#include "OrFETPicture.h"
#include "pagekit/ListControls.h"
#include "pagekit/PageLayout.h"

using namespace pagekit;
using namespace orfet;

void frmOrFET::Form_Load() {
  QWidget* client = OpenWindow(QStringLiteral("OrFET Control"), 7440, 5850);
  fraReverse = forms::Make<forms::Frame>(client, QStringLiteral("fraReverse"), 120, 120, 4860, 3990,
                                         QStringLiteral("Reverse Voltage Settings"));
  const RowGrid grid{180, 2790, 3030, 1620, 480, 600};
  cmbReverseOff = AddListRow(fraReverse, grid, 0, QStringLiteral("cmbReverseOff"),
                             QStringLiteral("Reverse Voltage Off Threshold"), ReverseOffItems());
  cmbReverseOn = AddListRow(fraReverse, grid, 1, QStringLiteral("cmbReverseOn"),
                            QStringLiteral("Forward Voltage On Threshold"), ForwardOnItems());
  cmbFilter = AddListRow(fraReverse, grid, 2, QStringLiteral("cmbFilter"), QStringLiteral("Comparator Bandwidth"),
                         FilterItems());
  chkBypassOff =
      AddCheckRow(fraReverse, grid, 3, QStringLiteral("chkBypassOff"), QStringLiteral("Enable Reverse Voltage Off"));
  chkBypassOn =
      AddCheckRow(fraReverse, grid, 4, QStringLiteral("chkBypassOn"), QStringLiteral("Enable Forward Voltage On"));
  chkReverseCurrent =
      AddCheckRow(fraReverse, grid, 5, QStringLiteral("chkReverseCurrent"), QStringLiteral("Reverse Current"));

  Picture1 = AddPicture(client, QStringLiteral("Picture1"), 5100, 210, 2100, 3900);
  DrawOrFETPicture(*Picture1);

  // Every change is already on the chip: OK and Close only close the page, Apply does nothing.
  AddButtons(RowEndingAt(5100 + 2100, 4440), Closing::Close);

  cmbReverseOff->onClick = [this] { cmbReverseOff_Click(); };
  cmbReverseOn->onClick = [this] { cmbReverseOn_Click(); };
  cmbFilter->onClick = [this] { cmbFilter_Click(); };
  chkBypassOff->onClick = [this] { chkBypassOff_Click(); };
  chkBypassOn->onClick = [this] { chkBypassOn_Click(); };
}

void frmOrFET::SetupFormAfterLoad() {
  // Each control that changes here runs its handler, which writes the same value back.
  const int v = Read(kOrFETReg);
  ShowPosition(cmbReverseOff, kReverseOff.Get(v));
  ShowPosition(cmbReverseOn, kForwardOn.Get(v));
  ShowPosition(cmbFilter, kFilter.Get(v));
  chkBypassOff->SetValue(kReverseOffDisabled.Get(v) == 0);
  chkBypassOn->SetValue(kForwardOnDisabled.Get(v) == 0);
}

void frmOrFET::WriteField(BitField field, int code) { Write(kOrFETReg, field.Put(Read(kOrFETReg), code)); }

void frmOrFET::cmbReverseOff_Click() {
  const int position = ShownPosition(cmbReverseOff);
  if (position >= 0) WriteField(kReverseOff, position);
}

void frmOrFET::cmbReverseOn_Click() {
  const int position = ShownPosition(cmbReverseOn);
  if (position >= 0) WriteField(kForwardOn, position);
}

void frmOrFET::cmbFilter_Click() {
  const int position = ShownPosition(cmbFilter);
  if (position >= 0) WriteField(kFilter, position);
}

void frmOrFET::chkBypassOff_Click() { WriteField(kReverseOffDisabled, chkBypassOff->Value() ? 0 : 1); }

void frmOrFET::chkBypassOn_Click() { WriteField(kForwardOnDisabled, chkBypassOn->Value() ? 0 : 1); }
