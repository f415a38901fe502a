#include <QString>
#include <string>
#include <vector>

#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/StartUp.h"
#include "platform/forms/Form.h"
#include "platform/ui/Seams.h"
#include "support/Fixture.h"

namespace {

// The splash window as discovery sees it: records every width, text and event pass,
// each with the time on the fixture's clock.
class RecordingProgress : public StartUpProgress {
 public:
  explicit RecordingProgress(double fullWidth = 6240) : fullWidth_(fullWidth) {}

  double BarFullWidth() const override {
    ++fullWidthReads;
    return fullWidth_;
  }
  void SetBarWidth(double twips) override { widths.push_back(twips); }
  void ShowStatus(const QString& text) override {
    texts.push_back(text);
    textTimes.push_back(ui::MonotonicSeconds());
  }
  void ShowBarAndStatus() override { shownAfterTexts = static_cast<int>(texts.size()); }
  void ProcessEvents() override { ++eventPasses; }

  double TimeOf(const QString& textStart) const {
    for (size_t i = 0; i < texts.size(); ++i) {
      if (texts[i].startsWith(textStart)) return textTimes[i];
    }
    ADD_FAILURE() << "no status text starting with " << textStart.toStdString();
    return 0;
  }

  std::vector<double> widths;
  std::vector<QString> texts;
  std::vector<double> textTimes;
  int shownAfterTexts = -1;
  int eventPasses = 0;
  mutable int fullWidthReads = 0;

 private:
  double fullWidth_;
};

// A loaded window that must be unloaded when discovery ends the program.
class WindowStub : public forms::Form {
 public:
  WindowStub() : forms::Form(forms::WindowKind::TopLevel) {}
  int unloads = 0;

 protected:
  void Form_Unload() override { ++unloads; }
};

const QString kSearching = QStringLiteral("Searching for KRV7310 on USB...");

class Discovery : public support::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    // What the shell does once a fatal message has been read.
    ui::SetAboutToEnd(&forms::UnloadAllForms);
  }

  // The addresses of the chips found, in order; the device records carry them too.
  static std::vector<int> Found() {
    std::vector<int> found;
    for (int i = 0; i < gDeviceCount; ++i) {
      EXPECT_EQ(gDevices[i].Address, gDevAddr[i]) << "device " << i;
      found.push_back(gDevAddr[i]);
    }
    return found;
  }
  // `count` message boxes were asked, the last this, under the program's title.
  void ExpectAsked(size_t count, const char* prompt, int style) {
    ASSERT_EQ(MsgBoxes().size(), count);
    EXPECT_EQ(MsgBoxes().back().prompt, prompt);
    EXPECT_EQ(MsgBoxes().back().style, style);
    EXPECT_EQ(MsgBoxes().back().title, "KRV7310 Evaluation Software");
  }

  // Every vendor request as "handshake" or "read 0x05 0x3D" (address, register).
  std::vector<std::string> Requests() const { return Bus(true); }
  static std::vector<std::string> ScanOfAllAddresses() {
    std::vector<std::string> reads;
    char buf[32];
    for (int a = 0; a < 128; ++a) {
      std::snprintf(buf, sizeof buf, "0x%02X read 0x3D", a);
      reads.emplace_back(buf);
    }
    return reads;
  }
};

TEST_F(Discovery, TwoChipsAreFoundInAscendingOrder) {
  AttachBoard({0x4A, 0x48});
  RecordingProgress progress;
  ConnectAndFindDevices(progress);

  EXPECT_EQ(Found(), (std::vector<int>{0x48, 0x4A}));
  EXPECT_EQ(gDevices[0].Name, "KRV7310");
  EXPECT_EQ(gDevices[1].Name, "KRV7310");
  EXPECT_FALSE(gSimulationMode);
  EXPECT_EQ(progress.texts, (std::vector<QString>{"Downloading Firmware...", "Enumerating...", "Connecting...",
                                                  kSearching, "Found  2 KRV7310(s) on the USB port"}));
  EXPECT_EQ(progress.shownAfterTexts, 1) << "bar and status appear with the first text";
  EXPECT_TRUE(MsgBoxes().empty());
}

TEST_F(Discovery, OneHandshakeThenAllAddressesAreScanned) {
  AttachBoard({0x48});
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  std::vector<std::string> expected = {"handshake"};
  const std::vector<std::string> scan = ScanOfAllAddresses();
  expected.insert(expected.end(), scan.begin(), scan.end());
  EXPECT_EQ(Requests(), expected);
  EXPECT_EQ(support::Fields(Board().Log().front()), support::RequestFields(0xDD, 0x30, 0x33, 0, 0));
  EXPECT_EQ(gDeviceCount, 1);
  EXPECT_EQ(gDevAddr[1], 0) << "an element without a chip stays 0";
  EXPECT_EQ(progress.texts.back(), "Found  1 KRV7310(s) on the USB port");
}

TEST_F(Discovery, ThreeChipsKeepTheTwoLowestAndStillScanEverything) {
  AttachBoard({0x70, 0x4A, 0x30});
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  EXPECT_EQ(Found(), (std::vector<int>{0x30, 0x4A}));
  EXPECT_EQ(Board().Log().size(), 1u + 128u);
  EXPECT_EQ(progress.texts.back(), "Found  2 KRV7310(s) on the USB port");
}

TEST_F(Discovery, NoChipShowsCountZeroForTwoSeconds) {
  AttachBoard({});
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  EXPECT_EQ(Found(), std::vector<int>{});
  EXPECT_EQ(gDevAddr[0], 0);
  EXPECT_FALSE(gSimulationMode);
  EXPECT_EQ(progress.texts.back(), "Found  0 KRV7310(s) on the USB port");
  EXPECT_NEAR(Elapsed() - progress.TimeOf("Found"), 2.0, 0.001);
  EXPECT_TRUE(MsgBoxes().empty()) << "the question after an empty scan is the start-up's, not discovery's";
}

TEST_F(Discovery, AChipAnsweringAnotherIdIsNotCounted) {
  usb::EmulatedBoard& board = AttachBoard({0x48, 0x4A});
  board.SetReg(0x48, 0x3D, 0x40);
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  EXPECT_EQ(Found(), std::vector<int>{0x4A});
}

TEST_F(Discovery, ProgressWidthsInUnitsOfAHundredthOfTheBar) {
  AttachBoard({0x48});
  RecordingProgress progress(6240);  // unit 62 twips
  ConnectAndFindDevices(progress);
  const double unit = 62;
  std::vector<double> expected = {0, 33 * unit};
  for (double w = 33 * unit; w < 50 * unit;) {
    w += unit / 2;
    expected.push_back(w);
  }
  expected.push_back(76 * unit);
  expected.push_back(100 * unit);
  EXPECT_EQ(progress.widths, expected);
  EXPECT_EQ(expected.size(), 2u + 34u + 2u) << "34 half-unit steps from 33 to 50 units";
  EXPECT_EQ(progress.fullWidthReads, 1) << "the unit is taken once";
  EXPECT_EQ(progress.eventPasses, 34 + 1);
}

TEST_F(Discovery, UnitIsTheRoundedWidthOverAHundredRoundedDown) {
  const std::vector<std::pair<double, double>> cases = {{6299.4, 62}, {6299.5, 63}, {6300, 63}, {6399, 63}, {150, 1}};
  for (const auto& [full, unit] : cases) {
    AttachBoard({0x48});
    RecordingProgress progress(full);
    ConnectAndFindDevices(progress);
    ASSERT_EQ(progress.widths.size(), 2u + 34u + 2u) << full;
    EXPECT_EQ(progress.widths[1], 33 * unit) << full;
    EXPECT_EQ(progress.widths[2], 33.5 * unit) << full;
    EXPECT_EQ(progress.widths.back(), 100 * unit) << full;
  }
}

TEST_F(Discovery, WaitsBetweenTheSteps) {
  AttachBoard({0x48});
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  EXPECT_NEAR(progress.TimeOf("Connecting") - progress.TimeOf("Enumerating"), 34 * 0.05, 0.001);
  EXPECT_NEAR(progress.TimeOf("Searching") - progress.TimeOf("Connecting"), 0.2, 0.001);
  EXPECT_NEAR(progress.TimeOf("Found") - progress.TimeOf("Searching"), 1.0, 0.001);
  EXPECT_NEAR(Elapsed() - progress.TimeOf("Found"), 2.0, 0.001);
}

TEST_F(Discovery, HandshakeThatSucceedsOnTheTwentiethTryIsAccepted) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.FailHandshakes(19);
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  int handshakes = 0;
  for (const usb::VendorRequest& r : board.Log()) handshakes += r.request == 0xDD;
  EXPECT_EQ(handshakes, 20);
  EXPECT_EQ(gDeviceCount, 1);
  EXPECT_NEAR(progress.TimeOf("Searching") - progress.TimeOf("Connecting"), 20 * 0.2, 0.001);
  EXPECT_EQ(progress.eventPasses, 34 + 20);
}

TEST_F(Discovery, HandshakeThatNeverSucceedsEndsTheProgramAfterTwentyTries) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.FailHandshakes(1000);
  WindowStub window;
  window.Show();
  AnswerMsgBox(ui::vbOK);
  RecordingProgress progress;
  EXPECT_THROW(ConnectAndFindDevices(progress), support::ProgramEnded);

  EXPECT_EQ(board.Log().size(), 20u);
  for (const usb::VendorRequest& r : board.Log()) EXPECT_EQ(r.request, 0xDD);
  ExpectAsked(1u, "Initial Connection Failed - Check USB connections", ui::vbOKOnly | ui::vbCritical);
  EXPECT_NEAR(Elapsed() - progress.TimeOf("Connecting"), 4.0, 0.001);
  EXPECT_EQ(progress.texts.back(), "Connecting...");
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(window.unloads, 1);
  EXPECT_EQ(gDeviceCount, 0);
}

TEST_F(Discovery, FailedDownloadAndYesEntersSimulationWithoutTouchingTheBus) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.RefuseFirmware(true);
  AnswerMsgBox(ui::vbYes);
  RecordingProgress progress;
  ConnectAndFindDevices(progress);

  ExpectAsked(1u, "The KRV7310 evaluation board has not been found.\r\nContinue in simulation mode?", ui::vbYesNo);
  EXPECT_TRUE(gSimulationMode);
  EXPECT_EQ(Found(), std::vector<int>{0x48});
  EXPECT_EQ(gRegShadow[0x3D], 0x41) << "the simulated image is preset";
  EXPECT_EQ(gRegShadow[0x00], 0x85);
  EXPECT_TRUE(board.Log().empty()) << "no handshake, no scan";
  EXPECT_EQ(progress.texts, (std::vector<QString>{"Downloading Firmware..."}));
  EXPECT_EQ(progress.widths, (std::vector<double>{0}));
  EXPECT_EQ(gDevices[0].Name, "KRV7310");
}

TEST_F(Discovery, NoBoardAtAllAndYesEntersSimulation) {
  AnswerMsgBox(ui::vbYes);
  RecordingProgress progress;
  ConnectAndFindDevices(progress);
  EXPECT_TRUE(gSimulationMode);
  EXPECT_EQ(Found(), std::vector<int>{0x48});
  EXPECT_EQ(gDevAddr[1], 0);
}

TEST_F(Discovery, FailedDownloadAndNoEndsTheProgramWithTheFirmwareMessage) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.RefuseFirmware(true);
  AnswerMsgBox(ui::vbNo);
  AnswerMsgBox(ui::vbOK);
  WindowStub window;
  window.Load();
  RecordingProgress progress;
  EXPECT_THROW(ConnectAndFindDevices(progress), support::ProgramEnded);

  ExpectAsked(2u, "Firmware failed to download - Check USB connections", ui::vbOKOnly | ui::vbCritical);
  EXPECT_FALSE(gSimulationMode);
  EXPECT_TRUE(board.Log().empty());
  EXPECT_EQ(window.unloads, 1);
}

TEST_F(Discovery, FailedReadDuringTheScanEndsTheProgram) {
  usb::EmulatedBoard& board = AttachBoard({0x48});
  board.FailRequestNumber(1 + 0x21);  // the handshake, then the reads of 0x00 to 0x20
  AnswerMsgBox(ui::vbOK);
  RecordingProgress progress;
  EXPECT_THROW(ConnectAndFindDevices(progress), support::ProgramEnded);

  ExpectAsked(1u, "Communications Interrupted - Check USB connections", ui::vbOKOnly | ui::vbCritical);
  EXPECT_EQ(board.Log().size(), 1u + 0x21) << "no read after the failed one";
  EXPECT_EQ(Requests().back(), "0x20 read 0x3D");
  EXPECT_EQ(progress.texts.back(), kSearching);
}

}  // namespace
