#include <ostream>

#include "link/BoardLink.h"
#include "support/Fixture.h"

namespace {

class RegisterTransfer : public support::Fixture {};

TEST_F(RegisterTransfer, ReadIsOneVendorRequestFromTheBoard) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.SetReg(0x48, 0x30, 0x9B);
  EXPECT_EQ(ReadRegister(0x48, 0x30), 0x9B);
  ASSERT_EQ(board.Log().size(), 1u);
  EXPECT_EQ(support::Fields(board.Log()[0]), support::RequestFields(0xDE, 0x48, 0x30, 1, 1));
}

TEST_F(RegisterTransfer, EveryReadAsksTheBoardAgain) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.QueueReads(0x48, 0x11, {0x01, 0x02});
  EXPECT_EQ(ReadRegister(0x48, 0x11), 0x01);
  EXPECT_EQ(ReadRegister(0x48, 0x11), 0x02);
  EXPECT_EQ(ReadRegister(0x48, 0x11), 0x00);
  EXPECT_EQ(board.Log().size(), 3u);
}

TEST_F(RegisterTransfer, HandshakeIsOneRequestAnsweredOnceTheBoardIsReady) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  board.FailHandshakes(1);
  EXPECT_FALSE(Handshake());
  EXPECT_TRUE(Handshake());
  ASSERT_EQ(board.Log().size(), 2u);
  for (const usb::VendorRequest& r : board.Log()) {
    EXPECT_EQ(support::Fields(r), support::RequestFields(0xDD, 0x30, 0x33, 0, 0));
  }
  usb::AttachBoard(nullptr);
  EXPECT_FALSE(Handshake()) << "nothing plugged in";
}

TEST_F(RegisterTransfer, ReadOfAnAddressWithoutAChipCompletes) {
  StartWithChips({0x48});
  EXPECT_EQ(ReadRegister(0x21, 0x3D), 0xFF);
  EXPECT_EQ(Bus(true), (std::vector<std::string>{"0x21 read 0x3D"}));
}

struct WriteCase {
  int reg;
  int32_t data;
  int32_t index;        // the request's index: data x 256 + register
  int32_t dataAfter;    // the caller's variable afterwards
  uint8_t registerByte; // what the chip holds afterwards
};

std::ostream& operator<<(std::ostream& os, const WriteCase& c) {
  return os << "reg " << c.reg << " data " << c.data;
}

class WriteRequest : public support::Fixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteRequest, CarriesDataInTheHighByteAndTheRegisterInTheLowByte) {
  usb::EmulatedBoard& board = StartWithChips({0x4A});
  const WriteCase& c = GetParam();
  int32_t data = c.data;
  EXPECT_EQ(WriteRegister(0x4A, c.reg, data), 0);
  EXPECT_EQ(data, c.dataAfter);
  ASSERT_EQ(board.Log().size(), 1u);
  EXPECT_EQ(support::Fields(board.Log()[0]), support::RequestFields(0xDE, 0x4A, c.index, 0, 0));
  EXPECT_EQ(board.Reg(0x4A, c.index & 0xFF), c.registerByte);
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteRequest,
                         ::testing::Values(WriteCase{0x2B, 0x35, 0x352B, 0x35, 0x35},  // 13611
                                           WriteCase{0x00, 0, 0x0000, 0, 0}, WriteCase{0x68, 255, 0xFF68, 255, 0xFF},
                                           WriteCase{0x2B, 300, 0xFF2B, 255, 0xFF},    // above 255 is 255
                                           WriteCase{0x2B, 256, 0xFF2B, 255, 0xFF},
                                           WriteCase{0x2B, -5, 0x002B, 0, 0},          // below 0 is 0
                                           WriteCase{0x12B, 0x35, 0x352B, 0x35, 0x35}  // the register is one byte
                                           ));

TEST_F(RegisterTransfer, WriteOfAnRvalueWorksToo) {
  StartWithChips({0x48});
  WriteRegister(0x48, 0x30, 0x9B);
  EXPECT_EQ(Bus(true), (std::vector<std::string>{"0x48 write 0x30 = 0x9B"}));
}

TEST_F(RegisterTransfer, ReadRegisterAboveAByteIsMaskedToItsLowByte) {
  usb::EmulatedBoard& board = StartWithChips({0x48});
  EXPECT_EQ(ReadRegister(0x48, 0x13D), 0x41);
  EXPECT_EQ(board.Log()[0].index, 0x3D);
}

TEST_F(RegisterTransfer, FormatHexGivesTwoUpperCaseDigits) {
  const std::pair<int, const char*> rows[] = {{0, "0x00"},  {5, "0x05"},  {15, "0x0F"},    {16, "0x10"},
                                              {61, "0x3D"}, {255, "0xFF"}, {0x1AB, "0x1AB"}};
  for (const auto& [value, text] : rows) EXPECT_EQ(FormatHex(value), text) << value;
}

class SimulatedImage : public support::Fixture {};

TEST_F(SimulatedImage, ReadsAndWritesStayInTheImage) {
  AttachBoard({0x48});
  StartInSimulation();
  int32_t data = 0x5A;
  WriteRegister(0x48, 0x30, data);
  EXPECT_EQ(ReadRegister(0x48, 0x30), 0x5A);
  EXPECT_EQ(ReadRegister(0x4A, 0x30), 0x5A) << "one image whatever the chip address";
  EXPECT_EQ(ReadRegister(0x48, 0x31), 0) << "never written, not preset";
  EXPECT_EQ(ReadRegister(0x48, 0x3D), 0x41);
  EXPECT_TRUE(Board().Log().empty()) << "simulation never calls the board library";
  EXPECT_EQ(Board().Reg(0x48, 0x30), 0);
}

TEST_F(SimulatedImage, AWriteStoresOneByteInsideTheImage) {
  StartInSimulation();
  int32_t data = 300;
  WriteRegister(0x48, 0x22, data);
  EXPECT_EQ(data, 255) << "above 255 is 255";
  EXPECT_EQ(gRegShadow[0x22], 0xFF);
  // A register above a byte stays inside the image.
  data = 0x77;
  WriteRegister(0x48, 0x141, data);
  EXPECT_EQ(gRegShadow[0x41], 0x77);
  EXPECT_EQ(ReadRegister(0x48, 0x241), 0x77);
  EXPECT_EQ(ReadRegister(0x48, -1), gRegShadow[0xFF]);
}

TEST_F(SimulatedImage, PresetTableAndNothingElse) {
  gRegShadow[0x20] = 7;
  gRegShadow[0x00] = 1;
  LoadSimulatedRegisters();
  const std::map<int, uint8_t> preset = {{0x00, 0x85}, {0x01, 0x71}, {0x02, 0xFF}, {0x03, 0x22},
                                         {0x08, 0x45}, {0x09, 0x21}, {0x0A, 0xFF}, {0x0B, 0xCA},
                                         {0x0C, 0x19}, {0x0D, 0x82}, {0x0E, 0xE3}, {0x3D, 0x41}};
  for (int reg = 0; reg < 256; ++reg) {
    const auto it = preset.find(reg);
    const int expected = it != preset.end() ? it->second : (reg == 0x20 ? 7 : 0);
    EXPECT_EQ(gRegShadow[reg], expected) << "register " << reg;
  }
}

}  // namespace
