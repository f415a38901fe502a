// Window capture, clipboard and printer: a picture of a window, the clipboard
// that holds it, and the page it is printed on, in twips, as a PDF file here.

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Printer.h"
#include "platform/ui/WindowCapture.h"
#include "support/Fixture.h"
#include "support/PdfFile.h"

namespace {

class PrintSeams : public support::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    ASSERT_TRUE(dir_.isValid());
    pdf_ = dir_.filePath("page.pdf");
    ui::SetPrinterFactory([this] { return PdfPrinter(pdf_); });
  }
  static std::unique_ptr<QPrinter> PdfPrinter(const QString& path) { return support::PdfPrinter(path); }
  QByteArray Pdf() const { return support::ReadPdf(pdf_); }
  QString PageContent() const { return support::PdfPageContent(Pdf()); }
  QTemporaryDir dir_;
  QString pdf_;
};

QImage Picture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(QColor(10, 120, 200));
  return picture;
}

using Placed = support::PlacedPicture;
Placed PlacedPicture(const QString& content, int resolution) { return support::FindPlacedPicture(content, resolution); }

struct PageCase {
  int orientation;
  double width, height;  // twips of an A4 page, which the printer takes as 595 x 842 points
  const char* mediaBox;
};
void PrintTo(const PageCase& c, std::ostream* os) { *os << "orientation " << c.orientation; }

class PrinterPages : public PrintSeams, public ::testing::WithParamInterface<PageCase> {};

}  // namespace

TEST_P(PrinterPages, OrientationSetsThePageMeasuredInTwips) {
  std::unique_ptr<ui::Printer> printer = ui::OpenPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_TRUE(printer->SetOrientation(GetParam().orientation));
  EXPECT_NEAR(printer->Width(), GetParam().width, 1);
  EXPECT_NEAR(printer->Height(), GetParam().height, 1);
  ASSERT_TRUE(printer->StartPage()) << printer->Error().toStdString();
  ASSERT_TRUE(printer->EndDoc()) << printer->Error().toStdString();
  EXPECT_TRUE(Pdf().contains(GetParam().mediaBox));
  EXPECT_EQ(Pdf().count("/Type /Page\n"), 1);
}

INSTANTIATE_TEST_SUITE_P(Orientations, PrinterPages,
                         ::testing::Values(PageCase{1, 11900, 16840, "/MediaBox [0 0 595.000000 842.000000]"},
                                           PageCase{2, 16840, 11900, "/MediaBox [0 0 842.000000 595.000000]"}));

namespace {

struct PaintCase {
  double left, top, width, height;
};
void PrintTo(const PaintCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " twips at " << c.left << ", " << c.top;
}

class PrinterPictures : public PrintSeams, public ::testing::WithParamInterface<PaintCase> {};

}  // namespace

TEST_P(PrinterPictures, ThePictureIsStretchedOverItsRectangleInTwips) {
  const PaintCase& c = GetParam();
  std::unique_ptr<ui::Printer> printer = ui::OpenPrinter();
  ASSERT_NE(printer, nullptr);
  ASSERT_TRUE(printer->SetOrientation(ui::Printer::vbPRORLandscape));
  ASSERT_TRUE(printer->StartPage());
  ASSERT_TRUE(printer->PaintPicture(Picture(1056, 675), c.left, c.top, c.width, c.height));
  ASSERT_TRUE(printer->EndDoc());
  const Placed placed = PlacedPicture(PageContent(), 1200);
  EXPECT_NEAR(placed.width, c.width, 0.5);
  EXPECT_NEAR(placed.height, c.height, 0.5);
  EXPECT_NEAR(placed.left, c.left, 0.5);
  EXPECT_NEAR(placed.top, c.top, 0.5);
  EXPECT_TRUE(Pdf().contains("/Width 1056\n/Height 675")) << "the picture goes to the page whole, every pixel";
}

INSTANTIATE_TEST_SUITE_P(Rectangles, PrinterPictures,
                         ::testing::Values(PaintCase{0, 0, 15840, 10125}, PaintCase{0, 0, 15000, 9588},
                                           PaintCase{720, 1440, 7920, 5062.5}));

namespace {

struct FailureCase {
  const char* name;
  std::function<bool(ui::Printer&)> road;
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class PrinterFailures : public PrintSeams, public ::testing::WithParamInterface<FailureCase> {};

}  // namespace

TEST_P(PrinterFailures, AreReportedToTheCaller) {
  std::unique_ptr<ui::Printer> printer = ui::OpenPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_FALSE(GetParam().road(*printer));
  EXPECT_FALSE(printer->Error().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Roads, PrinterFailures,
    ::testing::Values(
        FailureCase{"PaintBeforeThePage", [](ui::Printer& p) { return p.PaintPicture(Picture(8, 8), 0, 0, 100, 100); }},
        FailureCase{"EndWithoutAPage", [](ui::Printer& p) { return p.EndDoc(); }},
        FailureCase{"OrientationOnAStartedPage",
                    [](ui::Printer& p) { return p.StartPage() && p.SetOrientation(ui::Printer::vbPRORLandscape); }},
        FailureCase{"NoSuchOrientation", [](ui::Printer& p) { return p.SetOrientation(3); }},
        FailureCase{"NoPicture",
                    [](ui::Printer& p) { return p.StartPage() && p.PaintPicture(QImage(), 0, 0, 100, 100); }},
        FailureCase{"SecondEnd", [](ui::Printer& p) { return p.StartPage() && p.EndDoc() && p.EndDoc(); }}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(PrintSeams, APrinterThatCannotStartTheJobFailsAtThePage) {
  ui::SetPrinterFactory([this] { return PdfPrinter(dir_.filePath("no/such/folder/page.pdf")); });
  std::unique_ptr<ui::Printer> printer = ui::OpenPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_FALSE(printer->StartPage());
  EXPECT_FALSE(printer->Error().isEmpty());
}

TEST_F(PrintSeams, NoPrinterIsNothingToPrintOn) {
  ui::SetPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
  EXPECT_EQ(ui::OpenPrinter(), nullptr);
}

TEST_F(PrintSeams, TheCaptureIsThePictureOfTheWindowAndTestsCanReplaceIt) {
  QWidget window;
  window.resize(120, 80);
  QPalette colours = window.palette();
  colours.setColor(QPalette::Window, QColor(200, 30, 30));
  window.setPalette(colours);
  window.setAutoFillBackground(true);
  const QImage real = ui::CaptureWindow(&window);
  EXPECT_EQ(real.size(), QSize(120, 80));
  EXPECT_EQ(real.pixelColor(60, 40), QColor(200, 30, 30));
  EXPECT_TRUE(ui::CaptureWindow(nullptr).isNull());

  ui::SetWindowCaptureHandler([](QWidget*) { return Picture(3, 2); });
  EXPECT_EQ(ui::CaptureWindow(&window).size(), QSize(3, 2));
  ui::SetWindowCaptureHandler(nullptr);
  EXPECT_EQ(ui::CaptureWindow(&window).size(), QSize(120, 80));
}

TEST_F(PrintSeams, TheClipboardHoldsThePictureUntilCleared) {
  ui::MemoryClipboard memory;
  ui::SetClipboard(&memory);
  ui::TheClipboard().SetImage(Picture(5, 4));
  EXPECT_EQ(memory.Image().size(), QSize(5, 4)) << "what the program leaves is there for the test to read";
  ui::TheClipboard().Clear();
  EXPECT_TRUE(ui::TheClipboard().Image().isNull());

  ui::SetClipboard(nullptr);
  ui::TheClipboard().SetImage(Picture(6, 7));
  EXPECT_EQ(ui::TheClipboard().Image().size(), QSize(6, 7)) << "the system clipboard";
  EXPECT_TRUE(memory.Image().isNull());
  ui::TheClipboard().Clear();
  EXPECT_TRUE(ui::TheClipboard().Image().isNull());
}
