#pragma once
// The register map: every named register in a tree, read as a byte or a
// reading, its bits shown and toggled, written, and re-read continuously.

#include <QPointer>
#include <array>
#include <cstdint>

#include "BitLabel.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class QTreeWidget;
class QTreeWidgetItem;

class frmRegMap : public forms::Form {
 public:
  frmRegMap() : forms::Form(forms::WindowKind::Child) {}

  void cmdRead_Click();
  // The master timer's read every 0.5 s while "Continuous Read" is ticked; an
  // address outside the register range is skipped without a message.
  void ContinuousRead();
  void cmdWrite_Click();
  void cmdClose_Click();
  void lblBit_Click(int Index);
  void TreeView1_NodeClick(QTreeWidgetItem* Node);
  void chkDisablePolling_Click();
  // "Continuous Read" ticked.
  bool ContinuousReadTicked() const;

  QPointer<QTreeWidget> TreeView1;
  QPointer<forms::ComboBox> cmbDevAddr;
  QPointer<forms::TextBox> txtAddrPtr;
  QPointer<forms::TextBox> txtWrite;
  QPointer<forms::Label> lblRead;
  QPointer<forms::CommandButton> cmdRead;
  QPointer<forms::CommandButton> cmdWrite;
  QPointer<forms::CommandButton> cmdClose;
  QPointer<forms::CheckBox> chkContRead;
  QPointer<forms::CheckBox> chkDisablePolling;
  QPointer<forms::Label> lblRegDescription;
  QPointer<forms::Label> lblCurrentAddr;
  QPointer<forms::Label> Label9;
  QPointer<forms::Label> Label10;
  QPointer<forms::Label> lblHexVal;
  QPointer<forms::Label> lblDecVal;
  std::array<QPointer<BitLabel>, 16> lblBit;
  std::array<QPointer<forms::Label>, 16> lblInfo;

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void MakeControls();
  void ShowRegisterBits(int32_t value, int32_t address);
  void SetBitDisplayWidth(int bits);
  int32_t ChipAddress() const;
  int32_t AddressPointer() const;
  // False, after telling the user, when the typed address names no register byte.
  bool AddressPointerInRange() const;
  void ReadAddressPointer();
};

// Fills the tree of the register map window with every named register.
void BuildRegisterMapTree();
