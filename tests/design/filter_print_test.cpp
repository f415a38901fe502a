// Printing the filter window: its picture, "Printing..." in it, goes by way of
// the clipboard onto one landscape page, as wide as the page allows at the
// window's proportions; without a printer the user reads "Printer Error".

#include <QStringDecoder>
#include <QTemporaryDir>

#include "filter_fixture.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Seams.h"
#include "platform/ui/WindowCapture.h"
#include "support/PdfFile.h"

namespace {

using namespace filtertest;

// The document's title in the PDF's information: UTF-16 after a byte-order mark, brackets escaped.
QString PdfTitle(const QByteArray& pdf) {
  const qsizetype start = pdf.indexOf("/Title (");
  if (start < 0) return QString();
  QByteArray raw;
  for (qsizetype i = start + 8; i < pdf.size() && pdf[i] != ')'; ++i) {
    if (pdf[i] == '\\') ++i;
    raw += pdf[i];
  }
  QStringDecoder utf16(QStringDecoder::Utf16);
  return utf16(raw);
}

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

// The picture is painted from the printable area's corner: it takes the
// printable width when the window is wider, its own width otherwise, and lies
// wholly on the page. The job is named after the window.
TEST_F(FilterPrint, OneLandscapePageWithThePictureOfTheWindow) {
  struct Row {
    const char* page;
    QPageSize size;
  } rows[] = {
      {"A4, wider than the window", QPageSize(QPageSize::A4)},
      {"15000 twips wide", QPageSize(QSizeF(530, 750), QPageSize::Point)},
      {"Letter", QPageSize(QPageSize::Letter)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.page);
    PrintOn(r.size);
    EXPECT_TRUE(MsgBoxes().empty());
    EXPECT_EQ(pdf_.count("/Type /Page\n"), 1);
    const QSizeF paper = r.size.sizePoints().transposed() * 20;  // landscape, in twips
    EXPECT_TRUE(pdf_.contains(QByteArray("/MediaBox [0 0 ") + QByteArray::number(paper.width() / 20))) << "landscape";
    EXPECT_EQ(pdf_.count("/Subtype /Image"), 1);
    EXPECT_TRUE(pdf_.contains("/Width 1056\n/Height 675")) << "the window's picture, every pixel";
    const support::PlacedPicture placed = support::FindPlacedPicture(support::PdfPageContent(pdf_), 1200);
    std::unique_ptr<QPrinter> printer = support::PdfPrinter(dir_.filePath("unused.pdf"), r.size);
    printer->setPageOrientation(QPageLayout::Landscape);
    // The page's drawing starts at the printable area's corner.
    const QRectF printable = printer->pageLayout().paintRectPoints();
    EXPECT_NEAR(placed.width, std::min(15840.0, printable.width() * 20), 0.5);
    EXPECT_NEAR(placed.width / placed.height, 15840.0 / 10125, 1e-3);
    const QRectF onPaper(printable.topLeft() * 20 + QPointF(placed.left, placed.top),
                         QSizeF(placed.width, placed.height));
    EXPECT_TRUE(QRectF(QPointF(), paper).adjusted(-0.5, -0.5, 0.5, 0.5).contains(onPaper))
        << "the picture runs to " << onPaper.right() << " of " << paper.width() << " twips";
    EXPECT_EQ(PdfTitle(pdf_), "Filter Settings (0x48)") << "the job's name";
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
