// The general settings page: temperature, PS ON, pin polarities, the hidden
// switching frequency (0x5D) and the sync-rectifier turn-off.

#include "settings/frmGeneral.h"
#include "support/PageFixture.h"

namespace {

class GeneralPage : public support::PageFixture {
 protected:
  frmGeneral& OpenPage(int index = 0) { return Open<frmGeneral>(PageKind::General, index); }
};

TEST_F(GeneralPage, OpensCaptionedWithItsFramesAndLists) {
  StartBoard();
  frmGeneral& page = OpenPage();
  EXPECT_EQ(page.Caption(), "General Settings (0x48)");
  EXPECT_EQ(page.Width(), 8640);
  EXPECT_EQ(page.Height(), 4725);
  EXPECT_EQ(page.fraTemperature->title(), "Temperature");
  EXPECT_EQ(page.fraPSON->title(), "PSOn/Soft Start");
  EXPECT_EQ(page.fraPolarity->title(), "Pin Polarity");
  EXPECT_EQ(page.fraSyncRect->title(), "Sync Rect Off");
  EXPECT_EQ(page.fraSwitchFreq->title(), "Switching Frequency");
  EXPECT_FALSE(page.fraSwitchFreq->isVisible()) << "the frequency frame is never shown";
  EXPECT_TRUE(page.fraSyncRect->isVisible());
  EXPECT_EQ(Items(page.cmbLinearize), (QStringList{"Normal Mode", "Linearization Enabled"}));
  EXPECT_EQ(Items(page.cmbThermistorVal), (QStringList{"10K", "100K"}));
  EXPECT_EQ(Items(page.cmbOTPThreshold),
            (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
  EXPECT_EQ(Items(page.cmbPSON), (QStringList{"Software PSON", "Hardware PSON"}));
  EXPECT_EQ(Items(page.cmbSoftStart), (QStringList{"300us", "10ms", "20ms", "40ms"}));
  for (const auto* box : {page.cmbPSONPol.data(), page.cmbGate.data(), page.cmbPGOOD.data()}) {
    EXPECT_EQ(Items(box), (QStringList{"Non-Inverted", "Inverted"}));
  }
  EXPECT_EQ(Items(page.cmbSwitchFreq),
            (QStringList{"50 kHz", "75 kHz", "100 kHz", "125 kHz", "150 kHz", "200 kHz", "250 kHz", "300 kHz",
                         "400 kHz", "500 kHz", "600 kHz", "700 kHz"}));
  EXPECT_EQ(Items(page.cmbSyncRectOff), (QStringList{"5%", "10%", "15%", "20%", "25%", "30%", "35%"}));
  for (const auto& [name, caption] :
       {std::pair{"lblLinearizeCaption", "Linearization"}, {"lblThermistorValCaption", "Nominal Thermistor Value"},
        {"lblOTPThresholdCaption", "OTP Threshold"}, {"lblPSONCaption", "PS ON"},
        {"lblSoftStartCaption", "Soft Start"}, {"lblPSONPolCaption", "PSON Polarity"},
        {"lblGateCaption", "Gate Polarity"}, {"lblPGOODCaption", "PGOOD Polarity"}}) {
    auto* label = support::Find<forms::Label>(page, name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), caption);
  }
}

TEST_F(GeneralPage, DecodesInOrderAndAppliesOneWriteThenFourReadWritePairs) {
  usb::EmulatedBoard& board = StartBoard();
  support::SetRegs(board, 0x48, {{0x2B, 0x35}, {0x2C, 0xA5}, {0x2D, 0x05}, {0x5D, 0x67}, {0x3C, 0x93}, {0x59, 0x2E}});
  frmGeneral& page = OpenPage();
  EXPECT_EQ(Bus(), (Lines{"read 0x2B", "read 0x2C", "read 0x2D", "read 0x5D", "read 0x3C"}));
  EXPECT_EQ(page.cmbLinearize->Text(), "Linearization Enabled");
  EXPECT_EQ(page.cmbThermistorVal->Text(), "100K");
  EXPECT_EQ(page.cmbOTPThreshold->Text(), "5");
  EXPECT_EQ(page.cmbPSON->Text(), "Hardware PSON");
  EXPECT_EQ(page.cmbSoftStart->Text(), "20ms");
  EXPECT_EQ(page.cmbPGOOD->Text(), "Inverted");
  EXPECT_EQ(page.cmbGate->Text(), "Non-Inverted");
  EXPECT_EQ(page.cmbPSONPol->Text(), "Inverted");
  EXPECT_EQ(page.cmbSwitchFreq->Text(), "300 kHz");
  EXPECT_EQ(page.cmbSyncRectOff->Text(), "20%");

  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus(), (Lines{"write 0x2B = 0x35", "read 0x2C", "write 0x2C = 0xA5", "read 0x2D", "write 0x2D = 0x05",
                          "read 0x5D", "write 0x5D = 0x67", "read 0x3C", "write 0x3C = 0x93"}));
  EXPECT_EQ(board.Reg(0x48, 0x59), 0x2E) << "the AUX edge register is not touched";
}

TEST_F(GeneralPage, TemperatureRegisterIsRebuiltWithBits7And6Clear) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x2B, 0xF5);
  frmGeneral& page = OpenPage();
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus()[0], "write 0x2B = 0x35");
  page.cmbLinearize->SetText("Normal Mode");
  page.cmbThermistorVal->SetText("10K");
  page.cmbOTPThreshold->SetText("15");
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus()[0], "write 0x2B = 0x0F");
}

struct PSONCase {
  int reg;
  const char* pson;
  const char* softStart;
  const char* written;
};
void PrintTo(const PSONCase& c, std::ostream* os) { *os << "0x2C = " << c.reg; }

class PSONSettings : public GeneralPage, public ::testing::WithParamInterface<PSONCase> {};

TEST_P(PSONSettings, KeepTheBitsAbove2AsTheChipHoldsThem) {
  const PSONCase& c = GetParam();
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x2C, static_cast<uint8_t>(c.reg));
  frmGeneral& page = OpenPage();
  page.cmbPSON->SetText(c.pson);
  page.cmbSoftStart->SetText(c.softStart);
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus()[1], "read 0x2C");
  EXPECT_EQ(Bus()[2], c.written);
}

INSTANTIATE_TEST_SUITE_P(Cases, PSONSettings,
                         ::testing::Values(PSONCase{0x07, "Software PSON", "300us", "write 0x2C = 0x00"},
                                           PSONCase{0xF8, "Hardware PSON", "40ms", "write 0x2C = 0xFF"},
                                           PSONCase{0x5A, "Hardware PSON", "10ms", "write 0x2C = 0x5B"}));

TEST_F(GeneralPage, PolaritiesEncodeOneBitEach) {
  usb::EmulatedBoard& board = StartBoard();
  board.SetReg(0x48, 0x2D, 0xF8);
  frmGeneral& page = OpenPage();
  page.cmbPGOOD->SetText("Inverted");
  board.SetReg(0x48, 0x2D, 0xC0);  // changed elsewhere since set-up
  ClearBus();
  page.buttons.apply->click();
  EXPECT_EQ(Bus()[4], "write 0x2D = 0xC4");
}

}  // namespace
