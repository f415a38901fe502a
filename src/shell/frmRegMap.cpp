#include "frmRegMap.h"

#include <QTreeWidget>

#include "FormStuff.h"
#include "RegisterMapLogic.h"
#include "SingleWindows.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "model/RegisterTable.h"
#include "platform/ui/Seams.h"

namespace {


const QString kRootKey = QStringLiteral("Register Map");

// Bit display: eight columns, the second row fixed, the first row moving with the width.
constexpr int kBitLeft = 510;
constexpr int kColumnStep = 480;
constexpr int kBitWidth = 255;
constexpr int kInfoWidth = 375;
constexpr int kLabelHeight = 285;
constexpr int kSecondRowBitTop = 960;
constexpr int kSecondRowInfoTop = 1320;

int ColumnLeft(int column) { return kBitLeft + kColumnStep * column; }
int InfoLeft(int column) { return ColumnLeft(column) + (kBitWidth - kInfoWidth) / 2; }

}  // namespace

void frmRegMap::Form_Load() {
  SetCaption(QStringLiteral("RegisterAccess"));
  SetSize(9285, 7950);
  CenterInMainForm(*this);
  MakeControls();
  BuildRegisterTable();
  BuildRegisterMapTree();
  cmbDevAddr->AddItem(numtext::Hex(DeviceAddress(0)) + QLatin1Char('h'));
  if (HasSecondChip()) cmbDevAddr->AddItem(numtext::Hex(DeviceAddress(1)) + QLatin1Char('h'));
  if (cmbDevAddr->ListCount() > 0) cmbDevAddr->SetText(cmbDevAddr->List(0));
  SetBitDisplayWidth(8);
  chkDisablePolling->SetValue(gPollingDisabled ? 1 : 0);
  gRegMapOpen = true;
}

void frmRegMap::MakeControls() {
  using forms::Make;
  QWidget* client = Client();

  TreeView1 = Make<QTreeWidget>(client, QStringLiteral("TreeView1"), 120, 120, 3975, 7200);
  TreeView1->setHeaderHidden(true);
  TreeView1->setColumnCount(1);
  QObject::connect(TreeView1.data(), &QTreeWidget::itemClicked,
                   [this](QTreeWidgetItem* item, int) { TreeView1_NodeClick(item); });

  constexpr int kCaptionLeft = 4320;
  constexpr int kFieldLeft = 5880;
  constexpr int kFieldWidth = 1095;
  // Row i of the column: its caption "Label<i+1>", then the top of its field.
  const auto row = [client](int i, const char* caption) {
    Make<forms::Label>(client, QStringLiteral("Label%1").arg(i + 1), kCaptionLeft, 165 + 420 * i, 1500, 255,
                       QString::fromLatin1(caption));
    return 120 + 420 * i;
  };
  cmbDevAddr = Make<forms::ComboBox>(client, QStringLiteral("cmbDevAddr"), kFieldLeft, row(0, "Device Address"),
                                     kFieldWidth, 330);
  txtAddrPtr = Make<forms::TextBox>(client, QStringLiteral("txtAddrPtr"), kFieldLeft, row(1, "Address Pointer"),
                                    kFieldWidth, 330);
  txtWrite = Make<forms::TextBox>(client, QStringLiteral("txtWrite"), kFieldLeft, row(2, "Data Out"), kFieldWidth, 330);
  lblRead = Make<forms::Label>(client, QStringLiteral("lblRead"), kFieldLeft, row(3, "Data In"), kFieldWidth, 330);
  lblRead->setFrameShape(QFrame::Panel);
  lblRead->setFrameShadow(QFrame::Sunken);
  lblRead->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblRead->setIndent(4);

  constexpr int kButtonLeft = 7320;
  constexpr int kButtonWidth = 1575;
  cmdRead = Make<forms::CommandButton>(client, QStringLiteral("cmdRead"), kButtonLeft, 120, kButtonWidth, 375,
                                       QStringLiteral("Read"));
  cmdRead->onClick = [this] { cmdRead_Click(); };
  cmdWrite = Make<forms::CommandButton>(client, QStringLiteral("cmdWrite"), kButtonLeft, 600, kButtonWidth, 375,
                                        QStringLiteral("Write"));
  cmdWrite->onClick = [this] { cmdWrite_Click(); };
  cmdClose = Make<forms::CommandButton>(client, QStringLiteral("cmdClose"), kButtonLeft, 1080, kButtonWidth, 375,
                                        QStringLiteral("Close"));
  cmdClose->onClick = [this] { cmdClose_Click(); };
  SetCancelButton(cmdClose);

  chkContRead = Make<forms::CheckBox>(client, QStringLiteral("chkContRead"), kCaptionLeft, 1920, 2160, 285,
                                      QStringLiteral("Continuous Read"));
  chkDisablePolling = Make<forms::CheckBox>(client, QStringLiteral("chkDisablePolling"), 6720, 1920, 2160, 285,
                                            QStringLiteral("Disable Polling"));
  chkDisablePolling->onClick = [this] { chkDisablePolling_Click(); };

  auto* details = Make<forms::Frame>(client, QStringLiteral("fraDetails"), kCaptionLeft, 2400, 4575, 2295,
                                     QStringLiteral("Register Details"));
  Make<forms::Label>(details, QStringLiteral("Label5"), 240, 360, 1200, 255, QStringLiteral("Name:"));
  lblRegDescription = Make<forms::Label>(details, QStringLiteral("lblRegDescription"), 1440, 360, 3015, 495);
  Make<forms::Label>(details, QStringLiteral("Label6"), 240, 900, 1200, 255, QStringLiteral("Address:"));
  lblCurrentAddr = Make<forms::Label>(details, QStringLiteral("lblCurrentAddr"), 1440, 900, 1500, 255);
  Label9 = Make<forms::Label>(details, QStringLiteral("Label9"), 240, 1380, 2760, 255,
                              QStringLiteral("Current value (Hex)"));
  lblHexVal = Make<forms::Label>(details, QStringLiteral("lblHexVal"), 3120, 1380, 1335, 255);
  Label10 = Make<forms::Label>(details, QStringLiteral("Label10"), 240, 1800, 2760, 255,
                               QStringLiteral("Current value (Dec)"));
  lblDecVal = Make<forms::Label>(details, QStringLiteral("lblDecVal"), 3120, 1800, 1335, 255);
  forms::SetPointSize(lblRegDescription, lblRegDescription->font().pointSizeF(), true);
  for (forms::Label* value : {lblCurrentAddr.data(), lblHexVal.data(), lblDecVal.data()}) {
    forms::SetPointSize(value, value->font().pointSizeF(), true);
  }

  auto* frame = Make<forms::Frame>(client, QStringLiteral("fraBits"), kCaptionLeft, 4920, 4575, 1920,
                                   QStringLiteral("Bit Display"));
  // The designed tops count from a caption on the border line; here the caption
  // stands above the border, so the bits get a panel of their own below it.
  auto* bits = Make<QWidget>(frame, QStringLiteral("picBits"), 0, 120, 4575, 1800);
  for (int i = 0; i < 16; ++i) {
    const int column = i < 8 ? 7 - i : 15 - i;
    lblBit[i] = Make<BitLabel>(bits, forms::Indexed("lblBit", i), ColumnLeft(column), kSecondRowBitTop,
                               kBitWidth, kLabelHeight);
    lblBit[i]->SetCaption(QStringLiteral("0"));
    forms::SetPointSize(lblBit[i], 11, true);
    lblBit[i]->SetForeColor(i >= 8 && i <= 11 ? Qt::darkGray : Qt::blue);
    lblBit[i]->onClick = [this, i] { lblBit_Click(i); };
  }
  for (int i = 0; i < 16; ++i) {
    lblInfo[i] = Make<forms::Label>(bits, forms::Indexed("lblInfo", i), InfoLeft(i % 8), kSecondRowInfoTop,
                                    kInfoWidth, 255);
    lblInfo[i]->setWordWrap(false);
    lblInfo[i]->setAlignment(Qt::AlignCenter);
  }
}

void BuildRegisterMapTree() {
  QTreeWidget* tree = RegMapForm().TreeView1;
  if (!tree) return;
  tree->clear();
  tree->setIndentation(forms::ToPixels(200));
  auto* root = new QTreeWidgetItem(tree, QStringList(kRootKey));
  root->setData(0, Qt::UserRole, kRootKey);
  root->setForeground(0, Qt::red);
  for (int i = 0; i < kRegisterCount; ++i) {
    const QString& name = gRegTable[i].Name;
    if (name == kReservedName) continue;
    auto* node = new QTreeWidgetItem(root, QStringList(name));
    node->setData(0, Qt::UserRole, RegisterNodeKey(name, i));
    node->setForeground(0, Qt::blue);
  }
  root->setExpanded(true);
}

int32_t frmRegMap::ChipAddress() const { return cmbDevAddr ? numtext::HexVal(cmbDevAddr->Text()) : 0; }
int32_t frmRegMap::AddressPointer() const { return txtAddrPtr ? numtext::HexVal(txtAddrPtr->Text()) : 0; }

void frmRegMap::TreeView1_NodeClick(QTreeWidgetItem* Node) {
  if (!Node || !IsLoaded()) return;
  const QString key = Node->data(0, Qt::UserRole).toString();
  int32_t address = 0;
  // The root's key has no address part: a click on it changes nothing.
  if (!AddressFromNodeKey(key, address)) return;
  for (int i = 0; i < kRegisterCount; ++i) {
    if (gRegTable[i].Address != address) continue;
    lblRegDescription->SetCaption(NameFromNodeKey(key));
    lblCurrentAddr->SetCaption(numtext::Hex(address) + QLatin1Char('h'));
    txtAddrPtr->SetText(numtext::Hex(address) + QLatin1Char('h'));
    SetBitDisplayWidth(IsReadingRegister(address) ? 16 : 8);
    cmdRead_Click();
    return;
  }
}

bool frmRegMap::AddressPointerInRange() const {
  // Masking a larger address would reach a different, real register.
  if (AddressPointer() <= 0xFF) return true;
  ui::MsgBox(QStringLiteral("Register address must be between 00h and FFh."), ui::vbOKOnly | ui::vbExclamation);
  return false;
}

void frmRegMap::cmdRead_Click() {
  if (!IsLoaded() || !AddressPointerInRange()) return;
  ReadAddressPointer();
}

void frmRegMap::ContinuousRead() {
  // A message every half second would bury the window; the user hears of it on Read or Write.
  if (IsLoaded() && AddressPointer() <= 0xFF) ReadAddressPointer();
}

void frmRegMap::ReadAddressPointer() {
  const int32_t chip = ChipAddress();
  const int32_t address = AddressPointer();
  const int32_t b1 = ReadRegister(chip, address);
  int32_t value;
  if (IsReadingRegister(address)) {
    SetBitDisplayWidth(16);
    const int32_t b2 = ReadRegister(chip, address);
    value = ReadingValue(address, b1, b2);
    lblRead->SetCaption(QString());
    const bool wide = Is16BitRegister(address);
    // A 12-bit reading fills bits 15 to 4 of the display.
    ShowRegisterBits(wide ? value : value * 16, address);
    Label9->SetCaption(wide ? QStringLiteral("Current 16-bit value (Hex)") : QStringLiteral("Current 12-bit value (Hex)"));
    Label10->SetCaption(wide ? QStringLiteral("Current 16-bit value (Dec)") : QStringLiteral("Current 12-bit value (Dec)"));
  } else {
    SetBitDisplayWidth(8);
    value = b1;
    lblRead->SetCaption(numtext::Hex(b1));
    ShowRegisterBits(value, address);
    Label9->SetCaption(QStringLiteral("Current value (Hex)"));
    Label10->SetCaption(QStringLiteral("Current value (Dec)"));
  }
  lblHexVal->SetCaption(numtext::Hex(value) + QLatin1Char('h'));
  lblDecVal->SetCaption(numtext::Plain(value));
}

void frmRegMap::cmdWrite_Click() {
  if (!IsLoaded() || !AddressPointerInRange()) return;
  int32_t data = 0;
  // The chip takes one byte; a text that names none must not reach it as some other value.
  if (!DataByteFromText(txtWrite->Text(), data)) {
    ui::MsgBox(QStringLiteral("Data must be between 00h and FFh."), ui::vbOKOnly | ui::vbExclamation);
    return;
  }
  WriteRegister(ChipAddress(), AddressPointer(), data);
  ReadAddressPointer();
}

void frmRegMap::lblBit_Click(int Index) {
  if (!IsLoaded() || Index < 0 || Index >= 8 || IsReadingRegister(AddressPointer())) return;
  if (!AddressPointerInRange()) return;
  BitLabel* bit = lblBit[Index];
  bit->SetCaption(bit->Caption() == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("0"));
  QStringList captions;
  for (int i = 0; i < 8; ++i) captions << lblBit[i]->Caption();
  txtWrite->SetText(numtext::Hex(ByteFromBitCaptions(captions)));
  cmdWrite_Click();
}

void frmRegMap::ShowRegisterBits(int32_t value, int32_t address) {
  const bool reading = IsReadingRegister(address);
  for (int i = 0; i < 16; ++i) {
    const int bit = BitShownByLabel(i, reading);
    if (bit < 0) continue;
    lblBit[i]->SetCaption((value >> bit) & 1 ? QStringLiteral("1") : QStringLiteral("0"));
  }
}

void frmRegMap::SetBitDisplayWidth(int bits) {
  const bool wide = bits == 16;
  for (int k = 0; k < 8; ++k) {
    forms::PlaceAt(lblBit[7 - k], ColumnLeft(k), wide ? 240 : 600);
    forms::PlaceAt(lblInfo[k], InfoLeft(k), wide ? 600 : 960);
    lblInfo[k]->SetCaption(numtext::Plain(wide ? 15 - k : 7 - k));
    lblInfo[8 + k]->SetCaption(wide ? numtext::Plain(7 - k) : QStringLiteral("-"));
  }
  for (int i = 8; i < 16; ++i) {
    lblBit[i]->setVisible(wide);
    lblInfo[i]->setVisible(wide);
  }
  if (!wide) return;
  const int32_t address = AddressPointer();
  // Bits 3 to 0 of a 12-bit reading hold nothing: shown grey.
  if (Is16BitRegister(address)) {
    for (int i = 8; i <= 11; ++i) lblBit[i]->SetForeColor(Qt::blue);
  } else if (IsReadingRegister(address)) {
    for (int i = 8; i <= 11; ++i) lblBit[i]->SetForeColor(Qt::darkGray);
  }
}

void frmRegMap::chkDisablePolling_Click() {
  if (chkDisablePolling) gPollingDisabled = chkDisablePolling->Value() == 1;
}

void frmRegMap::cmdClose_Click() { Unload(); }

bool frmRegMap::ContinuousReadTicked() const { return chkContRead && chkContRead->Value() == 1; }

void frmRegMap::Form_Unload() { gRegMapOpen = false; }
