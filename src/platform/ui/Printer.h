#pragma once
// The printer as the program uses it: one page, measured in twips like the
// windows, on which a picture is painted at a place and size. The system's
// default printer in the program; tests have it write a PDF file. Every step
// reports whether it worked, so that the caller can tell the user; "no
// printer" is an OpenPrinter that gives nothing.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace ui {

class Printer {
 public:
  // Orientation settings by their classic numbers.
  enum Orientation { vbPRORPortrait = 1, vbPRORLandscape = 2 };

  explicit Printer(std::unique_ptr<QPrinter> device);
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // Before the page is started; any other setting is refused.
  bool SetOrientation(int setting);
  // The job's name in the printer's queue (a PDF's title). Before the page is started.
  void SetDocName(const QString& name);
  // Starts the job and its page, as printing an empty line does.
  bool StartPage();
  // The page's width and height in twips.
  double Width() const;
  double Height() const;
  // The width of the printable area, inside the page's margins, in twips.
  double PrintableWidth() const;
  // The picture stretched over a rectangle of the page, in twips from the
  // printable area's top left corner. Needs a started page.
  bool PaintPicture(const QImage& picture, double left, double top, double width, double height);
  // Sends the page to the printer and ends the job.
  bool EndDoc();
  // What went wrong last, for the caller's record; empty after success.
  QString Error() const { return error_; }

 private:
  bool Fail(const QString& what);
  std::unique_ptr<QPrinter> device_;
  std::unique_ptr<QPainter> painter_;
  QString error_;
};

// The printer to print on, or nullptr when the system has none.
std::unique_ptr<Printer> OpenPrinter();
// Where OpenPrinter gets its device: tests give a printer writing a PDF file,
// or nothing for "no printer". An empty factory restores the system's default printer.
void SetPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory);

// Back to the system's default printer.
void ResetPrinter();

}  // namespace ui
