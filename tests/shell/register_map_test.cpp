// The register map: register classes and decode, the tree, reads and writes
// with their exact bus traffic, the bit display and bit toggling, polling switch.

#include <QTest>
#include <cstdio>
#include <functional>
#include <QTimer>
#include <QTreeWidget>

#include "link/BoardLink.h"
#include "model/RegisterTable.h"
#include "platform/forms/Twips.h"
#include "platform/ui/Seams.h"
#include "shell/RegisterMapLogic.h"
#include "shell/SingleWindows.h"
#include "shell/frmRegMap.h"
#include "support/ShellFixture.h"

using Strings = std::vector<std::string>;

// ---- Register classes and decode -------------------------------------------------

TEST(RegisterClasses, ReadingsAre0x10To0x1AAnd16BitOnlyFourOfThem) {
  for (int a = 0; a <= 0x68; ++a) {
    EXPECT_EQ(IsReadingRegister(a), a >= 0x10 && a <= 0x1A) << std::hex << a;
    EXPECT_EQ(Is16BitRegister(a), a == 0x11 || a == 0x12 || a == 0x13 || a == 0x18) << std::hex << a;
  }
}

struct ReadingCase {
  int address, b1, b2, value;
  friend void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << std::hex << "reg 0x" << c.address << " bytes 0x" << c.b1 << ", 0x" << c.b2;
  }
};
class ReadingDecode : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingDecode, GivesTheShownValue) {
  const ReadingCase& c = GetParam();
  EXPECT_EQ(ReadingValue(c.address, c.b1, c.b2), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadingDecode,
    ::testing::Values(ReadingCase{0x11, 0x12, 0x34, 0x1234}, ReadingCase{0x18, 0xFF, 0xFF, 65535},
                      ReadingCase{0x14, 0x12, 0x38, 292},   // 291.5 goes to the even 292
                      ReadingCase{0x14, 0x12, 0x28, 290},   // 290.5 goes to the even 290
                      ReadingCase{0x10, 0x00, 0x18, 2},     // 1.5 -> 2
                      ReadingCase{0x1A, 0x00, 0x08, 0},     // .5 -> 0
                      ReadingCase{0x15, 0x00, 0x09, 1},     // .5625 -> 1
                      ReadingCase{0x19, 0xFF, 0xF0, 4095}, ReadingCase{0x16, 0xFF, 0xF8, 4096}));

TEST(BitLabels, ReadingShowsHighByteFirstRowByteShowsOnlyTheFirstEight) {
  for (int label = 0; label < 8; ++label) {
    EXPECT_EQ(BitShownByLabel(label, true), label + 8);
    EXPECT_EQ(BitShownByLabel(label + 8, true), label);
    EXPECT_EQ(BitShownByLabel(label, false), label);
    EXPECT_EQ(BitShownByLabel(label + 8, false), -1);
  }
}

TEST(BitLabels, EveryCaptionButZeroIsASetBit) {
  EXPECT_EQ(ByteFromBitCaptions({"1", "0", "0", "1", "0", "0", "0", "1"}), 0x89);
  EXPECT_EQ(ByteFromBitCaptions({"0", "0", "0", "0", "0", "0", "0", "0"}), 0);
  EXPECT_EQ(ByteFromBitCaptions({"", "0", "x", "0", "0", "0", "0", "0"}), 0x05);
}

TEST(TreeKeys, NameCommaHexAddressAndBack) {
  EXPECT_EQ(RegisterNodeKey("CS1 Gain Trim", 0x21), "CS1 Gain Trim,21");
  EXPECT_EQ(RegisterNodeKey("Fault 1", 0), "Fault 1,0");
  int32_t address = -1;
  ASSERT_TRUE(AddressFromNodeKey("Password Lock,68", address));
  EXPECT_EQ(address, 0x68);
  EXPECT_EQ(NameFromNodeKey("Password Lock,68"), "Password Lock");
  EXPECT_FALSE(AddressFromNodeKey("Register Map", address));
}

// ---- The window ---------------------------------------------------------------

namespace {

class RegisterMap : public support::ShellFixture {
 protected:
  frmRegMap& Open(const std::vector<int>& chips = {0x48}) {
    StartWithChips(chips);
    OpenMainWindow();
    gMainForm->Action("mnuRegMap")->trigger();
    ClearBus();
    return RegMapForm();
  }
  QTreeWidgetItem* Node(const QString& text) {
    QTreeWidgetItem* root = RegMapForm().TreeView1->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
      if (root->child(i)->text(0) == text) return root->child(i);
    }
    ADD_FAILURE() << "no node " << text.toStdString();
    return nullptr;
  }
  QString Bits(int from, int to) {  // captions of lblBit(from) down to lblBit(to)
    QString s;
    for (int i = from; i >= to; --i) s += RegMapForm().lblBit[i]->Caption();
    return s;
  }
  QPoint At(QWidget* w) { return w->pos(); }
  QPoint Twips(int left, int top) { return QPoint(forms::ToPixels(left), forms::ToPixels(top)); }
};

}  // namespace

TEST_F(RegisterMap, LoadSizesListsChipsAndSetsTheOpenFlag) {
  frmRegMap& map = Open({0x48, 0x4A});
  EXPECT_EQ(map.Caption(), "RegisterAccess");
  EXPECT_EQ(map.Width(), 9285);
  EXPECT_EQ(map.Height(), 7950);
  EXPECT_EQ(map.cmbDevAddr->ListCount(), 2);
  EXPECT_EQ(map.cmbDevAddr->List(1), "4Ah");
  EXPECT_EQ(map.cmbDevAddr->Text(), "48h");
  EXPECT_TRUE(gRegMapOpen);
  EXPECT_EQ(map.cmdRead->text(), "Read");
  EXPECT_EQ(map.chkContRead->text(), "Continuous Read");
  EXPECT_EQ(map.chkDisablePolling->text(), "Disable Polling");
  EXPECT_TRUE(Bus().empty());
  map.cmdClose->click();
  EXPECT_FALSE(gRegMapOpen);
  EXPECT_FALSE(map.IsLoaded());
}

TEST_F(RegisterMap, TreeHoldsEveryNamedRegisterInBlueUnderARedExpandedRoot) {
  frmRegMap& map = Open();
  QTreeWidget* tree = map.TreeView1;
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree->topLevelItem(0);
  EXPECT_EQ(root->text(0), "Register Map");
  EXPECT_EQ(root->data(0, Qt::UserRole).toString(), "Register Map");
  EXPECT_EQ(root->foreground(0).color(), QColor(255, 0, 0));
  EXPECT_TRUE(root->isExpanded());
  EXPECT_EQ(tree->indentation(), forms::ToPixels(200));
  QStringList expected;
  for (int i = 0; i < kRegisterCount; ++i) {
    if (gRegTable[i].Name != "Reserved") expected << gRegTable[i].Name + "," + QString::number(i, 16).toUpper();
  }
  ASSERT_EQ(root->childCount(), 101);
  for (int i = 0; i < root->childCount(); ++i) {
    EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(), expected[i]);
    EXPECT_EQ(root->child(i)->text(0), expected[i].section(',', 0, 0));
    EXPECT_EQ(root->child(i)->foreground(0).color(), QColor(0, 0, 255));
  }
  EXPECT_EQ(root->child(0)->data(0, Qt::UserRole).toString(), "Fault 1,0");
  EXPECT_EQ(root->child(root->childCount() - 1)->data(0, Qt::UserRole).toString(), "Password Lock,68");
}

TEST_F(RegisterMap, ClickingPasswordLockSelectsAndReads0x68) {
  frmRegMap& map = Open();
  Board().SetReg(0x48, 0x68, 0xA5);
  emit map.TreeView1->itemClicked(Node("Password Lock"), 0);
  EXPECT_EQ(Bus(), Strings{"read 0x68"});
  EXPECT_EQ(map.lblRegDescription->Caption(), "Password Lock");
  EXPECT_EQ(map.lblCurrentAddr->Caption(), "68h");
  EXPECT_EQ(map.txtAddrPtr->Text(), "68h");
  EXPECT_EQ(map.lblRead->Caption(), "A5");
  EXPECT_EQ(map.lblHexVal->Caption(), "A5h");
  EXPECT_EQ(map.lblDecVal->Caption(), "165");
  EXPECT_EQ(Bits(7, 0), "10100101");
}

TEST_F(RegisterMap, ClickingTheRootChangesNothing) {
  frmRegMap& map = Open();
  map.TreeView1_NodeClick(Node("CS1 Gain Trim"));
  ClearBus();
  map.TreeView1_NodeClick(map.TreeView1->topLevelItem(0));
  EXPECT_TRUE(Bus().empty());
  EXPECT_EQ(map.txtAddrPtr->Text(), "21h");
  EXPECT_EQ(map.lblRegDescription->Caption(), "CS1 Gain Trim");
}

TEST_F(RegisterMap, SixteenBitReadingReadsTwiceAndShowsAllSixteenBits) {
  frmRegMap& map = Open();
  map.lblRead->SetCaption("stale");
  Board().QueueReads(0x48, 0x11, {0x12, 0x34});
  map.TreeView1_NodeClick(Node("VS1/PWM Value"));
  EXPECT_EQ(Bus(), (Strings{"read 0x11", "read 0x11"}));
  EXPECT_EQ(map.lblHexVal->Caption(), "1234h");
  EXPECT_EQ(map.lblDecVal->Caption(), "4660");
  EXPECT_EQ(map.Label9->Caption(), "Current 16-bit value (Hex)");
  EXPECT_EQ(map.Label10->Caption(), "Current 16-bit value (Dec)");
  EXPECT_EQ(map.lblRead->Caption(), "");
  EXPECT_EQ(Bits(7, 0), "00010010");    // bits 15..8
  EXPECT_EQ(Bits(15, 8), "00110100");   // bits 7..0
  for (int i = 8; i < 16; ++i) {
    EXPECT_FALSE(map.lblBit[i]->isHidden());
    EXPECT_FALSE(map.lblInfo[i]->isHidden());
  }
  for (int i = 8; i <= 11; ++i) EXPECT_EQ(map.lblBit[i]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(map.lblInfo[0]->Caption(), "15");
  EXPECT_EQ(map.lblInfo[7]->Caption(), "8");
  EXPECT_EQ(map.lblInfo[8]->Caption(), "7");
  EXPECT_EQ(map.lblInfo[15]->Caption(), "0");
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(At(map.lblBit[7 - k]).y(), forms::ToPixels(240));
    EXPECT_EQ(At(map.lblInfo[k]).y(), forms::ToPixels(600));
    EXPECT_EQ(At(map.lblBit[15 - k]), Twips(510 + 480 * k, 960));
    EXPECT_EQ(At(map.lblBit[7 - k]).x(), forms::ToPixels(510 + 480 * k));
    EXPECT_EQ(At(map.lblInfo[8 + k]).y(), forms::ToPixels(1320));
  }
}

struct TwelveBitCase {
  int second;
  const char* hex;
  const char* dec;
  const char* low;  // lblBit(15..8): bits 7..0 of value x 16
  friend void PrintTo(const TwelveBitCase& c, std::ostream* os) { *os << "second byte " << c.second; }
};
class TwelveBitReading : public support::ShellFixture, public ::testing::WithParamInterface<TwelveBitCase> {};

TEST_P(TwelveBitReading, RoundsHalfToEvenAndFillsBits15To4) {
  StartWithChips({0x48});
  OpenMainWindow();
  frmRegMap& map = RegMapForm();
  map.Show();
  Board().QueueReads(0x48, 0x14, {0x12, static_cast<uint8_t>(GetParam().second)});
  map.txtAddrPtr->SetText("14");
  ClearBus();
  map.cmdRead->click();
  EXPECT_EQ(Bus(), (Strings{"read 0x14", "read 0x14"}));
  EXPECT_EQ(map.lblHexVal->Caption(), GetParam().hex);
  EXPECT_EQ(map.lblDecVal->Caption(), GetParam().dec);
  EXPECT_EQ(map.Label9->Caption(), "Current 12-bit value (Hex)");
  EXPECT_EQ(map.Label10->Caption(), "Current 12-bit value (Dec)");
  QString high, low;
  for (int i = 7; i >= 0; --i) high += map.lblBit[i]->Caption();
  for (int i = 15; i >= 8; --i) low += map.lblBit[i]->Caption();
  EXPECT_EQ(high, "00010010");
  EXPECT_EQ(low, GetParam().low);
  for (int i = 8; i <= 11; ++i) EXPECT_EQ(map.lblBit[i]->palette().color(QPalette::WindowText), QColor(128, 128, 128));
}

INSTANTIATE_TEST_SUITE_P(Table, TwelveBitReading,
                         ::testing::Values(TwelveBitCase{0x38, "124h", "292", "01000000"},
                                           TwelveBitCase{0x28, "122h", "290", "00100000"}));

TEST_F(RegisterMap, FirstFlagIsATwelveBitReading) {
  frmRegMap& map = Open();
  Board().QueueReads(0x48, 0x10, {0x01, 0x20});
  map.TreeView1_NodeClick(Node("First Flag"));
  EXPECT_EQ(Bus(), (Strings{"read 0x10", "read 0x10"}));
  EXPECT_EQ(map.lblHexVal->Caption(), "12h");
  EXPECT_EQ(map.Label10->Caption(), "Current 12-bit value (Dec)");
}

TEST_F(RegisterMap, ByteRegisterShowsEightBitsAndHidesTheSecondRow) {
  frmRegMap& map = Open({0x48, 0x4A});
  Board().SetReg(0x4A, 0x21, 0x98);
  Board().QueueReads(0x4A, 0x11, {0x12, 0x34});
  map.cmbDevAddr->SetText("4Ah");
  map.TreeView1_NodeClick(Node("VS1/PWM Value"));
  map.TreeView1_NodeClick(Node("CS1 Gain Trim"));
  EXPECT_EQ(Bus(true), (Strings{"0x4A read 0x11", "0x4A read 0x11", "0x4A read 0x21"}));
  EXPECT_EQ(map.lblRead->Caption(), "98");
  EXPECT_EQ(map.lblHexVal->Caption(), "98h");
  EXPECT_EQ(map.lblDecVal->Caption(), "152");
  EXPECT_EQ(map.Label9->Caption(), "Current value (Hex)");
  EXPECT_EQ(map.Label10->Caption(), "Current value (Dec)");
  EXPECT_EQ(Bits(7, 0), "10011000");
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(map.lblInfo[k]->Caption(), QString::number(7 - k));
    EXPECT_EQ(map.lblInfo[8 + k]->Caption(), "-");
    EXPECT_TRUE(map.lblBit[8 + k]->isHidden());
    EXPECT_TRUE(map.lblInfo[8 + k]->isHidden());
    EXPECT_EQ(At(map.lblBit[7 - k]), Twips(510 + 480 * k, 600));
    EXPECT_EQ(At(map.lblInfo[k]).y(), forms::ToPixels(960));
  }
}

TEST_F(RegisterMap, HexFieldsTakeTheirLeadingHexDigits) {
  frmRegMap& map = Open();
  for (const char* text : {"21", "21h", "21zz"}) {
    map.txtAddrPtr->SetText(text);
    map.cmdRead->click();
  }
  map.txtAddrPtr->SetText("");
  map.cmdRead->click();
  map.txtAddrPtr->SetText("h21");
  map.cmdRead->click();
  EXPECT_EQ(Bus(), (Strings{"read 0x21", "read 0x21", "read 0x21", "read 0x00", "read 0x00"}));
}

TEST_F(RegisterMap, AnAddressAboveFFhIsRefusedByEveryButtonAndSkippedByContinuousRead) {
  frmRegMap& map = Open();
  const QString refusal = "Register address must be between 00h and FFh.";
  struct Press {
    const char* what;
    std::function<void()> press;
  };
  map.Show();
  const Press presses[] = {{"Read", [&] { map.cmdRead->click(); }},
                           {"Write", [&] { map.cmdWrite->click(); }},
                           {"bit 0", [&] { QTest::mouseClick(map.lblBit[0], Qt::LeftButton); }}};
  for (const char* typed : {"100", "130", "1FF", "FFFFFFFFFF"}) {
    for (const Press& p : presses) {
      SCOPED_TRACE(std::string(typed) + " " + p.what);
      map.txtAddrPtr->SetText(typed);
      map.txtWrite->SetText("5A");
      const size_t asked = MsgBoxes().size();
      AnswerMsgBox(ui::vbOK);
      p.press();
      EXPECT_TRUE(Bus().empty());
      ASSERT_EQ(MsgBoxes().size(), asked + 1);
      EXPECT_EQ(MsgBoxes().back().prompt, refusal);
      EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbExclamation);
    }
  }
  map.chkContRead->SetValue(1);
  SetTimer(3000);
  gMainForm->tmrMaster_Timer();
  EXPECT_TRUE(Bus().empty());
  // The top of the range and the unnamed registers above the table still work.
  map.txtAddrPtr->SetText("FF");
  map.cmdRead->click();
  map.txtAddrPtr->SetText("69h");
  map.cmdWrite->click();
  EXPECT_EQ(Bus(), (Strings{"read 0xFF", "write 0x69 = 0x5A", "read 0x69"}));
}

// Data Out reaches the chip only as the byte it names; any other text is refused before a transfer.
TEST_F(RegisterMap, WriteSendsTheTypedByteAndReadsBackAndRefusesAnyOtherText) {
  frmRegMap& map = Open();
  map.Show();
  map.txtAddrPtr->SetText("2Bh");
  const struct {
    const char* typed;
    int written;  // -1: refused
  } cases[] = {
      {"35", 0x35},  {"0", 0x00},    {"7f", 0x7F},   {"5Ah", 0x5A}, {" 0c ", 0x0C}, {"0000000FF", 0xFF}, {"FF", 0xFF},
      {"ZZ", -1},    {"1FF", -1},    {"", -1},       {"5A junk", -1}, {"0x5A", -1}, {"h", -1},   {"-1", -1}, {"12.5", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    map.txtWrite->clear();
    QTest::keyClicks(map.txtWrite, c.typed);
    ClearBus();
    const size_t asked = MsgBoxes().size();
    if (c.written < 0) AnswerMsgBox(ui::vbOK);
    QTest::mouseClick(map.cmdWrite, Qt::LeftButton);
    if (c.written >= 0) {
      char write[32];
      std::snprintf(write, sizeof write, "write 0x2B = 0x%02X", c.written);
      EXPECT_EQ(Bus(), (Strings{write, "read 0x2B"}));
      EXPECT_EQ(MsgBoxes().size(), asked);
      continue;
    }
    EXPECT_TRUE(Bus().empty());
    ASSERT_EQ(MsgBoxes().size(), asked + 1);
    EXPECT_EQ(MsgBoxes().back().prompt, "Data must be between 00h and FFh.");
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbExclamation);
  }
  // A bit click builds its byte from the bits, whatever the box held.
  map.txtWrite->SetText("ZZ");
  ClearBus();
  QTest::mouseClick(map.lblBit[0], Qt::LeftButton);
  EXPECT_EQ(Bus(), (Strings{"write 0x2B = 0xFE", "read 0x2B"}));
}

TEST_F(RegisterMap, ClickingABitWritesTheToggledByteAndReadsItBack) {
  frmRegMap& map = Open();
  Board().SetReg(0x48, 0x21, 0x98);
  map.TreeView1_NodeClick(Node("CS1 Gain Trim"));
  ClearBus();
  map.Show();
  QTest::mouseClick(map.lblBit[0], Qt::LeftButton);
  EXPECT_EQ(Bus(), (Strings{"write 0x21 = 0x99", "read 0x21"}));
  EXPECT_EQ(map.txtWrite->Text(), "99");
  EXPECT_EQ(map.lblHexVal->Caption(), "99h");
  ClearBus();
  map.lblBit_Click(7);
  EXPECT_EQ(Bus(), (Strings{"write 0x21 = 0x19", "read 0x21"}));
  EXPECT_EQ(Bits(7, 0), "00011001");
}

TEST_F(RegisterMap, BitClicksOnAReadingOrTheSecondRowDoNothing) {
  frmRegMap& map = Open();
  Board().QueueReads(0x48, 0x11, {0x12, 0x34});
  map.TreeView1_NodeClick(Node("VS1/PWM Value"));
  ClearBus();
  for (int i = 0; i < 16; ++i) map.lblBit_Click(i);
  EXPECT_TRUE(Bus().empty());
  EXPECT_EQ(map.lblHexVal->Caption(), "1234h");
  EXPECT_EQ(Bits(7, 0), "00010010");

  map.TreeView1_NodeClick(Node("CS1 Gain Trim"));
  ClearBus();
  for (int i = 8; i < 16; ++i) map.lblBit_Click(i);
  EXPECT_TRUE(Bus().empty());
}

TEST_F(RegisterMap, ContinuousReadRunsEveryHalfSecondEvenWithPollingDisabled) {
  frmRegMap& map = Open();
  map.TreeView1_NodeClick(Node("CS1 Gain Trim"));
  gDiagramOpen[0] = true;  // would poll the telemetry were polling on
  map.chkDisablePolling->SetValue(1);
  EXPECT_TRUE(gPollingDisabled);
  ClearBus();
  SetTimer(2000);
  gMainForm->tmrMaster_Timer();
  EXPECT_TRUE(Bus().empty()) << "not ticked: no read";

  map.chkContRead->SetValue(1);
  gMainForm->tmrMaster_Timer();
  SetTimer(2000.25f);
  gMainForm->tmrMaster_Timer();
  SetTimer(2000.75f);
  gMainForm->tmrMaster_Timer();
  EXPECT_EQ(Bus(), (Strings{"read 0x21", "read 0x21"}));
  gDiagramOpen[0] = false;
}

TEST_F(RegisterMap, DisablePollingOutlivesTheWindowAndIsShownAgain) {
  frmRegMap& map = Open();
  map.chkDisablePolling->click();
  EXPECT_TRUE(gPollingDisabled);
  map.cmdClose->click();
  FlushDeletes();
  EXPECT_TRUE(gPollingDisabled);
  gMainForm->tbToolBar_ButtonClick("Reg");
  EXPECT_EQ(map.chkDisablePolling->Value(), 1);
  map.chkDisablePolling->SetValue(0);
  EXPECT_FALSE(gPollingDisabled);
}

TEST_F(RegisterMap, AFailedReadEndsTheProgram) {
  frmRegMap& map = Open();
  Board().FailRequestNumber(Board().RequestCount() + 1);
  AnswerMsgBox(ui::vbOK);
  map.txtAddrPtr->SetText("21");
  EXPECT_THROW(map.cmdRead_Click(), support::ProgramEnded);
  ASSERT_EQ(MsgBoxes().size(), 1u);
  EXPECT_EQ(MsgBoxes()[0].prompt, "Communications Interrupted - Check USB connections");
  EXPECT_FALSE(gRegMapOpen);
}
