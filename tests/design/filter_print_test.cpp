// Printing the filter window: its picture, "Printing..." in it, goes by way of
// the clipboard onto one landscape page, as wide as the page allows at the
// window's proportions; without a printer the user reads "Printer Error".

#include <QTemporaryDir>

#include "filter_fixture.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Seams.h"
#include "platform/ui/WindowCapture.h"
#include "support/PdfFile.h"

namespace {

using namespace filtertest;

class FilterPrint : public FilterPage {
 protected:
  void SetUp() override {
    FilterPage::SetUp();
    ASSERT_TRUE(dir_.isValid());
    ui::SetClipboard(&clipboard_);
    // The real capture, noting whether "Printing..." showed when it was taken.
    ui::SetWindowCaptureHandler([this](QWidget* window) {
      printingShown_ = page_ && page_->lblPrinting->isVisible();
      return window->grab().toImage();
    });
  }
  void PrintOn(const QPageSize& size) {
    const QString path = dir_.filePath("page.pdf");
    ui::SetPrinterFactory([path, size] { return support::PdfPrinter(path, size); });
    StartFilterBoard();
    page_ = &OpenFilter();
    PressButton(page_->cmdPrint);
    pdf_ = support::ReadPdf(path);
  }

  QTemporaryDir dir_;
  ui::MemoryClipboard clipboard_;
  frmDigFilter* page_ = nullptr;
  bool printingShown_ = false;
  QByteArray pdf_;
};

TEST_F(FilterPrint, OneLandscapePageWithThePictureOfTheWindow) {
  struct Row {
    const char* page;
    QPageSize size;
    double width, height;  // twips on the page
  } rows[] = {
      {"A4, wider than the window", QPageSize(QPageSize::A4), 15840, 10125},
      {"15000 twips wide", QPageSize(QSizeF(530, 750), QPageSize::Point), 15000, 9588},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.page);
    PrintOn(r.size);
    EXPECT_TRUE(MsgBoxes().empty());
    EXPECT_EQ(pdf_.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf_.contains(QByteArray("/MediaBox [0 0 ") + QByteArray::number(r.size.sizePoints().height()))) << "landscape";
    EXPECT_EQ(pdf_.count("/Subtype /Image"), 1);
    EXPECT_TRUE(pdf_.contains("/Width 1056\n/Height 675")) << "the window's picture, every pixel";
    const support::PlacedPicture placed = support::FindPlacedPicture(support::PdfPageContent(pdf_), 1200);
    EXPECT_NEAR(placed.width, r.width, 0.5);
    EXPECT_NEAR(placed.height, r.height, 0.5);
    EXPECT_NEAR(placed.width / placed.height, 15840.0 / 10125, 1e-3);
    EXPECT_TRUE(printingShown_);
    EXPECT_FALSE(page_->lblPrinting->isVisible());
    EXPECT_EQ(clipboard_.Image().size(), QSize(1056, 675));
    page_->Unload();
  }
}

TEST_F(FilterPrint, WithoutAPrinterTheUserReadsPrinterErrorAndGoesOn) {
  ui::SetPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
  StartFilterBoard();
  page_ = &OpenFilter();
  AnswerMsgBox(ui::vbOK);
  PressButton(page_->cmdPrint);
  ASSERT_EQ(MsgBoxes().size(), 1u);
  EXPECT_EQ(MsgBoxes()[0].prompt, "Printer Error");
  EXPECT_EQ(MsgBoxes()[0].style, ui::vbOKOnly | ui::vbCritical);
  EXPECT_FALSE(page_->lblPrinting->isVisible());
  EXPECT_TRUE(page_->IsVisible());
  ClearBus();
  PressButton(page_->cmdApply);
  EXPECT_EQ(Bus().size(), 12u) << "the window works on";
}

}  // namespace
