#include <QCoreApplication>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "platform/usb/EmulatedBoard.h"
#include "platform/usb/USBFunctions.h"
#include "support/Fixture.h"

namespace {

class EmulatedBoardTest : public support::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    ASSERT_TRUE(dir.isValid());
    board = std::make_shared<usb::EmulatedBoard>();
    usb::AttachBoard(board);
  }
  std::string WriteFile(const char* name, const std::string& text) {
    const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path) << text;
    return path;
  }
  static std::string ShippedFirmware() {
    return (QCoreApplication::applicationDirPath() + QStringLiteral("/KRV7310FW.Hex")).toStdString();
  }
  int16_t Read(int chip, int reg, uint8_t& byte) { return VendorIORequest(0xDE, chip, reg, 1, 1, &byte); }
  int16_t Write(int chip, int reg, int data) {
    uint8_t unused = 0;
    return VendorIORequest(0xDE, chip, data * 256 + reg, 0, 0, &unused);
  }
  int16_t Handshake() {
    uint8_t unused = 0;
    return VendorIORequest(0xDD, 0x30, 0x33, 0, 0, &unused);
  }
  void StartFirmware() { ASSERT_EQ(LoadFirmWare(ShippedFirmware().c_str()), 0); }

  QTemporaryDir dir;
  std::shared_ptr<usb::EmulatedBoard> board;
};

TEST_F(EmulatedBoardTest, FirmwareFileCheck) {
  EXPECT_TRUE(usb::IsValidHexFile(ShippedFirmware()));
  EXPECT_TRUE(usb::IsValidHexFile(WriteFile("ok.hex", ":0100000041BE\r\n:00000001FF\r\n")));
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("sum.hex", ":0100000041BF\n:00000001FF\n"))) << "bad checksum";
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("noend.hex", ":0100000041BE\n"))) << "no end record";
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("after.hex", ":00000001FF\n:0100000041BE\n"))) << "data after the end";
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("len.hex", ":0200000041BD\n:00000001FF\n"))) << "length mismatch";
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("text.hex", "hello world\n")));
  EXPECT_FALSE(usb::IsValidHexFile(WriteFile("empty.hex", "")));
  EXPECT_FALSE(usb::IsValidHexFile(dir.filePath(QStringLiteral("missing.hex")).toStdString()));
}

TEST_F(EmulatedBoardTest, FirmwareDownload) {
  EXPECT_LT(LoadFirmWare(WriteFile("bad.hex", "nonsense").c_str()), 0);
  EXPECT_FALSE(board->FirmwareRunning());
  EXPECT_LT(LoadFirmWare(nullptr), 0);
  EXPECT_EQ(LoadFirmWare(ShippedFirmware().c_str()), 0);
  EXPECT_TRUE(board->FirmwareRunning());
  EXPECT_EQ(board->FirmwarePath(), ShippedFirmware());
  EXPECT_EQ(board->FirmwareDownloads(), 3);

  board->RefuseFirmware(true);
  EXPECT_LT(LoadFirmWare(ShippedFirmware().c_str()), 0);
  EXPECT_FALSE(board->FirmwareRunning());
}

TEST_F(EmulatedBoardTest, NothingAnswersBeforeTheFirmwareRuns) {
  board->AddChip(0x48);
  uint8_t byte = 0;
  EXPECT_NE(Handshake(), 0);
  EXPECT_NE(Read(0x48, 0x3D, byte), 0);
  StartFirmware();
  EXPECT_EQ(Handshake(), 0);
  EXPECT_EQ(Read(0x48, 0x3D, byte), 0);
  EXPECT_EQ(byte, 0x41);
}

TEST_F(EmulatedBoardTest, HandshakeFailsTheChosenNumberOfTimes) {
  StartFirmware();
  board->FailHandshakes(3);
  std::vector<int16_t> statuses;
  for (int i = 0; i < 5; ++i) statuses.push_back(Handshake());
  EXPECT_NE(statuses[0], 0);
  EXPECT_NE(statuses[1], 0);
  EXPECT_NE(statuses[2], 0);
  EXPECT_EQ(statuses[3], 0);
  EXPECT_EQ(statuses[4], 0);
}

TEST_F(EmulatedBoardTest, RequestFailsAtTheChosenNumber) {
  board->AddChip(0x48);
  StartFirmware();
  board->FailRequestNumber(3);
  uint8_t byte = 0x55;
  EXPECT_EQ(Handshake(), 0);
  EXPECT_EQ(Write(0x48, 0x30, 0x12), 0);
  EXPECT_NE(Read(0x48, 0x30, byte), 0);
  EXPECT_EQ(byte, 0x55) << "a failed read places nothing";
  EXPECT_EQ(Read(0x48, 0x30, byte), 0);
  EXPECT_EQ(byte, 0x12);
  ASSERT_EQ(board->Log().size(), 4u);
  EXPECT_NE(board->Log()[2].status, 0);
  EXPECT_EQ(board->Log()[3].status, 0);
  EXPECT_EQ(board->RequestCount(), 4);
}

TEST_F(EmulatedBoardTest, ChipsHoldTheirRegistersAndQueuedReadsComeFirst) {
  board->AddChip(0x48);
  board->AddChip(0x4A);
  StartFirmware();
  EXPECT_TRUE(board->HasChip(0x48));
  EXPECT_FALSE(board->HasChip(0x49));
  EXPECT_EQ(board->Reg(0x4A, 0x3D), 0x41);

  EXPECT_EQ(Write(0x48, 0x30, 0x9B), 0);
  EXPECT_EQ(board->Reg(0x48, 0x30), 0x9B);
  EXPECT_EQ(board->Reg(0x4A, 0x30), 0) << "each chip its own register file";

  board->QueueReads(0x4A, 0x11, {0x01, 0x02});
  board->SetReg(0x4A, 0x11, 0x77);
  std::vector<int> bytes;
  for (int i = 0; i < 3; ++i) {
    uint8_t byte = 0;
    Read(0x4A, 0x11, byte);
    bytes.push_back(byte);
  }
  EXPECT_EQ(bytes, (std::vector<int>{0x01, 0x02, 0x77}));
}

TEST_F(EmulatedBoardTest, AddressWithoutAChipReadsHighAndIgnoresWrites) {
  StartFirmware();
  uint8_t byte = 0;
  EXPECT_EQ(Read(0x10, 0x3D, byte), 0);
  EXPECT_EQ(byte, 0xFF);
  EXPECT_EQ(Write(0x10, 0x30, 1), 0);
  EXPECT_FALSE(board->HasChip(0x10));
  EXPECT_EQ(board->Reg(0x10, 0x30), 0xFF);
}

TEST_F(EmulatedBoardTest, ChipAddressesAreSevenBits) {
  board->AddChip(0xC8);
  EXPECT_TRUE(board->HasChip(0x48));
  EXPECT_TRUE(board->HasChip(0xC8));
  board->SetReg(0x48, 0x20, 5);
  EXPECT_EQ(board->Reg(0xC8, 0x20), 5);
}

TEST_F(EmulatedBoardTest, LogRecordsEveryRequest) {
  board->AddChip(0x48);
  StartFirmware();
  uint8_t byte = 0;
  Handshake();
  Read(0x48, 0x3D, byte);
  Write(0x48, 0x2B, 0x35);
  ASSERT_EQ(board->Log().size(), 3u);
  EXPECT_EQ(support::Fields(board->Log()[0]), support::RequestFields(0xDD, 0x30, 0x33, 0, 0));
  EXPECT_EQ(support::Fields(board->Log()[1]), support::RequestFields(0xDE, 0x48, 0x3D, 1, 1));
  EXPECT_EQ(board->Log()[1].byteRead, 0x41);
  EXPECT_EQ(support::Fields(board->Log()[2]), support::RequestFields(0xDE, 0x48, 0x352B, 0, 0));
  EXPECT_EQ(support::Transfers(board->Log(), true),
            (std::vector<std::string>{"handshake", "0x48 read 0x3D", "0x48 write 0x2B = 0x35"}));
  board->ClearLog();
  EXPECT_TRUE(board->Log().empty());
}

TEST_F(EmulatedBoardTest, UnknownRequestFails) {
  StartFirmware();
  uint8_t byte = 0;
  EXPECT_NE(VendorIORequest(0xDF, 0x48, 0, 1, 1, &byte), 0);
}

TEST_F(EmulatedBoardTest, NoBoardAttachedFailsEverything) {
  usb::AttachBoard(nullptr);
  uint8_t byte = 0;
  EXPECT_EQ(usb::AttachedBoard(), nullptr);
  EXPECT_LT(LoadFirmWare(ShippedFirmware().c_str()), 0);
  EXPECT_NE(VendorIORequest(0xDE, 0x48, 0x3D, 1, 1, &byte), 0);
}

}  // namespace
