#include <QCoreApplication>
#include <QDir>
#include <cstring>
#include <memory>

#include "link/BoardLink.h"
#include "support/Fixture.h"

namespace {

class FirmwareDownload : public support::Fixture {
 protected:
  // A board just plugged in: no firmware yet, nothing downloaded.
  usb::EmulatedBoard& PlugIn() {
    board_ = std::make_shared<usb::EmulatedBoard>();
    board_->AddChip(0x48);
    usb::AttachBoard(board_);
    return *board_;
  }
  static std::string ExpectedPath(const QString& dir) {
    return (dir + QDir::separator() + QStringLiteral("KRV7310FW.Hex")).toStdString();
  }
  std::shared_ptr<usb::EmulatedBoard> board_;
};

TEST_F(FirmwareDownload, PassesTheFileBesideTheExecutable) {
  usb::EmulatedBoard& board = PlugIn();
  EXPECT_EQ(DownloadFirmware(), 0);
  EXPECT_EQ(board.FirmwareDownloads(), 1);
  EXPECT_EQ(board.FirmwarePath(), ExpectedPath(QCoreApplication::applicationDirPath()));
  EXPECT_EQ(std::string(FirmwarePathBytes()), board.FirmwarePath());
  EXPECT_TRUE(board.FirmwareRunning());
}

TEST_F(FirmwareDownload, NoBoardIsANegativeStatus) {
  EXPECT_LT(LoadFirmWare("/nowhere/KRV7310FW.Hex"), 0);
  EXPECT_LT(DownloadFirmware(), 0);
}

TEST_F(FirmwareDownload, MissingFileIsANegativeStatus) {
  usb::EmulatedBoard& board = PlugIn();
  EXPECT_LT(DownloadFirmwareFrom(QStringLiteral("/nonexistent/dir")), 0);
  EXPECT_EQ(board.FirmwarePath(), "/nonexistent/dir/KRV7310FW.Hex");
  EXPECT_FALSE(board.FirmwareRunning());
}

TEST_F(FirmwareDownload, PathOfExactly512BytesIsPassedWhole) {
  usb::EmulatedBoard& board = PlugIn();
  const QString dir = QStringLiteral("/") + QString(512 - 15, QLatin1Char('d'));  // + "/KRV7310FW.Hex" = 512
  ASSERT_EQ(ExpectedPath(dir).size(), 512u);
  EXPECT_LT(DownloadFirmwareFrom(dir), 0) << "no such file";
  EXPECT_EQ(board.FirmwareDownloads(), 1);
  EXPECT_EQ(board.FirmwarePath(), ExpectedPath(dir));
  EXPECT_EQ(std::strlen(FirmwarePathBytes()), 512u);
}

TEST_F(FirmwareDownload, LongerPathIsAFailedDownloadWithoutCallingTheLibrary) {
  usb::EmulatedBoard& board = PlugIn();
  ASSERT_EQ(DownloadFirmware(), 0);
  const std::string before = FirmwarePathBytes();

  const QString dir = QStringLiteral("/") + QString(512 - 14, QLatin1Char('d'));  // 513 bytes in all
  EXPECT_LT(DownloadFirmwareFrom(dir), 0);
  // Characters beyond ASCII take two bytes each: 265 characters, 515 bytes.
  EXPECT_LT(DownloadFirmwareFrom(QStringLiteral("/") + QString(250, QChar(0xE9))), 0);

  EXPECT_EQ(board.FirmwareDownloads(), 1) << "only the first, good download reached the library";
  EXPECT_EQ(std::string(FirmwarePathBytes()), before) << "the buffer is neither shortened nor overrun";
}

TEST_F(FirmwareDownload, PathBufferHoldsTheTextAndATerminatingZero) {
  EXPECT_TRUE(StringToPathBytes(QStringLiteral("/a/long/path/name")));
  EXPECT_TRUE(StringToPathBytes(QStringLiteral("/b")));
  EXPECT_STREQ(FirmwarePathBytes(), "/b");
  EXPECT_TRUE(StringToPathBytes(QString(512, QLatin1Char('x'))));
  EXPECT_EQ(std::strlen(FirmwarePathBytes()), 512u);
  EXPECT_FALSE(StringToPathBytes(QString(513, QLatin1Char('y'))));
  EXPECT_EQ(FirmwarePathBytes()[0], 'x');
}

}  // namespace
